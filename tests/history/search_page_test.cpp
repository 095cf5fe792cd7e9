#include "history/history_store.h"
#include "retrieval/page_reader.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

QStringList columnOf(const QTreeView *list, int column)
{
    QStringList cells;
    for (int row = 0; row < rowsIn(list); ++row)
        cells << cellOf(list, row, column);
    return cells;
}

} // namespace

class SearchWindow : public WindowFixture {
protected:
    static FixtureTeam squadOf(const QString &name, std::vector<FixturePlayer> players)
    {
        FixtureTeam t;
        t.name = name;
        t.squad = std::move(players);
        return t;
    }
};

// Two weeks of one team and a week of another: Enter in the name searches every stored week in any case,
// a header click orders numbers as numbers and names in the user's order, the CSV holds the rows as
// shown, and a double click shows the player's development on the History page.
TEST_F(SearchWindow, FindsEveryWeekSortsByValueSavesAndOpensThePlayersDevelopment)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto alpha = [](const QString &talent) {
        return squadOf(QStringLiteral("Альфа"),
                       {fixturePlayer(u"Ёжов"_qs, u"Gk"_qs, u"16"_qs, u"3.5"_qs, talent),
                        fixturePlayer(u"Жуков"_qs, u"Df"_qs, u"17"_qs, u"4"_qs, u"2"_qs)});
    };
    keepTalentPage(5, alpha(QStringLiteral("9.5")), now.addDays(-14));
    keepTalentPage(5, alpha(QStringLiteral("10.25")), now.addDays(-7));
    keepTalentPage(6,
                   squadOf(QStringLiteral("Бета"),
                           {fixturePlayer(u"Ежиков"_qs, u"Mf"_qs, u"15"_qs, u"1"_qs, u"2"_qs, u"Беларусь"_qs),
                            fixturePlayer(u"Иванов"_qs, u"Mf"_qs, u"15"_qs, u"1"_qs, u"8"_qs)}),
                   now.addDays(-1));
    form->openHistory(historyFile());
    auto *tabs = controlOf<QTabWidget>(form.get(), "PageControl2");
    tabs->setCurrentWidget(controlOf<QWidget>(form.get(), "searchSheet"));
    auto *results = controlOf<QTreeView>(form.get(), "searchResults");
    auto *status = controlOf<QLabel>(form.get(), "searchStatusLabel");
    auto *name = controlOf<QLineEdit>(form.get(), "searchNameEdit");

    // Names sort as the user's language has them; the suite's own locale would order code points.
    const QLocale suiteLocale;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const std::shared_ptr<void> restoreLocale(nullptr, [&](void *) { QLocale::setDefault(suiteLocale); });
    name->setText(QStringLiteral("ЁЖ")); // "Ёжов" and "Ежиков", whatever the case or the dots
    controlOf<QCheckBox>(form.get(), "searchEveryWeekCheck")->setChecked(true);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(name, &enter);
    ASSERT_TRUE(runUntil([&] { return status->text().startsWith(QStringLiteral("Найдено")); }));
    EXPECT_EQ(status->text(), QStringLiteral("Найдено игроков: 3"));

    results->sortByColumn(5, Qt::AscendingOrder); // as a click on «Талант» does
    EXPECT_EQ(columnOf(results, 5), (QStringList{u"2,000"_qs, u"9,500"_qs, u"10,250"_qs}));
    EXPECT_EQ(columnOf(results, 6), (QStringList{u"Бета"_qs, u"Альфа"_qs, u"Альфа"_qs}));
    results->sortByColumn(0, Qt::AscendingOrder); // Ё sorts as Е, not after Я nor before А
    EXPECT_EQ(columnOf(results, 0), (QStringList{u"Ежиков"_qs, u"Ёжов"_qs, u"Ёжов"_qs}));
    EXPECT_EQ(cellOf(results, 0, 1), QStringLiteral("Беларусь"));
    EXPECT_EQ(cellOf(results, 0, 8), now.addDays(-1).toLocalTime().toString(u"dd.MM.yyyy"));

    recorder.saveAnswer = QDir::current().filePath(QStringLiteral("found.csv"));
    controlOf<QPushButton>(form.get(), "searchCsvButton")->click();
    QFile csv(recorder.saveAnswer);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList lines =
        QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("Имя;Страна;Поз;Возр;Маст;Талант;Команда;Дивизион;Дата")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Ежиков;Беларусь;Mf;15;1,00;2,000;Бета;")));

    Q_EMIT results->doubleClicked(results->model()->index(0, 3));
    EXPECT_EQ(tabs->currentWidget(), controlOf<QWidget>(form.get(), "historySheet"));
    auto *storedTeams = controlOf<QTreeView>(form.get(), "historyTeams");
    EXPECT_EQ(cellOf(storedTeams, storedTeams->currentIndex().row(), 0), QStringLiteral("Бета"));
    EXPECT_EQ(controlOf<QChartView>(form.get(), "playerChart")->chart()->title(), QStringLiteral("Ежиков"));
    EXPECT_TRUE(recorder.boxes.empty());
}
