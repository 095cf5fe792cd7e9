#include "analysis/projection_page.h"

#include "analysis/growth_texts.h"
#include "analysis/level_keys.h"
#include "analysis/talent_projection.h"
#include "analysis/training_step.h"
#include "analysis/what_if.h"
#include "analysis/what_if_widgets.h"
#include "text/code_page.h"
#include "text/interface_language.h"
#include "text/numbers.h"
#include "view/roster_lists.h"
#include "view/text_table_model.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTreeView>
#include <QValidator>

namespace {

// Pasted or dropped text is held to the same levels as typed keys.
class LevelValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override { return isLevelText(input) ? Acceptable : Invalid; }
};

} // namespace

ProjectionPage::ProjectionPage(const ProjectionControls &controls, QObject *parent)
    : QObject(parent), m_controls(controls),
      m_steps(new TextTableModel("ProjectionPage", {QT_TRANSLATE_NOOP("ProjectionPage", "№"),
                                                    QT_TRANSLATE_NOOP("ProjectionPage", "Трен"),
                                                    QT_TRANSLATE_NOOP("ProjectionPage", "Балл"),
                                                    QT_TRANSLATE_NOOP("ProjectionPage", "Талант")}))
{
    setUpReportList(m_controls.table, m_steps, {32, 58, 58, 58});
    m_controls.table->header()->setSectionsClickable(false);
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
    for (QLineEdit *level : {m_controls.schoolLevelEdit, m_controls.coachLevelEdit}) {
        connect(level, &QLineEdit::textChanged, this, &ProjectionPage::markLevelsInGrid);
        // Enter always projects again; leaving the edit only when its level changed.
        connect(level, &QLineEdit::returnPressed, this, [this] {
            if (m_player)
                Q_EMIT levelsChanged();
        });
        connect(level, &QLineEdit::editingFinished, this, &ProjectionPage::onLevelEditFinished);
    }
    connect(m_controls.whatIfGrid, &QTableWidget::cellClicked, this, &ProjectionPage::takeLevelsOf);
    m_chart = std::make_unique<TalentChart>(m_controls.talentChart);
    m_controls.weeksToNine->setObjectName(QStringLiteral("weeksToNineLabel"));
    m_controls.weeksToNine->setTextFormat(Qt::PlainText);
    m_controls.weeksToNine->setWordWrap(true);
    connect(m_controls.schoolLevelEdit, &QLineEdit::textChanged, this, &ProjectionPage::showWeeksToNine);
    connect(m_controls.coachLevelEdit, &QLineEdit::textChanged, this, &ProjectionPage::showWeeksToNine);
}

ProjectionPage::~ProjectionPage() = default;

bool ProjectionPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        (watched == m_controls.schoolLevelEdit || watched == m_controls.coachLevelEdit))
        return !levelEditTakesKey(static_cast<QKeyEvent *>(event)->text());
    return QObject::eventFilter(watched, event);
}

bool ProjectionPage::showFor(const ProjectedPlayer &player)
{
    m_player = player;
    return projectPlayer();
}

QString ProjectionPage::levelsInEdits() const
{
    return m_controls.schoolLevelEdit->text() + QLatin1Char('x') + m_controls.coachLevelEdit->text();
}

bool ProjectionPage::projectPlayer()
{
    const ProjectedPlayer &player = *m_player;
    m_projectedLevels = levelsInEdits();
    m_steps->clear();
    m_controls.teamCaption->setText(fromCp1251(player.teamName));
    m_controls.playerCaption->setText(fromCp1251(player.name));
    m_controls.masteryCaption->setText(tr("Мастерство: ") + fromCp1251(player.mastery));
    m_controls.talentCaption->setText(tr("Талант: ") + fromCp1251(player.talent));
    const ProjectionResult result = projectTalent(
        player.mastery, player.talent, [this] { return toCp1251(m_controls.schoolLevelEdit->text()); },
        [this] { return toCp1251(m_controls.coachLevelEdit->text()); });
    for (const ProjectionRow &step : result.rows) {
        if (step.gain.empty())
            m_steps->appendRow({step.number});
        else
            m_steps->appendRow({step.number, step.gain, step.score, step.roundedTalent});
    }
    // The grid does not depend on the level edits, so it fills even when they fail the table.
    showWhatIfSteps(m_controls.whatIfGrid, whatIfSteps(player.mastery, player.talent));
    m_chart->show(result.failure ? std::vector<double>{} : talentAfterSteps(result));
    markLevelsInGrid();
    showWeeksToNine();
    result.rethrowFailure();
    return result.stoppedNoGrowth;
}

void ProjectionPage::takeLevelsOf(int row, int column)
{
    m_controls.schoolLevelEdit->setText(QString::number(row + 1));
    m_controls.coachLevelEdit->setText(QString::number(column + 1));
    // The same as choosing "Талант" again for this player, its error box and notice included.
    if (m_player)
        Q_EMIT levelsChanged();
}

void ProjectionPage::onLevelEditFinished()
{
    if (m_player && levelsInEdits() != m_projectedLevels)
        Q_EMIT levelsChanged();
}

bool ProjectionPage::projectAgain() { return m_player && projectPlayer(); }

void ProjectionPage::markLevelsInGrid()
{
    markLevels(m_controls.whatIfGrid, gridLevel(toCp1251(m_controls.schoolLevelEdit->text())),
               gridLevel(toCp1251(m_controls.coachLevelEdit->text())),
               m_player ? m_player->teamProduct : std::nullopt);
}

void ProjectionPage::setTrainingRate(const RateEstimate &estimate, bool ownTeamChosen)
{
    m_rate = estimate;
    m_ownTeamChosen = ownTeamChosen;
    showWeeksToNine();
}

void ProjectionPage::setLevels(int schoolLevel, int coachLevel)
{
    m_controls.schoolLevelEdit->setText(QString::number(schoolLevel));
    m_controls.coachLevelEdit->setText(QString::number(coachLevel));
}

void ProjectionPage::showWeeksToNine()
{
    QLabel *label = m_controls.weeksToNine;
    const std::optional<long double> talent = m_player ? parseDecimal(m_player->talent) : std::nullopt;
    const std::optional<long double> mastery = m_player ? parseDecimal(m_player->mastery) : std::nullopt;
    if (!talent || !mastery) {
        label->clear();
        return;
    }
    // The team's product where its growth gives one, else the levels in the edits.
    std::optional<int> product = m_player->teamProduct;
    QString whose = tr("по уровням команды из истории");
    if (!product) {
        const std::optional<int> school = gridLevel(toCp1251(m_controls.schoolLevelEdit->text()));
        const std::optional<int> coach = gridLevel(toCp1251(m_controls.coachLevelEdit->text()));
        if (!school || !coach) {
            label->setText(tr("Недель до 9: укажите оба уровня."));
            return;
        }
        product = *school * *coach;
        whose = tr("при уровнях %1×%2").arg(*school).arg(*coach);
    }
    const std::optional<int> steps =
        stepsToNine(talentThousandths(static_cast<double>(*talent)), *mastery, *product);
    label->setText(tr("Недель до 9 (%1): %2")
                       .arg(whose, weeksToNineText(steps, m_rate, m_ownTeamChosen,
                                                   m_player->pageDay.isValid() ? m_player->pageDay
                                                                               : QDate::currentDate(),
                                                   interfaceLocale())));
}
