#include "history/history_page.h"

#include "analysis/growth_texts.h"
#include "history/fetch_comparison.h"
#include "history/fetch_texts.h"
#include "history/growth_history.h"
#include "history/history_store.h"
#include "history/player_chart.h"
#include "text/code_page.h"
#include "text/interface_language.h"
#include "view/roster_lists.h"
#include "view/text_table_model.h"
#include "widgets/error_guard.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QThread>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int sortKeyRole = Qt::UserRole;

QTreeView *reportList(const char *objectName, QAbstractItemModel *model, const std::vector<int> &widths,
                      QWidget *parent)
{
    auto *list = new QTreeView(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    setUpReportList(list, model, widths);
    return list;
}

QString shownTime(const QDateTime &utc)
{
    return utc.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

// "пришёл", "ушёл" or a list column's name, in the user's language.
QString changeName(const std::string &change)
{
    const QString name = fromCp1251(change);
    if (name == QStringLiteral("пришёл"))
        return HistoryPage::tr("пришёл");
    if (name == QStringLiteral("ушёл"))
        return HistoryPage::tr("ушёл");
    return QCoreApplication::translate("RosterLists", name.toUtf8().constData());
}

// What the label above the changes says until two fetches are compared.
QString comparisonHint()
{
    return HistoryPage::tr("Выберите две загрузки одной страницы и нажмите «Сравнить».");
}

QString kindName(PageKind kind)
{
    return kind == PageKind::Talent ? HistoryPage::tr("Талант") : HistoryPage::tr("Умения");
}

} // namespace

// The stored teams, each column sorting by what it holds: names in the user's language's order, counts
// as numbers, the latest fetch as a time.
class StoredTeamsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTeams(std::vector<StoredTeam> teams)
    {
        beginResetModel();
        m_teams = std::move(teams);
        endResetModel();
    }
    const StoredTeam &team(int row) const { return m_teams.at(static_cast<size_t>(row)); }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_teams.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 4; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != sortKeyRole))
            return {};
        const StoredTeam &team = m_teams[static_cast<size_t>(index.row())];
        switch (index.column()) {
        case 0:
            return fromCp1251(team.name);
        case 1:
            return fromCp1251(team.division);
        case 2:
            return role == sortKeyRole ? QVariant(team.fetchCount)
                                       : QVariant(QString::number(team.fetchCount));
        default:
            return role == sortKeyRole ? QVariant(team.latest) : QVariant(shownTime(team.latest));
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        const QString captions[] = {HistoryPage::tr("Команда"), HistoryPage::tr("Дивизион"),
                                    HistoryPage::tr("Загрузок"), HistoryPage::tr("Последняя")};
        return section >= 0 && section < 4 ? captions[section] : QVariant();
    }

private:
    std::vector<StoredTeam> m_teams;
};

