<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../../ui/Artwork.cpp" line="+113"/>
        <source>index.html</source>
        <comment>the file name of the help page in this language</comment>
        <translation>index_pl.html</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <location filename="../../ui/accessibility/BoardAccessible.cpp" line="+72"/>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>Plansza</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Arrow keys choose a square, Enter plays it</source>
        <extracomment>How to play the board by keys, read by a screen reader after the board&apos;s name: the arrow keys move a cursor over the squares, Enter plays a move on its square.</extracomment>
        <translation>Klawisze strzałek wybierają pole, Enter wykonuje na nim ruch</translation>
    </message>
</context>
<context>
    <name>BoardNarrator</name>
    <message>
        <location filename="../../ui/accessibility/BoardNarrator.cpp" line="+18"/>
        <source>Black</source>
        <extracomment>The side that plays black, as the subject of &quot;%1 %2, turns %3&quot; and &quot;%1 passes&quot;.</extracomment>
        <translation>Czarne</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>White</source>
        <extracomment>The side that plays white, as the subject of &quot;%1 %2, turns %3&quot; and &quot;%1 passes&quot;.</extracomment>
        <translation>Białe</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 and %2</source>
        <extracomment>The end of a list of squares: %1 is &quot;c4&quot; or &quot;c4, d4&quot;, %2 the last square.</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 %2, turns %3</source>
        <extracomment>Spoken when a move is shown: %1 is the side (Black or White), %2 the square played, %3 the discs it turned (&quot;d4&quot;, or &quot;c4 and d4&quot;). &quot;Black d3, turns d4&quot;.</extracomment>
        <translation>%1 %2, odwracają %3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hint: %1</source>
        <translation>Podpowiedź: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hint</source>
        <translation>Brak podpowiedzi</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Level %1</source>
        <translation>Poziom %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 passes</source>
        <extracomment>Spoken when a side has no move and the turn goes to the other: %1 is Black or White.</extracomment>
        <translation>%1 pasują</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game over. Black %1, white %2</source>
        <extracomment>Spoken at the end of the game: the number of black and of white discs.</extracomment>
        <translation>Koniec gry. Czarne %1, białe %2</translation>
    </message>
</context>
<context>
    <name>CFlipstoneDoc</name>
    <message>
        <location filename="../../game/CFlipstoneDoc.cpp" line="+27"/>
        <source>You Win.</source>
        <translation>Wygrywasz.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You Lose</source>
        <translation>Przegrywasz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw Game</source>
        <translation>Remis</translation>
    </message>
    <message>
        <location filename="../../game/CFlipstoneDoc.h" line="+48"/>
        <source>Flipstone</source>
        <translation>Flipstone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flipstone - Training game</source>
        <translation>Flipstone - Partia treningowa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Untitled</source>
        <translation>Bez nazwy</translation>
    </message>
</context>
<context>
    <name>DesktopHost</name>
    <message>
        <location filename="../../app/DesktopHost.cpp" line="+38"/>
        <source>Game over</source>
        <translation>Koniec gry</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <location filename="../../app/files/GameFile.cpp" line="+24"/>
        <source>it does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the folder does not exist</source>
        <translation>katalog nie istnieje</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a folder</source>
        <translation>to jest katalog</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>permission denied</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the location is read-only</source>
        <translation>położenie jest tylko do odczytu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a part of the path is not a folder</source>
        <translation>część ścieżki nie jest katalogiem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the name is too long</source>
        <translation>nazwa jest za długa</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason, one of this context&apos;s lower-case texts.</extracomment>
        <translation>Nie można otworzyć pliku „%1”: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason, one of this context&apos;s lower-case texts.</extracomment>
        <translation>Nie można zapisać pliku „%1”: %2.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>it is not a plain file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <location filename="../../app/files/GameFile.h" line="+13"/>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>GameFileDialogs</name>
    <message>
        <location filename="../../app/files/GameFileDialogs.cpp" line="+29"/>
        <source>Open</source>
        <extracomment>The title of the file dialog that opens a saved game (a command, not &quot;not closed&quot;).</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../../app/settings/SettingsStore.cpp" line="+27"/>
        <source>The settings file %1 could not be removed: %2.</source>
        <translation>Nie można usunąć pliku ustawień %1: %2.</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>it is a folder</source>
        <translation>to jest katalog</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <extracomment>Shown after &quot;flipstone -unregister&quot; has deleted the player&apos;s Flipstone settings (the file ~/.config/Hollin/Flipstone.conf). A Linux desktop has no system registry and no INI file: say in the player&apos;s words that the game&apos;s saved settings were removed.</extracomment>
        <translation>Zapisane ustawienia gry Flipstone zostały usunięte.</translation>
    </message>
</context>
<context>
    <name>SquareText</name>
    <message>
        <location filename="../../ui/accessibility/SquareText.cpp" line="+17"/>
        <source>black</source>
        <extracomment>What a square holds, spoken after its name: &quot;d4, black&quot; (a black disc).</extracomment>
        <translation>czarny pionek</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>white</source>
        <extracomment>What a square holds, spoken after its name: &quot;d4, white&quot; (a white disc).</extracomment>
        <translation>biały pionek</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>empty</source>
        <extracomment>What a square holds, spoken after its name: &quot;d3, empty&quot;.</extracomment>
        <translation>puste</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>legal move</source>
        <extracomment>Spoken after a square&apos;s content: the player may play on this square.</extracomment>
        <translation>możliwy ruch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>last move</source>
        <extracomment>Spoken after a square&apos;s content: the last move was played on this square.</extracomment>
        <translation>ostatni ruch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>hint</source>
        <extracomment>Spoken after a square&apos;s content: the hint suggests playing on this square.</extracomment>
        <translation>podpowiedź</translation>
    </message>
