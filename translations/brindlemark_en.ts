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
    <message>
        <source>неясно</source>
        <translation>unclear</translation>
    </message>
    <message>
        <source>не сходится</source>
        <translation>does not fit</translation>
    </message>
    <message>
        <source>Уровень школы × уровень тренера: уверенно, по росту игроков команды</source>
        <translation>School level × coach level: sure, from the growth of the team&apos;s players</translation>
    </message>
    <message>
        <source>Мало загрузок, чтобы судить об уровнях школы и тренера</source>
        <translation>Too few fetches to judge the school and coach levels</translation>
    </message>
    <message>
        <source>Рост игроков команды не сходится с шагом прогноза</source>
        <translation>The growth of the team&apos;s players does not fit the projection&apos;s step</translation>
    </message>
    <message>
        <source>Нужен темп тренировок своей команды (Настройки → «Моя команда»)</source>
        <translation>Needs your own team&apos;s training pace (Settings → “My team”)</translation>
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
    <name>CliContext</name>
    <message>
        <source>В каталоге нет дивизиона «%1».</source>
        <translation>The catalogue has no division “%1”.</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>Лишний аргумент: «%1».</source>
        <translation>Unexpected argument: “%1”.</translation>
    </message>
    <message>
        <source>Не хватает аргументов.</source>
        <translation>Missing arguments.</translation>
    </message>
    <message>
        <source>%1: «%2» не целое число от %3 до %4.</source>
        <translation>%1: “%2” is not a whole number from %3 to %4.</translation>
    </message>
    <message>
        <source>--%1: «%2» не число от %3 до %4.</source>
        <translation>--%1: “%2” is not a number from %3 to %4.</translation>
    </message>
    <message>
        <source>--%1: «%2» не из списка: %3.</source>
        <translation>--%1: “%2” is not one of: %3.</translation>
    </message>
    <message>
        <source>Использование: %1 %2</source>
        <translation>Usage: %1 %2</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>получить команду или дивизион в историю (и в текст, CSV)</source>
        <translation>fetch a team or a division into the history (and to text, CSV)</translation>
    </message>
    <message>
        <source>получить отмеченные дивизионы, которым пора (для расписания)</source>
        <translation>fetch the watched divisions that are due (for a schedule)</translation>
    </message>
    <message>
        <source>найти юниоров в сохранённых страницах таланта</source>
        <translation>find youth players in the stored talent pages</translation>
    </message>
    <message>
        <source>что хранит история: команды, их получения, сравнение, страница как получена</source>
        <translation>what the history holds: teams, their fetches, comparisons, a page as received</translation>
    </message>
    <message>
        <source>Использование: %1 &lt;команда&gt; [параметры]
Brindlemark без окна: те же настройки, каталог и история.

Команды:
</source>
        <translation>Usage: %1 &lt;command&gt; [options]
Brindlemark without a window: the same settings, catalogue and history.

Commands:
</translation>
    </message>
    <message>
        <source>
«%1 &lt;команда&gt; --help» описывает команду.
Коды выхода: 0 успех, 1 часть команд не получена, 2 ошибка в параметрах, 3 ничего не получено.
</source>
        <translation>
“%1 &lt;command&gt; --help” describes a command.
Exit codes: 0 success, 1 some teams left out, 2 usage error, 3 nothing fetched.
</translation>
    </message>
    <message>
        <source>Неизвестная команда «%1». Список команд: %2 --help.</source>
        <translation>Unknown command “%1”. The commands: %2 --help.</translation>
    </message>
    <message>
        <source>Справка: %1 %2 --help.</source>
        <translation>Help: %1 %2 --help.</translation>
    </message>
    <message>
        <source>обход каталога или дивизионов в историю: вежливо, с продолжением после остановки</source>
        <translation>crawl the catalogue or divisions into the history: politely, going on after a stop</translation>
    </message>
