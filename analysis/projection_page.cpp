#include "analysis/projection_page.h"

#include "analysis/level_keys.h"
#include "analysis/talent_projection.h"
#include "analysis/what_if.h"
#include "analysis/what_if_widgets.h"
#include "text/code_page.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
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
        table->setColumnWidth(column, column == 0 ? 32 : 58);
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
    setUpWhatIfGrid(m_controls.whatIfGrid);
    markLevelsInGrid();
    for (QLineEdit *level : {m_controls.schoolLevelEdit, m_controls.coachLevelEdit})
        connect(level, &QLineEdit::textChanged, this, &ProjectionPage::markLevelsInGrid);
    connect(m_controls.whatIfGrid, &QTableWidget::cellClicked, this, &ProjectionPage::takeLevelsOf);
    m_chart = std::make_unique<TalentChart>(m_controls.talentChart);
}

ProjectionPage::~ProjectionPage() = default;

bool ProjectionPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        (watched == m_controls.schoolLevelEdit || watched == m_controls.coachLevelEdit))
        return !levelEditTakesKey(static_cast<QKeyEvent *>(event)->text());
    return QObject::eventFilter(watched, event);
}

bool ProjectionPage::showFor(const QString &teamName, const QTreeWidgetItem &talentRow)
{
    m_teamName = teamName;
    m_player.reset(talentRow.clone());
    return projectPlayer();
}

bool ProjectionPage::projectPlayer()
{
    const QTreeWidgetItem &player = *m_player;
    m_controls.table->clear();
    m_controls.teamCaption->setText(m_teamName);
    m_controls.playerCaption->setText(player.text(0));
    m_controls.masteryCaption->setText(QStringLiteral("Мастерство: ") + player.text(4));
    m_controls.talentCaption->setText(QStringLiteral("Талант: ") + player.text(5));
    const std::string mastery = toCp1251(player.text(4));
    const std::string talent = toCp1251(player.text(5));
    const ProjectionResult result = projectTalent(
        mastery, talent, [this] { return toCp1251(m_controls.schoolLevelEdit->text()); },
        [this] { return toCp1251(m_controls.coachLevelEdit->text()); });
    for (const ProjectionRow &step : result.rows) {
        if (step.tren.empty())
            appendCells(m_controls.table, {fromCp1251(step.number)});
        else
            appendCells(m_controls.table, {fromCp1251(step.number), fromCp1251(step.tren),
                                           fromCp1251(step.ball), fromCp1251(step.talant)});
    }
    // The grid does not depend on the level edits, so it fills even when they fail the table.
    showWhatIfSteps(m_controls.whatIfGrid, whatIfSteps(mastery, talent));
    m_chart->show(result.failure ? std::vector<double>{} : talentAfterSteps(result));
    result.rethrowFailure();
    return result.stoppedNoGrowth;
}

void ProjectionPage::takeLevelsOf(int row, int column)
{
    m_controls.schoolLevelEdit->setText(QString::number(row + 1));
    m_controls.coachLevelEdit->setText(QString::number(column + 1));
    // The same as choosing "Талант" again for this player, its error box and notice included.
    if (m_player)
        Q_EMIT levelsChosenFromGrid();
}

bool ProjectionPage::projectAgain() { return m_player && projectPlayer(); }

void ProjectionPage::markLevelsInGrid()
{
    markLevels(m_controls.whatIfGrid, gridLevel(toCp1251(m_controls.schoolLevelEdit->text())),
               gridLevel(toCp1251(m_controls.coachLevelEdit->text())));
}
