#include "tools/demo_server/demo_squad.h"

#include "tools/demo_server/demo_random.h"

#include <QSet>
#include <algorithm>

namespace {

constexpr uint64_t squadStream = 0x5351554144ULL;
constexpr uint64_t factsStream = 0x4641435453ULL;
constexpr uint64_t weekStream = 0x5745454B00000000ULL;
constexpr uint64_t trainingStream = 0x545241494E000000ULL;
constexpr int weeksPerSeason = 20;

const char16_t *const russianFirstNames[] = {
    u"Алексей", u"Андрей", u"Артём",   u"Богдан",  u"Вадим",  u"Виктор", u"Владислав", u"Глеб",
    u"Даниил",  u"Денис",  u"Дмитрий", u"Егор",    u"Иван",   u"Илья",   u"Кирилл",    u"Константин",
    u"Лев",     u"Максим", u"Матвей",  u"Михаил",  u"Никита", u"Олег",   u"Павел",     u"Роман",
    u"Семён",   u"Сергей", u"Степан",  u"Тимофей", u"Фёдор",  u"Ярослав"};

const char16_t *const russianSurnames[] = {
    u"Абрамов", u"Белов",   u"Васильев", u"Воронин", u"Голубев", u"Громов",   u"Давыдов",  u"Ежов",
    u"Жуков",   u"Зайцев",  u"Ильин",    u"Казаков", u"Комаров", u"Кузнецов", u"Лебедев",  u"Медведев",
    u"Морозов", u"Никитин", u"Орлов",    u"Павлов",  u"Поляков", u"Рябов",    u"Савельев", u"Соколов",
    u"Тарасов", u"Титов",   u"Ушаков",   u"Фролов",  u"Чернов",  u"Шубин",    u"Щукин",    u"Яковлев"};

struct Nation {
    const char16_t *country;
    int flag;
    std::array<const char16_t *, 4> firstNames;
    std::array<const char16_t *, 5> surnames;
};

const Nation foreignNations[] = {
    {u"Бразилия",
     21,
     {u"Жуан", u"Лукас", u"Матеус", u"Габриэл"},
     {u"Сантос", u"Перейра", u"Оливейра", u"Соуза", u"Карвалью"}},
    {u"Аргентина",
     7,
     {u"Хуан", u"Матиас", u"Николас", u"Факундо"},
     {u"Гонсалес", u"Родригес", u"Фернандес", u"Лопес", u"Медина"}},
    {u"Сербия",
     139,
     {u"Марко", u"Никола", u"Стефан", u"Лазар"},
     {u"Петрович", u"Йованович", u"Николич", u"Маркович", u"Илич"}},
    {u"Беларусь",
     14,
     {u"Артём", u"Максим", u"Павел", u"Андрей"},
     {u"Ковалевич", u"Жук", u"Савицкий", u"Мороз", u"Климович"}},
    {u"Казахстан",
     82,
     {u"Нурлан", u"Ерлан", u"Азамат", u"Данияр"},
     {u"Сейткали", u"Абенов", u"Жумабеков", u"Касымов", u"Нуртаев"}},
    {u"Грузия",
     61,
     {u"Георгий", u"Леван", u"Гиорги", u"Ираклий"},
     {u"Бериашвили", u"Гогия", u"Кобахидзе", u"Чануквадзе", u"Мчедлишвили"}},
    {u"Нигерия",
     117,
     {u"Эммануэль", u"Чиди", u"Самсон", u"Тунде"},
     {u"Оконкво", u"Адеми", u"Обиора", u"Эзе", u"Нвачукву"}},
    {u"Германия",
     63,
     {u"Йонас", u"Феликс", u"Леон", u"Пауль"},
     {u"Мюллер", u"Шмидт", u"Вебер", u"Беккер", u"Хоффманн"}},
    {u"Чехия",
     45,
     {u"Томаш", u"Якуб", u"Ондржей", u"Вацлав"},
     {u"Новак", u"Свобода", u"Дворжак", u"Черны", u"Прохазка"}},
    {u"Латвия",
     94,
     {u"Янис", u"Кристапс", u"Эдгар", u"Артурс"},
     {u"Озолс", u"Калниньш", u"Берзиньш", u"Лиепиньш", u"Круминьш"}},
    {u"Армения",
     9,
     {u"Арам", u"Давид", u"Тигран", u"Самвел"},
     {u"Саргсян", u"Петросян", u"Акопян", u"Григорян", u"Манукян"}},
};

constexpr const char16_t *homeCountry = u"Россия";
constexpr int homeFlag = 132;

// Field positions with their share of a squad; the few three-letter codes are kept on purpose.
const char16_t *const fieldPositions[] = {u"Df", u"Df", u"Df", u"Df", u"Mf",  u"Mf",
                                          u"Mf", u"Fw", u"Fw", u"Fw", u"DMf", u"AMf"};

const char16_t *const cityNames[] = {u"Лесногорск", u"Краснобор", u"Светлоярск", u"Каменоград",
                                     u"Приречный",  u"Новоборск", u"Холмогорск", u"Тихореченск"};

const char16_t *const stadiumNames[] = {u"Центральный", u"Труд",   u"Юность",    u"Олимпийский",
                                        u"Локомотив",   u"Восход", u"Городской", u"Спартакиада"};

DemoPlayer makePlayer(SplitMix64 &rng, const QString &position, int youngest = 15, int oldest = 19)
{
    DemoPlayer p;
    p.number = static_cast<int32_t>(rng.between(100000, 999999));
    if (rng.percent(70)) {
        p.name = QString::fromUtf16(rng.pick(russianFirstNames)) + u' ' +
                 QString::fromUtf16(rng.pick(russianSurnames));
        p.country = QString::fromUtf16(homeCountry);
        p.flag = homeFlag;
    } else {
        const Nation &nation = rng.pick(foreignNations);
        p.name = QString::fromUtf16(rng.pick(nation.firstNames)) + u' ' +
                 QString::fromUtf16(rng.pick(nation.surnames));
        p.country = QString::fromUtf16(nation.country);
        p.flag = nation.flag;
    }
    p.position = position;
    p.age = static_cast<int>(rng.between(youngest, oldest));
    const int older = p.age - 15;
    p.masteryHundredths = static_cast<int>(1000 + older * 600 + rng.between(0, 1500));
    p.talentThousandths = static_cast<int>(rng.between(1000, 7500));
    for (int &a : p.abilityHundredths)
        a = static_cast<int>(300 + older * 250 + rng.between(0, 2500));
    for (int &k : p.keeperHundredths)
        k = static_cast<int>(500 + older * 300 + rng.between(0, 2500));
    return p;
}

// A player the squad does not hold yet, by name and by number.
DemoPlayer uniquePlayer(SplitMix64 &rng, const QString &position, const std::vector<DemoPlayer> &squad,
                        int youngest, int oldest)
{
    const auto taken = [&squad](const DemoPlayer &p) {
        return std::any_of(squad.begin(), squad.end(), [&p](const DemoPlayer &other) {
            return other.name == p.name || other.number == p.number;
        });
    };
    DemoPlayer p = makePlayer(rng, position, youngest, oldest);
    while (taken(p))
        p = makePlayer(rng, position, youngest, oldest);
    return p;
}

int keeperCount(const std::vector<DemoPlayer> &squad)
{
    return static_cast<int>(
        std::count_if(squad.begin(), squad.end(), [](const DemoPlayer &p) { return p.isKeeper(); }));
}

// One week of comings and goings: a new season's birthdays and farewells, a promotion now and then,
// newcomers after a scouting day. The squad keeps 8 to 25 players and at least one goalkeeper.
void changeSquad(std::vector<DemoPlayer> &squad, SplitMix64 &rng, int week)
{
    if (week % weeksPerSeason == 0) {
        for (DemoPlayer &p : squad)
            ++p.age;
        std::erase_if(squad, [](const DemoPlayer &p) { return p.age > 19; });
    }

    if (rng.percent(15)) {
        std::vector<size_t> promotable;
        for (size_t i = 0; i < squad.size(); ++i) {
            if (squad[i].age >= 17 && (!squad[i].isKeeper() || keeperCount(squad) > 1))
                promotable.push_back(i);
        }
        if (!promotable.empty() && squad.size() > 8)
            squad.erase(squad.begin() + static_cast<std::ptrdiff_t>(rng.pick(promotable)));
    }

    const auto newcomer = [&rng, &squad](bool keeper) {
        const QString position =
            keeper || rng.percent(8) ? QStringLiteral("Gk") : QString::fromUtf16(rng.pick(fieldPositions));
        squad.push_back(uniquePlayer(rng, position, squad, 15, 16));
    };
    while (squad.size() < 8 || keeperCount(squad) == 0)
        newcomer(keeperCount(squad) == 0);
    if (squad.size() < 25 && rng.percent(20))
        newcomer(false);
}

std::vector<DemoPlayer> todaysSquad(int32_t teamId)
{
    SplitMix64 rng = teamStream(teamId, squadStream);
    const auto count = static_cast<int>(rng.between(8, 25));
    const int keepers = count < 12 ? 1 : (count < 20 ? 2 : 3);

    std::vector<QString> positions;
    positions.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        positions.push_back(i < keepers ? QStringLiteral("Gk")
                                        : QString::fromUtf16(rng.pick(fieldPositions)));
    // Fisher-Yates with our own generator: goalkeepers land anywhere in the list, not only first.
    for (size_t i = positions.size() - 1; i > 0; --i)
        std::swap(positions[i], positions[static_cast<size_t>(rng.between(0, static_cast<int64_t>(i)))]);

    std::vector<DemoPlayer> squad;
    QSet<QString> names;
    QSet<int32_t> numbers;
    for (const QString &position : positions) {
        DemoPlayer p = makePlayer(rng, position);
        while (names.contains(p.name) || numbers.contains(p.number))
            p = makePlayer(rng, position);
        names.insert(p.name);
        numbers.insert(p.number);
        squad.push_back(std::move(p));
    }
    return squad;
}

} // namespace