</context>
<context>
    <name>CrawlCommand</name>
    <message>
        <source>Все команды каталога.</source>
        <translation>Every team of the catalogue.</translation>
    </message>
    <message>
        <source>Команды дивизиона (название или ИД); можно указать несколько раз.</source>
        <translation>The teams of a division (name or ID); may be given several times.</translation>
    </message>
    <message>
        <source>Какие страницы получать (по умолчанию обе).</source>
        <translation>Which pages to fetch (both by default).</translation>
    </message>
    <message>
        <source>Не больше страниц в секунду, в среднем, с разбросом ±30 % (по умолчанию 1; 0 — без ограничения).</source>
        <translation>At most this many pages a second on average, spread by ±30 % (1 by default; 0: no limit).</translation>
    </message>
    <message>
        <source>Пропускать страницы, которые история хранит моложе стольких дней (по умолчанию 6; 0 — получать все).</source>
        <translation>Skip pages the history holds that are younger than this many days (6 by default; 0: fetch them all).</translation>
    </message>
    <message>
        <source>Первая пауза после сбоя или страницы обновления сайта; каждая следующая подряд вдвое дольше, до 5 минут (по умолчанию 5).</source>
        <translation>The first pause after a failure or the site&apos;s maintenance page; each next one in a row twice as long, up to 5 minutes (5 by default).</translation>
    </message>
    <message>
        <source>Укажите --all или --division.</source>
        <translation>Give --all or --division.</translation>
    </message>
    <message>
        <source>талант</source>
        <translation>talent</translation>
    </message>
    <message>
        <source>умения</source>
        <translation>abilities</translation>
    </message>
    <message>
        <source>Обход остановлен: запись в историю не удалась. %1</source>
        <translation>The crawl stopped: writing to the history failed. %1</translation>
    </message>
    <message>
        <source>Обход остановлен: на сайте проводится обновление данных (страница обновления несколько раз подряд). Запустите ту же команду позже, чтобы продолжить.</source>
        <translation>The crawl stopped: the site is updating its data (the maintenance page several times in a row). Run the same command later to go on.</translation>
    </message>
    <message>
        <source>Обход остановлен: сайт не отвечает (слишком много сбоев подряд). Запустите ту же команду позже, чтобы продолжить.</source>
        <translation>The crawl stopped: the site does not answer (too many failures in a row). Run the same command later to go on.</translation>
    </message>
    <message>
        <source>Обход прерван. Та же команда продолжит его с места остановки.</source>
        <translation>The crawl was interrupted. The same command goes on from where it stopped.</translation>
    </message>
    <message>
        <source>%1 стр./с</source>
        <translation>%1 pages/s</translation>
    </message>
    <message>
        <source>Команда %1 (%2): %3</source>
        <translation>Team %1 (%2): %3</translation>
    </message>
    <message>
        <source>Сохранено страниц: %1, не получено: %2, не запрошено: %3.</source>
        <translation>Pages kept: %1, not received: %2, not asked for: %3.</translation>
    </message>
    <message>
        <source>Все страницы получены недавно: получать нечего.</source>
        <translation>Every page was fetched lately: nothing to fetch.</translation>
    </message>
    <message>
        <source>Обход продолжен: страниц к получению %1 (команд %2).</source>
        <translation>Crawl resumed: %1 pages to fetch (%2 teams).</translation>
    </message>
    <message>
        <source>Обход: страниц к получению %1 (команд %2).</source>
        <translation>Crawl: %1 pages to fetch (%2 teams).</translation>
    </message>
    <message>
        <source>Обходит каталог или дивизионы и сохраняет страницы команд в историю: не больше четырёх соединений и заданного числа страниц в секунду, с паузой при сбоях сайта. Страницы, полученные недавно, пропускаются; прерванный обход той же командой продолжается с места остановки.</source>
        <translation>Goes over the catalogue or divisions and keeps the teams&apos; pages in the history: at most four connections and the given pages a second, pausing when the site fails. Pages fetched lately are skipped; an interrupted crawl goes on from where it stopped when the same command runs again.</translation>
    </message>
    <message>
        <source>пауза %1 с</source>
        <translation>pause %1 s</translation>
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
    <name>FetchCommand</name>
    <message>
        <source>В каталоге нет команд дивизиона «%1».</source>
        <translation>The catalogue has no teams of the division “%1”.</translation>
    </message>
    <message>
        <source>Код команды.</source>
        <translation>Team identifier.</translation>
    </message>
    <message>
        <source>Дивизион каталога: название или код.</source>
        <translation>A division of the catalogue: its name or identifier.</translation>
    </message>
    <message>
        <source>Какие страницы: талант, умения или обе (по умолчанию обе; сначала все страницы таланта, затем умений).</source>
        <translation>Which pages: talent, abilities or both (both by default; every talent page first, then the abilities).</translation>
    </message>
    <message>
        <source>Дописать блоки команд в файл, как их пишет окно при получении дивизиона.</source>
        <translation>Append the team blocks to the file, as the window&apos;s division run writes them.</translation>
    </message>
    <message>
        <source>Записать CSV страницы «Дивизион» по этим командам (файл заменяется целиком).</source>
        <translation>Write the Division page&apos;s CSV of these teams (the file is replaced whole).</translation>
    </message>
    <message>
        <source>Укажите одно из двух: --team ID или --division NAME|ID.</source>
        <translation>Give one of the two: --team ID or --division NAME|ID.</translation>
    </message>
    <message>
        <source>Получает страницы команды или всех команд дивизиона (по четыре сразу, как окно) и всегда сохраняет их в истории. Прокси, его пароль и вид выгрузки берутся из настроек окна, каталог — из рабочей папки.</source>
        <translation>Fetches the pages of a team or of every team of a division (four at once, as the window does) and always keeps them in the history. The proxy, its password and the export options come from the window&apos;s settings, the catalogue from the working folder.</translation>
    </message>
