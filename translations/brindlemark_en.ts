<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Название: &quot;Brindlemark&quot;</source>
        <translation>Name: &quot;Brindlemark&quot;</translation>
    </message>
    <message>
        <source>Версия: 1.3 от 15 апреля.</source>
        <translation>Version: 1.3 of 15 April.</translation>
    </message>
    <message>
        <source>Автор: Brindlemark team (brindlemark)</source>
        <translation>Author: Brindlemark team (brindlemark)</translation>
    </message>
    <message>
        <source>Расчеты: Brindlemark team (calc)</source>
        <translation>Calculations: Brindlemark team (calc)</translation>
    </message>
    <message>
        <source>   Brindlemark Club   </source>
        <translation>   Brindlemark Club   </translation>
    </message>
    <message>
        <source>https://brindlemark.example.org/</source>
        <translation>https://brindlemark.example.org/</translation>
    </message>
    <message>
        <source>Форум Brindlemark</source>
        <translation>Brindlemark forum</translation>
    </message>
    <message>
        <source>2026</source>
        <translation>2026</translation>
    </message>
</context>
<context>
    <name>BoardModel</name>
    <message>
        <source>только на странице таланта</source>
        <translation>only on the talent page</translation>
    </message>
    <message>
        <source>только на странице способностей</source>
        <translation>only on the abilities page</translation>
    </message>
    <message>
        <source>Талант: %1, способности: %2</source>
        <translation>Talent: %1, abilities: %2</translation>
    </message>
</context>
<context>
    <name>BoardPage</name>
    <message>
        <source>Все</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Показано %1 из %2</source>
        <translation>Showing %1 of %2</translation>
    </message>
    <message>
        <source>обновление остановлено</source>
        <translation>refresh stopped</translation>
    </message>
    <message>
        <source>Лучшие по позициям</source>
        <translation>Best by position</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Позиция:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Возраст до:</source>
        <translation>Age up to:</translation>
    </message>
    <message>
        <source>Талант от:</source>
        <translation>Talent from:</translation>
    </message>
    <message>
        <source>Поиск:</source>
        <translation>Search:</translation>
    </message>
    <message>
        <source>Не обновлено команд: %1</source>
        <translation>Teams not refreshed: %1</translation>
    </message>
    <message>
        <source>Не обновлены:</source>
        <translation>Not refreshed:</translation>
    </message>
    <message>
        <source>Подробнее…</source>
        <translation>Details…</translation>
    </message>
    <message>
        <source>Не сохранено в историю страниц: %1.</source>
        <translation>Pages not saved to the history: %1.</translation>
    </message>
    <message>
        <source>Только растущие</source>
        <translation>Growing only</translation>
    </message>
    <message>
        <source>Следить за дивизионом</source>
        <translation>Watch this division</translation>
    </message>
    <message>
        <source>Обновлять дивизион по расписанию (Настройки, «Расписание»)</source>
        <translation>Refresh the division on a schedule (Settings, “Schedule”)</translation>
    </message>
    <message>
        <source>Скрыть</source>
        <translation>Dismiss</translation>
    </message>
    <message>
        <source>Дивизион «%1» не обновлялся %2 дн.</source>
        <translation>Division “%1” was last refreshed %2 d ago.</translation>
    </message>
    <message>
        <source>В истории есть не все страницы дивизиона «%1».</source>
        <translation>The history lacks some pages of division “%1”.</translation>
    </message>
    <message>
        <source>Ждут обновления ещё дивизионов: %1.</source>
        <translation>More divisions due: %1.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>В таблице каталога %1 не найдено поле &apos;%2&apos;: полей в ней %3, а нужно %4</source>
        <translation>The catalogue table %1 has no field &apos;%2&apos;: it has %3 fields and needs %4</translation>
    </message>
    <message>
        <source>Пропущена строка %1 (%2) в %3: %4</source>
        <translation>Row %1 (%2) in %3 left out: %4</translation>
    </message>
