<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Artwork</name>
    <message>
        <source>index.html</source>
        <comment>the file name of the help page in this language</comment>
        <translation>index_ru.html</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Доска</translation>
    </message>
    <message>
        <source>Arrow keys choose a square, Enter plays it</source>
        <translation>Клавиши со стрелками выбирают клетку, Enter делает на неё ход</translation>
    </message>
</context>
<context>
    <name>BoardNarrator</name>
    <message>
        <source>Black</source>
        <translation>Чёрные</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белые</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>%1 %2, turns %3</source>
        <translation>%1 %2, переворачивают %3</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Подсказка: %1</translation>
    </message>
    <message>
        <source>No hint</source>
        <translation>Подсказки нет</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Уровень %1</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 пасуют</translation>
    </message>
    <message>
        <source>Game over. Black %1, white %2</source>
        <translation>Игра окончена. Чёрные %1, белые %2</translation>
    </message>
</context>
<context>
    <name>CFlipstoneDoc</name>
    <message>
        <source>You Win.</source>
        <translation>Вы выиграли.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Вы проиграли</translation>
    </message>
    <message>
        <source>Draw Game</source>
        <translation>Ничья</translation>
    </message>
    <message>
        <source>Flipstone</source>
        <translation>Flipstone</translation>
    </message>
    <message>
        <source>Flipstone - Training game</source>
        <translation>Flipstone - Тренировочная партия</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
</context>
<context>
    <name>DesktopHost</name>
    <message>
        <source>Game over</source>
        <translation>Игра окончена</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>it does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>папка не существует</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>отказано в доступе</translation>
    </message>
    <message>
        <source>the location is read-only</source>
        <translation>расположение доступно только для чтения</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>часть пути не является папкой</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>слишком длинное имя</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <translation>Не удаётся открыть файл «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>Не удаётся сохранить файл «%1»: %2.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>файл доступен только для чтения</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>GameFileDialogs</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 could not be removed: %2.</source>
        <translation>Не удалось удалить файл настроек %1: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Сохранённые настройки Flipstone удалены.</translation>
    </message>
</context>
<context>
    <name>SquareText</name>
    <message>
        <source>black</source>
        <translation>чёрная фишка</translation>
    </message>
    <message>
        <source>white</source>
        <translation>белая фишка</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>возможный ход</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>последний ход</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>подсказка</translation>
    </message>
</context>
<context>
    <name>flipstone::CAboutDialog</name>
    <message>
        <source>About Flipstone</source>
        <translation>О программе Flipstone</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Flipstone Version %1</source>
        <extracomment>%1 is the version number, such as 1.07e.</extracomment>
        <translation>Flipstone, версия %1</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>The caption of the group that chooses who opens the game: the player or the computer.</extracomment>
        <translation>Ход</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>In the group &quot;Move&quot;: the player makes the game&apos;s first move, with black.</extracomment>
        <translation>Первый</translation>
    </message>
    <message>
        <source>Second</source>
        <extracomment>In the group &quot;Move&quot;: the computer opens, the player answers with white.</extracomment>
        <translation>Второй</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The caption of the group that chooses the computer&apos;s level, 1 to 4.</extracomment>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Move first</source>
        <extracomment>What a screen reader says for the choice &quot;First&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Ходить первым</translation>
    </message>
    <message>
        <source>Move second</source>
        <extracomment>What a screen reader says for the choice &quot;Second&quot; of the group &quot;Move&quot;.</extracomment>
        <translation>Ходить вторым</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>What a screen reader says for a choice of the group &quot;Level&quot;; %1 is 1 to 4.</extracomment>
        <translation>Уровень %1</translation>
    </message>
</context>
<context>
    <name>flipstone::CMainFrame</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Начать</translation>
    </message>
    <message>
        <source>Game start
Game start</source>
        <translation>Начать новую игру
Начать игру</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Завершить работу программы с запросом на сохранение документов
Выход</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>Set sound
Set sound</source>
        <translation>Включить или выключить звук
Звук</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Разделы справки</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Показать список разделов справки
Разделы справки</translation>
    </message>
    <message>
        <source>&amp;About Flipstone...</source>
        <translation>&amp;О программе Flipstone...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Показать сведения о программе, номер версии и авторские права
О программе</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Уровень</translation>
    </message>
    <message>
        <source>Level &amp;%1</source>
        <translation>Уровень &amp;%1</translation>
    </message>
    <message>
        <source>Computer Level %1
Level %1</source>
        <translation>Уровень игры компьютера: %1
Уровень %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Показать или скрыть панель инструментов</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Показать/скрыть панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Показать или скрыть строку состояния
Показать/скрыть строку состояния</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Создать новый документ
Создать</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Открыть существующий документ
Открыть</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Сохранить текущий документ
Сохранить</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Показать справку по текущей задаче или команде
Справка</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Другие кнопки панели инструментов</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Справка: F1</translation>
    </message>
    <message>
        <source>Value:%1</source>
        <translation>Оценка:%1</translation>
    </message>
    <message>
        <source>Leaf: %1</source>
        <translation>Позиций: %1</translation>
    </message>
    <message>
        <source>Ply: %1</source>
        <translation>Ход: %1</translation>
    </message>
    <message>
        <source>B: %1 / W: %2</source>
        <translation>Ч: %1 / Б: %2</translation>
    </message>
</context>
<context>
    <name>flipstone::HelpWindow</name>
    <message>
        <source>Flipstone Help</source>
        <translation>Справка Flipstone</translation>
    </message>
</context>
</TS>
