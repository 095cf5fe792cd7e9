#include "export/team_block.h"
#include "text/code_page.h"

#include <gtest/gtest.h>

namespace {

std::string cp(const QString &text) { return toCp1251(text); }

std::vector<std::string> lines(const std::string &block)
{
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t end; (end = block.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(block.substr(start, end - start));
    EXPECT_EQ(start, block.size()) << "every line ends in CR LF";
    return out;
}

ExportView talentView()
{
    ExportView view;
    view.labels.name = cp(QStringLiteral("Динамо"));
    view.labels.division = cp(QStringLiteral("Высшая лига"));
    view.labels.rank = "12";
    view.labels.manager = cp(QStringLiteral("Иванов"));
    view.labels.id = "DYN";
    view.labels.money = "1 500";
    view.labels.additions = "3";
    view.kind = PageKind::Talent;
    view.rows = {{"Petrov Ivan", "Russia", "Gk", "16", "35,50", "4,250"}};
    return view;
}

} // namespace

TEST(TeamBlock, WorkedExampleWithEveryOption)
{
    const ExportOptions all{"_", true, true, true, true};
    const auto l = lines(buildTeamBlock(talentView(), all));
    const std::vector<std::string> expected{
        " ",
        cp(QStringLiteral("Динамо Высшая лига")),
        cp(QStringLiteral("12: Иванов")),
        "ID: DYN",
        cp(QStringLiteral("Деньги: 1 500")),
        cp(QStringLiteral("Разрешенных пополнений: 3")),
        " ",
        cp(QStringLiteral("Имя____________________Гр____Поз_Воз_Мас___Тал")),
        "Petrov Ivan____________Russia Gk 16 35,50 4,250",
        " ",
        std::string(50, '*')};
    EXPECT_EQ(l, expected);
    EXPECT_EQ(l[7].size(), 46u);
    EXPECT_EQ(l[8].size(), 47u);
}

TEST(TeamBlock, OptionsOffLeaveOnlyTheFixedLines)
{
    const auto l = lines(buildTeamBlock(talentView(), ExportOptions{}));
    ASSERT_EQ(l.size(), 7u);
    EXPECT_EQ(l[2], " ");
    EXPECT_EQ(l[6], std::string(50, '*'));
    ExportOptions some;
    some.money = true;
    some.manager = true;
    const auto m = lines(buildTeamBlock(talentView(), some));
    EXPECT_EQ(m[2], cp(QStringLiteral("12: Иванов")));
    EXPECT_EQ(m[3], cp(QStringLiteral("Деньги: 1 500")));
}

TEST(TeamBlock, NamePaddingAroundTwentyThreeCharacters)
{
    struct Case {
        size_t length;
        size_t separators;
    };
    for (const Case c : {Case{1, 22}, Case{22, 1}, Case{23, 1}, Case{30, 1}}) {
        ExportView view = talentView();
        view.rows[0][0] = std::string(c.length, 'n');
        const std::string row = lines(buildTeamBlock(view, {}))[4];
        EXPECT_EQ(row,
                  std::string(c.length, 'n') + std::string(c.separators, '_') + "Russia Gk 16 35,50 4,250")
            << c.length;
    }
}

TEST(TeamBlock, EmptyAndLongSeparators)
{
    ExportOptions none;
    none.separator = "";
    const auto l = lines(buildTeamBlock(talentView(), none));
    EXPECT_EQ(l[3], cp(QStringLiteral("ИмяГрПозВозМасТал")));
    EXPECT_EQ(l[4], "Petrov IvanRussia Gk 16 35,50 4,250");
    ExportOptions two;
    two.separator = "-=";
    ExportView view = talentView();
    view.rows[0][0] = std::string(21, 'x');
    EXPECT_EQ(lines(buildTeamBlock(view, two))[4], std::string(21, 'x') + "-=-=Russia Gk 16 35,50 4,250");
}

TEST(TeamBlock, ShortFirstCountryGivesOneSeparatorAfterGr)
{
    ExportView view = talentView();
    view.rows[0][1] = "USA";
    view.rows.push_back({"Second", "Argentina", "Df", "17", "1,00", "2,000"});
    EXPECT_EQ(lines(buildTeamBlock(view, {}))[3],
              cp(QStringLiteral("Имя____________________Гр_Поз_Воз_Мас___Тал")));
}

TEST(TeamBlock, AbilitiesHeaderAndRow)
{
    ExportView view = talentView();
    view.kind = PageKind::Abilities;
    view.rows = {
        {"Sidorov", "Df", "17", "5,00", "1,00", "2,00", "3,00", "4,00", "5,00", "6,00", "7,00", "8,00"}};
    const auto l = lines(buildTeamBlock(view, {}));
    EXPECT_EQ(l[3], cp(QStringLiteral(
                        "Имя___________________Поз_Воз_Мас___От___Оп___Др___Пм___Вн___Пс___Сл___Тч")));
    EXPECT_EQ(l[4], "Sidorov________________Df 17 5,00 1,00 2,00 3,00 4,00 5,00 6,00 7,00 8,00");
}
