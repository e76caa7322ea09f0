<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../../ui/Artwork.cpp" line="+113"/>
        <source>index.html</source>
        <comment>the file name of the help page in this language</comment>
        <translation>index_nl.html</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <location filename="../../ui/accessibility/BoardAccessible.cpp" line="+72"/>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>Speelbord</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Arrow keys choose a square, Enter plays it</source>
        <extracomment>How to play the board by keys, read by a screen reader after the board&apos;s name: the arrow keys move a cursor over the squares, Enter plays a move on its square.</extracomment>
        <translation>Kies een veld met de pijltoetsen en druk op Enter om te zetten</translation>
    </message>
</context>
<context>
    <name>BoardNarrator</name>
    <message>
        <location filename="../../ui/accessibility/BoardNarrator.cpp" line="+18"/>
        <source>Black</source>
        <extracomment>The side that plays black, as the subject of &quot;%1 %2, turns %3&quot; and &quot;%1 passes&quot;.</extracomment>
        <translation>Zwart</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>White</source>
        <extracomment>The side that plays white, as the subject of &quot;%1 %2, turns %3&quot; and &quot;%1 passes&quot;.</extracomment>
        <translation>Wit</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 and %2</source>
        <extracomment>The end of a list of squares: %1 is &quot;c4&quot; or &quot;c4, d4&quot;, %2 the last square.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 %2, turns %3</source>
        <extracomment>Spoken when a move is shown: %1 is the side (Black or White), %2 the square played, %3 the discs it turned (&quot;d4&quot;, or &quot;c4 and d4&quot;). &quot;Black d3, turns d4&quot;.</extracomment>
        <translation>%1 %2, draait %3 om</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hint: %1</source>
        <translation>Tip: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hint</source>
        <translation>Geen tip</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 passes</source>
        <extracomment>Spoken when a side has no move and the turn goes to the other: %1 is Black or White.</extracomment>
        <translation>%1 past</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game over. Black %1, white %2</source>
        <extracomment>Spoken at the end of the game: the number of black and of white discs.</extracomment>
        <translation>Spel afgelopen. Zwart %1, wit %2</translation>
    </message>
</context>
<context>
    <name>CFlipstoneDoc</name>
    <message>
        <location filename="../../game/CFlipstoneDoc.cpp" line="+27"/>
        <source>You Win.</source>
        <translation>U hebt gewonnen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You Lose</source>
        <translation>U hebt verloren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw Game</source>
        <translation>Gelijkspel</translation>
    </message>
    <message>
        <location filename="../../game/CFlipstoneDoc.h" line="+48"/>
        <source>Flipstone</source>
        <translation>Flipstone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flipstone - Training game</source>
        <translation>Flipstone - Oefenpartij</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
</context>
<context>
    <name>DesktopHost</name>
    <message>
        <location filename="../../app/DesktopHost.cpp" line="+38"/>
        <source>Game over</source>
        <translation>Spel afgelopen</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <location filename="../../app/files/GameFile.cpp" line="+24"/>
        <source>it does not exist</source>
        <translation>het bestaat niet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the folder does not exist</source>
        <translation>de map bestaat niet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the location is read-only</source>
        <translation>de locatie is alleen-lezen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a part of the path is not a folder</source>
        <translation>een deel van het pad is geen map</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the name is too long</source>
        <translation>de naam is te lang</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason, one of this context&apos;s lower-case texts.</extracomment>
        <translation>Kan het bestand ‘%1’ niet openen: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason, one of this context&apos;s lower-case texts.</extracomment>
        <translation>Kan het bestand ‘%1’ niet opslaan: %2.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>it is not a plain file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <location filename="../../app/files/GameFile.h" line="+13"/>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>GameFileDialogs</name>
    <message>
        <location filename="../../app/files/GameFileDialogs.cpp" line="+29"/>
        <source>Open</source>
        <extracomment>The title of the file dialog that opens a saved game (a command, not &quot;not closed&quot;).</extracomment>
        <translation>Openen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../../app/settings/SettingsStore.cpp" line="+27"/>
        <source>The settings file %1 could not be removed: %2.</source>
        <translation>Het instellingenbestand %1 kon niet worden verwijderd: %2.</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <extracomment>Shown after &quot;flipstone -unregister&quot; has deleted the player&apos;s Flipstone settings (the file ~/.config/Hollin/Flipstone.conf). A Linux desktop has no system registry and no INI file: say in the player&apos;s words that the game&apos;s saved settings were removed.</extracomment>
        <translation>De opgeslagen instellingen van Flipstone zijn verwijderd.</translation>
    </message>