</context>
<context>
    <name>FetchSession</name>
    <message>
        <source>%1: не получено команд %2 из %3:</source>
        <translation>%1: %2 of %3 teams not fetched:</translation>
    </message>
    <message>
        <source>Остановлено: что получено, сохранено; страницы в пути отброшены.</source>
        <translation>Stopped: what arrived is kept; the pages on their way were dropped.</translation>
    </message>
    <message>
        <source>Получено и сохранено в истории страниц: %1 из %2.</source>
        <translation>Pages fetched and kept in the history: %1 of %2.</translation>
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
    <name>GrowthCommands</name>
    <message>
        <source>Произведение уровней школы и тренера (Ш×Т), которое лучше всего объясняет рост игроков каждой команды, и насколько уверенно; по темпу тренировок своей команды.</source>
        <translation>The product of the school and coach levels (S×C) that best explains the growth of each team&apos;s players, and how sure that is; from your own team&apos;s training pace.</translation>
    </message>
    <message>
        <source>Только команды дивизиона (можно несколько раз).</source>
        <translation>Only the teams of the division (may be given several times).</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Код</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Ш×Т</source>
        <translation>S×C</translation>
    </message>
    <message>
        <source>Вывод</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Объяснено</source>
        <translation>Explained</translation>
    </message>
    <message>
        <source>Запас</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>Недель</source>
        <translation>Weeks</translation>
    </message>
    <message>
        <source>своя команда</source>
        <translation>own team</translation>
    </message>
    <message>
        <source>Насколько прогноз таланта расходился с тем, что было: от каждой загрузки таланта прогноз на 1, 4 и 8 недель сравнивается с поздними загрузками; средняя и 90-й процентиль ошибки, и ошибка в неделях до 9.</source>
        <translation>How far the talent projection was from what happened: from every talent fetch the projection 1, 4 and 8 weeks on is compared with the later fetches; the mean and 90th percentile of the error, and the error in weeks to 9.</translation>
    </message>
    <message>
        <source>Команд: %1, игроков: %2.</source>
        <translation>Teams: %1, players: %2.</translation>
    </message>
    <message>
        <source>Прогноз</source>
        <translation>Projection</translation>
    </message>
    <message>
        <source>Случаев</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Ошибка, средняя</source>
        <translation>Mean error</translation>
    </message>
    <message>
        <source>90 %</source>
        <translation>90 %</translation>
    </message>
