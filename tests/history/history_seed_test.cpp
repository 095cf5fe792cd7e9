#include "history/history_store.h"
#include "tools/history_seed/history_seed.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SeedHistory, KeepsBothPagesOfEveryTeamOnceAWeekEndingAtTheGivenTime)
{
    const DemoCatalogue catalogue = DemoCatalogue::fromSql(QStringLiteral(
        "CREATE TABLE divisions(name TEXT, id INTEGER); INSERT INTO divisions VALUES ('Лига', 1);"
        "CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);"
        "INSERT INTO teams VALUES ('Заря', 1, 4390); INSERT INTO teams VALUES ('Факел', 1, 430);"));
    const QTemporaryDir dir;
    HistoryStore store;
    ASSERT_TRUE(store.open(dir.filePath(QStringLiteral("history.db"))).ok);
    const QDateTime end = QDateTime::fromString(QStringLiteral("2024-05-31T18:00:00Z"), Qt::ISODate);

    const SeedReport report = seedHistory(store, catalogue, {3, 0, end});
    EXPECT_EQ(report.pages, 12);
    EXPECT_TRUE(report.failure.isEmpty());
    ASSERT_EQ(store.teams().size(), 2u);
    const std::vector<StoredFetch> fetches = store.fetchesOf(430);
    ASSERT_EQ(fetches.size(), 6u);
    EXPECT_EQ(fetches.front().fetchedAt, end);
    EXPECT_EQ(fetches.back().fetchedAt, end.addDays(-14));
    EXPECT_EQ(fetches[0].kind, PageKind::Abilities);
    EXPECT_EQ(fetches[1].kind, PageKind::Talent);
    EXPECT_EQ(fetches[0].playerCount, fetches[1].playerCount);
    EXPECT_GE(fetches[1].playerCount, 8);
}
