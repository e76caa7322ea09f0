<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Artwork</name>
    <message>
        <source>index.html</source>
        <comment>the file name of the help page in this language</comment>
        <translation>index_it.html</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Scacchiera</translation>
    </message>
    <message>
        <source>Arrow keys choose a square, Enter plays it</source>
        <translation>Scegli una casella con i tasti freccia e premi Invio per giocarvi</translation>
    </message>
</context>
<context>
    <name>BoardNarrator</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 %2, turns %3</source>
        <translation>%1 %2, gira %3</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Suggerimento: %1</translation>
    </message>
    <message>
        <source>No hint</source>
        <translation>Nessun suggerimento</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Livello %1</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 passa</translation>
    </message>
    <message>
        <source>Game over. Black %1, white %2</source>
        <translation>Partita finita. Nero %1, bianco %2</translation>
    </message>
</context>
<context>
    <name>CFlipstoneDoc</name>
    <message>
        <source>You Win.</source>
        <translation>Hai vinto.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Hai perso</translation>
    </message>
    <message>
        <source>Draw Game</source>
        <translation>Pareggio</translation>
    </message>
    <message>
        <source>Flipstone</source>
        <translation>Flipstone</translation>
    </message>
    <message>
        <source>Flipstone - Training game</source>
        <translation>Flipstone - Partita di allenamento</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>DesktopHost</name>
    <message>
        <source>Game over</source>
        <translation>Fine partita</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>it does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>the location is read-only</source>
        <translation>la posizione è di sola lettura</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>il nome è troppo lungo</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <translation>Impossibile aprire il file «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>Impossibile salvare il file «%1»: %2.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>GameFileDialogs</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva come</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 could not be removed: %2.</source>
        <translation>Impossibile rimuovere il file delle impostazioni %1: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Le impostazioni salvate di Flipstone sono state eliminate.</translation>
    </message>
</context>
<context>
    <name>SquareText</name>
    <message>
        <source>black</source>
        <translation>pedina nera</translation>
    </message>
    <message>
        <source>white</source>
        <translation>pedina bianca</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>mossa valida</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>ultima mossa</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>suggerimento</translation>
    </message>
</context>
<context>
    <name>flipstone::CAboutDialog</name>
    <message>
        <source>About Flipstone</source>
        <translation>Informazioni su Flipstone</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Flipstone Version %1</source>
        <extracomment>%1 is the version number, such as 1.07e.</extracomment>
        <translation>Flipstone versione %1</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>The caption of the group that chooses who opens the game: the player or the computer.</extracomment>
        <translation>Tu giochi</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>In the group &quot;Move&quot;: the player makes the game&apos;s first move, with black.</extracomment>
        <translation>Per primo</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>In the group &quot;Move&quot;: the computer opens, the player answers with white.</extracomment>
        <translation>Per secondo</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The caption of the group that chooses the computer&apos;s level, 1 to 4.</extracomment>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Move first</source>
        <extracomment>What a screen reader says for the choice &quot;First&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Gioca per primo</translation>
    </message>
    <message>
        <source>Move second</source>
        <extracomment>What a screen reader says for the choice &quot;Second&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Gioca per secondo</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>What a screen reader says for a choice of the group &quot;Level&quot;; %1 is 1 to 4.</extracomment>
        <translation>Livello %1</translation>
    </message>
</context>
<context>
    <name>flipstone::CMainFrame</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inizia</translation>
    </message>
    <message>
        <source>Game start
Game start</source>
        <translation>Inizia una partita
Inizia una partita</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Esce dall&apos;applicazione; chiede di salvare i documenti
Esci</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>Set sound
Set sound</source>
        <translation>Attiva o disattiva il suono
Suono</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Argomenti della guida</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Elenca gli argomenti della guida
Argomenti della guida</translation>
    </message>
    <message>
        <source>&amp;About Flipstone...</source>
        <translation>&amp;Informazioni su Flipstone...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra le informazioni sul programma, il numero di versione e il copyright
Informazioni</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Livello</translation>
    </message>
    <message>
        <source>Level &amp;%1</source>
        <translation>Livello &amp;%1</translation>
    </message>
    <message>
        <source>Computer Level %1
Level %1</source>
        <translation>Livello %1 del computer
Livello %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra degli strumenti</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostra o nasconde la barra degli strumenti</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Mostra/nascondi la barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di &amp;stato</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostra o nasconde la barra di stato
Mostra/nascondi la barra di stato</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crea un nuovo documento
Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Apre un documento esistente
Apri</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Salva il documento attivo
Salva</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Mostra l&apos;aiuto per l&apos;operazione o il comando corrente
Aiuto</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Altri pulsanti della barra degli strumenti</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Guida: F1</translation>
    </message>
    <message>
        <source>Value:%1</source>
        <translation>Valore:%1</translation>
    </message>
    <message>
        <source>Leaf: %1</source>
        <translation>Foglie: %1</translation>
    </message>
    <message>
        <source>Ply: %1</source>
        <translation>Mosse: %1</translation>
    </message>
    <message>
        <source>B: %1 / W: %2</source>
        <translation>N: %1 / B: %2</translation>
    </message>
</context>
<context>
    <name>flipstone::HelpWindow</name>
    <message>
        <source>Flipstone Help</source>
        <translation>Guida di Flipstone</translation>
    </message>
</context>
</TS>