</context>
<context>
    <name>CatalogueTable</name>
    <message>
        <source>это не база данных SQLite 3</source>
        <translation>it is not an SQLite 3 database</translation>
    </message>
    <message>
        <source>файл поврежден (%1)</source>
        <translation>the file is damaged (%1)</translation>
    </message>
    <message>
        <source>файл не читается (%1)</source>
        <translation>the file cannot be read (%1)</translation>
    </message>
    <message>
        <source>таблица слишком велика</source>
        <translation>the table is too large</translation>
    </message>
    <message>
        <source>в нем нет таблицы</source>
        <translation>it holds no table</translation>
    </message>
    <message>
        <source>в нем таблиц: %1, а должна быть одна</source>
        <translation>it holds %1 tables where there should be one</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>Не удалось открыть файл каталога %1: %2</source>
        <translation>Cannot open the catalogue file %1: %2</translation>
    </message>
    <message>
        <source>Таблица каталога не загружена</source>
        <translation>The catalogue table is not loaded</translation>
    </message>
    <message>
        <source>Таблица каталога не загружена: не удалось загрузить %1</source>
        <translation>The catalogue table is not loaded: %1 could not be loaded</translation>
    </message>
    <message>
        <source>Нет текущей строки: таблица в %1 пуста</source>
        <translation>No current row: the table in %1 is empty</translation>
    </message>
    <message>
        <source>Нет поля с номером %1: в таблице %2 полей: %3</source>
        <translation>No field number %1: the table in %2 has %3 fields</translation>
    </message>
    <message>
        <source>Поле &apos;%1&apos; не найдено в %2</source>
        <translation>No field &apos;%1&apos; in %2</translation>
    </message>
</context>
<context>
    <name>DivisionRun</name>
    <message>
        <source>Получение остановлено: записано команд %1 из %2.</source>
        <translation>Stopped: %1 of %2 teams written.</translation>
    </message>
    <message>
        <source>Не сохранены команды (%1):
</source>
        <translation>Teams not saved (%1):
</translation>
    </message>
    <message>
        <source>Файл: %1</source>
        <translation>File: %1</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Не удалось открыть файл %1: %2</source>
        <translation>Cannot open the file %1: %2</translation>
    </message>
    <message>
        <source>; вернуть файл к прежнему виду не удалось</source>
        <translation>; the file could not be restored to what it was</translation>
    </message>
    <message>
        <source>Не удалось записать в файл %1: %2%3</source>
        <translation>Cannot write to the file %1: %2%3</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>это именованный канал, а не обычный файл</source>
        <translation>it is a named pipe, not a regular file</translation>
    </message>
    <message>
        <source>это устройство, а не обычный файл</source>
        <translation>it is a device, not a regular file</translation>
    </message>
    <message>
        <source>это сокет, а не обычный файл</source>
        <translation>it is a socket, not a regular file</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
</context>
<context>
    <name>FetchTexts</name>
    <message>
        <source>менее суток</source>
        <translation>under a day</translation>
    </message>
    <message>
        <source>%1 нед.</source>
        <translation>%1 wk</translation>
    </message>
    <message>
        <source>%1 дн.</source>
        <translation>%1 d</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>файл истории %1 занят другой копией программы</source>
        <translation>the history file %1 is in use by another copy of the program</translation>
    </message>
    <message>
        <source>на диске не хватает места для файла истории %1</source>
        <translation>the disk has no room left for the history file %1</translation>
    </message>
    <message>
        <source>нет права записи в файл истории %1 или в его папку</source>
        <translation>no permission to write the history file %1 or its folder</translation>
    </message>
    <message>
        <source>файл истории %1 повреждён</source>
        <translation>the history file %1 is damaged</translation>
    </message>
    <message>
        <source>файл истории %1 записан более новой версией программы</source>
        <translation>the history file %1 was written by a newer version of the program</translation>
    </message>
    <message>
        <source>ошибка файла истории %1: %2</source>
        <translation>history file error %1: %2</translation>
    </message>
    <message>
        <source>файл истории %1 принадлежит другой программе</source>
        <translation>the history file %1 belongs to another program</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Талант</source>
        <translation>Talent</translation>
    </message>
    <message>
        <source>Умения</source>
        <translation>Abilities</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Дивизион</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Загрузок</source>
        <translation>Fetches</translation>
    </message>
    <message>
        <source>Последняя</source>
        <translation>Latest</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Страница</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Игроков</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Игрок</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Изменение</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Было</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Стало</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Сравнить</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Выберите одну загрузку.</source>
        <translation>Choose one fetch.</translation>
    </message>
    <message>
        <source>Выберите две загрузки одной страницы: «Талант» или «Умения».</source>
        <translation>Choose two fetches of one page: Talent or Abilities.</translation>
    </message>
    <message>
        <source>пришёл</source>
        <translation>arrived</translation>
    </message>
    <message>
        <source>ушёл</source>
        <translation>left</translation>
    </message>
    <message>
        <source>Изменения</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Без изменений</source>
        <translation>No changes</translation>
    </message>
    <message>
        <source>Выберите две загрузки одной страницы и нажмите «Сравнить».</source>
        <translation>Choose two fetches of one page and press Compare.</translation>
    </message>
