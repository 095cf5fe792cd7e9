#include "app/main_page.h"

#include "catalogue/catalogue_selectors.h"
#include "export/division_file_name.h"
#include "export/export_file.h"
#include "export/list_exports.h"
#include "export/team_block.h"
#include "history/history_keeper.h"
#include "retrieval/page_fetch.h"
#include "retrieval/page_reader.h"
#include "settings/settings_dialog.h"
#include "text/code_page.h"
#include "view/roster_lists.h"
#include "view/roster_rows.h"
#include "view/summary_labels.h"
#include "view/text_table_model.h"
#include "widgets/arrow_pair.h"
#include "widgets/error_guard.h"
#include "widgets/messages.h"
#include "widgets/window_look.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTreeView>

namespace {

QString notChosen() { return MainPage::tr("Не выбрана команда."); }

TeamFetch notTaken(const std::string &whyNot)
{
    TeamFetch fetch;
    fetch.whyNot = QString::fromStdString(whyNot);
    return fetch;
}

} // namespace

MainPage::MainPage(const MainPageControls &controls, QWidget *window)
    : QObject(window), m_controls(controls), m_window(window),
      m_talentRows(new TextTableModel("RosterLists", talentListColumns)),
      m_abilitiesRows(new TextTableModel("RosterLists", abilitiesListColumns)),
      m_summary(std::make_unique<SummaryLabels>(controls.summaryValues)),
      m_selectors(std::make_unique<CatalogueSelectors>(
          controls.divisionBox, controls.teamBox,
          [](const QString &text) { messages().information(tr("Ошибка"), text); }))
{
    setUpReportList(m_controls.talentList, m_talentRows, {130, 100, 50, 50, 50, 50});
    setUpReportList(m_controls.abilitiesList, m_abilitiesRows,
                    {110, 32, 37, 45, 45, 45, 45, 45, 45, 45, 45, 45});
    m_controls.teamBox->setEditText(tr("Выберите дивизион"));
    wire();
    runGuarded([this] { m_selectors->load(); });
}

MainPage::~MainPage() = default;

void MainPage::wire()
{
    connect(m_controls.fetchButton, &QPushButton::clicked, this,
            [this] { runGuarded([this] { onFetchClicked(); }); });
    connect(m_controls.saveTextAction, &QAction::triggered, this,
            [this] { runGuarded([this] { saveTeamAsText(); }); });
    connect(m_controls.saveCsvAction, &QAction::triggered, this, [this] {
        runGuarded([this] {
            const ShownTable table = teamTableOnView();
            saveCsvFile(m_window, table.rows.empty(), [&] { return teamCsv(table); });
        });
    });
    connect(m_controls.copyForumAction, &QAction::triggered, this,
            [this] { runGuarded([this] { copyTeamForForum(teamTableOnView()); }); });
    connect(m_controls.divisionBox, &QComboBox::activated, this,
            [this] { runGuarded([this] { m_selectors->showTeamsOfChosenDivision(); }); });
    connect(m_controls.snapshotArrows, &ArrowPair::changing, this,
            [this](bool &allow) { runGuarded([&] { onSnapshotStep(allow); }); });
    connect(m_controls.stopButton, &QPushButton::clicked, this, &MainPage::stopFetching);
    for (QTreeView *list : {m_controls.talentList, m_controls.abilitiesList}) {
        enableRowCopy(list);
        list->header()->setSectionsClickable(true);
        connect(list->header(), &QHeaderView::sectionClicked, this, [this, list](int column) {
            runGuarded([&] { modelOf(list).sortByHeaderClick(m_sort, column); });
        });
    }
}

void MainPage::onFetchClicked()
{
    // The button is off while anything is under way; nothing waits to be replayed later either.
    if (isFetching())
        return;
    if (m_controls.wholeDivisionChoice->isChecked()) {
        startDivisionRun();
        return;
    }
    const std::optional<int32_t> team = m_selectors->chosenTeam();
    if (!team) {
        messages().information(tr("Ошибка"), notChosen());
        return;
    }
    fetchTeam(*team, m_controls.talentChoice->isChecked() ? PageKind::Talent : PageKind::Abilities);
}

void MainPage::fetchTeam(int32_t teamId, PageKind kind)
{
    const ProxyChoice proxy = m_settings ? m_settings->proxyChoice() : ProxyChoice{};
    m_fetch = std::make_unique<PageFetcher>(teamId, kind, pageRoute(proxy), m_timeouts);
    connect(m_fetch.get(), &PageFetcher::finished, this, [this, teamId, kind](const FetchResult &fetched) {
        runGuarded([&] { onSingleFetched(teamId, kind, fetched); });
    });
    setFetching(true);
    m_fetch->start();
}