DemoSchool::DemoSchool(int32_t teamId, const DemoTraining &training)
    : m_teamId(teamId), m_training(training), m_levels(demoLevels(teamId)), m_squad(todaysSquad(teamId))
{
}

void DemoSchool::playUntil(int week)
{
    while (m_week < week)
        playWeek();
}

// The week's training comes first, from where each player stood at its start; the squad changes after.
void DemoSchool::playWeek()
{
    ++m_week;
    SplitMix64 rng = teamStream(m_teamId, weekStream + static_cast<uint64_t>(m_week));
    SplitMix64 trainingRng = teamStream(m_teamId, trainingStream + static_cast<uint64_t>(m_week));
    for (DemoPlayer &p : m_squad)
        train(p, rng, trainingRng);
    changeSquad(m_squad, rng, m_week);
}

void DemoSchool::train(DemoPlayer &p, SplitMix64 &weekRng, SplitMix64 &trainingRng) const
{
    // Both draws every time, so a player's luck does not depend on the chance asked.
    const bool offTheRule = trainingRng.percent(m_training.noisePercent);
    const int extra = trainingRng.percent(50) ? 1 : -1;
    const int steps = m_training.stepsPerWeek + (offTheRule ? extra : 0);
    const int talent = p.talentThousandths;
    p.talentThousandths = trainedTalent(talent, p.masteryHundredths, m_levels, steps);
    p.masteryHundredths += std::max(steps, 0) * talent / 400 + static_cast<int>(weekRng.between(0, 10));
    // Talent once crept up by a draw of this stream; the draw stays, so the squads of every week keep
    // the players they always had.
    weekRng.next();
    for (int &a : p.abilityHundredths)
        a += static_cast<int>(weekRng.between(0, 6));
    for (int &k : p.keeperHundredths)
        k += static_cast<int>(weekRng.between(0, 6));
}