</context>
<context>
    <name>HistoryStart</name>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Загрузок старше %1 мес. в истории: %2 (сделаны с %3 до %4). Последняя загрузка каждой страницы каждой команды останется в любом случае.

Удалить их? При ответе «Нет» они сохранятся, и вопрос не повторится, пока не изменится срок хранения.</source>
        <translation>Fetches older than %1 months in the history: %2 (made from %3 to before %4). The latest fetch of each page of every team stays in any case.

Delete them? If you answer No they are kept, and you will not be asked again until the keeping period changes.</translation>
    </message>
    <message>
        <source>При запуске из истории удалено загрузок: %1, сделанных до %2.</source>
        <translation>Deleted from the history at start: %1 fetches made before %2.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>Страница не сохранена в истории: %1.</source>
        <translation>The page was not kept in the history: %1.</translation>
    </message>
    <message>
        <source>История недоступна: %1.</source>
        <translation>The history is unavailable: %1.</translation>
    </message>
    <message>
        <source>Не удалось прочитать историю: %1.</source>
        <translation>Cannot read the history: %1.</translation>
    </message>
    <message>
        <source>Не удалось изменить историю: %1.</source>
        <translation>Cannot change the history: %1.</translation>
    </message>
    <message>
        <source>Файл истории повреждён и отложен как %1; начат новый.</source>
        <translation>The history file was damaged and set aside as %1; a new one was started.</translation>
    </message>
    <message>
        <source>файл истории не открыт</source>
        <translation>the history file is not open</translation>
    </message>
    <message>
        <source>файл истории %1 не удалось обновить: строка %2 таблицы %3 (%4)</source>
        <translation>the history file %1 could not be brought up to date: row %2 of table %3 (%4)</translation>
    </message>
    <message>
        <source>Файл истории принадлежит другой программе и отложен как %1; начат новый.</source>
        <translation>The history file belongs to another program and was set aside as %1; a new one was started.</translation>
    </message>
