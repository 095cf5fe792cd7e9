#include "history/fetch_comparison.h"
#include "text/code_page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::string cp(const char *utf8) { return toCp1251(QString::fromUtf8(utf8)); }

std::vector<std::string> cells(std::initializer_list<const char *> utf8)
{
    std::vector<std::string> row;
    for (const char *text : utf8)
        row.push_back(cp(text));
    return row;
}

FetchChange line(const char *player, const char *country, const char *change, const char *before = "",
                 const char *after = "")
{
    return {cp(player), cp(country), cp(change), cp(before), cp(after)};
}

struct Case {
    const char *name;
    PageKind kind;
    Rows older, newer;
    std::vector<FetchChange> expected;
};

void PrintTo(const Case &c, std::ostream *out) { *out << c.name; }

class CompareFetches : public ::testing::TestWithParam<Case> {};

const auto tal = [](const char *name, const char *country, const char *age, const char *mastery,
                    const char *talent) {
    return cells({name, country, "Cm", age, mastery, talent});
};

std::vector<std::string> abilitiesRow(const char *name, const char *position,
                                      std::vector<const char *> values)
{
    std::vector<std::string> row{cp(name), position};
    for (const char *value : values)
        row.push_back(cp(value));
    return row;
}

const std::vector<const char *> baseAbilities{"16",   "5,00", "1,00", "2,00", "3,00",
                                              "4,00", "5,00", "6,00", "7,00", "8,00"};

} // namespace

void PrintTo(const FetchChange &c, std::ostream *out)
{
    *out << '{' << fromCp1251(c.player).toStdString() << ", " << fromCp1251(c.country).toStdString() << ", "
         << fromCp1251(c.change).toStdString() << ", " << fromCp1251(c.before).toStdString() << ", "
         << fromCp1251(c.after).toStdString() << '}';
}

TEST_P(CompareFetches, ListsArrivalsDeparturesAndChangedValues)
{
    const Case &c = GetParam();
    EXPECT_THAT(compareFetches(c.kind, c.older, c.newer), ElementsAreArray(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    , CompareFetches,
    ::testing::Values(
        Case{"NothingChanged",
             PageKind::Talent,
             {tal("Иван", "Россия", "16", "5,00", "3,125")},
             {tal("Иван", "Россия", "16", "5,00", "3,125")},
             {}},
        Case{"ArrivalsInNewPageOrderThenDepartures",
             PageKind::Talent,
             {tal("Анна", "Россия", "15", "1,00", "1,000"), tal("Борис", "Россия", "15", "1,00", "1,000"),
              tal("Вера", "Россия", "15", "1,00", "1,000")},
             {tal("Глеб", "Россия", "15", "1,00", "1,000"), tal("Борис", "Россия", "15", "1,00", "1,000"),
              tal("Дина", "Россия", "15", "1,00", "1,000")},
             {line("Глеб", "Россия", "пришёл"), line("Дина", "Россия", "пришёл"),
              line("Анна", "Россия", "ушёл"), line("Вера", "Россия", "ушёл")}},
        Case{"EveryTalentValue",
             PageKind::Talent,
             {tal("Иван", "Россия", "16", "5,00", "3,125")},
             {tal("Иван", "Россия", "17", "5,50", "3,250")},
             {line("Иван", "Россия", "Возр", "16", "17"), line("Иван", "Россия", "Маст", "5,00", "5,50"),
              line("Иван", "Россия", "Талант", "3,125", "3,250")}},
        Case{"SameNameOtherCountryIsAnotherPlayer",
             PageKind::Talent,
             {tal("Иван", "Россия", "16", "5,00", "3,000")},
             {tal("Иван", "Литва", "16", "5,00", "3,000")},
             {line("Иван", "Литва", "пришёл"), line("Иван", "Россия", "ушёл")}},
        Case{"NamesakesPairInPageOrder",
             PageKind::Talent,
             {tal("Иван", "Россия", "15", "1,00", "1,000"), tal("Иван", "Россия", "15", "2,00", "1,000")},
             {tal("Иван", "Россия", "15", "1,50", "1,000"), tal("Иван", "Россия", "15", "2,50", "1,000"),
              tal("Иван", "Россия", "15", "3,00", "1,000")},
             {line("Иван", "Россия", "Маст", "1,00", "1,50"), line("Иван", "Россия", "Маст", "2,00", "2,50"),
              line("Иван", "Россия", "пришёл")}},
        Case{"EveryAbilityByNameAlone",
             PageKind::Abilities,
             {abilitiesRow("Иван", "Df", baseAbilities)},
             {abilitiesRow("Иван", "Mf",
                           {"17", "5,10", "1,01", "2,01", "3,01", "4,01", "5,01", "6,01", "7,01", "8,01"})},
             {line("Иван", "", "Возр", "16", "17"), line("Иван", "", "Маст", "5,00", "5,10"),
              line("Иван", "", "От", "1,00", "1,01"), line("Иван", "", "Оп", "2,00", "2,01"),
              line("Иван", "", "Др", "3,00", "3,01"), line("Иван", "", "Пм", "4,00", "4,01"),
              line("Иван", "", "Вн", "5,00", "5,01"), line("Иван", "", "Пс", "6,00", "6,01"),
              line("Иван", "", "Сл", "7,00", "7,01"), line("Иван", "", "Тч", "8,00", "8,01")}}),
    [](const ::testing::TestParamInfo<Case> &test) { return std::string(test.param.name); });