void MainPage::onSingleFetched(int32_t teamId, PageKind kind, const FetchResult &fetched)
{
    // The fetcher is still telling its result: let it go once the event loop has it back.
    m_fetch.release()->deleteLater();
    setFetching(false);
    tellUnread(takeFetch(teamId, kind, fetched, true));
}

void MainPage::tellUnread(const TeamFetch &taken)
{
    if (taken.badCell)
        std::rethrow_exception(taken.badCell);
    if (taken.foreignPage)
        messages().information(QStringLiteral(":/"),
                               tr("Страница не распознана: в ней нет названия команды."));
}

void MainPage::setFetching(bool fetching)
{
    m_controls.fetchButton->setEnabled(!fetching);
    m_controls.stopButton->setVisible(fetching);
    m_controls.divisionProgress->setVisible(fetching && m_run);
}

void MainPage::stopFetching()
{
    if (m_run) {
        m_run->stop();
        return;
    }
    if (m_fetch) {
        m_fetch->abort();
        m_fetch.release()->deleteLater();
        setFetching(false);
    }
}

void MainPage::abandonFetching()
{
    if (m_run)
        m_run->abandon();
    if (m_fetch)
        m_fetch->abort();
}

TeamFetch MainPage::takeFetch(int32_t teamId, PageKind kind, const FetchResult &fetched, bool tell)
{
    countBytes(fetched.lastPageBytes, fetched.sessionBytes);
    const FetchedPage page = readFetchedPage(fetched, kind);
    if (!fetched.read) {
        if (tell)
            messages().information(QStringLiteral(":/"), QString::fromStdString(fetched.failureText));
        return notTaken(page.whyNot);
    }
    if (page.notice) {
        if (tell)
            messages().information(QString::fromStdString(page.notice->caption),
                                   QString::fromStdString(page.notice->text));
        return notTaken(page.whyNot);
    }
    TeamFetch shown = showPage(teamId, kind, page.reading);
    if (shown.read && m_keeper && m_settings && m_settings->historyOptions().keep)
        shown.historyProblem = m_keeper->keep(teamId, kind, fetched.body, page.reading);
    if (tell && !shown.historyProblem.isEmpty())
        messages().information(tr("История"), shown.historyProblem);
    return shown;
}

TeamFetch MainPage::showPage(int32_t teamId, PageKind kind, const PageReading &reading, int64_t storedFetchId,
                             const QDateTime &storedAt)
{
    // A reply without a team name is not a roster page: nothing of it is shown or kept.
    if (reading.summary.name.empty()) {
        TeamFetch foreign = notTaken(readingFault(reading));
        foreign.foreignPage = true;
        return foreign;
    }
    showSummary(reading.summary);
    if (storedFetchId != 0)
        m_storedTimes[storedFetchId] = storedAt;
    showStoredTime(storedFetchId); // the summary on view is this page's, whatever comes of its rows
    const TakenPage taken =
        m_snapshots.take(teamId, reading.summary, kind, reading.talents, reading.abilities, storedFetchId);
    if (taken.newSnapshot) {
        m_controls.snapshotArrows->setEnabled(m_snapshots.count() >= 2);
        m_controls.snapshotArrows->setMaximum(m_snapshots.count() - 1);
    }
    if (!taken.team->hasPlayersOf(kind) && !reading.rows.empty() && !reading.converted()) {
        // The rows up to the bad cell stay on view as cut; the snapshot keeps none of them.
        std::vector<std::vector<std::string>> cut;
        for (const RawRow &row : reading.rows)
            cut.push_back(row.cells);
        (kind == PageKind::Talent ? m_talentRows : m_abilitiesRows)->setRows(std::move(cut));
        {
            TeamFetch bad = notTaken(readingFault(reading));
            bad.badCell = reading.failure;
            return bad;
        }
    }
    // The view always ends showing one snapshot, so the labels and lists never mix two teams.
    showSnapshot(*taken.team);
    TeamFetch shown;
    shown.read = true;
    shown.team = taken.team;
    return shown;
}

void MainPage::showSummary(const TeamSummary &summary)
{
    m_summaryOnView = summary;
    m_summary->show(summary);
}