HistoryPage::HistoryPage(QWidget *parent)
    : QWidget(parent), m_teamRows(new StoredTeamsModel(this)), m_teamOrder(new QSortFilterProxyModel(this)),
      m_fetchRows(new TextTableModel(
          "HistoryPage",
          {QT_TRANSLATE_NOOP("HistoryPage", "Дата"), QT_TRANSLATE_NOOP("HistoryPage", "Страница"),
           QT_TRANSLATE_NOOP("HistoryPage", "Игроков"), QT_TRANSLATE_NOOP("HistoryPage", "Изменения")},
          this)),
      m_changeRows(new TextTableModel(
          "HistoryPage",
          {QT_TRANSLATE_NOOP("HistoryPage", "Игрок"), QT_TRANSLATE_NOOP("HistoryPage", "Изменение"),
           QT_TRANSLATE_NOOP("HistoryPage", "Было"), QT_TRANSLATE_NOOP("HistoryPage", "Стало")},
          this)),
      m_teams(reportList("historyTeams", m_teamOrder, {130, 100, 55, 100}, this)),
      m_fetches(reportList("historyFetches", m_fetchRows, {100, 60, 55, 80}, this)),
      m_changes(reportList("historyChanges", m_changeRows, {105, 62, 45, 45}, this)),
      m_show(new QPushButton(tr("Показать"), this)), m_compare(new QPushButton(tr("Сравнить"), this)),
      m_compared(new QLabel(this)), m_notice(new QLabel(this)), m_chart(new PlayerChart(this)),
      m_rateLabel(new QLabel(this)), m_levelsLabel(new QLabel(this)),
      m_accuracyRows(new TextTableModel(
          "HistoryPage",
          {QT_TRANSLATE_NOOP("HistoryPage", "Прогноз"), QT_TRANSLATE_NOOP("HistoryPage", "Случаев"),
           QT_TRANSLATE_NOOP("HistoryPage", "Ошибка, средняя"), QT_TRANSLATE_NOOP("HistoryPage", "90 %")},
          this)),
      m_accuracy(reportList("accuracyView", m_accuracyRows, {100, 60, 100, 60}, this)),
      m_checkAccuracy(new QPushButton(tr("Проверить прогнозы по истории"), this))
{
    m_rateLabel->setObjectName(QStringLiteral("trainingRateLabel"));
    m_levelsLabel->setObjectName(QStringLiteral("historyTeamLevels"));
    m_checkAccuracy->setObjectName(QStringLiteral("accuracyButton"));
    for (QLabel *label : {m_rateLabel, m_levelsLabel}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    m_accuracy->setSortingEnabled(false);
    // Four lines and the header: no room taken from the lists above.
    m_accuracy->setMaximumHeight(m_accuracy->header()->sizeHint().height() * 6);
    m_show->setObjectName(QStringLiteral("historyShowButton"));
    m_compare->setObjectName(QStringLiteral("historyCompareButton"));
    m_compared->setObjectName(QStringLiteral("historyComparison"));
    m_notice->setObjectName(QStringLiteral("historyNotice"));
    for (QLabel *label : {m_compared, m_notice}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    m_notice->hide();
    m_compared->setText(comparisonHint());
    m_teamOrder->setSourceModel(m_teamRows);
    m_teamOrder->setSortRole(sortKeyRole);
    m_teamOrder->setSortLocaleAware(true);
    m_teams->setSortingEnabled(true);
    m_teams->sortByColumn(0, Qt::AscendingOrder);
    m_teams->setSelectionMode(QAbstractItemView::SingleSelection); // one team at a time
    // The name column's width is measured on the rows around those in sight, not on a thousand: over
    // a whole game's teams that measuring took longer than reading them.
    m_teams->header()->setResizeContentsPrecision(100);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_notice, 0, 0, 1, 4);
    layout->addWidget(m_teams, 1, 0, 1, 2);
    layout->addWidget(m_fetches, 2, 0, 1, 2);
    layout->addWidget(m_show, 3, 0);
    layout->addWidget(m_compare, 3, 1);
    // What was compared, above what changed.
    auto *comparison = new QVBoxLayout;
    comparison->addWidget(m_compared);
    comparison->addWidget(m_changes, 1);
    layout->addLayout(comparison, 1, 2, 3, 1);
    layout->addWidget(m_chart, 1, 3, 3, 1);
    // What the growth says: the own team's pace and the chosen team's levels, beside how right the
    // projections from past fetches came out.
    auto *growth = new QVBoxLayout;
    growth->addWidget(m_rateLabel);
    growth->addWidget(m_levelsLabel);
    growth->addStretch();
    layout->addLayout(growth, 4, 0, 1, 2);
    auto *accuracy = new QVBoxLayout;
    accuracy->addWidget(m_checkAccuracy, 0, Qt::AlignLeft);
    accuracy->addWidget(m_accuracy);
    layout->addLayout(accuracy, 4, 2, 1, 2);
    // The lists take the height; the growth's lines only what they need.
    layout->setRowStretch(1, 2);
    layout->setRowStretch(2, 3);
    // Every list and the chart take their share of a wider window; the teams' list most, its four
    // columns being the widest.
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    layout->setColumnStretch(2, 4);
    layout->setColumnStretch(3, 4);

    connect(m_teams->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { guarded([this] { showFetchesOfChosenTeam(); }); });
    connect(m_compare, &QPushButton::clicked, this, [this] { guarded([this] { compareChosenFetches(); }); });
    connect(m_checkAccuracy, &QPushButton::clicked, this, [this] { checkAccuracy(); });
    connect(m_changes->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { guarded([this] { chartChosenChange(); }); });
    connect(m_show, &QPushButton::clicked, this, [this] {
        const std::vector<int> chosen = chosenRows(m_fetches);
        if (chosen.size() == 1)
            Q_EMIT showFetchRequested(m_fetchRows->tag(chosen.front()));
        else
            Q_EMIT problem(tr("Выберите одну загрузку."));
    });
}

void HistoryPage::guarded(const std::function<void()> &step)
{
    // A history that fails is told as a notice; anything else gets the error box.
    runGuarded([&] {
        try {
            step();
        } catch (const AppError &e) {
            Q_EMIT problem(fromCp1251(e.what()));
        }
    });
}

HistoryPage::~HistoryPage()
{
    if (m_accuracyRun)
        m_accuracyRun->wait();
}

void HistoryPage::setStore(HistoryStore *store)
{
    m_store = store;
    refresh();
    estimateTrainingRate();
}

void HistoryPage::setOwnTeam(const OwnTeam &own)
{
    m_own = own;
    estimateTrainingRate();
}

void HistoryPage::estimateTrainingRate()
{
    m_rate = {};
    guarded([this] {
        if (m_store)
            m_rate = ownTrainingRate(*m_store, m_own);
    });
    m_rateLabel->setText(trainingRateText(m_rate, m_own.teamId != 0, interfaceLocale()));
    Q_EMIT trainingRateChanged();
}

void HistoryPage::showTeamLevels(const std::vector<StoredPage> &pages)
{
    if (pages.empty()) {
        m_levelsLabel->clear();
        return;
    }
    const TeamTracks team = tracksOfPages(pages);
    const QString fit = m_rate.verdict == RateVerdict::Estimated
                            ? levelFitText(inferLevelProduct(spansOf(team), m_rate.rate, team.observedWeeks))
                            : tr("нужен темп тренировок своей команды");
    m_levelsLabel->setText(tr("Уровни школы и тренера (Ш×Т) по росту игроков: %1").arg(fit));
}

void HistoryPage::checkAccuracy()
{
    if (!m_store || m_accuracyRun)
        return;
    if (m_rate.verdict != RateVerdict::Estimated) {
        Q_EMIT problem(tr("Проверить прогнозы можно, когда оценён темп тренировок своей команды."));
        return;
    }
    struct Outcome {
        HistoryAccuracy accuracy;
        QString failure;
    };
    auto outcome = std::make_shared<Outcome>();
    const QString path = m_store->path();
    const OwnTeam own = m_own;
    const TrainingRate rate = m_rate.rate;
    m_accuracyRun = QThread::create([outcome, path, own, rate] {
        HistoryStore store;
        const HistoryOutcome opened = store.open(path);
        if (!opened.ok) {
            outcome->failure = opened.message;
            return;
        }
        try {
            outcome->accuracy = historyAccuracy(store, own, rate);
        } catch (const AppError &e) {
            outcome->failure = fromCp1251(e.what());
        }
    });
    m_checkAccuracy->setEnabled(false);
    m_checkAccuracy->setText(tr("Проверяю…"));
    connect(m_accuracyRun, &QThread::finished, this, [this, outcome] {
        m_accuracyRun->deleteLater();
        m_accuracyRun = nullptr;
        m_checkAccuracy->setEnabled(true);
        m_checkAccuracy->setText(tr("Проверить прогнозы по истории"));
        if (!outcome->failure.isEmpty()) {
            Q_EMIT problem(outcome->failure);
            return;
        }
        std::vector<std::vector<std::string>> rows;
        for (const AccuracyLine &line : accuracyLines(outcome->accuracy.accuracy, interfaceLocale()))
            rows.push_back({toCp1251(line.horizon), std::to_string(line.count), toCp1251(line.mean),
                            toCp1251(line.p90)});
        m_accuracyRows->setRows(std::move(rows));
    });
    m_accuracyRun->start();
}

int32_t HistoryPage::chosenTeam() const
{
    const int row = currentChosenRow(m_teams);
    if (row < 0)
        return 0;
    return m_teamRows->team(m_teamOrder->mapToSource(m_teamOrder->index(row, 0)).row()).teamId;
}

void HistoryPage::chooseTeam(int32_t teamId)
{
    for (int row = 0; row < m_teamRows->rowCount(); ++row)
        if (m_teamRows->team(row).teamId == teamId)
            m_teams->setCurrentIndex(m_teamOrder->mapFromSource(m_teamRows->index(row, 0)));
}

void HistoryPage::refresh()
{
    guarded([this] {
        const int32_t chosen = chosenTeam();
        m_teamRows->setTeams(m_store ? m_store->teams() : std::vector<StoredTeam>{});
        // Whole team names where the window has room; never narrower than the column started.
        const QAbstractItemView *teams = m_teams; // where the measure is public
        m_teams->setColumnWidth(0, std::max(m_teams->columnWidth(0), teams->sizeHintForColumn(0)));
        if (chosen != 0)
            chooseTeam(chosen);
    });
}

void HistoryPage::setNotice(const QString &text)
{
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

void HistoryPage::showFetchesOfChosenTeam()
{
    clearComparison();
    const int32_t team = chosenTeam();
    const std::vector<StoredPage> pages =
        m_store && team != 0 ? m_store->pagesOf(team) : std::vector<StoredPage>{};
    showTeamLevels(pages);
    const std::vector<QString> timeTexts = fetchTimeTexts(pages);
    const std::vector<std::optional<ChangeCounts>> counts = changesSinceEarlier(pages);
    std::vector<std::vector<std::string>> rows;
    std::vector<int64_t> ids;
    m_fetchTimes.clear();
    for (size_t i = 0; i < pages.size(); ++i) {
        m_fetchTimes[pages[i].id] = timeTexts[i];
        rows.push_back({toCp1251(timeTexts[i]), toCp1251(kindName(pages[i].kind)),
                        std::to_string(pages[i].playerCount()),
                        counts[i] ? toCp1251(changeCountsText(*counts[i])) : std::string()});
        ids.push_back(pages[i].id);
    }
    m_fetchRows->setRows(std::move(rows), std::move(ids));
    // Whole times, seconds included, and whole counts; never narrower than the columns started.
    const QAbstractItemView *fetches = m_fetches; // where the measure is public
    for (const int column : {0, 3})
        m_fetches->setColumnWidth(
            column, std::max(m_fetches->columnWidth(column), fetches->sizeHintForColumn(column)));
}

void HistoryPage::clearComparison()
{
    m_changeRows->clear();
    m_changesShown.clear();
    m_compared->setText(comparisonHint());
    m_chart->clear();
}

void HistoryPage::compareChosenFetches()
{
    const std::vector<int> chosen = chosenRows(m_fetches);
    std::optional<StoredPage> pages[2];
    if (chosen.size() == 2 && m_store) {
        // Newest first in the list: the lower row is the older fetch.
        pages[0] = m_store->page(m_fetchRows->tag(chosen[1]));
        pages[1] = m_store->page(m_fetchRows->tag(chosen[0]));
    }
    if (!pages[0] || !pages[1] || pages[0]->kind != pages[1]->kind) {
        // Nothing of an earlier comparison stays on view as if it answered this one.
        clearComparison();
        Q_EMIT problem(tr("Выберите две загрузки одной страницы: «Талант» или «Умения»."));
        return;
    }
    clearComparison();
    m_changesShown = compareFetches(*pages[0], *pages[1]);
    m_comparedTeam = pages[1]->teamId;
    const QString span = comparedSpanText(m_fetchTimes[pages[0]->id], pages[0]->fetchedAt,
                                          m_fetchTimes[pages[1]->id], pages[1]->fetchedAt);
    m_compared->setText(m_changesShown.empty() ? span + QStringLiteral(" — ") + tr("Без изменений") : span);
    std::vector<std::vector<std::string>> rows;
    for (const FetchChange &change : m_changesShown)
        rows.push_back({change.player, toCp1251(changeName(change.change)), change.before, change.after});
    m_changeRows->setRows(std::move(rows));
}

void HistoryPage::chartChosenChange()
{
    const int row = currentChosenRow(m_changes);
    if (row < 0)
        return;
    const FetchChange &change = m_changesShown.at(static_cast<size_t>(row));
    chartPlayer(m_comparedTeam, change.player, change.country);
}

void HistoryPage::showPlayer(int32_t teamId, const std::string &name, const std::string &country)
{
    refresh();
    chooseTeam(teamId);
    guarded([&] { chartPlayer(teamId, name, country); });
}

void HistoryPage::chartPlayer(int32_t teamId, const std::string &name, const std::string &country)
{
    m_chart->showPlayer(
        fromCp1251(name),
        planPlayerChart(m_store ? m_store->playerSeries(teamId, name, country) : std::vector<SeriesPoint>{}));
}
