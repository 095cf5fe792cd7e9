#include "tools/demo_server/demo_pages.h"

#include "text/code_page.h"
#include "tools/demo_server/demo_random.h"
#include "tools/demo_server/demo_squad.h"
#include "tools/roster_page_writer/roster_page_writer.h"

#include <QString>
#include <QStringList>
#include <algorithm>

// The parts of a page that the program reads (the summary card and the player rows) come from the shared
// page writer, which keeps their markers and cut offsets; everything around them is the site's usual
// markup, which must hold none of those markers ("info.php?id=", "info.php?user=", name="Team", ...).

namespace {

constexpr uint64_t pageStream = 0x50414745ULL;

// Collects the page as windows-1251 bytes: our own markup as Unicode, converted in runs, and the parts
// the page writer made, which are bytes already.
class Html {
public:
    Html &operator<<(QStringView text)
    {
        m_pending.append(text);
        return *this;
    }
    Html &operator<<(const QString &text)
    {
        m_pending.append(text);
        return *this;
    }
    Html &operator<<(int value)
    {
        m_pending.append(QString::number(value));
        return *this;
    }
    Html &operator<<(int64_t value)
    {
        m_pending.append(QString::number(value));
        return *this;
    }
    Html &operator<<(const std::string &windows1251)
    {
        flush();
        m_bytes += windows1251;
        return *this;
    }
    std::string bytes()
    {
        flush();
        return m_bytes;
    }

private:
    void flush()
    {
        m_bytes += toCp1251(m_pending);
        m_pending.clear();
    }

    QString m_pending;
    std::string m_bytes;
};

QString escaped(const QString &text) { return text.toHtmlEscaped(); }

// Several texts converted in one go: setting the code page up costs more than converting a short text, and
// a page hands the writer hundreds of them.
std::vector<std::string> windows1251Each(const QStringList &texts)
{
    // A control character that no text of ours holds; it is the same byte in windows-1251.
    constexpr char16_t separator = u'\x1F';
    const std::string joined = toCp1251(texts.join(QChar(separator)));
    const char byte = static_cast<char>(separator);
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = joined.find(byte); at != std::string::npos;
         start = at + 1, at = joined.find(byte, start))
        parts.push_back(joined.substr(start, at - start));
    parts.push_back(joined.substr(start));
    return parts;
}

// 1250 with 2 decimals -> "12.50": the site writes its numbers with a point.
QString fixed(int scaled, int decimals)
{
    int unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    return QString::number(scaled / unit) + u'.' +
           QString::number(scaled % unit).rightJustified(decimals, u'0');
}

const char16_t *const abilityColumns[8][2] = {
    {u"От", u"Отбор"},        {u"Оп", u"Опека"}, {u"Др", u"Дриблинг"},   {u"Пм", u"Приём мяча"},
    {u"Вн", u"Выносливость"}, {u"Пс", u"Пас"},   {u"Сл", u"Сила удара"}, {u"Тч", u"Точность удара"}};

const char16_t *const keeperSkills[4] = {u"Реакция", u"Выход", u"Прыжок", u"Ввод мяча"};

void writeForumBox(Html &out, const DemoTeam &team);

void writeHead(Html &out, const DemoTeam &team, PageKind kind)
{
    out << uR"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN" "http://www.w3.org/TR/html4/loose.dtd">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1251">
<meta http-equiv="Pragma" content="no-cache">
<meta name="keywords" content="футбол, менеджер, онлайн, школа, молодёжь, таланты">
<title>ДЮСШ: )"
        << escaped(team.name) << (kind == PageKind::Talent ? u" - таланты" : u" - умения") << uR"(</title>
