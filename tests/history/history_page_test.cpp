#include "history/history_page.h"
#include "history/history_store.h"
#include "support/main_controls.h"
#include "text/code_page.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QDateTime at(const char *iso) { return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate); }

FetchRecord fetchOf(const char *time, PageKind kind,
                    const std::vector<std::pair<const char *, double>> &players)
{
    FetchRecord record{at(time), 7, kind, "<html>", {}, {}, {}};
    record.summary.name = "Zarya";
    for (const auto &[name, talent] : players) {
        if (kind == PageKind::Talent)
            record.talents.push_back(makeTalentPlayer(name, "RU", "Cm", 17, 10, talent));
        else
            record.abilities.push_back(makeAbilitiesPlayer(name, "Cm", 17, 10, {}));
    }
    return record;
}

} // namespace

// A team's fetches say what each changed since the one before of its kind; two of them compare under
// their dates and span, and a pair that cannot be compared leaves nothing of an earlier comparison.
TEST(HistoryPage, FetchListCountsAndComparisonsSayWhatTheyCompare)
{
    QTemporaryDir dir;
    HistoryStore store;
    ASSERT_TRUE(store.open(dir.filePath(QStringLiteral("history.db"))).ok);
    for (const FetchRecord &record :
         {fetchOf("2026-11-12T14:13:00Z", PageKind::Talent, {{"A", 4}, {"B", 4}, {"C", 4}}),
          fetchOf("2026-12-10T09:05:00Z", PageKind::Talent, {{"A", 4.5}, {"B", 4}, {"D", 3}}),
          fetchOf("2026-12-10T09:05:30Z", PageKind::Abilities, {{"A", 0}}),
          fetchOf("2026-12-17T09:05:00Z", PageKind::Talent, {{"A", 4.5}, {"B", 4}, {"D", 3}})})
        ASSERT_TRUE(store.keep(record).ok);
    HistoryPage page;
    QStringList problems;
    QObject::connect(&page, &HistoryPage::problem, [&](const QString &text) { problems << text; });
    page.setStore(&store);
    auto *fetches = controlOf<QTreeView>(&page, "historyFetches");
    auto *changes = controlOf<QTreeView>(&page, "historyChanges");
    auto *compared = controlOf<QLabel>(&page, "historyComparison");
    auto *chart = controlOf<QChartView>(&page, "playerChart");
    chooseRow(controlOf<QTreeView>(&page, "historyTeams"), 0);
    ASSERT_EQ(rowsIn(fetches), 4);
    EXPECT_EQ(cellOf(fetches, 0, 3), QStringLiteral("+0 –0 ~0"));
    EXPECT_EQ(cellOf(fetches, 1, 3), QString()) << "the first abilities fetch";
    EXPECT_EQ(cellOf(fetches, 2, 3), QStringLiteral("+1 –1 ~1"));
    EXPECT_EQ(cellOf(fetches, 3, 3), QString());
    // The talent and abilities fetches of 10.12 share a minute, so both show their seconds.
    EXPECT_EQ(cellOf(fetches, 2, 0),
              at("2026-12-10T09:05:00Z").toLocalTime().toString(u"dd.MM.yyyy HH:mm:ss"));
    EXPECT_TRUE(cellOf(fetches, 1, 0).endsWith(QStringLiteral(":30")));
    EXPECT_EQ(cellOf(fetches, 3, 0).size(), 16) << "no seconds where the minute is its own";

    const auto compare = [&](int newer, int older) {
        fetches->clearSelection();
        addToChoice(fetches, newer);
        addToChoice(fetches, older);
        controlOf<QPushButton>(&page, "historyCompareButton")->click();
    };
    compare(0, 2);
    EXPECT_EQ(rowsIn(changes), 0);
    EXPECT_TRUE(compared->text().endsWith(QStringLiteral(", 1 нед. — Без изменений")))
        << compared->text().toStdString();

    compare(2, 3);
    EXPECT_EQ(compared->text(), cellOf(fetches, 3, 0) + QStringLiteral(" → ") + cellOf(fetches, 2, 0) +
                                    QStringLiteral(", 4 нед."));
    ASSERT_EQ(rowsIn(changes), 3); // A's talent, D arrived, C left
    chooseRow(changes, 0);
    EXPECT_FALSE(chart->chart()->series().isEmpty());

    compare(0, 1); // talent against abilities
    EXPECT_EQ(problems.size(), 1);
    EXPECT_EQ(rowsIn(changes), 0);
    EXPECT_FALSE(compared->text().contains(QStringLiteral("→"))) << "no dates of an earlier pair";
    EXPECT_TRUE(chart->chart()->series().isEmpty());
}
