#include "history/history_store.h"
#include "text/code_page.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::string cp(const char *utf8) { return toCp1251(QString::fromUtf8(utf8)); }

FetchRecord talentPage(const char *time, int32_t teamId, const char *team, std::vector<TalentPlayer> players)
{
    TeamSummary summary;
    summary.name = cp(team);
    return {QDateTime::fromString(QString::fromLatin1(time), Qt::ISODate),
            teamId,
            PageKind::Talent,
            "<html>",
            summary,
            std::move(players),
            {}};
}

TalentPlayer player(const char *name, const char *country, const char *position, int age, double mastery,
                    double talent)
{
    return makeTalentPlayer(cp(name), cp(country), position, static_cast<int16_t>(age), mastery, talent);
}

class PlayerSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_store.open(m_dir.filePath(QStringLiteral("history.db"))).ok);
        keep(talentPage("2024-01-01T00:00:00Z", 1, "Заря",
                        {player("Пётр Семёнов", "Россия", "Gk", 16, 20, 6.5),
                         player("Old Boy", "Англия", "Gk", 19, 40, 7)}));
        keep(talentPage("2024-01-08T00:00:00Z", 1, "Заря",
                        {player("Пётр Семёнов", "Россия", "Gk", 16, 21, 6.6),
                         player("ЁЖИКОВ Иван", "Россия", "Df", 15, 10, 5.5)}));
        keep(talentPage("2024-01-08T00:00:00Z", 2, "Авангард",
                        {player("Ежов Лев", "Украина", "Gk", 17, 30, 4),
                         player("Андрей Юный", "Беларусь", "Gk", 15, 12, 8.25)}));
    }
    void keep(const FetchRecord &record) { ASSERT_TRUE(m_store.keep(record).ok); }
    // "name@team" of each player found, in the order found.
    std::vector<std::string> found(const PlayerSearch &search) const
    {
        std::vector<std::string> names;
        for (const FoundPlayer &f : m_store.findPlayers(search))
            names.push_back(utf8FromCp1251(f.player.name) + "@" + std::to_string(f.teamId));
        return names;
    }

    QTemporaryDir m_dir;
    HistoryStore m_store;
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(PlayerSearchTest, FiltersEachTeamsNewestPageOrEveryWeek)
{
    PlayerSearch search;
    search.position = "Gk";
    // By team name (Авангард before Заря), then page order; the old page's goalkeeper left.
    EXPECT_EQ(found(search), (Names{"Ежов Лев@2", "Андрей Юный@2", "Пётр Семёнов@1"}));
    search.everyWeek = true;
    EXPECT_EQ(found(search),
              (Names{"Ежов Лев@2", "Андрей Юный@2", "Пётр Семёнов@1", "Пётр Семёнов@1", "Old Boy@1"}));
    search.oldestAge = 16;
    search.lowestTalent = 6.5;
    EXPECT_EQ(found(search), (Names{"Андрей Юный@2", "Пётр Семёнов@1", "Пётр Семёнов@1"}));
    search.lowestMastery = 21;
    EXPECT_EQ(found(search), (Names{"Пётр Семёнов@1"}));
    EXPECT_EQ(m_store.findPlayers(search).front().fetchedAt,
              QDateTime::fromString(QStringLiteral("2024-01-08T00:00:00Z"), Qt::ISODate));

    PlayerSearch ofTeams;
    ofTeams.teamIds = {2, 3};
    ofTeams.countryPart = QStringLiteral("УКР");
    EXPECT_EQ(found(ofTeams), (Names{"Ежов Лев@2"}));
}

TEST_F(PlayerSearchTest, NamesMatchInAnyCaseWithYoAsYe)
{
    const auto byName = [&](const char *part) {
        PlayerSearch search;
        search.namePart = QString::fromUtf8(part);
        return found(search);
    };
    EXPECT_EQ(byName("семенов"), (Names{"Пётр Семёнов@1"}));
    EXPECT_EQ(byName("ПЁТР"), (Names{"Пётр Семёнов@1"}));
    EXPECT_EQ(byName("ёж"), (Names{"Ежов Лев@2", "ЁЖИКОВ Иван@1"}));
    EXPECT_EQ(byName("Ежик"), (Names{"ЁЖИКОВ Иван@1"}));
    EXPECT_EQ(byName("юн"), (Names{"Андрей Юный@2"}));
    EXPECT_EQ(byName("old"), Names{}); // only on a page no longer the newest
    EXPECT_EQ(byName("Х"), Names{});
}