</context>
<context>
    <name>GrowthTexts</name>
    <message>
        <source>%1, уверенно</source>
        <translation>%1, sure</translation>
    </message>
    <message>
        <source>не сходится с шагом прогноза</source>
        <translation>does not fit the projection&apos;s step</translation>
    </message>
    <message>
        <source>неясно</source>
        <translation>unclear</translation>
    </message>
    <message>
        <source>Темп тренировок не оценить: своя команда не выбрана (Настройки → «Моя команда»).</source>
        <translation>No training pace: your own team is not chosen (Settings → “My team”).</translation>
    </message>
    <message>
        <source>Темп тренировок не оценить: мало загрузок своей команды (%1 игроко-недель из %2 нужных).</source>
        <translation>No training pace: too few fetches of your own team (%1 player-weeks of the %2 needed).</translation>
    </message>
    <message>
        <source>Темп тренировок не оценить: рост своей команды не сходится с шагом прогноза (объяснено %1 из %2 промежутков).</source>
        <translation>No training pace: your own team&apos;s growth does not fit the projection&apos;s step (%1 of %2 spans explained).</translation>
    </message>
    <message>
        <source>Темп тренировок: %1 ± %2 шага в неделю (по %3 игроко-неделям своей команды).</source>
        <translation>Training pace: %1 ± %2 steps a week (from %3 player-weeks of your own team).</translation>
    </message>
    <message>
        <source>Талант уже 9.</source>
        <translation>The talent is already 9.</translation>
    </message>
    <message>
        <source>До 9 не дойдёт: талант перестаёт расти.</source>
        <translation>Never reaches 9: the talent stops growing.</translation>
    </message>
    <message>
        <source>Недель до 9 не оценить: нет темпа тренировок своей команды.</source>
        <translation>Weeks to 9 unknown: no training pace of your own team.</translation>
    </message>
    <message>
        <source>≈ %1 недель, к %2</source>
        <translation>≈ %1 weeks, by %2</translation>
    </message>
    <message>
        <source>через 1 нед.</source>
        <translation>after 1 week</translation>
    </message>
    <message>
        <source>через 4 нед.</source>
        <translation>after 4 weeks</translation>
    </message>
    <message>
        <source>через 8 нед.</source>
        <translation>after 8 weeks</translation>
    </message>
    <message>
        <source>недель до 9</source>
        <translation>weeks to 9</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>команды в истории</source>
        <translation>the teams in the history</translation>
    </message>
    <message>
        <source>загрузки команды</source>
        <translation>a team&apos;s fetches</translation>
    </message>
    <message>
        <source>изменения между двумя загрузками</source>
        <translation>the changes between two fetches</translation>
    </message>
    <message>
        <source>страница загрузки как получена</source>
        <translation>a fetch&apos;s page as received</translation>
    </message>
    <message>
        <source>Команды, которые хранит история: название, дивизион, число загрузок и последняя.</source>
        <translation>The teams the history holds: name, division, number of fetches and the latest.</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Код</source>
        <translation>ID</translation>
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
        <source>Загрузки команды, последняя первой: код загрузки, время, страница, игроков и что изменилось с прошлой загрузки той же страницы (+пришли –ушли ~изменились).</source>
        <translation>A team&apos;s fetches, the latest first: fetch identifier, time, page, players and what changed since the previous fetch of the same page (+arrived –left ~changed).</translation>
    </message>
    <message>
        <source>Код команды.</source>
        <translation>Team identifier.</translation>
    </message>
    <message>
        <source>Не указана команда: --team ID.</source>
        <translation>No team given: --team ID.</translation>
    </message>
    <message>
        <source>Код загрузки</source>
        <translation>Fetch ID</translation>
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
        <source>Изменения</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>В истории нет загрузки %1.</source>
        <translation>The history has no fetch %1.</translation>
    </message>
    <message>
        <source>Что изменилось между двумя загрузками одной страницы (коды из «history fetches»), как на странице «История».</source>
        <translation>What changed between two fetches of the same page (identifiers from “history fetches”), as the History page shows it.</translation>
    </message>
    <message>
        <source>Загрузки разных команд: сравнить можно две загрузки одной команды.</source>
        <translation>Fetches of different teams: only two fetches of the same team can be compared.</translation>
    </message>
    <message>
        <source>Загрузки разных страниц: сравнить можно две загрузки «Талант» или две «Умения».</source>
        <translation>Fetches of different pages: compare two Talent fetches or two Abilities fetches.</translation>
    </message>
    <message>
        <source>Игрок</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Страна</source>
        <translation>Country</translation>
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
        <source>Страница загрузки байт в байт, как она пришла с сервера.</source>
        <translation>A fetch&apos;s page byte for byte, as it came from the server.</translation>
    </message>
    <message>
        <source>Записать в файл (целиком или ничего) вместо стандартного вывода.</source>
        <translation>Write it to the file (whole or not at all) instead of standard output.</translation>
    </message>
    <message>
        <source>Не удалось записать %1: %2</source>
        <translation>Could not write %1: %2</translation>
    </message>
    <message>
        <source>Использование: %1 history &lt;часть&gt; [параметры]
