<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Artwork</name>
    <message>
        <source>index.html</source>
        <comment>the file name of the help page in this language</comment>
        <translation>index_fr.html</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Arrow keys choose a square, Enter plays it</source>
        <translation>Choisissez une case avec les touches fléchées, puis appuyez sur Entrée pour y jouer</translation>
    </message>
</context>
<context>
    <name>BoardNarrator</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 %2, turns %3</source>
        <translation>%1 %2, retourne %3</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Indice&#xa0;: %1</translation>
    </message>
    <message>
        <source>No hint</source>
        <translation>Aucun indice</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 passe</translation>
    </message>
    <message>
        <source>Game over. Black %1, white %2</source>
        <translation>Partie terminée. Noir %1, blanc %2</translation>
    </message>
</context>
<context>
    <name>CFlipstoneDoc</name>
    <message>
        <source>You Win.</source>
        <translation>Vous avez gagné.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Vous avez perdu</translation>
    </message>
    <message>
        <source>Draw Game</source>
        <translation>Partie nulle</translation>
    </message>
    <message>
        <source>Flipstone</source>
        <translation>Flipstone</translation>
    </message>
    <message>
        <source>Flipstone - Training game</source>
        <translation>Flipstone - Partie d&apos;entraînement</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>DesktopHost</name>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the location is read-only</source>
        <translation>l&apos;emplacement est en lecture seule</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>une partie du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;enregistrer le fichier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>GameFileDialogs</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 could not be removed: %2.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être supprimé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Les paramètres enregistrés de Flipstone ont été supprimés.</translation>
    </message>
</context>
<context>
    <name>SquareText</name>
    <message>
        <source>black</source>
        <translation>pion noir</translation>
    </message>
    <message>
        <source>white</source>
        <translation>pion blanc</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>coup possible</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>dernier coup</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>indice</translation>
    </message>
</context>
<context>
    <name>flipstone::CAboutDialog</name>
    <message>
        <source>About Flipstone</source>
        <translation>À propos de Flipstone</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Flipstone Version %1</source>
        <extracomment>%1 is the version number, such as 1.07e.</extracomment>
        <translation>Flipstone version %1</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>The caption of the group that chooses who opens the game: the player or the computer.</extracomment>
        <translation>Vous jouez</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>In the group &quot;Move&quot;: the player makes the game&apos;s first move, with black.</extracomment>
        <translation>En premier</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>In the group &quot;Move&quot;: the computer opens, the player answers with white.</extracomment>
        <translation>En second</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The caption of the group that chooses the computer&apos;s level, 1 to 4.</extracomment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Move first</source>
        <extracomment>What a screen reader says for the choice &quot;First&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Jouer en premier</translation>
    </message>
    <message>
        <source>Move second</source>
        <extracomment>What a screen reader says for the choice &quot;Second&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Jouer en second</translation>
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
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>Game start
Game start</source>
        <translation>Démarrer une partie
Démarrer une partie</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l&apos;application&#xa0;; propose d&apos;enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Set sound
Set sound</source>
        <translation>Activer ou désactiver le son
Son</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Afficher les rubriques d&apos;aide
Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Flipstone...</source>
        <translation>À &amp;propos de Flipstone...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
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
        <translation>Niveau %1 de l&apos;ordinateur
Niveau %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Afficher/masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état
Afficher/masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Créer un nouveau document
Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvrir un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistrer le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Afficher l&apos;aide sur la tâche ou la commande en cours
Aide</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Autres boutons de la barre d&apos;outils</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Aide&#xa0;: F1</translation>
    </message>
    <message>
        <source>Value:%1</source>
        <translation>Valeur&#xa0;:%1</translation>
    </message>
    <message>
        <source>Leaf: %1</source>
        <translation>Feuilles&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ply: %1</source>
        <translation>Coups&#xa0;: %1</translation>
    </message>
    <message>
        <source>B: %1 / W: %2</source>
        <translation>N&#xa0;: %1 / B&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>flipstone::HelpWindow</name>
    <message>
        <source>Flipstone Help</source>
        <translation>Aide de Flipstone</translation>
    </message>
</context>
</TS>
