#include "analysis/projection_page.h"

#include "analysis/level_keys.h"
#include "analysis/talent_projection.h"
#include "text/code_page.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QValidator>

namespace {

// Pasted or dropped text is held to the same levels as typed keys.
class LevelValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override { return isLevelText(input) ? Acceptable : Invalid; }
};

void appendCells(QTreeWidget *table, const QStringList &cells)
{
    auto *item = new QTreeWidgetItem(table);
    for (int column = 0; column < cells.size(); ++column)
        item->setText(column, cells[column]);
}

} // namespace

ProjectionPage::ProjectionPage(const ProjectionControls &controls, QObject *parent)
    : QObject(parent), m_controls(controls)
{
    QTreeWidget *table = m_controls.table;
    table->setColumnCount(4);
    table->setHeaderLabels(
        {QStringLiteral("№"), QStringLiteral("Трен"), QStringLiteral("Балл"), QStringLiteral("Талант")});
    for (int column = 0; column < 4; ++column)
        table->setColumnWidth(column, column == 0 ? 60 : 100);
    table->header()->setStretchLastSection(false);
    table->header()->setSectionsClickable(false);
    for (QLineEdit *level : {m_controls.schoolLevelEdit, m_controls.coachLevelEdit}) {
        level->installEventFilter(this);
        level->setValidator(new LevelValidator(level));
    }
    // Team and player names come from the page and are shown as they are.
    for (QLabel *caption : {m_controls.teamCaption, m_controls.playerCaption, m_controls.masteryCaption,
                            m_controls.talentCaption})
        caption->setTextFormat(Qt::PlainText);
}

bool ProjectionPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        (watched == m_controls.schoolLevelEdit || watched == m_controls.coachLevelEdit))
        return !levelEditTakesKey(static_cast<QKeyEvent *>(event)->text());
    return QObject::eventFilter(watched, event);
}

bool ProjectionPage::showFor(const QString &teamName, const QTreeWidgetItem &talentRow)
{
    m_controls.table->clear();
    m_controls.teamCaption->setText(teamName);
    m_controls.playerCaption->setText(talentRow.text(0));
    m_controls.masteryCaption->setText(QStringLiteral("Мастерство: ") + talentRow.text(4));
    m_controls.talentCaption->setText(QStringLiteral("Талант: ") + talentRow.text(5));
    const ProjectionResult result = projectTalent(
        toCp1251(talentRow.text(4)), toCp1251(talentRow.text(5)),
        [this] { return toCp1251(m_controls.schoolLevelEdit->text()); },
        [this] { return toCp1251(m_controls.coachLevelEdit->text()); });
    for (const ProjectionRow &step : result.rows) {
        if (step.tren.empty())
            appendCells(m_controls.table, {fromCp1251(step.number)});
        else
            appendCells(m_controls.table, {fromCp1251(step.number), fromCp1251(step.tren),
                                           fromCp1251(step.ball), fromCp1251(step.talant)});
    }
    result.rethrowFailure();
    return result.stoppedNoGrowth;
}
