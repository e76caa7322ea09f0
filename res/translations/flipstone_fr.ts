<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../../ui/Artwork.cpp" line="+113"/>
        <source>index.html</source>
        <comment>the file name of the help page in this language</comment>
        <translation>index_fr.html</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <location filename="../../ui/accessibility/BoardAccessible.cpp" line="+72"/>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>Plateau</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Arrow keys choose a square, Enter plays it</source>
        <extracomment>How to play the board by keys, read by a screen reader after the board&apos;s name: the arrow keys move a cursor over the squares, Enter plays a move on its square.</extracomment>
        <translation>Choisissez une case avec les touches fléchées, puis appuyez sur Entrée pour y jouer</translation>
    </message>
</context>
<context>
    <name>BoardNarrator</name>
    <message>
        <location filename="../../ui/accessibility/BoardNarrator.cpp" line="+18"/>
        <source>Black</source>
        <extracomment>The side that plays black, as the subject of &quot;%1 %2, turns %3&quot; and &quot;%1 passes&quot;.</extracomment>
        <translation>Noir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>White</source>
        <extracomment>The side that plays white, as the subject of &quot;%1 %2, turns %3&quot; and &quot;%1 passes&quot;.</extracomment>
        <translation>Blanc</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 and %2</source>
        <extracomment>The end of a list of squares: %1 is &quot;c4&quot; or &quot;c4, d4&quot;, %2 the last square.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 %2, turns %3</source>
        <extracomment>Spoken when a move is shown: %1 is the side (Black or White), %2 the square played, %3 the discs it turned (&quot;d4&quot;, or &quot;c4 and d4&quot;). &quot;Black d3, turns d4&quot;.</extracomment>
        <translation>%1 %2, retourne %3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hint: %1</source>
        <translation>Indice&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hint</source>
        <translation>Aucun indice</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Strongest</source>
        <extracomment>Said when the player chooses the strongest player as the computer&apos;s level.</extracomment>
        <translation>Le plus fort</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level %1</source>
        <extracomment>Said when the player chooses a level; %1 is 1 to 4.</extracomment>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Took back %1</source>
        <translation>Coups repris&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Played again %1</source>
        <translation>Coups rejoués&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1 passes</source>
        <extracomment>Spoken when a side has no move and the turn goes to the other: %1 is Black or White.</extracomment>
        <translation>%1 passe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game over. Black %1, white %2</source>
        <extracomment>Spoken at the end of the game: the number of black and of white discs.</extracomment>
        <translation>Partie terminée. Noir %1, blanc %2</translation>
    </message>