<link rel="stylesheet" type="text/css" href="/css/main.css">
<link rel="shortcut icon" href="/favicon.ico">
<style type="text/css">
body { margin: 0; padding: 0; background: #e9eef2; font-family: Verdana, Tahoma, Arial, sans-serif; font-size: 11px; color: #1d2a33; }
a { color: #0b4f8a; text-decoration: none; }
a:hover { color: #c2410c; text-decoration: underline; }
h1 { font-size: 16px; margin: 8px 0 10px 0; color: #123a5c; border-bottom: 1px solid #9fb6c8; padding-bottom: 4px; }
h2 { font-size: 13px; margin: 14px 0 6px 0; color: #123a5c; }
h3 { font-size: 12px; margin: 10px 0 4px 0; color: #35536b; }
#head { height: 74px; background: #14476e url(/img/head_bg.jpg) repeat-x; border-bottom: 3px solid #f2a93b; }
#head .logo { float: left; width: 260px; height: 74px; background: url(/img/logo.gif) no-repeat 12px 8px; }
#head .slogan { float: left; margin: 30px 0 0 10px; color: #d6e4ef; font-size: 12px; font-style: italic; }
#topmenu { clear: both; height: 24px; background: #0f3552; padding: 0 0 0 12px; }
#topmenu a { float: left; display: block; padding: 5px 12px 0 12px; height: 19px; color: #ffffff; font-weight: bold; }
#topmenu a:hover { background: #1f5f8f; text-decoration: none; }
#topmenu a.act { background: #f2a93b; color: #14476e; }
#wrap { width: 980px; margin: 0 auto; background: #ffffff; border-left: 1px solid #b8c8d6; border-right: 1px solid #b8c8d6; }
#side { float: left; width: 180px; padding: 10px 8px 10px 10px; }
#side .box { margin-bottom: 12px; border: 1px solid #c5d4e0; background: #f5f8fa; }
#side .box .t { background: #d9e5ee; padding: 3px 6px; font-weight: bold; color: #123a5c; }
#side .box ul { list-style: none; margin: 0; padding: 4px 6px 6px 6px; }
#side .box li { padding: 2px 0 2px 10px; background: url(/img/bullet.gif) no-repeat 0 6px; }
#main { margin-left: 200px; padding: 10px 14px 14px 10px; min-height: 600px; }
#foot { clear: both; padding: 10px; background: #0f3552; color: #9db4c7; text-align: center; font-size: 10px; }
#foot a { color: #d6e4ef; }
table.card { border: 1px solid #b8c8d6; background: #f7fafc; margin-bottom: 10px; }
table.card td { padding: 3px 8px; }
table.card td.cap { width: 190px; color: #4a6274; text-align: right; }
table.card input { border: 1px solid #c5d4e0; background: #ffffff; font-family: Verdana, Tahoma, Arial, sans-serif; font-size: 11px; padding: 1px 3px; }
table.card a.sn { border: 0; }
table.school { border-collapse: collapse; margin-bottom: 10px; }
table.school td, table.school th { border: 1px solid #d3dee7; padding: 3px 7px; }
table.school th { background: #e3ecf3; font-weight: bold; text-align: left; }
table.roster { border-collapse: collapse; width: 100%; margin-bottom: 8px; }
table.roster th { background: #14476e; color: #ffffff; padding: 4px 3px; font-size: 11px; cursor: pointer; }
table.roster td { border-bottom: 1px solid #e1e8ee; padding: 3px 4px; }
table.roster tr.r1 td { background: #ffffff; }
table.roster tr.r2 td { background: #f1f6f9; }
table.roster tr:hover td { background: #fff4dc; }
table.roster td.nm { width: 190px; white-space: nowrap; }
table.roster td.fl { width: 22px; text-align: center; }
table.roster td.ps { width: 36px; text-align: center; font-weight: bold; color: #35536b; }
table.roster td.gk { color: #7a4b00; background: #fff8e8; text-align: center; font-style: italic; }
table.standings { border-collapse: collapse; width: 100%; }
table.standings th { background: #d9e5ee; padding: 3px; }
table.standings td { border-bottom: 1px solid #e8eef3; padding: 2px 4px; text-align: center; }
table.standings td.tm { text-align: left; }
table.standings tr.own td { background: #fff1cf; font-weight: bold; }
.legend { color: #5d7384; font-size: 10px; margin: 4px 0 10px 0; line-height: 15px; }
.news { border-top: 1px dotted #9fb6c8; margin-top: 12px; padding-top: 6px; }
.news .item { margin-bottom: 8px; }
.news .date { color: #8aa0b1; font-size: 10px; }
.hint { border: 1px solid #f2d48f; background: #fffbea; padding: 6px 8px; margin: 8px 0; color: #6b4f10; }
.pager { text-align: right; margin: 6px 0; }
.pager a, .pager span { padding: 1px 5px; border: 1px solid #c5d4e0; margin-left: 2px; }
.pager span { background: #14476e; color: #ffffff; }
</style>
<script type="text/javascript">
<!--
var menuTimer = null;
function showMenu(id) {
    if (menuTimer) { clearTimeout(menuTimer); menuTimer = null; }
    var el = document.getElementById(id);
    if (el) { el.style.display = 'block'; }
}
function hideMenu(id) {
    menuTimer = setTimeout(function () {
        var el = document.getElementById(id);
        if (el) { el.style.display = 'none'; }
    }, 300);
}
function sortRoster(col) {
    var table = document.getElementById('roster');
    if (!table) { return; }
    var rows = [];
    for (var i = 1; i < table.rows.length; i++) { rows.push(table.rows[i]); }
    rows.sort(function (a, b) {
        var x = a.cells[col].innerText, y = b.cells[col].innerText;
        var nx = parseFloat(x), ny = parseFloat(y);
        if (!isNaN(nx) && !isNaN(ny)) { return ny - nx; }
        return x < y ? -1 : (x > y ? 1 : 0);
    });
    for (var j = 0; j < rows.length; j++) {
        rows[j].className = (j % 2 == 0) ? 'r1' : 'r2';
        table.tBodies[0].appendChild(rows[j]);
    }
}
//-->
</script>
</head>
)";
}

void writeSiteHeader(Html &out, const DemoTeam &team)
{
    out << uR"(<body>
<div id="wrap">
<div id="head"><div class="logo"><a href="/index.php"><img src="/img/spacer.gif" width=240 height=60 border=0 alt="На главную"></a></div>
<div class="slogan">Футбольный онлайн-менеджер: сезон 23, тур 17</div></div>
<div id="topmenu">
<a href="/index.php">Главная</a>
<a href="/news.php">Новости</a>
<a href="/champ.php">Чемпионат</a>
<a href="/cup.php">Кубок</a>
<a href="/transfer.php">Трансферы</a>
<a href="/xml/school/roster.php?id=)"
        << team.teamId << uR"(" class="act">ДЮСШ</a>
<a href="/forum/">Форум</a>
<a href="/rules.php">Правила</a>
<a href="/help.php">Помощь</a>
</div>
)";
}

void writeSideMenu(Html &out, const DemoTeam &team, PageKind kind)
{
    const QString id = QString::number(team.teamId);
    out << uR"(<div id="side">
<div class="box"><div class="t">Школа</div><ul>
<li>)";
    if (kind == PageKind::Talent)
        out << u"<b>Таланты</b>";
    else
        out << u"<a href=\"roster.php?id=" << id << u"\">Таланты</a>";
    out << u"</li>\n<li>";
    if (kind == PageKind::Abilities)
        out << u"<b>Умения</b>";
    else
        out << u"<a href=\"roster.php?id=" << id << u"&amp;act=abilities\">Умения</a>";
    out << uR"(</li>
<li><a href="training.php?id=)"
        << id << uR"(">Тренировки</a></li>
<li><a href="promote.php?id=)"
        << id << uR"(">Перевод в команду</a></li>
<li><a href="scout.php?id=)"
        << id << uR"(">Просмотр</a></li>
</ul></div>
<div class="box"><div class="t">Команда</div><ul>
<li><a href="/team.php?id=)"
        << id << uR"(">Состав</a></li>
<li><a href="/calendar.php?id=)"
        << id << uR"(">Календарь</a></li>
<li><a href="/finance.php?id=)"
        << id << uR"(">Финансы</a></li>
<li><a href="/stadium.php?id=)"
        << id << uR"(">Стадион</a></li>
<li><a href="/history.php?id=)"
        << id << uR"(">История</a></li>
</ul></div>
<div class="box"><div class="t">Сообщество</div><ul>
<li><a href="/forum/">Форум</a></li>
<li><a href="/chat.php">Чат</a></li>
<li><a href="/press.php">Пресса</a></li>
<li><a href="/faq.php">Вопросы и ответы</a></li>
</ul></div>
)";
    writeForumBox(out, team);
    out << uR"(<div class="box"><div class="t">Поиск</div>
<form action="/search.php" method="get" style="margin:4px 6px 6px 6px">
<input type="text" size=16 name="q" value=""><br>
<input type="submit" value="Найти" style="margin-top:3px">
</form></div>
</div>
<div id="main">
)";
}

// Captions in the card's table around each summary element.
const SummaryFrame &cardFrame()
{
    static const SummaryFrame frame = [] {
        const QStringList captions = {QStringLiteral("Команда:"),
                                      QStringLiteral("Сокращение:"),
                                      QStringLiteral("Менеджер:"),
                                      QStringLiteral("Рейтинг менеджера:"),
                                      QStringLiteral("Город:"),
                                      QStringLiteral("Стадион:"),
                                      QStringLiteral("Дивизион:"),
                                      QStringLiteral("Деньги:"),
                                      QStringLiteral("Игроков в команде:"),
                                      QStringLiteral("Разрешённых пополнений:"),
                                      QStringLiteral("Сила (11 лучших):"),
                                      QStringLiteral("Рейтинг посещаемости:")};
        SummaryFrame f;
        for (size_t i = 0; i < summaryFieldCount; ++i) {
            f.before[i] =
                toCp1251(u"<tr><td class=\"cap\">" + captions[static_cast<qsizetype>(i)] + u"</td><td>");
            f.after[i] = "</td></tr>\n";
        }
        f.vacancy = toCp1251(QStringLiteral("<i>команда свободна</i>"));
        return f;
    }();
    return frame;
}

void writeSummary(Html &out, const DemoTeam &team, const DemoDivision &division, const TeamFacts &facts)
{
    const std::vector<std::string> texts =
        windows1251Each({escaped(team.name), escaped(facts.shortName), escaped(facts.managerName),
                         escaped(facts.city), escaped(facts.stadium), escaped(division.name), facts.money});
    RosterSummary s;
    s.teamId = team.teamId;
    s.team = texts[0];
    s.shortName = texts[1];
    s.hasManager = facts.hasManager;
    s.managerId = facts.managerId;
    s.manager = texts[2];
    s.rank = std::to_string(facts.rank);
    s.city = texts[3];
    s.stadium = texts[4];
    s.divisionId = division.id;
    s.division = texts[5];
    s.money = texts[6];
    s.players = std::to_string(facts.players);
    s.additions = std::to_string(facts.additions);
    s.power = std::to_string(facts.power);
    s.spectatorRating = std::to_string(facts.spectatorRating);

    out << u"<h1>Детско-юношеская спортивная школа</h1>\n"
        << u"<form action=\"roster.php\" method=\"get\">\n"
        << u"<table class=\"card\" cellspacing=0 cellpadding=0>\n"
        << summaryElements(s, cardFrame()) << u"</table>\n</form>\n";
}

void writeSchool(Html &out, const TeamFacts &facts, int playerCount)
{
    static const char16_t *const days[] = {u"Понедельник", u"Вторник", u"Среда",      u"Четверг",
                                           u"Пятница",     u"Суббота", u"Воскресенье"};
    static const char16_t *const sessions[] = {u"Техника",   u"Тактика",    u"Физподготовка", u"Игровая",
                                               u"Стандарты", u"Вратарская", u"Восстановление"};
    out << u"<h2>Школа</h2>\n<table class=\"school\">\n"
        << u"<tr><th>Уровень ДЮСШ</th><td>" << facts.schoolLevel << u"</td><th>Уровень тренера</th><td>"
        << facts.coachLevel << u"</td></tr>\n"
        << u"<tr><th>Воспитанников</th><td>" << playerCount
        << u"</td><th>Мест в школе</th><td>25</td></tr>\n</table>\n"
        << u"<h3>Расписание занятий</h3>\n<table "
           u"class=\"school\">\n<tr><th>День</th><th>Утро</th><th>Вечер</th></tr>\n";
    for (int d = 0; d < 7; ++d) {
        out << u"<tr><td>" << QStringView(days[d]) << u"</td><td>"
            << QStringView(sessions[(d * 3 + facts.schoolLevel) % 7]) << u"</td><td>"
            << QStringView(sessions[(d * 5 + facts.coachLevel) % 7]) << u"</td></tr>\n";
    }
    out << u"</table>\n"
        << u"<div class=\"hint\">Воспитанники старше 16 лет могут быть переведены в основную команду, если в "
           u"ней "
           u"есть разрешённые пополнения. Талант растёт с каждой тренировкой; чем выше уровень школы и "
           u"тренера, тем быстрее.</div>\n";
}

void writeRosterHeader(Html &out, PageKind kind)
{
    out << u"<h2>Воспитанники</h2>\n<table class=\"roster\" id=\"roster\">\n<tbody>\n<tr>"
        << u"<th onclick=\"sortRoster(0)\">Имя</th><th onclick=\"sortRoster(1)\">"
        << (kind == PageKind::Talent ? u"Страна" : u"&nbsp;") << u"</th>"
        << u"<th onclick=\"sortRoster(2)\">Поз</th><th onclick=\"sortRoster(3)\">Возр</th>"
        << u"<th onclick=\"sortRoster(4)\">Маст</th>";
    if (kind == PageKind::Talent) {
        out << u"<th onclick=\"sortRoster(5)\">Талант</th>";
    } else {
        for (int c = 0; c < 8; ++c) {
            out << u"<th onclick=\"sortRoster(" << (c + 5) << u")\" title=\""
                << QStringView(abilityColumns[c][1]) << u"\">" << QStringView(abilityColumns[c][0])
                << u"</th>";
        }
    }
    out << u"</tr>\n";
}

void writePlayerRow(Html &out, const DemoPlayer &p, int index, PageKind kind)
{
    QStringList texts = {escaped(p.name), escaped(p.country), p.position, fixed(p.masteryHundredths, 2),
                         fixed(p.talentThousandths, 3)};
    for (int value : p.abilityHundredths)
        texts << fixed(value, 2);
    for (size_t k = 0; k < p.keeperHundredths.size(); ++k)
        texts << QString::fromUtf16(keeperSkills[k]) + u' ' + fixed(p.keeperHundredths[k], 2);
    const std::vector<std::string> bytes = windows1251Each(texts);
    const auto abilities = bytes.begin() + 5;
    const auto keeper = abilities + static_cast<std::ptrdiff_t>(p.abilityHundredths.size());

    RosterPlayer row;
    row.number = p.number;
    row.name = bytes[0];
    row.country = bytes[1];
    row.flag = p.flag;
    row.position = bytes[2];
    row.age = std::to_string(p.age);
    row.mastery = bytes[3];
    row.talent = bytes[4];
    row.abilities.assign(abilities, keeper);
    row.keeperSkills.assign(keeper, bytes.end());
    out << rosterRow(row, index, kind);
}

void writeLegend(Html &out, PageKind kind)
{
    out << u"</tbody>\n</table>\n<div class=\"legend\">";
    if (kind == PageKind::Talent) {
        out << u"Маст &mdash; мастерство игрока, Талант &mdash; скорость роста мастерства на тренировках "
               u"(от 1 до 9). Щёлкните по заголовку столбца, чтобы упорядочить список.";
    } else {
        out << u"От &mdash; отбор, Оп &mdash; опека, Др &mdash; дриблинг, Пм &mdash; приём мяча, Вн &mdash; "
               u"выносливость, Пс &mdash; пас, Сл &mdash; сила удара, Тч &mdash; точность удара. "
               u"У вратарей вместо полевых умений показаны вратарские.";
    }
    out << u"</div>\n";
}

void writeStandings(Html &out, const DemoCatalogue &catalogue, const DemoTeam &team,
                    const DemoDivision &division)
{
    struct Line {
        const DemoTeam *team;
        int won, drawn, lost, scored, conceded;
        int points() const { return won * 3 + drawn; }
    };
    std::vector<Line> lines;
    for (const DemoTeam *t : catalogue.divisionTeams(division.id)) {
        SplitMix64 rng = teamStream(t->teamId, pageStream);
        const int played = 16;
        const auto won = static_cast<int>(rng.between(0, played));
        const auto drawn = static_cast<int>(rng.between(0, played - won));
        const int lost = played - won - drawn;
        const auto scored = static_cast<int>(won * 2 + drawn + rng.between(0, 12));
        const auto conceded = static_cast<int>(lost * 2 + drawn + rng.between(0, 12));
        lines.push_back({t, won, drawn, lost, scored, conceded});
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line &a, const Line &b) {
        if (a.points() != b.points())
            return a.points() > b.points();
        return a.scored - a.conceded > b.scored - b.conceded;
    });
    out << u"<h2>Молодёжное первенство: " << escaped(division.name) << u"</h2>\n"
        << u"<table class=\"standings\">\n<tr><th>№</th><th>Команда</th><th>И</th><th>В</th><th>Н</th>"
           u"<th>П</th><th>Мячи</th><th>Очки</th></tr>\n";
    int place = 1;
    for (const Line &l : lines) {
        out << u"<tr" << (l.team == &team ? u" class=\"own\"" : u"") << u"><td>" << place++
            << u"</td><td class=\"tm\"><a href=\"roster.php?id=" << l.team->teamId << u"\">"
            << escaped(l.team->name) << u"</a></td><td>16</td><td>" << l.won << u"</td><td>" << l.drawn
            << u"</td><td>" << l.lost << u"</td><td>" << l.scored << u"-" << l.conceded << u"</td><td>"
            << l.points() << u"</td></tr>\n";
    }
    out << u"</table>\n";
}

void writeFixtures(Html &out, const DemoCatalogue &catalogue, const DemoTeam &team)
{
    SplitMix64 rng = teamStream(team.teamId, pageStream + 2);
    out << u"<h2>Календарь молодёжного первенства</h2>\n<table class=\"standings\">\n"
           u"<tr><th>Тур</th><th>Дата</th><th>Хозяева</th><th>Гости</th><th>Счёт</th><th>Зрителей</th></"
           u"tr>\n";
    int round = 1;
    for (const DemoTeam *rival : catalogue.divisionTeams(team.divId)) {
        if (rival == &team)
            continue;
        const bool home = rng.percent(50);
        const bool played = round <= 12;
        out << u"<tr><td>" << round << u"</td><td>"
            << QString::number(rng.between(1, 28)).rightJustified(2, u'0') << u"."
            << QString::number(3 + round / 3).rightJustified(2, u'0') << u".2023</td><td class=\"tm\">"
            << escaped(home ? team.name : rival->name) << u"</td><td class=\"tm\">"
            << escaped(home ? rival->name : team.name) << u"</td><td>";
        if (played)
            out << static_cast<int>(rng.between(0, 4)) << u":" << static_cast<int>(rng.between(0, 3));
        else
            out << u"&ndash;:&ndash;";
        out << u"</td><td>" << (played ? groupedDigits(rng.between(2, 60) * 10) : QStringLiteral("&nbsp;"))
            << u"</td></tr>\n";
        ++round;
    }
    out << u"</table>\n";
}

void writeGraduates(Html &out, const DemoTeam &team)
{
    static const char16_t *const clubs[] = {u"основная команда", u"аренда", u"дубль", u"сборная области"};
    SplitMix64 rng = teamStream(team.teamId, pageStream + 3);
    out << u"<h2>Выпускники прошлых лет</h2>\n<table class=\"school\">\n"
           u"<tr><th>Сезон</th><th>Выпускник</th><th>Поз</th><th>Маст при выпуске</th><th>Где "
           u"играет</th></tr>\n";
    for (int season = 22; season >= 13; --season) {
        const std::vector<DemoPlayer> former = youthSquad(team.teamId ^ (season << 20));
        const DemoPlayer &p = former.front();
        out << u"<tr><td>" << season << u"</td><td>" << escaped(p.name) << u" (" << escaped(p.country)
            << u")</td><td>" << p.position << u"</td><td>" << fixed(p.masteryHundredths + 1500, 2)
            << u"</td><td>" << QStringView(rng.pick(clubs)) << u"</td></tr>\n";
    }
    out << u"</table>\n";
}

void writeRules(Html &out)
{
    out << uR"(<h2>Как работает школа</h2>
<div class="legend">
<p>В школе одновременно занимаются не более 25 воспитанников в возрасте от 15 до 19 лет. Новые ребята приходят после
просмотра, который проводится раз в сезон; число мест для новичков зависит от уровня школы.</p>
<p>Каждая тренировка прибавляет воспитаннику мастерство. Прибавка тем больше, чем выше талант игрока, уровень школы
и уровень тренера, и тем меньше, чем выше уже набранное мастерство. Талант тоже растёт, но медленнее, и перестаёт
расти, достигнув девяти.</p>
<p>Воспитанника можно перевести в основную команду с 16 лет, если у команды остались разрешённые пополнения. После
19 лет воспитанник покидает школу: его переводят в команду или отпускают свободным агентом.</p>
<p>Вратари тренируются по своей программе, поэтому вместо полевых умений у них показаны реакция, игра на выходах,
прыжок и ввод мяча.</p>
<p>Содержание школы оплачивается еженедельно из бюджета команды; при нехватке денег уровень школы снижается на
единицу в конце сезона.</p>
</div>
)";
}

void writeForumBox(Html &out, const DemoTeam &team)
{
    static const char16_t *const topics[] = {u"Кого переводить в основу этой зимой?",
                                             u"Сравнение школ по уровню тренеров",
                                             u"Вопрос по расчёту таланта",
                                             u"Итоги просмотра: кто пришёл",
                                             u"Вратари из школы: есть ли смысл растить?",
                                             u"Лучшие выпускники сезона",
                                             u"Сколько стоит содержание школы третьего уровня",
                                             u"Молодёжное первенство: прогнозы на тур",
                                             u"Аренда воспитанников: опыт менеджеров",
                                             u"Ошибки новичков при работе со школой",
                                             u"Таблица роста мастерства по возрастам",
                                             u"Перевод в команду и лимит пополнений"};
    SplitMix64 rng = teamStream(team.teamId, pageStream + 4);
    out << u"<div class=\"box\"><div class=\"t\">Форум: школа</div><ul>\n";
    for (int i = 0; i < 8; ++i) {
        out << u"<li><a href=\"/forum/topic.php?t=" << static_cast<int>(rng.between(1000, 99999)) << u"\">"
            << QStringView(rng.pick(topics)) << u"</a> <span class=\"date\">("
            << static_cast<int>(rng.between(2, 140)) << u")</span></li>\n";
    }
    out << u"</ul></div>\n";
}

void writeStaff(Html &out, const DemoTeam &team, const TeamFacts &facts)
{
    static const char16_t *const roles[] = {
        u"Главный тренер школы", u"Тренер вратарей", u"Тренер по физподготовке", u"Врач", u"Массажист",
        u"Селекционер"};
    static const char16_t *const firstNames[] = {u"Анатолий", u"Борис",  u"Валерий", u"Геннадий", u"Евгений",
                                                 u"Игорь",    u"Леонид", u"Николай", u"Юрий",     u"Виталий"};
    static const char16_t *const surnames[] = {u"Смирнов", u"Ковалёв", u"Гусев", u"Киселёв",   u"Макаров",
                                               u"Андреев", u"Сорокин", u"Быков", u"Мельников", u"Денисов"};
    SplitMix64 rng = teamStream(team.teamId, pageStream + 5);
    out << u"<h3>Тренерский штаб</h3>\n<table class=\"school\">\n<tr><th>Должность</th><th>Имя</th>"
           u"<th>Уровень</th><th>Контракт до</th><th>Зарплата</th></tr>\n";
    for (const char16_t *role : roles) {
        out << u"<tr><td>" << QStringView(role) << u"</td><td>" << QStringView(rng.pick(firstNames)) << u" "
            << QStringView(rng.pick(surnames)) << u"</td><td>"
            << (role == roles[0] ? facts.coachLevel : static_cast<int>(rng.between(1, 3))) << u"</td><td>"
            << static_cast<int>(rng.between(24, 27)) << u" сезон</td><td>$"
            << groupedDigits(rng.between(5, 60) * 1000) << u"</td></tr>\n";
    }
    out << u"</table>\n";
}

void writeBudget(Html &out, const DemoTeam &team, const TeamFacts &facts)
{
    static const char16_t *const items[] = {
        u"Содержание поля и зала", u"Зарплата тренеров", u"Питание и проживание", u"Экипировка",
        u"Выезды на турниры",      u"Медицина",          u"Просмотр новичков"};
    SplitMix64 rng = teamStream(team.teamId, pageStream + 6);
    out << u"<h3>Расходы школы за сезон</h3>\n<table class=\"school\">\n<tr><th>Статья</th><th>За неделю</th>"
           u"<th>С начала сезона</th></tr>\n";
    int64_t total = 0;
    for (const char16_t *item : items) {
        const int64_t weekly = rng.between(2, 40) * 500 * facts.schoolLevel;
        total += weekly * 17;
        out << u"<tr><td>" << QStringView(item) << u"</td><td>$" << groupedDigits(weekly) << u"</td><td>$"
            << groupedDigits(weekly * 17) << u"</td></tr>\n";
    }
    out << u"<tr><th>Итого</th><td>&nbsp;</td><td><b>$" << groupedDigits(total)
        << u"</b></td></tr>\n</table>\n";
}

void writeSiteMap(Html &out)
{
    out << uR"(<div class="legend" style="column-count: 4">
<b>Игра</b><br><a href="/index.php">Главная</a><br><a href="/news.php">Новости</a><br><a href="/champ.php">Чемпионат</a><br>
<a href="/cup.php">Кубок страны</a><br><a href="/eurocup.php">Еврокубки</a><br><a href="/national.php">Сборные</a><br>
<a href="/transfer.php">Трансферы</a><br><a href="/loans.php">Аренды</a><br><a href="/free.php">Свободные агенты</a><br>
<b>Команда</b><br><a href="/team.php">Состав</a><br><a href="/tactics.php">Тактика</a><br><a href="/training.php">Тренировки</a><br>
<a href="/finance.php">Финансы</a><br><a href="/stadium.php">Стадион</a><br><a href="/sponsors.php">Спонсоры</a><br>
<a href="/xml/school/">Школа</a><br><a href="/history.php">История</a><br><a href="/trophies.php">Трофеи</a><br>
<b>Сообщество</b><br><a href="/forum/">Форум</a><br><a href="/chat.php">Чат</a><br><a href="/press.php">Пресса</a><br>
<a href="/blogs.php">Блоги менеджеров</a><br><a href="/federation.php">Федерация</a><br><a href="/elections.php">Выборы</a><br>
<b>Справка</b><br><a href="/rules.php">Правила</a><br><a href="/faq.php">Вопросы и ответы</a><br><a href="/help.php">Помощь новичкам</a><br>
<a href="/calc.php">Калькуляторы</a><br><a href="/stats.php">Статистика</a><br><a href="/contacts.php">Администрация</a><br>
</div>
)";
}

void writeNews(Html &out, const DemoTeam &team)
{
    static const char16_t *const headlines[] = {
        u"Школа провела открытый просмотр для ребят из соседних районов",
        u"Воспитанники школы сыграли товарищеский матч со сверстниками",
        u"Тренерский штаб подвёл итоги летнего сбора",
        u"Обновлено поле для занятий в зимнее время",
        u"Двое воспитанников вызваны в молодёжную сборную области",
        u"Школа получила новую форму и инвентарь",
        u"Завершён отбор в группу вратарей",
        u"Родители воспитанников приглашены на открытую тренировку"};
    SplitMix64 rng = teamStream(team.teamId, pageStream + 1);
    out << u"<div class=\"news\">\n<h2>Новости школы</h2>\n";
    for (int i = 0; i < 9; ++i) {
        out << u"<div class=\"item\"><span class=\"date\">"
            << QString::number(rng.between(1, 28)).rightJustified(2, u'0') << u"."
            << QString::number(rng.between(1, 12)).rightJustified(2, u'0') << u".2023</span> &mdash; "
            << QStringView(rng.pick(headlines))
            << u". Подробности в разделе новостей и на форуме команды.</div>\n";
    }
    out << u"</div>\n<div class=\"pager\">Страницы: <span>1</span><a href=\"/news.php?page=2\">2</a>"
           u"<a href=\"/news.php?page=3\">3</a></div>\n";
}

void writeFooter(Html &out)
{
    out << uR"(</div>
<div id="foot">
<a href="/about.php">О проекте</a> | <a href="/rules.php">Правила</a> | <a href="/contacts.php">Контакты</a> | <a href="/adv.php">Реклама</a><br>
Все события и персонажи игры вымышлены; совпадения с реальными клубами и людьми случайны.<br>
Страница создана за 0.04 сек.
</div>
</div>
<script type="text/javascript">
<!--
var counterImage = new Image();
counterImage.src = '/counter.php?r=' + escape(document.referrer) + '&s=' + screen.width + 'x' + screen.height + '&t=' + (new Date()).getTime();
//-->
</script>
</body>
</html>
)";
}

std::string simplePage(const QString &title, const QString &message)
{
    Html out;
    out << u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n<html>\n<head>\n"
           u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\n<title>"
        << title
        << u"</title>\n</head>\n<body style=\"font-family: Verdana, Arial, sans-serif; font-size: 12px\">\n"
        << u"<div style=\"margin: 60px auto; width: 420px; border: 1px solid #b8c8d6; padding: 16px\">\n"
        << message << u"\n<p><a href=\"/index.php\">На главную</a></p>\n</div>\n</body>\n</html>\n";
    return out.bytes();
}

} // namespace

std::string rosterPage(const DemoCatalogue &catalogue, const DemoTeam &team, PageKind kind, int week,
                       const DemoTraining &training)
{
    return rosterPage(catalogue, team, kind, youthSquad(team.teamId, week, training));
}

std::string rosterPage(const DemoCatalogue &catalogue, const DemoTeam &team, PageKind kind,
                       const std::vector<DemoPlayer> &squad)
{
    const DemoDivision *division = catalogue.division(team.divId);
    const DemoDivision none{team.divId, QString()};
    const TeamFacts facts = teamFacts(team);

    Html out;
    writeHead(out, team, kind);
    writeSiteHeader(out, team);
    writeSideMenu(out, team, kind);
    writeSummary(out, team, division ? *division : none, facts);
    writeSchool(out, facts, static_cast<int>(squad.size()));
    writeStaff(out, team, facts);
    writeBudget(out, team, facts);
    writeRosterHeader(out, kind);
    for (size_t i = 0; i < squad.size(); ++i)
        writePlayerRow(out, squad[i], static_cast<int>(i), kind);
    writeLegend(out, kind);
    writeStandings(out, catalogue, team, division ? *division : none);
    writeFixtures(out, catalogue, team);
    writeGraduates(out, team);
    writeRules(out);
    writeNews(out, team);
    writeSiteMap(out);
    writeFooter(out);
    return out.bytes();
}

std::string teamNotFoundPage()
{
    return simplePage(QStringLiteral("Ошибка"),
                      QStringLiteral("<h2>Команда не найдена</h2>\n"
                                     "<p>Проверьте номер команды в адресе страницы.</p>"));
}

std::string maintenancePage()
{
    return simplePage(
        QStringLiteral("Технический перерыв"),
        QStringLiteral("<h2>На сайте проводится обновление данных</h2>\n"
                       "<p>Обычно это занимает несколько минут. Зайдите, пожалуйста, позже.</p>"));
}

std::string errorPage(int status, const std::string &reason)
{
    const QString title = QString::number(status) + u' ' +
                          QString::fromLatin1(reason.data(), static_cast<qsizetype>(reason.size()));
    return simplePage(title, u"<h2>" + title + u"</h2>");
}