Что хранит история, как на странице «История».

Части:
</source>
        <translation>Usage: %1 history &lt;part&gt; [options]
What the history holds, as the History page shows it.

Parts:
</translation>
    </message>
    <message>
        <source>уровни школы и тренера команд по росту игроков</source>
        <translation>the teams&apos; school and coach levels from their players&apos; growth</translation>
    </message>
    <message>
        <source>насколько прогнозы сходились с историей</source>
        <translation>how well the projections matched the history</translation>
    </message>
    <message>
        <source>Неизвестная часть «%1»: teams, fetches, compare, page, levels или accuracy.</source>
        <translation>Unknown part “%1”: teams, fetches, compare, page, levels or accuracy.</translation>
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
    <message>
        <source>Прогноз</source>
        <translation>Projection</translation>
    </message>
    <message>
        <source>Случаев</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Ошибка, средняя</source>
        <translation>Mean error</translation>
    </message>
    <message>
        <source>90 %</source>
        <translation>90 %</translation>
    </message>
    <message>
        <source>Проверить прогнозы по истории</source>
        <translation>Check the projections against the history</translation>
    </message>
    <message>
        <source>нужен темп тренировок своей команды</source>
        <translation>needs your own team&apos;s training pace</translation>
    </message>
    <message>
        <source>Уровни школы и тренера (Ш×Т) по росту игроков: %1</source>
        <translation>School and coach levels (S×C) from the players&apos; growth: %1</translation>
    </message>
    <message>
        <source>Проверить прогнозы можно, когда оценён темп тренировок своей команды.</source>
        <translation>The projections can be checked once your own team&apos;s training pace is estimated.</translation>
    </message>
    <message>
        <source>Проверяю…</source>
        <translation>Checking…</translation>
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
    <name>ProgressLine</name>
    <message>
        <source>%1 из %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>, не получено %1</source>
        <translation>, %1 not fetched</translation>
    </message>
    <message>
        <source>, осталось ≈ %1</source>
        <translation>, ≈ %1 left</translation>
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
    <message>
        <source>по уровням команды из истории</source>
        <translation>at the team&apos;s levels from the history</translation>
    </message>
    <message>
        <source>Недель до 9: укажите оба уровня.</source>
        <translation>Weeks to 9: give both levels.</translation>
    </message>
    <message>
        <source>при уровнях %1×%2</source>
        <translation>at levels %1×%2</translation>
    </message>
    <message>
        <source>Недель до 9 (%1): %2</source>
        <translation>Weeks to 9 (%1): %2</translation>
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
    <name>ResultTable</name>
    <message>
        <source>Вид вывода: %1 (по умолчанию %2).</source>
        <translation>Output form: %1 (%2 by default).</translation>
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
    <message>
        <source>Ш×Т</source>
        <translation>S×C</translation>
    </message>