</context>
<context>
    <name>CFlipstoneDoc</name>
    <message>
        <location filename="../../game/CFlipstoneDoc.cpp" line="+253"/>
        <source>You Win.</source>
        <translation>Vous avez gagné.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You Lose</source>
        <translation>Vous avez perdu</translation>
    </message>
    <message>
        <location line="-222"/>
        <source>Draw Game</source>
        <translation>Partie nulle</translation>
    </message>
    <message>
        <location line="+218"/>
        <source>Black wins.</source>
        <translation>Noir gagne.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White wins.</source>
        <translation>Blanc gagne.</translation>
    </message>
    <message>
        <location filename="../../game/CFlipstoneDoc.h" line="+57"/>
        <source>Flipstone</source>
        <translation>Flipstone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flipstone - Training game</source>
        <translation>Flipstone - Partie d&apos;entraînement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>DesktopHost</name>
    <message>
        <location filename="../../app/DesktopHost.cpp" line="+38"/>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <location filename="../../app/files/GameFile.cpp" line="+24"/>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the location is read-only</source>
        <translation>l&apos;emplacement est en lecture seule</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a part of the path is not a folder</source>
        <translation>une partie du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason, one of this context&apos;s lower-case texts.</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason, one of this context&apos;s lower-case texts.</extracomment>
        <translation>Impossible d&apos;enregistrer le fichier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <location filename="../../app/files/GameFile.h" line="+13"/>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>GameFileDialogs</name>
    <message>
        <location filename="../../app/files/GameFileDialogs.cpp" line="+29"/>
        <source>Open</source>
        <extracomment>The title of the file dialog that opens a saved game (a command, not &quot;not closed&quot;).</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>Openings</name>
    <message>
        <location filename="../../game/review/OpeningNames.cpp" line="+17"/>
        <source>Diagonal opening</source>
        <translation>Ouverture diagonale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perpendicular opening</source>
        <translation>Ouverture perpendiculaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parallel opening</source>
        <translation>Ouverture parallèle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <location filename="../../app/records/RecordCommands.cpp" line="+29"/>
        <source>%1: move %2, %3, is not legal there. Nothing was changed.</source>
        <extracomment>%1 is where the game came from (&quot;The clipboard&quot; or a file&apos;s path), %2 the move&apos;s number and %3 its square.</extracomment>
        <translation>%1&#xa0;: le coup %2, %3, n&apos;est pas possible à cet endroit. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 holds no game: neither moves such as f5d6c3, nor a GGF game, nor a board of 64 squares with the side to move. Nothing was changed.</source>
        <extracomment>%1 is where the text came from: &quot;The clipboard&quot; or a file&apos;s path.</extracomment>
        <translation>%1 ne contient aucune partie&#xa0;: ni coups comme f5d6c3, ni partie GGF, ni plateau de 64 cases avec le camp qui a le trait. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The clipboard</source>
        <extracomment>Where a pasted game came from, at the start of a message about it.</extracomment>
        <translation>Le presse-papiers</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is too long to be a game record. Nothing was changed.</source>
        <translation>%1 est trop long pour être une notation de partie. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RecordFileDialogs</name>
    <message>
        <location filename="../../app/records/RecordFileDialogs.cpp" line="+11"/>
        <source>GGF games (*.ggf)</source>
        <translation>Parties GGF (*.ggf)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Transcripts (*.txt)</source>
        <translation>Listes de coups (*.txt)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Import Game</source>
        <translation>Importer une partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game records (*.ggf *.txt)</source>
        <translation>Notations de parties (*.ggf *.txt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Export Game</source>
        <translation>Exporter la partie</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../../app/settings/SettingsStore.cpp" line="+27"/>
        <source>The settings file %1 could not be removed: %2.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être supprimé&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <extracomment>Shown after &quot;flipstone -unregister&quot; has deleted the player&apos;s Flipstone settings (the file ~/.config/Hollin/Flipstone.conf). A Linux desktop has no system registry and no INI file: say in the player&apos;s words that the game&apos;s saved settings were removed.</extracomment>
        <translation>Les paramètres enregistrés de Flipstone ont été supprimés.</translation>
    </message>
</context>
<context>
    <name>SquareText</name>
    <message>
        <location filename="../../ui/accessibility/SquareText.cpp" line="+17"/>
        <source>black</source>
        <extracomment>What a square holds, spoken after its name: &quot;d4, black&quot; (a black disc).</extracomment>
        <translation>pion noir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>white</source>
        <extracomment>What a square holds, spoken after its name: &quot;d4, white&quot; (a white disc).</extracomment>
        <translation>pion blanc</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>empty</source>
        <extracomment>What a square holds, spoken after its name: &quot;d3, empty&quot;.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>even</source>
        <extracomment>What a screen reader says of a move that keeps the game even: its value is 0.</extracomment>
        <translation>égalité</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>plus %1</source>
        <translation>plus %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>minus %1</source>
        <translation>moins %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>move played</source>
        <translation>coup joué</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>best move</source>
        <translation>meilleur coup</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>legal move</source>
        <extracomment>Spoken after a square&apos;s content: the player may play on this square.</extracomment>
        <translation>coup possible</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>last move</source>
        <extracomment>Spoken after a square&apos;s content: the last move was played on this square.</extracomment>
        <translation>dernier coup</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>hint</source>
        <extracomment>Spoken after a square&apos;s content: the hint suggests playing on this square.</extracomment>
        <translation>indice</translation>
    </message>
</context>
<context>
    <name>flipstone::CAboutDialog</name>
    <message>
        <location filename="../../app/dialogs/CAboutDialog.cpp" line="+22"/>
        <source>About Flipstone</source>
        <translation>À propos de Flipstone</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Flipstone Version %1</source>
        <extracomment>%1 is the version number, such as 1.07e.</extracomment>
        <translation>Flipstone version %1</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Move</source>
        <extracomment>The caption of the group that chooses who opens the game: the player or the computer.</extracomment>
        <translation>Vous jouez</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>First</source>
        <extracomment>In the group &quot;Move&quot;: the player makes the game&apos;s first move, with black.</extracomment>
        <translation>En premier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move first</source>
        <extracomment>What a screen reader says for the choice &quot;First&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Jouer en premier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Second</source>
        <extracomment>In the group &quot;Move&quot;: the computer opens, the player answers with white.</extracomment>
        <translation>En second</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move second</source>
        <extracomment>What a screen reader says for the choice &quot;Second&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Jouer en second</translation>
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
        <location filename="../../ui/CMainFrame.cpp" line="+178"/>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <location filename="../../ui/CMainFrame.cpp" line="+1"/>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game start
Game start</source>
        <translation>Démarrer une partie
Démarrer une partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter&#xa0;; propose d&apos;enregistrer
Quitter</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>&amp;Set</source>
        <extracomment>The menu of settings: the computer&apos;s level and the sound.</extracomment>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set sound
Set sound</source>
        <translation>Activer ou désactiver le son
Son</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>List Help topics
Help Topics</source>
        <translation>Afficher les rubriques d&apos;aide
Rubriques d&apos;aide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Flipstone...</source>
        <translation>À &amp;propos de Flipstone...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Review Game...</source>
        <translation>&amp;Analyser la partie...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Judge every move of the game
Review Game</source>
        <translation>Afficher la valeur de chaque coup joué
Analyser la partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Game...</source>
        <translation>I&amp;mporter une partie...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read a game from a file
Import Game</source>
        <translation>Lire une partie (GGF ou liste de coups)
Importer une partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export Game...</source>
        <translation>&amp;Exporter la partie...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write the game to a file
Export Game</source>
        <translation>Écrire la partie (GGF ou liste de coups)
Exporter la partie</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take back your last move
Undo</source>
        <translation>Reprendre votre coup et les réponses
Annuler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the moves taken back again
Redo</source>
        <translation>Rejouer les coups repris
Rétablir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy Moves</source>
        <translation>&amp;Copier les coups</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the game&apos;s moves
Copy Moves</source>
        <translation>Copier les coups dans le presse-papiers
Copier les coups</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Paste Moves</source>
        <translation>C&amp;oller les coups</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the game on the clipboard
Paste Moves</source>
        <translation>Jouer la partie du presse-papiers
Coller les coups</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Set Up Position...</source>
        <translation>&amp;Placer une position...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set up a position on the board
Set Up Position</source>
        <translation>Placer une position sur le plateau
Placer une position</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Analysis Mode</source>
        <translation>Mode a&amp;nalyse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play both colours with the moves&apos; values shown; the computer does not move
Analysis Mode</source>
        <translation>Jouer les deux couleurs avec la valeur des coups affichée ; l&apos;ordinateur ne joue pas
Mode analyse</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Play &amp;from Here...</source>
        <translation>&amp;Jouer à partir d&apos;ici...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play against the computer from the position shown
Play from Here</source>
        <translation>Jouer contre l&apos;ordinateur à partir de la position affichée
Jouer à partir d&apos;ici</translation>
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
        <translation>Niveau %1 de l&apos;ordinateur
Niveau %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Strongest</source>
        <extracomment>The level beyond Level 4: the program&apos;s strongest player, which searches far deeper.</extracomment>
        <translation>Le plus &amp;fort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The computer&apos;s strongest player
Strongest</source>
        <translation>Le joueur le plus fort de l&apos;ordinateur
Le plus fort</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar</source>
        <extracomment>The toolbar&apos;s name, shown where the desktop lists the window&apos;s toolbars.</extracomment>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle ToolBar</source>
        <translation>Afficher/masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état
Afficher/masquer la barre d&apos;état</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Move Values</source>
        <translation>&amp;Valeurs des coups</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the value of each of your moves
Move Values</source>
        <translation>Afficher la valeur de vos coups
Valeurs des coups</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create a new document
New</source>
        <translation>Créer un nouveau document
Nouveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open an existing document
Open</source>
        <translation>Ouvrir un document existant
Ouvrir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save the active document
Save</source>
        <translation>Enregistrer le document actif
Enregistrer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help</source>
        <extracomment>The command of the F1 key: open the help window.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Display help for current task or command
Help</source>
        <translation>Afficher l&apos;aide sur la tâche ou la commande en cours
Aide</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>More toolbar buttons</source>
        <translation>Autres boutons de la barre d&apos;outils</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+176"/>
        <source>For Help, press F1</source>
        <translation>Aide&#xa0;: F1</translation>
    </message>
    <message>
        <location line="-170"/>
        <location line="+31"/>
        <source>Value:%1</source>
        <extracomment>A status pane: the computer&apos;s opinion of the position, a signed number (higher is better for the computer). Keep it short.</extracomment>
        <translation>Valeur&#xa0;:%1</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+36"/>
        <source>Leaf: %1</source>
        <extracomment>A status pane: the number of positions the computer has weighed for its move (the leaves of its search tree). Keep it short.</extracomment>
        <translation>Feuilles&#xa0;: %1</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Ply: %1</source>
        <extracomment>A status pane: the number of moves made in this game, passes not counted. Keep it short.</extracomment>
        <translation>Coups&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>B: %1 / W: %2</source>
        <extracomment>A status pane: the number of black discs and of white discs on the board, each colour by its first letter.</extracomment>
        <translation>N&#xa0;: %1 / B&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>Expected line: %1</source>
        <extracomment>The status bar in analysis: the moves the computer expects from the position, the best move first (&quot;d3 c3 c4&quot;).</extracomment>
        <translation>Suite attendue : %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Opening: %1</source>
        <extracomment>The status bar while the values of moves show, for a game that follows a well-known opening (%1, its name).</extracomment>
        <translation>Ouverture : %1</translation>
    </message>
</context>
<context>
    <name>flipstone::HelpWindow</name>
    <message>
        <location filename="../../ui/HelpWindow.cpp" line="+12"/>
        <source>Flipstone Help</source>
        <translation>Aide de Flipstone</translation>
    </message>
</context>
<context>
    <name>flipstone::PlayFromHereDialog</name>
    <message>
        <location filename="../../ui/explore/PlayFromHereDialog.cpp" line="+15"/>
        <source>Play &amp;black</source>
        <extracomment>The human&apos;s colour in the game played from here.</extracomment>
        <translation>Jouer &amp;Noir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play &amp;white</source>
        <translation>Jouer &amp;Blanc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play from Here</source>
        <translation>Jouer à partir d&apos;ici</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your colour</source>
        <extracomment>The caption over the choice of the human&apos;s colour; the computer plays the other.</extracomment>
        <translation>Votre couleur</translation>
    </message>
</context>
<context>
    <name>flipstone::ReviewGraph</name>
    <message>
        <location filename="../../ui/review/ReviewGraph.cpp" line="+20"/>
        <source>Value graph</source>
        <translation>Graphique des valeurs</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>at the start</source>
        <extracomment>Where in the game a value of the review&apos;s graph stands: before the first move.</extracomment>
        <translation>au départ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>after move %1</source>
        <extracomment>Where in the game a value of the review&apos;s graph stands: %1 is the move&apos;s number.</extracomment>
        <translation>après le coup %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, even</source>
        <extracomment>The graph&apos;s value when neither side is ahead; %1 is where in the game (&quot;after move 23, even&quot;).</extracomment>
        <translation>%1, égalité</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+37"/>
        <location line="+31"/>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+37"/>
        <location line="+32"/>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>%1, %2 +%3</source>
        <extracomment>The graph&apos;s value: %1 where in the game, %2 the side ahead (Black or White), %3 by how many discs (&quot;after move 23, Black +6&quot;).</extracomment>
        <translation>%1, %2 +%3</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No values yet</source>
        <translation>Pas encore de valeurs</translation>
    </message>
</context>
<context>
    <name>flipstone::ReviewMoveList</name>
    <message>
        <location filename="../../ui/review/ReviewMoveList.cpp" line="+29"/>
        <source>Move</source>
        <comment>review column</comment>
        <extracomment>The review&apos;s column headers: the move played, its value in discs for the mover, the best move there, the best move&apos;s value, the discs the move lost against it, and the mark the loss earns. Keep them short.</extracomment>
        <translation>Coup</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value</source>
        <comment>review column</comment>
        <translation>Valeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best</source>
        <comment>review column</comment>
        <translation>Meilleur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best value</source>
        <comment>review column</comment>
        <translation>Meilleure valeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <comment>review column</comment>
        <translation>Perte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mark</source>
        <comment>review column</comment>
        <translation>Note</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moves of the game</source>
        <translation>Coups de la partie</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Blunder</source>
        <translation>Gaffe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mistake</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Inaccuracy</source>
        <translation>Imprécision</translation>
    </message>
    <message>
        <location line="-27"/>
        <location line="+40"/>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+41"/>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+1"/>
        <location line="+43"/>
        <source>%1. %2 %3</source>
        <extracomment>A move in the review&apos;s list: %1 its number, %2 the colour that played it, %3 its square (&quot;23. Black f5&quot;).</extracomment>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Book</source>
        <extracomment>The review&apos;s mark of a move whose values come from the opening book.</extracomment>
        <translation>Livre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>exact</source>
        <extracomment>Tooltips of a value: found exactly by solving the end of the game, taken from the opening book, or estimated by a search.</extracomment>
        <translation>exacte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>from the opening book</source>
        <translation>tiré du livre d’ouvertures</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>searched</source>
        <translation>estimée</translation>
    </message>
</context>
<context>
    <name>flipstone::ReviewPanel</name>
    <message>
        <location filename="../../ui/review/ReviewPanel.cpp" line="+30"/>
        <source>Review</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Review progress</source>
        <translation>Progression de l&apos;analyse</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Reviewing the game...</source>
        <translation>Analyse de la partie en cours...</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>Every move is reviewed.</source>
        <extracomment>The review&apos;s status once it is complete, for a game that follows a well-known opening (%1, its name).</extracomment>
        <translation>Tous les coups sont analysés.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Opening: %1</source>
        <translation>Ouverture : %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Review cancelled: %1 of %2 positions judged.</source>
        <translation>Analyse annulée&#xa0;: %1 positions jugées sur %2.</translation>
    </message>
</context>
<context>
    <name>flipstone::SetUpPanel</name>
    <message>
        <location filename="../../ui/explore/SetUpPanel.cpp" line="+19"/>
        <source>Set Up Position</source>
        <translation>Placer une position</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Black to move</source>
        <extracomment>The colour that makes the first move from the position being set up.</extracomment>
        <translation>Noir au trait</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White to move</source>
        <translation>Blanc au trait</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Click a square, or press Enter or Space on it, to make it empty, black or white.</source>
        <translation>Cliquez sur une case, ou appuyez sur Entrée ou Espace dessus, pour la rendre vide, noire ou blanche.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Position</source>
        <extracomment>Fills the board with the four discs a game starts with.</extracomment>
        <translation>Position de départ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Neither black nor white can move in this position, so no game can be played from it. Change some squares, or press Cancel to return to the game.</source>
        <translation>Ni Noir ni Blanc ne peut jouer dans cette position : aucune partie ne peut en partir. Changez quelques cases, ou appuyez sur Annuler pour revenir à la partie.</translation>
    </message>
</context>
</TS>
