<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Artwork</name>
    <message>
        <source>index.html</source>
        <comment>the file name of the help page in this language</comment>
        <translation>index_es.html</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Arrow keys choose a square, Enter plays it</source>
        <translation>Las teclas de flecha eligen una casilla; Intro juega en ella</translation>
    </message>
</context>
<context>
    <name>BoardNarrator</name>
    <message>
        <source>Black</source>
        <translation>Negras</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blancas</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 %2, turns %3</source>
        <translation>%1 %2, voltean %3</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Pista: %1</translation>
    </message>
    <message>
        <source>No hint</source>
        <translation>No hay pista</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 pasan</translation>
    </message>
    <message>
        <source>Game over. Black %1, white %2</source>
        <translation>Fin de la partida. Negras %1, blancas %2</translation>
    </message>
</context>
<context>
    <name>CFlipstoneDoc</name>
    <message>
        <source>You Win.</source>
        <translation>Ha ganado.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Ha perdido</translation>
    </message>
    <message>
        <source>Draw Game</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Flipstone</source>
        <translation>Flipstone</translation>
    </message>
    <message>
        <source>Flipstone - Training game</source>
        <translation>Flipstone - Partida de entrenamiento</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>DesktopHost</name>
    <message>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the location is read-only</source>
        <translation>la ubicación es de solo lectura</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <translation>No se puede abrir el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>No se puede guardar el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>GameFileDialogs</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 could not be removed: %2.</source>
        <translation>No se pudo eliminar el archivo de configuración %1: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Se ha borrado la configuración guardada de Flipstone.</translation>
    </message>
</context>
<context>
    <name>SquareText</name>
    <message>
        <source>black</source>
        <translation>ficha negra</translation>
    </message>
    <message>
        <source>white</source>
        <translation>ficha blanca</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>jugada válida</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>última jugada</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>pista</translation>
    </message>
</context>
<context>
    <name>flipstone::CAboutDialog</name>
    <message>
        <source>About Flipstone</source>
        <translation>Acerca de Flipstone</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Flipstone Version %1</source>
        <extracomment>%1 is the version number, such as 1.07e.</extracomment>
        <translation>Flipstone versión %1</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>The caption of the group that chooses who opens the game: the player or the computer.</extracomment>
        <translation>Turno</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>In the group &quot;Move&quot;: the player makes the game&apos;s first move, with black.</extracomment>
        <translation>Primero</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>In the group &quot;Move&quot;: the computer opens, the player answers with white.</extracomment>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The caption of the group that chooses the computer&apos;s level, 1 to 4.</extracomment>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Move first</source>
        <extracomment>What a screen reader says for the choice &quot;First&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Jugar primero</translation>
    </message>
    <message>
        <source>Move second</source>
        <extracomment>What a screen reader says for the choice &quot;Second&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Jugar en segundo lugar</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>What a screen reader says for a choice of the group &quot;Level&quot;; %1 is 1 to 4.</extracomment>
        <translation>Nivel %1</translation>
    </message>
</context>
<context>
    <name>flipstone::CMainFrame</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Game start
Game start</source>
        <translation>Empieza una partida nueva
Iniciar partida</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Cierra la aplicación; pregunta si se deben guardar los documentos
Salir</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>Set sound
Set sound</source>
        <translation>Activa o desactiva el sonido
Sonido</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Muestra los temas de ayuda
Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;About Flipstone...</source>
        <translation>&amp;Acerca de Flipstone...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Muestra la información del programa, el número de versión y el copyright
Acerca de</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>Level &amp;%1</source>
        <translation>Nivel &amp;%1</translation>
    </message>
    <message>
        <source>Computer Level %1
Level %1</source>
        <translation>Nivel %1 del ordenador
Nivel %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Muestra u oculta la barra de herramientas</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Mostrar u ocultar la barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Muestra u oculta la barra de estado
Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crea un documento nuevo
Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abre un documento existente
Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Guarda el documento activo
Guardar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Muestra la ayuda de la tarea o la orden actual
Ayuda</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Más botones de la barra de herramientas</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Ayuda: F1</translation>
    </message>
    <message>
        <source>Value:%1</source>
        <translation>Valor:%1</translation>
    </message>
    <message>
        <source>Leaf: %1</source>
        <translation>Hojas: %1</translation>
    </message>
    <message>
        <source>Ply: %1</source>
        <translation>Jugada: %1</translation>
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
        <translation>Ayuda de Flipstone</translation>
    </message>
</context>
</TS>
