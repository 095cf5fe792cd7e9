#include "analysis/training_step.h"
#include "history/growth_history.h"
#include "history/history_store.h"
#include "text/code_page.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int stepsAWeek = 2;

// Twelve youth of a team trained `stepsAWeek` a week at the product, fetched weekly but for one gap of ten
// days; two of them share a name and a country.
void keepTrainedTeam(HistoryStore &store, int32_t teamId, int product)
{
    std::vector<TalentPlayer> players;
    for (int i = 0; i < 12; ++i) {
        const std::string name =
            toCp1251(i < 2 ? QStringLiteral("Иванов") : QStringLiteral("Игрок %1").arg(i));
        players.push_back(
            makeTalentPlayer(name, toCp1251(QStringLiteral("Россия")), "Cm", 16, 20 + 7 * i, 3.0 + 0.37 * i));
    }
    QDateTime at = QDateTime::fromString(QStringLiteral("2026-01-05T10:00:00Z"), Qt::ISODate);
    for (int fetch = 0; fetch < 7; ++fetch) {
        TeamSummary summary;
        summary.name = "T" + std::to_string(teamId);
        ASSERT_TRUE(store.keep({at, teamId, PageKind::Talent, "<html>", summary, players, {}}).ok);
        const int days = fetch == 2 ? 10 : 7;
        for (TalentPlayer &player : players) {
            const int64_t after =
                talentAfterSteps(talentThousandths(player.talent), masteryOfCell(player.mastery), product,
                                 stepsAWeek * days / 7 + (days == 10));
            player.talent = static_cast<double>(after) / 1000.0;
        }
        at = at.addDays(days);
    }
}

} // namespace

TEST(GrowthHistory, RateFromTheOwnTeamThenAnotherTeamsProductAndTheBacktest)
{
    QTemporaryDir dir;
    HistoryStore store;
    ASSERT_TRUE(store.open(dir.filePath(QStringLiteral("history.db"))).ok);
    keepTrainedTeam(store, 10, 6);
    keepTrainedTeam(store, 20, 9);
    const OwnTeam own{10, 2, 3};

    const RateEstimate rate = ownTrainingRate(store, own);
    ASSERT_EQ(rate.verdict, RateVerdict::Estimated);
    // Every span explained: the namesakes were followed one by one, not crossed.
    EXPECT_EQ(rate.rate.spans, rate.rate.spansGiven);
    EXPECT_NEAR(rate.rate.stepsPerWeek, stepsAWeek, 0.05 * stepsAWeek);

    const LevelFit other = teamLevels(store, 20, rate.rate);
    EXPECT_EQ(other.verdict, LevelVerdict::Sure);
    EXPECT_EQ(other.product, 9);
    EXPECT_EQ(sureTeamProduct(store, 20, own, rate), 9);
    EXPECT_EQ(sureTeamProduct(store, 10, own, rate), std::nullopt);

    const HistoryAccuracy checked = historyAccuracy(store, own, rate.rate);
    EXPECT_EQ(checked.teams, 2);
    EXPECT_EQ(checked.players, 24);
    EXPECT_GT(checked.accuracy.talent[1].count, 0);
    EXPECT_LT(checked.accuracy.talent[0].mean, 0.01);
}
