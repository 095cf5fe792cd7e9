#include "tools/history_seed/history_seed.h"

#include "history/history_store.h"
#include "retrieval/page_reader.h"
#include "tools/demo_server/demo_pages.h"

SeedReport seedHistory(HistoryStore &store, const DemoCatalogue &catalogue, const SeedOptions &options)
{
    const QDateTime end = options.end.isValid() ? options.end.toUTC() : QDateTime::currentDateTimeUtc();
    SeedReport report;
    // Each team's school goes on from one week to the next, rather than being replayed from week 0.
    std::vector<DemoSchool> schools;
    schools.reserve(catalogue.teams().size());
    for (const DemoTeam &team : catalogue.teams())
        schools.emplace_back(team.teamId, options.training);
    for (int week = 0; week < options.weeks; ++week) {
        const QDateTime fetchedAt = end.addDays(-7LL * (options.weeks - 1 - week));
        for (size_t t = 0; t < catalogue.teams().size(); ++t) {
            const DemoTeam &team = catalogue.teams()[t];
            schools[t].playUntil(options.firstWeek + week);
            for (const PageKind kind : {PageKind::Talent, PageKind::Abilities}) {
                std::string page = rosterPage(catalogue, team, kind, schools[t].squad());
                const auto size = static_cast<int64_t>(page.size());
                const PageReading reading = readPage(page, kind);
                const auto record = fetchRecordOf(fetchedAt, team.teamId, kind, std::move(page), reading);
                if (!record) {
                    report.failure =
                        QStringLiteral("the demo page of team %1 does not read").arg(team.teamId);
                    return report;
                }
                const HistoryOutcome kept = store.keep(*record);
                if (!kept.ok) {
                    report.failure = kept.message;
                    return report;
                }
                ++report.pages;
                report.pageBytes += size;
            }
        }
        if (options.progress)
            options.progress(report.pages, options.weeks * static_cast<int>(catalogue.teams().size()) * 2);
    }
    return report;
}
