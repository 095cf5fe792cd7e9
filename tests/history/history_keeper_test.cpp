#include "history/history_keeper.h"
#include "retrieval/page_reader.h"
#include "support/roster_pages.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A history that cannot be written says so once a run; a fetch goes on without it.
TEST(HistoryKeeper, FailureToldOnceAndNothingKeptWithoutAnOpenHistory)
{
    FixtureTeam team;
    team.squad = {fixturePlayer(QStringLiteral("A"), QStringLiteral("Df"), QStringLiteral("16"),
                                QStringLiteral("1.00"), QStringLiteral("2.000"))};
    const std::string page = talentPage(team);
    const PageReading reading = readPage(page, PageKind::Talent);

    HistoryKeeper never;
    EXPECT_TRUE(never.keep(1, PageKind::Talent, page, reading).isEmpty());
    EXPECT_FALSE(never.isOpen());

    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    HistoryKeeper keeper; // its folder would have to be made inside a plain file
    const QString opened = keeper.open(dir.filePath(QStringLiteral("not-a-folder/history.db")));
    const QString first = keeper.keep(1, PageKind::Talent, page, reading);
    EXPECT_FALSE(opened.isEmpty() && first.isEmpty()) << "the failure must be told";
    EXPECT_TRUE(keeper.keep(1, PageKind::Talent, page, reading).isEmpty()) << "and told only once";

    HistoryKeeper good;
    EXPECT_TRUE(good.open(dir.filePath(QStringLiteral("history.db"))).isEmpty());
    EXPECT_TRUE(good.keep(7, PageKind::Talent, page, reading).isEmpty());
    ASSERT_EQ(good.store().teams().size(), 1u);
    EXPECT_EQ(good.store().teams()[0].teamId, 7);
}
