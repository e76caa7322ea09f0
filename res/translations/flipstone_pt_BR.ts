<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Artwork</name>
    <message>
        <source>index.html</source>
        <comment>the file name of the help page in this language</comment>
        <translation>index_pt_BR.html</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Arrow keys choose a square, Enter plays it</source>
        <translation>As teclas de seta escolhem uma casa; Enter joga nela</translation>
    </message>
</context>
<context>
    <name>BoardNarrator</name>
    <message>
        <source>Black</source>
        <translation>Pretas</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Brancas</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 %2, turns %3</source>
        <translation>%1 %2, viram %3</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Dica: %1</translation>
    </message>
    <message>
        <source>No hint</source>
        <translation>Sem dica</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nível %1</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 passam</translation>
    </message>
    <message>
        <source>Game over. Black %1, white %2</source>
        <translation>Fim de jogo. Pretas %1, brancas %2</translation>
    </message>
</context>
<context>
    <name>CFlipstoneDoc</name>
    <message>
        <source>You Win.</source>
        <translation>Você venceu.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Você perdeu</translation>
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
        <translation>Flipstone - Partida de treino</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
</context>
<context>
    <name>DesktopHost</name>
    <message>
        <source>Game over</source>
        <translation>Fim de jogo</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>it does not exist</source>
        <translation>ele não existe</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>the location is read-only</source>
        <translation>o local é somente leitura</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>uma parte do caminho não é uma pasta</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>o nome é longo demais</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <translation>Não foi possível abrir o arquivo “%1”: %2.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>Não foi possível salvar o arquivo “%1”: %2.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
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
        <translation>Salvar como</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 could not be removed: %2.</source>
        <translation>Não foi possível remover o arquivo de configurações %1: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>As configurações salvas do Flipstone foram apagadas.</translation>
    </message>
</context>
<context>
    <name>SquareText</name>
    <message>
        <source>black</source>
        <translation>peça preta</translation>
    </message>
    <message>
        <source>white</source>
        <translation>peça branca</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>jogada válida</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>última jogada</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>dica</translation>
    </message>
</context>
<context>
    <name>flipstone::CAboutDialog</name>
    <message>
        <source>About Flipstone</source>
        <translation>Sobre o Flipstone</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Flipstone Version %1</source>
        <extracomment>%1 is the version number, such as 1.07e.</extracomment>
        <translation>Flipstone versão %1</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>The caption of the group that chooses who opens the game: the player or the computer.</extracomment>
        <translation>Ordem</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>In the group &quot;Move&quot;: the player makes the game&apos;s first move, with black.</extracomment>
        <translation>Primeiro</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>In the group &quot;Move&quot;: the computer opens, the player answers with white.</extracomment>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The caption of the group that chooses the computer&apos;s level, 1 to 4.</extracomment>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Move first</source>
        <extracomment>What a screen reader says for the choice &quot;First&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Jogar primeiro</translation>
    </message>
    <message>
        <source>Move second</source>
        <extracomment>What a screen reader says for the choice &quot;Second&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Jogar em segundo</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>What a screen reader says for a choice of the group &quot;Level&quot;; %1 is 1 to 4.</extracomment>
        <translation>Nível %1</translation>
    </message>
</context>
<context>
    <name>flipstone::CMainFrame</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Game start
Game start</source>
        <translation>Começa uma nova partida
Iniciar partida</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Fecha o aplicativo; pergunta se deseja salvar os documentos
Sair</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>Set sound
Set sound</source>
        <translation>Liga ou desliga o som
Som</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tópicos da ajuda</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Lista os tópicos da ajuda
Tópicos da ajuda</translation>
    </message>
    <message>
        <source>&amp;About Flipstone...</source>
        <translation>&amp;Sobre o Flipstone...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Exibe informações do programa, o número da versão e os direitos autorais
Sobre</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Nível</translation>
    </message>
    <message>
        <source>Level &amp;%1</source>
        <translation>Nível &amp;%1</translation>
    </message>
    <message>
        <source>Computer Level %1
Level %1</source>
        <translation>Nível %1 do computador
Nível %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostra ou oculta a barra de ferramentas</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Mostrar ou ocultar a barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostra ou oculta a barra de status
Mostrar ou ocultar a barra de status</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Cria um novo documento
Novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abre um documento existente
Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Salva o documento ativo
Salvar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Exibe a ajuda da tarefa ou do comando atual
Ajuda</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Mais botões da barra de ferramentas</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Ajuda: F1</translation>
    </message>
    <message>
        <source>Value:%1</source>
        <translation>Valor:%1</translation>
    </message>
    <message>
        <source>Leaf: %1</source>
        <translation>Folhas: %1</translation>
    </message>
    <message>
        <source>Ply: %1</source>
        <translation>Jogada: %1</translation>
    </message>
    <message>
        <source>B: %1 / W: %2</source>
        <translation>P: %1 / B: %2</translation>
    </message>
</context>
<context>
    <name>flipstone::HelpWindow</name>
    <message>
        <source>Flipstone Help</source>
        <translation>Ajuda do Flipstone</translation>
    </message>
</context>
</TS>