</context>
<context>
    <name>flipstone::CAboutDialog</name>
    <message>
        <location filename="../../app/dialogs/CAboutDialog.cpp" line="+22"/>
        <source>About Flipstone</source>
        <translation>O programie Flipstone</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Flipstone Version %1</source>
        <extracomment>%1 is the version number, such as 1.07e.</extracomment>
        <translation>Flipstone wersja %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>flipstone::CGameStartDialog</name>
    <message>
        <location filename="../../app/dialogs/CGameStartDialog.cpp" line="+26"/>
        <source>Flipstone</source>
        <translation>Flipstone</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Move</source>
        <extracomment>The caption of the group that chooses who opens the game: the player or the computer.</extracomment>
        <translation>Ruch</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>First</source>
        <extracomment>In the group &quot;Move&quot;: the player makes the game&apos;s first move, with black.</extracomment>
        <translation>Pierwszy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move first</source>
        <extracomment>What a screen reader says for the choice &quot;First&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Graj jako pierwszy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Second</source>
        <extracomment>In the group &quot;Move&quot;: the computer opens, the player answers with white.</extracomment>
        <translation>Drugi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move second</source>
        <extracomment>What a screen reader says for the choice &quot;Second&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Graj jako drugi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level</source>
        <extracomment>The caption of the group that chooses the computer&apos;s level, 1 to 4.</extracomment>
        <translation>Poziom</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level %1</source>
        <extracomment>What a screen reader says for a choice of the group &quot;Level&quot;; %1 is 1 to 4.</extracomment>
        <translation>Poziom %1</translation>
    </message>
</context>
<context>
    <name>flipstone::CMainFrame</name>
    <message>
        <location filename="../../app/language/Translations.cpp" line="+39"/>
        <location filename="../../ui/CMainFrame.cpp" line="+133"/>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <location filename="../../ui/CMainFrame.cpp" line="+1"/>
        <source>&amp;Start</source>
        <translation>&amp;Rozpocznij</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game start
Game start</source>
        <translation>Rozpoczyna nową grę
Rozpocznij grę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Kończy działanie programu; pyta o zapisanie dokumentów
Zakończ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Set</source>
        <extracomment>The menu of settings: the computer&apos;s level and the sound.</extracomment>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set sound
Set sound</source>
        <translation>Włącza lub wyłącza dźwięk
Dźwięk</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>List Help topics
Help Topics</source>
        <translation>Wyświetla listę tematów pomocy
Tematy pomocy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Flipstone...</source>
        <translation>&amp;O programie Flipstone...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display program information, version number and copyright
About</source>
        <translation>Wyświetla informacje o programie, numer wersji i prawa autorskie
O programie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Level</source>
        <translation>&amp;Poziom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Level &amp;%1</source>
        <translation>Poziom &amp;%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer Level %1
Level %1</source>
        <translation>Poziom gry komputera: %1
Poziom %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar</source>
        <extracomment>The toolbar&apos;s name, shown where the desktop lists the window&apos;s toolbars.</extracomment>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Toolbar</source>
        <translation>Pasek &amp;narzędzi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar</source>
        <translation>Pokazuje lub ukrywa pasek narzędzi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle ToolBar</source>
        <translation>Pokaż/ukryj pasek narzędzi</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Status Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Pokazuje lub ukrywa pasek stanu
Pokaż/ukryj pasek stanu</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create a new document
New</source>
        <translation>Tworzy nowy dokument
Nowy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open an existing document
Open</source>
        <translation>Otwiera istniejący dokument
Otwórz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save the active document
Save</source>
        <translation>Zapisuje bieżący dokument
Zapisz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help</source>
        <extracomment>The command of the F1 key: open the help window.</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Display help for current task or command
Help</source>
        <translation>Wyświetla pomoc dotyczącą bieżącego zadania lub polecenia
Pomoc</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>More toolbar buttons</source>
        <translation>Więcej przycisków paska narzędzi</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>For Help, press F1</source>
        <translation>Pomoc: F1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+31"/>
        <source>Value:%1</source>
        <extracomment>A status pane: the computer&apos;s opinion of the position, a signed number (higher is better for the computer). Keep it short.</extracomment>
        <translation>Ocena:%1</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+36"/>
        <source>Leaf: %1</source>
        <extracomment>A status pane: the number of positions the computer has weighed for its move (the leaves of its search tree). Keep it short.</extracomment>
        <translation>Pozycje: %1</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Ply: %1</source>
        <extracomment>A status pane: the number of moves made in this game, passes not counted. Keep it short.</extracomment>
        <translation>Ruch: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>B: %1 / W: %2</source>
        <extracomment>A status pane: the number of black discs and of white discs on the board, each colour by its first letter.</extracomment>
        <translation>C: %1 / B: %2</translation>
    </message>
</context>
<context>
    <name>flipstone::HelpWindow</name>
    <message>
        <location filename="../../ui/HelpWindow.cpp" line="+12"/>
        <source>Flipstone Help</source>
        <translation>Pomoc programu Flipstone</translation>
    </message>
</context>
</TS>