</context>
<context>
    <name>ListExports</name>
    <message>
        <source>Сохранять нечего :(</source>
        <translation>Nothing to save :(</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Текстовый файл (*.txt)</source>
        <translation>Text file (*.txt)</translation>
    </message>
</context>
<context>
    <name>MainPage</name>
    <message>
        <source>Не выбрана команда.</source>
        <translation>No team chosen.</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Выберите дивизион</source>
        <translation>Choose a division</translation>
    </message>
    <message>
        <source>Страница не распознана: в ней нет названия команды.</source>
        <translation>The page was not understood: it holds no team name.</translation>
    </message>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Из истории: %1</source>
        <translation>From history: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brindlemark</source>
        <translation>Brindlemark</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Команда:</source>
        <translation>Team:</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Менеджер:</source>
        <translation>Manager:</translation>
    </message>
    <message>
        <source>Ранг:</source>
        <translation>Rank:</translation>
    </message>
    <message>
        <source>Город:</source>
        <translation>City:</translation>
    </message>
    <message>
        <source>Стадион:</source>
        <translation>Stadium:</translation>
    </message>
    <message>
        <source>Дивизион:</source>
        <translation>Division:</translation>
    </message>
    <message>
        <source>Деньги:</source>
        <translation>Money:</translation>
    </message>
    <message>
        <source>Число игроков:</source>
        <translation>Players:</translation>
    </message>
    <message>
        <source>Разр. пополнений:</source>
        <translation>Additions allowed:</translation>
    </message>
    <message>
        <source>Сила:</source>
        <translation>Strength:</translation>
    </message>
    <message>
        <source>Зрит. Рейтинг:</source>
        <translation>Spectator rating:</translation>
    </message>
    <message>
        <source>Талант</source>
        <translation>Talent</translation>
    </message>
    <message>
        <source>Умения</source>
        <translation>Abilities</translation>
    </message>
    <message>
        <source>Расчет Т1</source>
        <translation>Projection T1</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Игрок</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Мастерство:</source>
        <translation>Mastery:</translation>
    </message>
    <message>
        <source>Талант:</source>
        <translation>Talent:</translation>
    </message>
    <message>
        <source>Ур. ДЮСШ</source>
        <translation>School lvl</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Ур. Тренера</source>
        <translation>Coach lvl</translation>
    </message>
    <message>
        <source>QGroupBox { border: 1px solid palette(mid); margin-top: 6px; } QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }</source>
        <translation>QGroupBox { border: 1px solid palette(mid); margin-top: 6px; } QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>По всему дивизиону</source>
        <translation>Whole division</translation>
    </message>
    <message>
        <source>Получить</source>
        <translation>Fetch</translation>
    </message>
    <message>
        <source>Посл. страница:</source>
        <translation>Last page:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>байт</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>За сеанс:</source>
        <translation>Session:</translation>
    </message>
    <message>
        <source>Можно сохранять в тот же файл.</source>
        <translation>Several teams can go into one file.</translation>
    </message>
    <message>
        <source>color: navy;</source>
        <translation>color: navy;</translation>
    </message>
    <message>
        <source>Трафик по дивизиону примерно 600кб.</source>
        <translation>A division takes about 600 KB of traffic.</translation>
    </message>
    <message>
        <source>Дивизион сразу сохраняет в файл.</source>
        <translation>A division is saved to a file at once.</translation>
    </message>
    <message>
        <source>Стрелки для просмотра полученных команд.</source>
        <translation>Arrows browse the teams fetched.</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как CSV…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Копировать для форума</source>
        <translation>Copy for forum</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Перечитать историю</source>
        <translation>Re-read history</translation>
    </message>
    <message>
        <source>Развитие</source>
        <translation>Development</translation>
    </message>
    <message>
        <source>Перечитано страниц: %1, не прочитано: %2.</source>
        <translation>Pages re-read: %1, not read: %2.</translation>
    </message>
    <message>
        <source>Шагов до таланта 9 при этих уровнях; щелчок по клетке ставит их</source>
        <translation>Steps to talent 9 with these levels; a click on a cell takes them</translation>
    </message>
    <message>
        <source>ДЮСШ 1</source>
        <translation>School 1</translation>
    </message>
    <message>
        <source>ДЮСШ 2</source>
        <translation>School 2</translation>
    </message>
    <message>
        <source>ДЮСШ 3</source>
        <translation>School 3</translation>
    </message>
    <message>
        <source>Тренер 1</source>
        <translation>Coach 1</translation>
    </message>
    <message>
        <source>Тренер 2</source>
        <translation>Coach 2</translation>
    </message>
    <message>
        <source>Тренер 3</source>
        <translation>Coach 3</translation>
    </message>
    <message>
        <source>Дивизион</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Прервать получение (Esc)</source>
        <translation>Stop fetching (Esc)</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Загрузка из истории, показанная без запроса</source>
        <translation>A fetch from the history, shown without a request</translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
</context>
<context>
    <name>PageFetch</name>
    <message>
        <source>Команда не найдена</source>
        <translation>Team not found</translation>
    </message>
    <message>
        <source>Неправильно указан ИД.</source>
        <translation>The ID is wrong.</translation>
    </message>
    <message>
        <source>команда не найдена</source>
        <translation>team not found</translation>
    </message>
    <message>
        <source>Ахтунг</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>На сайте проводится обновление данных.</source>
        <translation>The site is updating its data.</translation>
    </message>
    <message>
        <source>на сайте проводится обновление данных</source>
        <translation>the site is updating its data</translation>
    </message>
    <message>
        <source>Произошла ошибка: сервер не ответил за отведённое время.</source>
        <translation>An error occurred: the server did not answer in time.</translation>
    </message>
    <message>
        <source>Произошла ошибка: страница пришла не полностью.</source>
        <translation>An error occurred: the page arrived incomplete.</translation>
    </message>
    <message>
        <source>Произошла ошибка</source>
        <translation>An error occurred</translation>
    </message>
    <message>
        <source>сервер не ответил вовремя</source>
        <translation>the server did not answer in time</translation>
    </message>
    <message>
        <source>страница пришла не полностью</source>
        <translation>the page arrived incomplete</translation>
    </message>
    <message>
        <source>страница не получена</source>
        <translation>the page was not received</translation>
    </message>
    <message>
        <source>Произошла ошибка: прокси-сервер требует логин и пароль.</source>
        <translation>An error occurred: the proxy asks for a login and password.</translation>
    </message>
    <message>
        <source>прокси-сервер требует логин и пароль</source>
        <translation>the proxy asks for a login and password</translation>
    </message>
    <message>
        <source>страница не распознана: в ней нет названия команды</source>
        <translation>the page was not understood: it holds no team name</translation>
    </message>
    <message>
        <source>ошибка в данных: </source>
        <translation>bad data: </translation>
    </message>
    <message>
        <source>Произошла ошибка: прокси-сервер не принял логин и пароль.</source>
        <translation>An error occurred: the proxy refused the login and password.</translation>
    </message>
    <message>
        <source>прокси-сервер не принял логин и пароль</source>
        <translation>the proxy refused the login and password</translation>
    </message>
</context>
<context>
    <name>PlayerChart</name>
    <message>
        <source>Талант</source>
        <translation>Talent</translation>
    </message>
    <message>
        <source>Мастерство</source>
        <translation>Mastery</translation>
    </message>
    <message>
        <source>Прогноз: 9 к %1</source>
        <translation>Projection: 9 by %1</translation>
    </message>
    <message>
        <source>Прогноз</source>
        <translation>Projection</translation>
    </message>
</context>
<context>
    <name>ProjectionPage</name>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Трен</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Балл</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Талант</source>
        <translation>Talent</translation>
    </message>
    <message>
        <source>Мастерство: </source>
        <translation>Mastery: </translation>
    </message>
    <message>
        <source>Талант: </source>
        <translation>Talent: </translation>
    </message>
</context>
<context>
    <name>RereadProgress</name>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Перечитано страниц: %1 из %2</source>
        <translation>Pages re-read: %1 of %2</translation>
    </message>
</context>
<context>
    <name>RosterLists</name>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Страна</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Поз</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Возр</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Маст</source>
        <translation>Mast</translation>
    </message>
    <message>
        <source>Талант</source>
        <translation>Talent</translation>
    </message>
    <message>
        <source>От</source>
        <translation>Tk</translation>
    </message>
    <message>
        <source>Оп</source>
        <translation>Mk</translation>
    </message>
    <message>
        <source>Др</source>
        <translation>Dr</translation>
    </message>
    <message>
        <source>Пм</source>
        <translation>Rc</translation>
    </message>
    <message>
        <source>Вн</source>
        <translation>St</translation>
    </message>
    <message>
        <source>Пс</source>
        <translation>Ps</translation>
    </message>
    <message>
        <source>Сл</source>
        <translation>Pw</translation>
    </message>
    <message>
        <source>Тч</source>
        <translation>Ac</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Δ Маст</source>
        <translation>Δ Mast</translation>
    </message>
    <message>
        <source>Δ Талант</source>
        <translation>Δ Talent</translation>
    </message>
    <message>
        <source>Данные от</source>
        <translation>As of</translation>
    </message>
</context>
<context>
    <name>SearchPage</name>
    <message>
        <source>Команда</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Дивизион</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>часть имени</source>
        <translation>part of a name</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>All</translation>
    </message>
    <message>
        <source>любой</source>
        <translation>any</translation>
    </message>
    <message>
        <source>Все дивизионы</source>
        <translation>All divisions</translation>
    </message>
    <message>
        <source>Выбранный дивизион</source>
        <translation>Chosen division</translation>
    </message>
    <message>
        <source>Все сохранённые недели</source>
        <translation>Every stored week</translation>
    </message>
    <message>
        <source>Иначе — только последняя страница каждой команды</source>
        <translation>Otherwise only each team’s latest page</translation>
    </message>
    <message>
        <source>Искать</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Имя:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Позиция:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Возраст до:</source>
        <translation>Age up to:</translation>
    </message>
    <message>
        <source>Страна:</source>
        <translation>Country:</translation>
    </message>
    <message>
        <source>Талант от:</source>
        <translation>Talent from:</translation>
    </message>
    <message>
        <source>Маст. от:</source>
        <translation>Mastery from:</translation>
    </message>
    <message>
        <source>Где:</source>
        <translation>Where:</translation>
    </message>
    <message>
        <source>Поиск не удался.</source>
        <translation>The search failed.</translation>
    </message>
    <message>
        <source>История не ведётся: искать негде.</source>
        <translation>No history is kept: there is nothing to search.</translation>
    </message>
    <message>
        <source>Выберите дивизион справа или ищите во всех.</source>
        <translation>Choose a division on the right or search all of them.</translation>
    </message>
    <message>
        <source>Поиск…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>Найдено игроков: %1</source>
        <translation>Players found: %1</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Прокси</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Использовать</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Логин</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Сервер</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Сохранение</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>Разделитель</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>_</source>
        <translation>_</translation>
    </message>
    <message>
        <source>Добавлять информацию о:</source>
        <translation>Add information on:</translation>
    </message>
    <message>
        <source>ID команды</source>
        <translation>Team ID</translation>
    </message>
    <message>
        <source>Менеджер</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Разр. пополнения</source>
        <translation>Additions allowed</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Сохранять загрузки</source>
        <translation>Keep fetches</translation>
    </message>
    <message>
        <source>Хранить, месяцев</source>
        <translation>Keep, months</translation>
    </message>
    <message>
        <source>0 — хранить всегда</source>
        <translation>0 keeps them for good</translation>
    </message>
    <message>
        <source>Файл: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Хранятся все загрузки: %1.</source>
        <translation>All fetches are kept: %1.</translation>
    </message>
    <message>
        <source>Хранится загрузок: %1.</source>
        <translation>Fetches kept: %1.</translation>
    </message>
    <message>
        <source>Хранится загрузок: %1, будет удалено при запуске: %2.</source>
        <translation>Fetches kept: %1; deleted at start: %2.</translation>
    </message>
    <message>
        <source>Расписание</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>Отслеживаемые дивизионы</source>
        <translation>Watched divisions</translation>
    </message>
    <message>
        <source>Не следить</source>
        <translation>Stop watching</translation>
    </message>
    <message>
        <source>Убрать выбранный дивизион из расписания</source>
        <translation>Take the selected division off the schedule</translation>
    </message>
    <message>
        <source>Обновлять раз в, дней</source>
        <translation>Refresh every, days</translation>
    </message>
    <message>
        <source>Страницы</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Обе: талант и умения</source>
        <translation>Both: talent and abilities</translation>
    </message>
    <message>
        <source>Только талант</source>
        <translation>Talent only</translation>
    </message>
    <message>
        <source>Только умения</source>
        <translation>Abilities only</translation>
    </message>
    <message>
        <source>Дивизион %1 (нет в каталоге)</source>
        <translation>Division %1 (not in the catalogue)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Не удалось прочитать файл настроек %1</source>
        <translation>Cannot read the settings file %1</translation>
    </message>
</context>
<context>
    <name>TalentProjection</name>
    <message>
        <source>Ахтунг</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Талант не растет при этих значениях.</source>
        <translation>The talent does not grow with these values.</translation>
    </message>
</context>
<context>
    <name>WatchWiring</name>
    <message>
        <source>Пора обновить отслеживаемый дивизион</source>
        <translation>A watched division is due for a refresh</translation>
    </message>
</context>
</TS>