</context>
<context>
    <name>SquareText</name>
    <message>
        <location filename="../../ui/accessibility/SquareText.cpp" line="+17"/>
        <source>black</source>
        <extracomment>What a square holds, spoken after its name: &quot;d4, black&quot; (a black disc).</extracomment>
        <translation>zwart</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>white</source>
        <extracomment>What a square holds, spoken after its name: &quot;d4, white&quot; (a white disc).</extracomment>
        <translation>wit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>empty</source>
        <extracomment>What a square holds, spoken after its name: &quot;d3, empty&quot;.</extracomment>
        <translation>leeg</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>legal move</source>
        <extracomment>Spoken after a square&apos;s content: the player may play on this square.</extracomment>
        <translation>geldige zet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>last move</source>
        <extracomment>Spoken after a square&apos;s content: the last move was played on this square.</extracomment>
        <translation>laatste zet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>hint</source>
        <extracomment>Spoken after a square&apos;s content: the hint suggests playing on this square.</extracomment>
        <translation>tip</translation>
    </message>
</context>
<context>
    <name>flipstone::CAboutDialog</name>
    <message>
        <location filename="../../app/dialogs/CAboutDialog.cpp" line="+22"/>
        <source>About Flipstone</source>
        <translation>Over Flipstone</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Flipstone Version %1</source>
        <extracomment>%1 is the version number, such as 1.07e.</extracomment>
        <translation>Flipstone versie %1</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Move</source>
        <extracomment>The caption of the group that chooses who opens the game: the player or the computer.</extracomment>
        <translation>Aan zet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>First</source>
        <extracomment>In the group &quot;Move&quot;: the player makes the game&apos;s first move, with black.</extracomment>
        <translation>Als eerste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move first</source>
        <extracomment>What a screen reader says for the choice &quot;First&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Als eerste aan zet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Second</source>
        <extracomment>In the group &quot;Move&quot;: the computer opens, the player answers with white.</extracomment>
        <translation>Als tweede</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move second</source>
        <extracomment>What a screen reader says for the choice &quot;Second&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Als tweede aan zet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level</source>
        <extracomment>The caption of the group that chooses the computer&apos;s level, 1 to 4.</extracomment>
        <translation>Niveau</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level %1</source>
        <extracomment>What a screen reader says for a choice of the group &quot;Level&quot;; %1 is 1 to 4.</extracomment>
        <translation>Niveau %1</translation>
    </message>
</context>
<context>
    <name>flipstone::CMainFrame</name>
    <message>
        <location filename="../../app/language/Translations.cpp" line="+39"/>
        <location filename="../../ui/CMainFrame.cpp" line="+133"/>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <location filename="../../ui/CMainFrame.cpp" line="+1"/>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game start
Game start</source>
        <translation>Een nieuw spel beginnen
Spel starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Het programma afsluiten; vraagt of documenten moeten worden opgeslagen
Afsluiten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Set</source>
        <extracomment>The menu of settings: the computer&apos;s level and the sound.</extracomment>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set sound
Set sound</source>
        <translation>Geluid aan- of uitzetten
Geluid aan/uit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Help</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hulponderwerpen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>List Help topics
Help Topics</source>
        <translation>Hulponderwerpen weergeven
Hulponderwerpen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Flipstone...</source>
        <translation>&amp;Over Flipstone...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programma-informatie, versienummer en copyright weergeven
Over</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Level</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Level &amp;%1</source>
        <translation>Niveau &amp;%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer Level %1
Level %1</source>
        <translation>Niveau %1 van de computer
Niveau %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;View</source>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar</source>
        <extracomment>The toolbar&apos;s name, shown where the desktop lists the window&apos;s toolbars.</extracomment>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkbalk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar</source>
        <translation>Werkbalk tonen of verbergen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle ToolBar</source>
        <translation>Werkbalk aan/uit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusbalk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusbalk tonen of verbergen
Statusbalk aan/uit</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create a new document
New</source>
        <translation>Een nieuw document maken
Nieuw</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open an existing document
Open</source>
        <translation>Een bestaand document openen
Openen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save the active document
Save</source>
        <translation>Het actieve document opslaan
Opslaan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help</source>
        <extracomment>The command of the F1 key: open the help window.</extracomment>
        <translation>Hulp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Display help for current task or command
Help</source>
        <translation>Hulp bij de huidige taak of opdracht weergeven
Hulp</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>More toolbar buttons</source>
        <translation>Meer werkbalkknoppen</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>For Help, press F1</source>
        <translation>Hulp: F1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+31"/>
        <source>Value:%1</source>
        <extracomment>A status pane: the computer&apos;s opinion of the position, a signed number (higher is better for the computer). Keep it short.</extracomment>
        <translation>Waarde:%1</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+36"/>
        <source>Leaf: %1</source>
        <extracomment>A status pane: the number of positions the computer has weighed for its move (the leaves of its search tree). Keep it short.</extracomment>
        <translation>Blad: %1</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Ply: %1</source>
        <extracomment>A status pane: the number of moves made in this game, passes not counted. Keep it short.</extracomment>
        <translation>Zet: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>B: %1 / W: %2</source>
        <extracomment>A status pane: the number of black discs and of white discs on the board, each colour by its first letter.</extracomment>
        <translation>Z: %1 / W: %2</translation>
    </message>
</context>
<context>
    <name>flipstone::HelpWindow</name>
    <message>
        <location filename="../../ui/HelpWindow.cpp" line="+12"/>
        <source>Flipstone Help</source>
        <translation>Hulp bij Flipstone</translation>
    </message>
</context>
</TS>
