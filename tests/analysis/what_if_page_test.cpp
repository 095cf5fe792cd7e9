#include "support/window_fixture.h"

#include <QChartView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineSeries>
#include <QMouseEvent>
#include <QTableWidget>

class WhatIfPage : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        form->show();
        grid = controlOf<QTableWidget>(form.get(), "whatIfGrid");
        chart = controlOf<QChartView>(form.get(), "talentChart");
    }

    // Projects one player, as the context menu does.
    void project(const QString &mastery, const QString &talent)
    {
        FixtureTeam t = team(QStringLiteral("Альфа"), 0);
        t.squad.push_back(fixturePlayer(QStringLiteral("Юниор"), QStringLiteral("Mf"), QStringLiteral("16"),
                                        mastery, talent));
        offer(1, t);
        fetch(1);
        chooseRow(ui->ListView1, 0);
        ui->alant1->setEnabled(true);
        ui->alant1->trigger();
    }

    void clickCell(int row, int column)
    {
        const QPointF at = grid->visualRect(grid->model()->index(row, column)).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(grid->viewport(), &event);
        }
    }

    // Cell texts row by row; a bold cell is marked with "*".
    QStringList cells() const
    {
        QStringList texts;
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column) {
                const QTableWidgetItem *item = grid->item(row, column);
                texts << item->text() + (item->font().bold() ? QStringLiteral("*") : QString());
            }
        return texts;
    }

    QList<QPointF> curve() const
    {
        return static_cast<QLineSeries *>(chart->chart()->series().at(0))->points();
    }

    QTableWidget *grid = nullptr;
    QChartView *chart = nullptr;
};

TEST_F(WhatIfPage, ShowsStepsMarksTheLevelsAndAClickProjectsWithTheirs)
{
    project(QStringLiteral("40.00"), QStringLiteral("5.000"));
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(grid->verticalHeaderItem(0)->text(), QStringLiteral("ДЮСШ 1"));
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Тренер 3"));
    const QStringList steps = cells();
    EXPECT_EQ(steps.at(2), QStringLiteral("228"));
    EXPECT_EQ(steps.filter(QStringLiteral("*")), QStringList{QStringLiteral("136*")});
    ASSERT_EQ(curve().size(), 136);
    EXPECT_EQ(curve().back(), QPointF(136, 9.01));

    clickCell(0, 2);
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(ui->LabeledEdit1->text() + ui->LabeledEdit2->text(), QStringLiteral("13"));
    const auto rows = rowsOf(ui->ListView3);
    ASSERT_EQ(rows.size(), 228u);
    EXPECT_EQ(rows.back().join(u'|'), QStringLiteral("228|0,01|9|9"));
    EXPECT_EQ(cells().filter(QStringLiteral("*")), QStringList{QStringLiteral("228*")});
    EXPECT_EQ(curve().size(), 228);
}

// Enter in a level edit, or leaving it with another level, projects again: the table, the chart and the
// grid's mark always show one pair of levels.
TEST_F(WhatIfPage, EnterOrLeavingAChangedLevelProjectsAgain)
{
    project(QStringLiteral("40.00"), QStringLiteral("5.000"));
    ui->LabeledEdit1->setText(QStringLiteral("1"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(ui->LabeledEdit1, &enter);
    EXPECT_EQ(rowsIn(ui->ListView3), 228);
    EXPECT_EQ(curve().size(), 228);
    EXPECT_EQ(cells().filter(QStringLiteral("*")), QStringList{QStringLiteral("228*")});
    ui->LabeledEdit1->setText(QStringLiteral("3"));
    Q_EMIT ui->LabeledEdit1->editingFinished();
    EXPECT_EQ(rowsIn(ui->ListView3), 136);
    EXPECT_TRUE(recorder.boxes.empty());
}

// The grid does not read the level edits: it fills whatever they hold, and marks only a level pair.
TEST_F(WhatIfPage, LevelsOffTheGridMarkNothing)
{
    project(QStringLiteral("40.00"), QStringLiteral("5.000"));
    ui->LabeledEdit2->setText(QStringLiteral("7"));
    EXPECT_TRUE(cells().filter(QStringLiteral("*")).isEmpty());
    ui->LabeledEdit1->setText(QString());
    ui->alant1->trigger();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("'' is not a valid integer value."));
    EXPECT_EQ(rowsIn(ui->ListView3), 1);
    EXPECT_TRUE(cells().contains(QStringLiteral("136")));
    EXPECT_TRUE(cells().filter(QStringLiteral("*")).isEmpty());
    EXPECT_TRUE(curve().isEmpty());
}

TEST_F(WhatIfPage, ATalentThatDoesNotGrowShowsDashesEverywhere)
{
    project(QStringLiteral("40.00"), QStringLiteral("0.000"));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("Ахтунг"));
    EXPECT_EQ(cells().join(QString()).remove(u'*'), QString(9, u'—'));
    EXPECT_TRUE(curve().isEmpty());
    clickCell(1, 0); // projecting again tells the user again
    EXPECT_EQ(recorder.boxes.size(), 2u);
}
