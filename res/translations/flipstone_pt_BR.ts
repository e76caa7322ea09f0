<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../../ui/Artwork.cpp" line="+113"/>
        <source>index.html</source>
        <comment>the file name of the help page in this language</comment>
        <translation>index_pt_BR.html</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <location filename="../../ui/accessibility/BoardAccessible.cpp" line="+72"/>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Arrow keys choose a square, Enter plays it</source>
        <extracomment>How to play the board by keys, read by a screen reader after the board&apos;s name: the arrow keys move a cursor over the squares, Enter plays a move on its square.</extracomment>
        <translation>As teclas de seta escolhem uma casa; Enter joga nela</translation>
    </message>
</context>
<context>
    <name>BoardNarrator</name>
    <message>
        <location filename="../../ui/accessibility/BoardNarrator.cpp" line="+18"/>
        <source>Black</source>
        <extracomment>The side that plays black, as the subject of &quot;%1 %2, turns %3&quot; and &quot;%1 passes&quot;.</extracomment>
        <translation>Pretas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>White</source>
        <extracomment>The side that plays white, as the subject of &quot;%1 %2, turns %3&quot; and &quot;%1 passes&quot;.</extracomment>
        <translation>Brancas</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 and %2</source>
        <extracomment>The end of a list of squares: %1 is &quot;c4&quot; or &quot;c4, d4&quot;, %2 the last square.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 %2, turns %3</source>
        <extracomment>Spoken when a move is shown: %1 is the side (Black or White), %2 the square played, %3 the discs it turned (&quot;d4&quot;, or &quot;c4 and d4&quot;). &quot;Black d3, turns d4&quot;.</extracomment>
        <translation>%1 %2, viram %3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Hint: %1</source>
        <translation>Dica: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No hint</source>
        <translation>Sem dica</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Strongest</source>
        <extracomment>Said when the player chooses the strongest player as the computer&apos;s level.</extracomment>
        <translation>O mais forte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level %1</source>
        <extracomment>Said when the player chooses a level; %1 is 1 to 4.</extracomment>
        <translation>Nível %1</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Took back %1</source>
        <translation>Jogadas desfeitas: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Played again %1</source>
        <translation>Jogadas refeitas: %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1 passes</source>
        <extracomment>Spoken when a side has no move and the turn goes to the other: %1 is Black or White.</extracomment>
        <translation>%1 passam</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game over. Black %1, white %2</source>
        <extracomment>Spoken at the end of the game: the number of black and of white discs.</extracomment>
        <translation>Fim de jogo. Pretas %1, brancas %2</translation>
    </message>
</context>
<context>
    <name>CFlipstoneDoc</name>
    <message>
        <location filename="../../game/CFlipstoneDoc.cpp" line="+253"/>
        <source>You Win.</source>
        <translation>Você venceu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You Lose</source>
        <translation>Você perdeu</translation>
    </message>
    <message>
        <location line="-222"/>
        <source>Draw Game</source>
        <translation>Empate</translation>
    </message>
    <message>
        <location line="+218"/>
        <source>Black wins.</source>
        <translation>Vencem as pretas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White wins.</source>
        <translation>Vencem as brancas.</translation>
    </message>
    <message>
        <location filename="../../game/CFlipstoneDoc.h" line="+57"/>
        <source>Flipstone</source>
        <translation>Flipstone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flipstone - Training game</source>
        <translation>Flipstone - Partida de treino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
</context>
<context>
    <name>DesktopHost</name>
    <message>
        <location filename="../../app/DesktopHost.cpp" line="+38"/>
        <source>Game over</source>
        <translation>Fim de jogo</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <location filename="../../app/files/GameFile.cpp" line="+24"/>
        <source>it does not exist</source>
        <translation>ele não existe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the folder does not exist</source>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the location is read-only</source>
        <translation>o local é somente leitura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a part of the path is not a folder</source>
        <translation>uma parte do caminho não é uma pasta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the name is too long</source>
        <translation>o nome é longo demais</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason, one of this context&apos;s lower-case texts.</extracomment>
        <translation>Não foi possível abrir o arquivo “%1”: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason, one of this context&apos;s lower-case texts.</extracomment>
        <translation>Não foi possível salvar o arquivo “%1”: %2.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>it is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <location filename="../../app/files/GameFile.h" line="+13"/>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>GameFileDialogs</name>
    <message>
        <location filename="../../app/files/GameFileDialogs.cpp" line="+29"/>
        <source>Open</source>
        <extracomment>The title of the file dialog that opens a saved game (a command, not &quot;not closed&quot;).</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
