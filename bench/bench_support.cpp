#include "bench/bench_support.h"

#include "retrieval/page_reader.h"
#include "roster/player_texts.h"
#include "text/code_page.h"
#include "tools/demo_server/demo_pages.h"
#include "tools/demo_server/demo_squad.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <stdexcept>

namespace {

constexpr size_t pageSize = 40000;

const DemoCatalogue &sampleCatalogue()
{
    static const DemoCatalogue catalogue = DemoCatalogue::fromSql(
        QStringLiteral("CREATE TABLE divisions(name TEXT, id INTEGER);"
                       "INSERT INTO divisions VALUES ('Высшая лига', 1);"
                       "CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);"));
    return catalogue;
}

// The first team identifier, counting from `from`, whose demo squad has `players` players.
int32_t teamWithSquadOf(size_t players, int32_t from = 1)
{
    for (int32_t id = from; id < from + 10000; ++id)
        if (youthSquad(id).size() == players)
            return id;
    throw std::runtime_error("no demo team with the wanted squad size");
}

// Real pages run to about 40 KB; the demo's are leaner, so news items fill the gap before </body>,
// after the last row, where the reader still has to scan for a further row marker.
std::string padded(std::string page)
{
    const std::string item = toCp1251(QStringLiteral(
        "<div class=\"news\"><div class=\"item\"><span class=\"date\">14.03</span> Молодёжное первенство: "
        "итоги тура, лучшие воспитанники недели и расписание следующих матчей.</div></div>\n"));
    std::string filler;
    while (page.size() + filler.size() + item.size() <= pageSize)
        filler += item;
    const size_t end = page.rfind("</body>");
    page.insert(end == std::string::npos ? page.size() : end, filler);
    return page;
}

SamplePages makePages(size_t players)
{
    const DemoTeam team{teamWithSquadOf(players), 1, QStringLiteral("Металлург Лесногорск")};
    return {padded(rosterPage(sampleCatalogue(), team, PageKind::Talent)),
            padded(rosterPage(sampleCatalogue(), team, PageKind::Abilities)), players};
}

const SamplePages &pagesOf25Players()
{
    static const SamplePages pages = makePages(25);
    return pages;
}

// Seconds of one memchr over the bytes for a byte they do not hold: the best of several batches.
double memchrSeconds(const std::string &bytes)
{
    static std::map<const void *, double> measured;
    const auto known = measured.find(bytes.data());
    if (known != measured.end())
        return known->second;
    constexpr int scans = 2000;
    double best = 1e9;
    for (int batch = 0; batch < 7; ++batch) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < scans; ++i) {
            const void *data = bytes.data();
            benchmark::DoNotOptimize(data);
            const void *found = std::memchr(data, '\x01', bytes.size());
            benchmark::DoNotOptimize(found);
            benchmark::ClobberMemory();
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / scans);
    }
    measured.emplace(bytes.data(), best);
    return best;
}

} // namespace

const DemoCatalogue &demoCatalogue()
{
    static const DemoCatalogue catalogue =
        DemoCatalogue::fromFile(QStringLiteral(BRINDLEMARK_DEMO_CATALOGUE_SQL));
    return catalogue;
}

const DemoDivision &sixteenTeamDivision()
{
    for (const DemoDivision &d : demoCatalogue().divisions())
        if (demoCatalogue().divisionTeams(d.id).size() == 16)
            return d;
    throw std::runtime_error("the sample catalogue has no division of 16 teams");
}

void copySampleCatalogue(const QString &folder)
{
    const QString from = QCoreApplication::applicationDirPath() + QStringLiteral("/../demo-data/");
    for (const QString &name : {QStringLiteral("divisions.cds"), QStringLiteral("teams.cds")})
        QFile::copy(from + name, folder + u'/' + name);
}

const SamplePages &pagesOf20Players()
{
    static const SamplePages pages = makePages(20);
    return pages;
}

const std::vector<TalentPlayer> &talentRecordsOf25()
{
    static const auto records = [] {
        return readPage(pagesOf25Players().talent, PageKind::Talent).talents;
    }();
    return records;
}

const std::vector<AbilitiesPlayer> &skillRecordsOf25()
{
    static const auto records = [] {
        return readPage(pagesOf25Players().abilities, PageKind::Abilities).abilities;
    }();
    return records;
}

const std::vector<std::vector<std::string>> &talentListOf100()
{
    static const auto list = [] {
        std::vector<std::vector<std::string>> out;
        int32_t id = 0;
        while (out.size() < 100) {
            id = teamWithSquadOf(25, id + 1);
            const DemoTeam team{id, 1, QStringLiteral("Команда %1").arg(id)};
            const PageReading reading =
                readPage(rosterPage(sampleCatalogue(), team, PageKind::Talent), PageKind::Talent);
            for (const auto &player : reading.talents)
                out.push_back(talentRowTexts(player));
        }
        out.resize(100);
        return out;
    }();
    return list;
}

LoopClock::LoopClock() : m_start(std::chrono::steady_clock::now()) {}

void LoopClock::pause() { m_pausedAt = std::chrono::steady_clock::now(); }

void LoopClock::resume() { m_paused += std::chrono::steady_clock::now() - m_pausedAt; }

double LoopClock::seconds() const
{
    if (m_manual > 0)
        return m_manual;
    const std::chrono::duration<double> total = std::chrono::steady_clock::now() - m_start;
    return (total - m_paused).count();
}

void reportMemchrRatio(benchmark::State &state, const LoopClock &clock, const std::string &bytes)
{
    if (state.iterations() == 0)
        return;
    const double perIteration = clock.seconds() / static_cast<double>(state.iterations());
    state.counters["x_memchr"] = perIteration / memchrSeconds(bytes);
}
