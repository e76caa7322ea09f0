<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Artwork</name>
    <message>
        <source>index.html</source>
        <comment>the file name of the help page in this language</comment>
        <translation>index_nl.html</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>Arrow keys choose a square, Enter plays it</source>
        <translation>Kies een veld met de pijltoetsen en druk op Enter om te zetten</translation>
    </message>
</context>
<context>
    <name>BoardNarrator</name>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 %2, turns %3</source>
        <translation>%1 %2, draait %3 om</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tip: %1</translation>
    </message>
    <message>
        <source>No hint</source>
        <translation>Geen tip</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 past</translation>
    </message>
    <message>
        <source>Game over. Black %1, white %2</source>
        <translation>Spel afgelopen. Zwart %1, wit %2</translation>
    </message>
</context>
<context>
    <name>CFlipstoneDoc</name>
    <message>
        <source>You Win.</source>
        <translation>U hebt gewonnen.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>U hebt verloren</translation>
    </message>
    <message>
        <source>Draw Game</source>
        <translation>Gelijkspel</translation>
    </message>
    <message>
        <source>Flipstone</source>
        <translation>Flipstone</translation>
    </message>
    <message>
        <source>Flipstone - Training game</source>
        <translation>Flipstone - Oefenpartij</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
</context>
<context>
    <name>DesktopHost</name>
    <message>
        <source>Game over</source>
        <translation>Spel afgelopen</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>it does not exist</source>
        <translation>het bestaat niet</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>de map bestaat niet</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <source>the location is read-only</source>
        <translation>de locatie is alleen-lezen</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>een deel van het pad is geen map</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>de naam is te lang</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <translation>Kan het bestand ‘%1’ niet openen: %2.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>Kan het bestand ‘%1’ niet opslaan: %2.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>GameFileDialogs</name>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 could not be removed: %2.</source>
        <translation>Het instellingenbestand %1 kon niet worden verwijderd: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>De opgeslagen instellingen van Flipstone zijn verwijderd.</translation>
    </message>
</context>
<context>
    <name>SquareText</name>
    <message>
        <source>black</source>
        <translation>zwart</translation>
    </message>
    <message>
        <source>white</source>
        <translation>wit</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>geldige zet</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>laatste zet</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>tip</translation>
    </message>
</context>
<context>
    <name>flipstone::CAboutDialog</name>
    <message>
        <source>About Flipstone</source>
        <translation>Over Flipstone</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Flipstone Version %1</source>
        <extracomment>%1 is the version number, such as 1.07e.</extracomment>
        <translation>Flipstone versie %1</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>The caption of the group that chooses who opens the game: the player or the computer.</extracomment>
        <translation>Aan zet</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>In the group &quot;Move&quot;: the player makes the game&apos;s first move, with black.</extracomment>
        <translation>Als eerste</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>In the group &quot;Move&quot;: the computer opens, the player answers with white.</extracomment>
        <translation>Als tweede</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The caption of the group that chooses the computer&apos;s level, 1 to 4.</extracomment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Move first</source>
        <extracomment>What a screen reader says for the choice &quot;First&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Als eerste aan zet</translation>
    </message>
    <message>
        <source>Move second</source>
        <extracomment>What a screen reader says for the choice &quot;Second&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Als tweede aan zet</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>What a screen reader says for a choice of the group &quot;Level&quot;; %1 is 1 to 4.</extracomment>
        <translation>Niveau %1</translation>
    </message>
</context>
<context>
    <name>flipstone::CMainFrame</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Game start
Game start</source>
        <translation>Een nieuw spel beginnen
Spel starten</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Het programma afsluiten; vraagt of documenten moeten worden opgeslagen
Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>Set sound
Set sound</source>
        <translation>Geluid aan- of uitzetten
Geluid aan/uit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hulponderwerpen</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Hulponderwerpen weergeven
Hulponderwerpen</translation>
    </message>
    <message>
        <source>&amp;About Flipstone...</source>
        <translation>&amp;Over Flipstone...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programma-informatie, versienummer en copyright weergeven
Over</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>Level &amp;%1</source>
        <translation>Niveau &amp;%1</translation>
    </message>
    <message>
        <source>Computer Level %1
Level %1</source>
        <translation>Niveau %1 van de computer
Niveau %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkbalk</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Werkbalk tonen of verbergen</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Werkbalk aan/uit</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusbalk</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusbalk tonen of verbergen
Statusbalk aan/uit</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Een nieuw document maken
Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Een bestaand document openen
Openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Het actieve document opslaan
Opslaan</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Hulp bij de huidige taak of opdracht weergeven
Hulp</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Meer werkbalkknoppen</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Hulp: F1</translation>
    </message>
    <message>
        <source>Value:%1</source>
        <translation>Waarde:%1</translation>
    </message>
    <message>
        <source>Leaf: %1</source>
        <translation>Blad: %1</translation>
    </message>
    <message>
        <source>Ply: %1</source>
        <translation>Zet: %1</translation>
    </message>
    <message>
        <source>B: %1 / W: %2</source>
        <translation>Z: %1 / W: %2</translation>
    </message>
</context>
<context>
    <name>flipstone::HelpWindow</name>
    <message>
        <source>Flipstone Help</source>
        <translation>Hulp bij Flipstone</translation>
    </message>
</context>
</TS>