</context>
<context>
    <name>Openings</name>
    <message>
        <location filename="../../game/review/OpeningNames.cpp" line="+17"/>
        <source>Diagonal opening</source>
        <translation>Abertura diagonal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perpendicular opening</source>
        <translation>Abertura perpendicular</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parallel opening</source>
        <translation>Abertura paralela</translation>
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
        <translation>%1: a jogada %2, %3, não é válida nessa posição. Nada foi alterado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 holds no game: neither moves such as f5d6c3, nor a GGF game, nor a board of 64 squares with the side to move. Nothing was changed.</source>
        <extracomment>%1 is where the text came from: &quot;The clipboard&quot; or a file&apos;s path.</extracomment>
        <translation>%1 não contém nenhuma partida: nem jogadas como f5d6c3, nem uma partida GGF, nem um tabuleiro de 64 casas com o lado que tem a vez. Nada foi alterado.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The clipboard</source>
        <extracomment>Where a pasted game came from, at the start of a message about it.</extracomment>
        <translation>A área de transferência</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot open %1: %2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is too long to be a game record. Nothing was changed.</source>
        <translation>%1 é longo demais para ser o registro de uma partida. Nada foi alterado.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>RecordFileDialogs</name>
    <message>
        <location filename="../../app/records/RecordFileDialogs.cpp" line="+11"/>
        <source>GGF games (*.ggf)</source>
        <translation>Partidas GGF (*.ggf)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Transcripts (*.txt)</source>
        <translation>Listas de jogadas (*.txt)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Import Game</source>
        <translation>Importar partida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game records (*.ggf *.txt)</source>
        <translation>Registros de partidas (*.ggf *.txt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Export Game</source>
        <translation>Exportar partida</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../../app/settings/SettingsStore.cpp" line="+27"/>
        <source>The settings file %1 could not be removed: %2.</source>
        <translation>Não foi possível remover o arquivo de configurações %1: %2.</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <extracomment>Shown after &quot;flipstone -unregister&quot; has deleted the player&apos;s Flipstone settings (the file ~/.config/Hollin/Flipstone.conf). A Linux desktop has no system registry and no INI file: say in the player&apos;s words that the game&apos;s saved settings were removed.</extracomment>
        <translation>As configurações salvas do Flipstone foram apagadas.</translation>
    </message>
</context>
<context>
    <name>SquareText</name>
    <message>
        <location filename="../../ui/accessibility/SquareText.cpp" line="+17"/>
        <source>black</source>
        <extracomment>What a square holds, spoken after its name: &quot;d4, black&quot; (a black disc).</extracomment>
        <translation>peça preta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>white</source>
        <extracomment>What a square holds, spoken after its name: &quot;d4, white&quot; (a white disc).</extracomment>
        <translation>peça branca</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>empty</source>
        <extracomment>What a square holds, spoken after its name: &quot;d3, empty&quot;.</extracomment>
        <translation>vazia</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>even</source>
        <extracomment>What a screen reader says of a move that keeps the game even: its value is 0.</extracomment>
        <translation>empatada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>plus %1</source>
        <translation>mais %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>minus %1</source>
        <translation>menos %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>move played</source>
        <translation>jogada feita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>best move</source>
        <translation>melhor jogada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>legal move</source>
        <extracomment>Spoken after a square&apos;s content: the player may play on this square.</extracomment>
        <translation>jogada válida</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>last move</source>
        <extracomment>Spoken after a square&apos;s content: the last move was played on this square.</extracomment>
        <translation>última jogada</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>hint</source>
        <extracomment>Spoken after a square&apos;s content: the hint suggests playing on this square.</extracomment>
        <translation>dica</translation>
    </message>
</context>
<context>
    <name>flipstone::CAboutDialog</name>
    <message>
        <location filename="../../app/dialogs/CAboutDialog.cpp" line="+22"/>
        <source>About Flipstone</source>
        <translation>Sobre o Flipstone</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Flipstone Version %1</source>
        <extracomment>%1 is the version number, such as 1.07e.</extracomment>
        <translation>Flipstone versão %1</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Move</source>
        <extracomment>The caption of the group that chooses who opens the game: the player or the computer.</extracomment>
        <translation>Ordem</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>First</source>
        <extracomment>In the group &quot;Move&quot;: the player makes the game&apos;s first move, with black.</extracomment>
        <translation>Primeiro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move first</source>
        <extracomment>What a screen reader says for the choice &quot;First&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Jogar primeiro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Second</source>
        <extracomment>In the group &quot;Move&quot;: the computer opens, the player answers with white.</extracomment>
        <translation>Segundo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move second</source>
        <extracomment>What a screen reader says for the choice &quot;Second&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Jogar em segundo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Level</source>
        <extracomment>The caption of the group that chooses the computer&apos;s level, 1 to 4.</extracomment>
        <translation>Nível</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level %1</source>
        <extracomment>What a screen reader says for a choice of the group &quot;Level&quot;; %1 is 1 to 4.</extracomment>
        <translation>Nível %1</translation>
    </message>
</context>
<context>
    <name>flipstone::CMainFrame</name>
    <message>
        <location filename="../../app/language/Translations.cpp" line="+39"/>
        <location filename="../../ui/CMainFrame.cpp" line="+178"/>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <location filename="../../ui/CMainFrame.cpp" line="+1"/>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game start
Game start</source>
        <translation>Começa uma nova partida
Iniciar partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Fecha o aplicativo; oferece salvar
Sair</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>&amp;Set</source>
        <extracomment>The menu of settings: the computer&apos;s level and the sound.</extracomment>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set sound
Set sound</source>
        <translation>Liga ou desliga o som
Som</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tópicos da ajuda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>List Help topics
Help Topics</source>
        <translation>Lista os tópicos da ajuda
Tópicos da ajuda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Flipstone...</source>
        <translation>&amp;Sobre o Flipstone...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display program information, version number and copyright
About</source>
        <translation>Exibe informações do programa, o número da versão e os direitos autorais
Sobre</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Review Game...</source>
        <translation>&amp;Analisar partida...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Judge every move of the game
Review Game</source>
        <translation>Mostra o valor de cada jogada da partida
Analisar partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Game...</source>
        <translation>I&amp;mportar partida...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read a game from a file
Import Game</source>
        <translation>Lê uma partida GGF ou lista de jogadas
Importar partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export Game...</source>
        <translation>&amp;Exportar partida...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write the game to a file
Export Game</source>
        <translation>Salva a partida em GGF ou lista de jogadas
Exportar partida</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take back your last move
Undo</source>
        <translation>Desfaz a sua última jogada e as respostas
Desfazer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the moves taken back again
Redo</source>
        <translation>Joga de novo as jogadas desfeitas
Refazer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy Moves</source>
        <translation>&amp;Copiar jogadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the game&apos;s moves
Copy Moves</source>
        <translation>Põe as jogadas na área de transferência
Copiar jogadas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Paste Moves</source>
        <translation>Co&amp;lar jogadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the game on the clipboard
Paste Moves</source>
        <translation>Joga a partida da área de transferência
Colar jogadas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>E&amp;ditar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Set Up Position...</source>
        <translation>&amp;Montar posição...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set up a position on the board
Set Up Position</source>
        <translation>Monta uma posição no tabuleiro
Montar posição</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Analysis Mode</source>
        <translation>Modo de &amp;análise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play both colours with the moves&apos; values shown; the computer does not move
Analysis Mode</source>
        <translation>Joga com as duas cores vendo os valores das jogadas; o computador não joga
Modo de análise</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Play &amp;from Here...</source>
        <translation>&amp;Jogar daqui...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play against the computer from the position shown
Play from Here</source>
        <translation>Joga contra o computador a partir da posição mostrada
Jogar daqui</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Level</source>
        <translation>&amp;Nível</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Level &amp;%1</source>
        <translation>Nível &amp;%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer Level %1
Level %1</source>
        <translation>Nível %1 do computador
Nível %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Strongest</source>
        <extracomment>The level beyond Level 4: the program&apos;s strongest player, which searches far deeper.</extracomment>
        <translation>O mais &amp;forte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The computer&apos;s strongest player
Strongest</source>
        <translation>O jogador mais forte do computador
O mais forte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar</source>
        <extracomment>The toolbar&apos;s name, shown where the desktop lists the window&apos;s toolbars.</extracomment>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar</source>
        <translation>Mostra ou oculta a barra de ferramentas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle ToolBar</source>
        <translation>Mostrar ou ocultar a barra de ferramentas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostra ou oculta a barra de status
Mostrar ou ocultar a barra de status</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Move Values</source>
        <translation>&amp;Valores das jogadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the value of each of your moves
Move Values</source>
        <translation>Mostra em cada casa o valor da sua jogada
Valores das jogadas</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create a new document
New</source>
        <translation>Cria um novo documento
Novo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open an existing document
Open</source>
        <translation>Abre um documento existente
Abrir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save the active document
Save</source>
        <translation>Salva o documento ativo
Salvar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help</source>
        <extracomment>The command of the F1 key: open the help window.</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Display help for current task or command
Help</source>
        <translation>Exibe a ajuda da tarefa ou do comando atual
Ajuda</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>More toolbar buttons</source>
        <translation>Mais botões da barra de ferramentas</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+176"/>
        <source>For Help, press F1</source>
        <translation>Ajuda: F1</translation>
    </message>
    <message>
        <location line="-170"/>
        <location line="+31"/>
        <source>Value:%1</source>
        <extracomment>A status pane: the computer&apos;s opinion of the position, a signed number (higher is better for the computer). Keep it short.</extracomment>
        <translation>Valor:%1</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+36"/>
        <source>Leaf: %1</source>
        <extracomment>A status pane: the number of positions the computer has weighed for its move (the leaves of its search tree). Keep it short.</extracomment>
        <translation>Folhas: %1</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Ply: %1</source>
        <extracomment>A status pane: the number of moves made in this game, passes not counted. Keep it short.</extracomment>
        <translation>Jogada: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>B: %1 / W: %2</source>
        <extracomment>A status pane: the number of black discs and of white discs on the board, each colour by its first letter.</extracomment>
        <translation>P: %1 / B: %2</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>Expected line: %1</source>
        <extracomment>The status bar in analysis: the moves the computer expects from the position, the best move first (&quot;d3 c3 c4&quot;).</extracomment>
        <translation>Linha esperada: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Opening: %1</source>
        <extracomment>The status bar while the values of moves show, for a game that follows a well-known opening (%1, its name).</extracomment>
        <translation>Abertura: %1</translation>
    </message>
</context>
<context>
    <name>flipstone::HelpWindow</name>
    <message>
        <location filename="../../ui/HelpWindow.cpp" line="+12"/>
        <source>Flipstone Help</source>
        <translation>Ajuda do Flipstone</translation>
    </message>
</context>
<context>
    <name>flipstone::PlayFromHereDialog</name>
    <message>
        <location filename="../../ui/explore/PlayFromHereDialog.cpp" line="+15"/>
        <source>Play &amp;black</source>
        <extracomment>The human&apos;s colour in the game played from here.</extracomment>
        <translation>Jogar com as &amp;pretas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play &amp;white</source>
        <translation>Jogar com as &amp;brancas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play from Here</source>
        <translation>Jogar daqui</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your colour</source>
        <extracomment>The caption over the choice of the human&apos;s colour; the computer plays the other.</extracomment>
        <translation>Sua cor</translation>
    </message>
</context>
<context>
    <name>flipstone::ReviewGraph</name>
    <message>
        <location filename="../../ui/review/ReviewGraph.cpp" line="+20"/>
        <source>Value graph</source>
        <translation>Gráfico de valores</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>at the start</source>
        <extracomment>Where in the game a value of the review&apos;s graph stands: before the first move.</extracomment>
        <translation>no início</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>after move %1</source>
        <extracomment>Where in the game a value of the review&apos;s graph stands: %1 is the move&apos;s number.</extracomment>
        <translation>após a jogada %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, even</source>
        <extracomment>The graph&apos;s value when neither side is ahead; %1 is where in the game (&quot;after move 23, even&quot;).</extracomment>
        <translation>%1, igualdade</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+37"/>
        <location line="+31"/>
        <source>Black</source>
        <translation>Pretas</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+37"/>
        <location line="+32"/>
        <source>White</source>
        <translation>Brancas</translation>
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
        <translation>Ainda sem valores</translation>
    </message>
</context>
<context>
    <name>flipstone::ReviewMoveList</name>
    <message>
        <location filename="../../ui/review/ReviewMoveList.cpp" line="+29"/>
        <source>Move</source>
        <comment>review column</comment>
        <extracomment>The review&apos;s column headers: the move played, its value in discs for the mover, the best move there, the best move&apos;s value, the discs the move lost against it, and the mark the loss earns. Keep them short.</extracomment>
        <translation>Jogada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value</source>
        <comment>review column</comment>
        <translation>Valor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best</source>
        <comment>review column</comment>
        <translation>Melhor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best value</source>
        <comment>review column</comment>
        <translation>Melhor valor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <comment>review column</comment>
        <translation>Perda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mark</source>
        <comment>review column</comment>
        <translation>Nota</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moves of the game</source>
        <translation>Jogadas da partida</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Blunder</source>
        <translation>Erro grave</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mistake</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Inaccuracy</source>
        <translation>Imprecisão</translation>
    </message>
    <message>
        <location line="-27"/>
        <location line="+40"/>
        <source>White</source>
        <translation>Brancas</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+41"/>
        <source>Black</source>
        <translation>Pretas</translation>
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
        <translation>Livro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>exact</source>
        <extracomment>Tooltips of a value: found exactly by solving the end of the game, taken from the opening book, or estimated by a search.</extracomment>
        <translation>exato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>from the opening book</source>
        <translation>do livro de aberturas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>searched</source>
        <translation>estimado</translation>
    </message>
</context>
<context>
    <name>flipstone::ReviewPanel</name>
    <message>
        <location filename="../../ui/review/ReviewPanel.cpp" line="+30"/>
        <source>Review</source>
        <translation>Análise</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Review progress</source>
        <translation>Progresso da análise</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Reviewing the game...</source>
        <translation>Analisando a partida...</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>Every move is reviewed.</source>
        <extracomment>The review&apos;s status once it is complete, for a game that follows a well-known opening (%1, its name).</extracomment>
        <translation>Todas as jogadas foram analisadas.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Opening: %1</source>
        <translation>Abertura: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Review cancelled: %1 of %2 positions judged.</source>
        <translation>Análise cancelada: %1 de %2 posições avaliadas.</translation>
    </message>
</context>
<context>
    <name>flipstone::SetUpPanel</name>
    <message>
        <location filename="../../ui/explore/SetUpPanel.cpp" line="+19"/>
        <source>Set Up Position</source>
        <translation>Montar posição</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Black to move</source>
        <extracomment>The colour that makes the first move from the position being set up.</extracomment>
        <translation>Pretas jogam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White to move</source>
        <translation>Brancas jogam</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Click a square, or press Enter or Space on it, to make it empty, black or white.</source>
        <translation>Clique numa casa, ou pressione Enter ou Espaço sobre ela, para deixá-la vazia, preta ou branca.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Position</source>
        <extracomment>Fills the board with the four discs a game starts with.</extracomment>
        <translation>Posição inicial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Neither black nor white can move in this position, so no game can be played from it. Change some squares, or press Cancel to return to the game.</source>
        <translation>Nem as pretas nem as brancas podem jogar nesta posição, então não é possível jogar uma partida a partir dela. Mude algumas casas, ou pressione Cancelar para voltar à partida.</translation>
    </message>
</context>
</TS>
