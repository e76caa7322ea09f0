<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Artwork</name>
    <message>
        <source>index.html</source>
        <comment>the file name of the help page in this language</comment>
        <translation>index_pl.html</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Arrow keys choose a square, Enter plays it</source>
        <translation>Klawisze strzałek wybierają pole, Enter wykonuje na nim ruch</translation>
    </message>
</context>
<context>
    <name>BoardNarrator</name>
    <message>
        <source>Black</source>
        <translation>Czarne</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Białe</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1 %2, turns %3</source>
        <translation>%1 %2, odwracają %3</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Podpowiedź: %1</translation>
    </message>
    <message>
        <source>No hint</source>
        <translation>Brak podpowiedzi</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Poziom %1</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 pasują</translation>
    </message>
    <message>
        <source>Game over. Black %1, white %2</source>
        <translation>Koniec gry. Czarne %1, białe %2</translation>
    </message>
</context>
<context>
    <name>CFlipstoneDoc</name>
    <message>
        <source>You Win.</source>
        <translation>Wygrywasz.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Przegrywasz</translation>
    </message>
    <message>
        <source>Draw Game</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>Flipstone</source>
        <translation>Flipstone</translation>
    </message>
    <message>
        <source>Flipstone - Training game</source>
        <translation>Flipstone - Partia treningowa</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez nazwy</translation>
    </message>
</context>
<context>
    <name>DesktopHost</name>
    <message>
        <source>Game over</source>
        <translation>Koniec gry</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>it does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>katalog nie istnieje</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to jest katalog</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <source>the location is read-only</source>
        <translation>położenie jest tylko do odczytu</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>część ścieżki nie jest katalogiem</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>nazwa jest za długa</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <translation>Nie można otworzyć pliku „%1”: %2.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>Nie można zapisać pliku „%1”: %2.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>GameFileDialogs</name>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 could not be removed: %2.</source>
        <translation>Nie można usunąć pliku ustawień %1: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to jest katalog</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Zapisane ustawienia gry Flipstone zostały usunięte.</translation>
    </message>
</context>
<context>
    <name>SquareText</name>
    <message>
        <source>black</source>
        <translation>czarny pionek</translation>
    </message>
    <message>
        <source>white</source>
        <translation>biały pionek</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>możliwy ruch</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>ostatni ruch</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>podpowiedź</translation>
    </message>
</context>
<context>
    <name>flipstone::CAboutDialog</name>
    <message>
        <source>About Flipstone</source>
        <translation>O programie Flipstone</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Flipstone Version %1</source>
        <extracomment>%1 is the version number, such as 1.07e.</extracomment>
        <translation>Flipstone wersja %1</translation>
    </message>
</context>
<context>
    <name>flipstone::CGameStartDialog</name>
    <message>
        <source>Flipstone</source>
        <translation>Flipstone</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>The caption of the group that chooses who opens the game: the player or the computer.</extracomment>
        <translation>Ruch</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>In the group &quot;Move&quot;: the player makes the game&apos;s first move, with black.</extracomment>
        <translation>Pierwszy</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>In the group &quot;Move&quot;: the computer opens, the player answers with white.</extracomment>
        <translation>Drugi</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The caption of the group that chooses the computer&apos;s level, 1 to 4.</extracomment>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Move first</source>
        <extracomment>What a screen reader says for the choice &quot;First&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Graj jako pierwszy</translation>
    </message>
    <message>
        <source>Move second</source>
        <extracomment>What a screen reader says for the choice &quot;Second&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Graj jako drugi</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>What a screen reader says for a choice of the group &quot;Level&quot;; %1 is 1 to 4.</extracomment>
        <translation>Poziom %1</translation>
    </message>
</context>
<context>
    <name>flipstone::CMainFrame</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Rozpocznij</translation>
    </message>
    <message>
        <source>Game start
Game start</source>
        <translation>Rozpoczyna nową grę
Rozpocznij grę</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Kończy działanie programu; pyta o zapisanie dokumentów
Zakończ</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>Set sound
Set sound</source>
        <translation>Włącza lub wyłącza dźwięk
Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Wyświetla listę tematów pomocy
Tematy pomocy</translation>
    </message>
    <message>
        <source>&amp;About Flipstone...</source>
        <translation>&amp;O programie Flipstone...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Wyświetla informacje o programie, numer wersji i prawa autorskie
O programie</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Poziom</translation>
    </message>
    <message>
        <source>Level &amp;%1</source>
        <translation>Poziom &amp;%1</translation>
    </message>
    <message>
        <source>Computer Level %1
Level %1</source>
        <translation>Poziom gry komputera: %1
Poziom %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Pasek &amp;narzędzi</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Pokazuje lub ukrywa pasek narzędzi</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Pokaż/ukryj pasek narzędzi</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Pokazuje lub ukrywa pasek stanu
Pokaż/ukryj pasek stanu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Tworzy nowy dokument
Nowy</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Otwiera istniejący dokument
Otwórz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Zapisuje bieżący dokument
Zapisz</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Wyświetla pomoc dotyczącą bieżącego zadania lub polecenia
Pomoc</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Więcej przycisków paska narzędzi</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Pomoc: F1</translation>
    </message>
    <message>
        <source>Value:%1</source>
        <translation>Ocena:%1</translation>
    </message>
    <message>
        <source>Leaf: %1</source>
        <translation>Pozycje: %1</translation>
    </message>
    <message>
        <source>Ply: %1</source>
        <translation>Ruch: %1</translation>
    </message>
    <message>
        <source>B: %1 / W: %2</source>
        <translation>C: %1 / B: %2</translation>
    </message>
</context>
<context>
    <name>flipstone::HelpWindow</name>
    <message>
        <source>Flipstone Help</source>
        <translation>Pomoc programu Flipstone</translation>
    </message>
</context>
</TS>