std::vector<DemoPlayer> youthSquad(int32_t teamId, int week, const DemoTraining &training)
{
    DemoSchool school(teamId, training);
    school.playUntil(week);
    return school.squad();
}

const std::vector<DemoPlayer> &DemoWeekSquads::of(int32_t teamId)
{
    auto found = m_squads.find(teamId);
    if (found == m_squads.end())
        found = m_squads.emplace(teamId, youthSquad(teamId, m_week, m_training)).first;
    return found->second;
}

QString groupedDigits(int64_t value)
{
    QString digits = QString::number(value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u' ');
    return digits;
}

TeamFacts teamFacts(const DemoTeam &team)
{
    SplitMix64 rng = teamStream(team.teamId, factsStream);
    TeamFacts f;
    const QStringList words = team.name.split(u' ', Qt::SkipEmptyParts);
    f.shortName = words.value(0).left(3).toUpper();
    f.city = words.size() > 1 ? words.mid(1).join(u' ') : QString::fromUtf16(rng.pick(cityNames));

    f.hasManager = rng.percent(80);
    f.managerId = static_cast<int32_t>(rng.between(1000, 99999));
    f.managerName = QString::fromUtf16(rng.pick(russianFirstNames)) + u' ' +
                    QString::fromUtf16(rng.pick(russianSurnames));
    f.rank = static_cast<int>(rng.between(1, 480));

    const int64_t capacity = rng.between(30, 400) * 100;
    const QString stadium = rng.percent(50) ? words.value(0) : QString::fromUtf16(rng.pick(stadiumNames));
    f.stadium = stadium + u" (" + groupedDigits(capacity) + u')';
    f.money = u'$' + groupedDigits(rng.between(50, 6000) * 10000);
    f.players = static_cast<int>(rng.between(18, 32));
    f.additions = static_cast<int>(rng.between(0, 5));
    f.power = static_cast<int>(rng.between(600, 1800));
    f.spectatorRating = static_cast<int>(rng.between(20, 99));
    // The levels the youth train at, shown as the school's own page shows them.
    const DemoLevels levels = demoLevels(team.teamId);
    f.schoolLevel = levels.school;
    f.coachLevel = levels.coach;
    return f;
}
