#include "tools/demo_server/demo_generated.h"

#include "catalogue/catalogue_builder.h"
#include "text/app_error.h"
#include "text/code_page.h"
#include "tools/demo_server/demo_random.h"

#include <QSet>

namespace {

constexpr uint64_t generatorSeed = 0x44495649534E53ULL;

const char16_t *const clubNames[] = {
    u"Динамо",   u"Спартак",   u"Торпедо",  u"Локомотив", u"Металлург",   u"Химик",   u"Энергия", u"Сокол",
    u"Факел",    u"Авангард",  u"Шахтёр",   u"Волна",     u"Текстильщик", u"Звезда",  u"Рубин",   u"Нефтяник",
    u"Луч",      u"Строитель", u"Спутник",  u"Урожай",    u"Искра",       u"Горняк",  u"Трактор", u"Прогресс",
    u"Фортуна",  u"Старт",     u"Кристалл", u"Сатурн",    u"Олимп",       u"Витязь",  u"Титан",   u"Родник",
    u"Колос",    u"Мотор",     u"Атлант",   u"Вымпел",    u"Рассвет",     u"Прибой",  u"Орбита",  u"Гранит",
    u"Дружба",   u"Ураган",    u"Зенит",    u"Сталь",     u"Восток",      u"Арсенал", u"Молот",   u"Темп",
    u"Электрон", u"Цементник", u"Газовик",  u"Кедр",      u"Буревестник", u"Маяк"};

// Town names are a first part and an ending: «Бело» + «озёрск».
const char16_t *const townStarts[] = {u"Бело",   u"Красно", u"Ново",    u"Старо",  u"Верхне",  u"Нижне",
                                      u"Светло", u"Черно",  u"Сосно",   u"Ясно",   u"Тихо",    u"Зелено",
                                      u"Велико", u"Долго",  u"Глубоко", u"Высоко", u"Медведе", u"Камено",
                                      u"Березо", u"Дубро",  u"Ольхо",   u"Липо",   u"Холмо",   u"Зарече",
                                      u"Солнце", u"Лесо",   u"Гряз",    u"Ржано",  u"Ельно",   u"Кленово"};
const char16_t *const townEnds[] = {u"горск",    u"борск",  u"ярск",    u"озёрск",   u"дольск",
                                    u"речинск",  u"польск", u"градск",  u"водск",    u"каменск",
                                    u"мостовск", u"луцк",   u"бережск", u"ключевск", u"полянск",
                                    u"холмск",   u"лесск",  u"морск",   u"звенск",   u"ольск"};

QString divisionName(int number)
{
    return QStringLiteral("Третья лига %1").arg(number, 3, 10, QLatin1Char('0'));
}

QString teamName(SplitMix64 &rng)
{
    return QString::fromUtf16(rng.pick(clubNames)) + u' ' + QString::fromUtf16(rng.pick(townStarts)) +
           QString::fromUtf16(rng.pick(townEnds));
}

// Texts go into the SQL as literals: the builder runs a script, and these are our own names.
QString sqlText(const QString &text)
{
    return u'\'' + QString(text).replace(QStringLiteral("'"), QStringLiteral("''")) + u'\'';
}

std::string divisionsSql(const DemoCatalogue &catalogue)
{
    QString sql = QStringLiteral("CREATE TABLE divisions(name TEXT, id INTEGER);\nBEGIN;\n");
    for (const DemoDivision &d : catalogue.divisions())
        sql += QStringLiteral("INSERT INTO divisions VALUES (%1, %2);\n").arg(sqlText(d.name)).arg(d.id);
    sql += QStringLiteral("COMMIT;\n");
    return sql.toStdString();
}

std::string teamsSql(const DemoCatalogue &catalogue)
{
    QString sql = QStringLiteral("CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);\nBEGIN;\n");
    QSet<int32_t> written; // a division listed twice keeps its teams once
    for (const DemoDivision &d : catalogue.divisions()) {
        if (written.contains(d.id))
            continue;
        written.insert(d.id);
        for (const DemoTeam *t : catalogue.divisionTeams(d.id))
            sql += QStringLiteral("INSERT INTO teams VALUES (%1, %2, %3);\n")
                       .arg(sqlText(t->name))
                       .arg(t->divId)
                       .arg(t->teamId);
    }
    sql += QStringLiteral("COMMIT;\n");
    return sql.toStdString();
}

} // namespace

void addGeneratedDivisions(DemoCatalogue &catalogue, int count)
{
    if (count < 0 || count > maxGeneratedDivisions)
        throw DemoCatalogueError("the number of generated divisions must be 0 to " +
                                 std::to_string(maxGeneratedDivisions));
    // Only the generated teams are held against each other, so they are the same whatever the catalogue.
    QSet<int32_t> ids;
    QSet<QString> names;
    SplitMix64 rng(generatorSeed);
    for (int d = 0; d < count; ++d) {
        const DemoDivision division{firstGeneratedDivisionId + d, divisionName(d + 1)};
        std::vector<DemoTeam> teams;
        while (teams.size() < static_cast<size_t>(generatedTeamsPerDivision)) {
            const auto id = static_cast<int32_t>(rng.between(lowestGeneratedTeamId, highestGeneratedTeamId));
            const QString name = teamName(rng);
            if (ids.contains(id) || names.contains(name))
                continue;
            ids.insert(id);
            names.insert(name);
            teams.push_back({id, division.id, name});
        }
        catalogue.addDivision(division, teams);
    }
}

DemoCatalogue makeDemoCatalogue(const QString &sqlPath, int divisions, bool generatedOnly)
{
    DemoCatalogue catalogue = generatedOnly ? DemoCatalogue() : DemoCatalogue::fromFile(sqlPath);
    addGeneratedDivisions(catalogue, divisions);
    return catalogue;
}

void writeCatalogueFiles(const DemoCatalogue &catalogue, const QString &folder)
{
    try {
        buildDatabaseFromSql(divisionsSql(catalogue), folder + QStringLiteral("/divisions.cds"));
        buildDatabaseFromSql(teamsSql(catalogue), folder + QStringLiteral("/teams.cds"));
    } catch (const AppError &e) {
        throw DemoCatalogueError(fromCp1251(e.what()).toStdString());
    }
}