void MainPage::showStoredTime(int64_t storedFetchId)
{
    // With the team, not in its summary: the export takes the summary and stays as it was.
    const auto stored = m_storedTimes.find(storedFetchId);
    m_storedAtOnView = stored != m_storedTimes.end() ? stored->second : QDateTime();
    m_controls.storedFetchLabel->setVisible(stored != m_storedTimes.end());
    if (stored != m_storedTimes.end())
        m_controls.storedFetchLabel->setText(
            tr("Из истории: %1")
                .arg(stored->second.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"))));
}

void MainPage::showSnapshot(const TeamSnapshot &team)
{
    m_teamOnView = team.teamId;
    showStoredTime(team.storedFetchId);
    showSummary(team.summary);
    m_talentRows->setRows(talentListRows(team.talents));
    m_abilitiesRows->setRows(abilitiesListRows(team.abilities));
}

void MainPage::countBytes(int64_t lastPage, int64_t added)
{
    m_sessionBytes += added;
    m_controls.lastPageBytes->setText(QString::number(lastPage));
    m_controls.sessionBytes->setText(QString::number(m_sessionBytes));
}

void MainPage::onSnapshotStep(bool &allowChange)
{
    allowChange = true;
    const int position = m_controls.snapshotArrows->position();
    if (position >= 0 && position < m_snapshots.count())
        showSnapshot(m_snapshots.at(position));
}

PageKind MainPage::kindOfOpenTab() const
{
    return m_controls.listTabs->currentIndex() == 0 ? PageKind::Talent : PageKind::Abilities;
}

TextTableModel &MainPage::rowsOfOpenTab() const
{
    return kindOfOpenTab() == PageKind::Talent ? *m_talentRows : *m_abilitiesRows;
}

void MainPage::saveTeamOnView(const QString &fileName)
{
    const TextTableModel &rows = rowsOfOpenTab();
    if (rows.rowCount() == 0)
        return;
    const ExportView view{m_summaryOnView, kindOfOpenTab(), rows.rows()};
    appendToFile(fileName, buildTeamBlock(view, m_settings ? m_settings->exportOptions() : ExportOptions{}));
}

void MainPage::saveTeamAsText()
{
    const QString fileName =
        askExportFileName(m_window, rowsOfOpenTab().rowCount() == 0,
                          QT_TRANSLATE_NOOP("ListExports", "Текстовый файл (*.txt)"), QStringLiteral("txt"));
    if (fileName.isEmpty())
        return;
    // Like the file dialog of old, the chosen folder becomes the working directory.
    QDir::setCurrent(QFileInfo(fileName).absolutePath());
    saveTeamOnView(QFileInfo(fileName).absoluteFilePath());
}

void MainPage::startDivisionRun()
{
    if (m_selectors->teamCount() == 0) {
        messages().information(tr("Ошибка"), notChosen());
        return;
    }
    // The run belongs to the division, the page kind and the options it starts with.
    std::vector<DivisionRun::Team> teams;
    teams.reserve(static_cast<size_t>(m_selectors->teamCount()));
    for (int i = 0; i < m_selectors->teamCount(); ++i)
        teams.push_back({m_selectors->teamIdAt(i), m_selectors->teamNameAt(i)});
    const PageKind kind = m_controls.talentChoice->isChecked() ? PageKind::Talent : PageKind::Abilities;
    DivisionRun::Hooks hooks;
    hooks.take = [this](int32_t teamId, PageKind pageKind, const FetchResult &fetched) {
        return takeFetch(teamId, pageKind, fetched, false);
    };
    hooks.countDropped = [this](const FetchResult &fetched) {
        countBytes(fetched.lastPageBytes, fetched.sessionBytes);
    };
    // The date is taken for every block, as a run over midnight always did.
    hooks.blockFile = [divisionName = m_selectors->chosenDivisionName()] {
        return divisionFileName(QDate::currentDate(), QLocale::system(), divisionName);
    };
    m_run = std::make_unique<DivisionRun>(
        std::move(teams), kind, m_settings ? m_settings->exportOptions() : ExportOptions{},
        m_settings ? m_settings->proxyChoice() : ProxyChoice{}, m_timeouts, std::move(hooks));
    connect(m_run.get(), &DivisionRun::progressed, m_controls.divisionProgress, &QProgressBar::setValue);
    connect(m_run.get(), &DivisionRun::finished, this,
            [this](const QString &message) { runGuarded([&] { onRunFinished(message); }); });
    m_controls.listTabs->setCurrentIndex(kind == PageKind::Talent ? 0 : 1);
    m_controls.divisionProgress->setRange(0, m_selectors->teamCount());
    m_controls.divisionProgress->setValue(0);
    setFetching(true);
    m_run->start();
}

void MainPage::onRunFinished(const QString &message)
{
    m_run.release()->deleteLater();
    setFetching(false);
    if (!message.isEmpty())
        messages().information(QStringLiteral(":/"), message);
}

ShownTable MainPage::teamTableOnView() const
{
    ShownTable table = shownTable(rowsOfOpenTab());
    table.teamName = m_summaryOnView.name;
    table.division = m_summaryOnView.division;
    return table;
}