</context>
<context>
    <name>SearchCommand</name>
    <message>
        <source>Часть имени игрока, в любом регистре (ё как е).</source>
        <translation>Part of the player&apos;s name, in any case (ё as е).</translation>
    </message>
    <message>
        <source>Позиция, как в списке: Gk, Df, DM, Mf, AM, Fw.</source>
        <translation>Position, as the list gives it: Gk, Df, DM, Mf, AM, Fw.</translation>
    </message>
    <message>
        <source>Наибольший возраст.</source>
        <translation>Oldest age.</translation>
    </message>
    <message>
        <source>Наименьший талант.</source>
        <translation>Lowest talent.</translation>
    </message>
    <message>
        <source>Наименьшее мастерство.</source>
        <translation>Lowest mastery.</translation>
    </message>
    <message>
        <source>Часть названия страны, в любом регистре.</source>
        <translation>Part of the country&apos;s name, in any case.</translation>
    </message>
    <message>
        <source>Только команды этого дивизиона каталога (можно несколько раз).</source>
        <translation>Only the teams of this division of the catalogue (may be given more than once).</translation>
    </message>
    <message>
        <source>Искать во всех сохранённых неделях, а не только в последней странице команды.</source>
        <translation>Search every stored week, not only each team&apos;s latest page.</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Код</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Дивизион</source>
        <translation>Division</translation>
    </message>
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
        <source>Данные от</source>
        <translation>As of</translation>
    </message>
    <message>
        <source>Код загрузки</source>
        <translation>Fetch ID</translation>
    </message>
    <message>
        <source>Ищет юниоров в сохранённых страницах таланта: по умолчанию в последней странице каждой команды. Условия складываются; без условий выводит всех.</source>
        <translation>Searches the stored talent pages for youth players: by default each team&apos;s latest page. Conditions add up; with none, everyone is listed.</translation>
    </message>
    <message>
        <source>Найдено игроков: %1.</source>
        <translation>Players found: %1.</translation>
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
    <message>
        <source>Моя команда</source>
        <translation>My team</translation>
    </message>
    <message>
        <source>По росту юниоров своей команды, чьи уровни известны, программа узнаёт, сколько тренировок в неделю даёт игра, а по ним — уровни других школ.</source>
        <translation>From the growth of your own team&apos;s youth, whose levels you know, the program learns how many training steps a week the game gives, and from them the levels of other schools.</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Ур. ДЮСШ</source>
        <translation>School level</translation>
    </message>
    <message>
        <source>Ур. Тренера</source>
        <translation>Coach level</translation>
    </message>
    <message>
        <source>— не выбрана —</source>
        <translation>— none —</translation>
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
    <name>WatchCommand</name>
    <message>
        <source>Дивизиона %1 нет в каталоге: он пропущен.</source>
        <translation>Division %1 is not in the catalogue: skipped.</translation>
    </message>
    <message>
        <source>Получает каждый отмеченный дивизион, чьи страницы старше интервала наблюдения (раздел [Watch] настроек: дивизионы, интервал в днях, страницы), и сохраняет их в истории. Для запуска по расписанию.</source>
        <translation>Fetches every watched division whose pages are older than the watch interval ([Watch] in the settings: divisions, interval in days, pages) and keeps them in the history. For a schedule.</translation>
    </message>
    <message>
        <source>Нет отмеченных дивизионов: отметьте их на странице «Дивизион».</source>
        <translation>No watched divisions: mark them on the Division page.</translation>
    </message>
    <message>
        <source>Все отмеченные дивизионы свежие: получать нечего.</source>
        <translation>Every watched division is fresh: nothing to fetch.</translation>
    </message>
</context>
<context>
    <name>WatchWiring</name>
    <message>
        <source>Пора обновить отслеживаемый дивизион</source>
        <translation>A watched division is due for a refresh</translation>
    </message>
</context>
<context>
    <name>WhatIfGrid</name>
    <message>
        <source>Уровни команды по росту её игроков</source>
        <translation>The team&apos;s levels from its players&apos; growth</translation>
    </message>
</context>
</TS>
