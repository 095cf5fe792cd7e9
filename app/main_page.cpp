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
#include "ui_main_window.h"
#include "view/roster_lists.h"
#include "view/summary_labels.h"
#include "widgets/error_guard.h"
#include "widgets/messages.h"
#include "widgets/window_look.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QProgressBar>
#include <QScopeGuard>

namespace {

QString notChosen() { return MainPage::tr("Не выбрана команда."); }

} // namespace

MainPage::MainPage(Ui::TForm1 &ui, QWidget *window)
    : QObject(window), m_ui(ui), m_window(window),
      m_summary(std::make_unique<SummaryLabels>(std::array<QLabel *, 12>{
          ui.TeamVal, ui.IDval, ui.Manval, ui.RangVal, ui.CityVal, ui.StadVal, ui.DivVal, ui.MoneyVal,
          ui.PlayersVal, ui.CoSPVal, ui.PowerVal, ui.VisRatVal})),
      m_selectors(std::make_unique<CatalogueSelectors>(ui.ComboBox1, ui.ComboBox2, [](const QString &text) {
          messages().information(tr("Ошибка"), text);
      }))
{
    setupRosterLists(m_ui.ListView1, m_ui.ListView2);
    m_ui.ComboBox2->setEditText(tr("Выберите дивизион"));
    wire();
    runGuarded([this] { m_selectors->load(); });
}

MainPage::~MainPage() = default;

void MainPage::wire()
{
    connect(m_ui.Button1, &QPushButton::clicked, this, [this] { runGuarded([this] { onFetchClicked(); }); });
    connect(m_ui.N2, &QAction::triggered, this, [this] { runGuarded([this] { saveTeamAsText(); }); });
    connect(m_ui.exportCsvAction, &QAction::triggered, this, [this] {
        runGuarded([this] {
            const ShownTable table = teamTableOnView();
            saveCsvFile(m_window, table.rows.empty(), [&] { return teamCsv(table); });
        });
    });
    connect(m_ui.copyForumAction, &QAction::triggered, this,
            [this] { runGuarded([this] { copyTeamForForum(teamTableOnView()); }); });
    connect(m_ui.ComboBox1, &QComboBox::activated, this,
            [this] { runGuarded([this] { m_selectors->showTeamsOfChosenDivision(); }); });
    connect(m_ui.UpDown1, &TUpDown::changing, this,
            [this](bool &allow) { runGuarded([&] { onHistoryStep(allow); }); });
    for (QTreeWidget *list : {m_ui.ListView1, m_ui.ListView2, m_ui.ListView3})
        enableRowCopy(list);
    for (QTreeWidget *list : {m_ui.ListView1, m_ui.ListView2}) {
        list->header()->setSectionsClickable(true);
        connect(list->header(), &QHeaderView::sectionClicked, this,
                [this, list](int column) { runGuarded([&] { sortListByColumn(list, m_sort, column); }); });
    }
}

void MainPage::onFetchClicked()
{
    if (m_ui.Cdivision->isChecked()) {
        runDivision();
        return;
    }
    const std::optional<int32_t> team = m_selectors->chosenTeam();
    if (!team) {
        messages().information(tr("Ошибка"), notChosen());
        return;
    }
    fetchTeam(*team, m_ui.RadioTal->isChecked() ? PageKind::Talent : PageKind::Abilities);
}

bool MainPage::fetchTeam(int32_t teamId, PageKind kind)
{
    const TeamFetch fetched = fetchAndShow(teamId, kind);
    if (fetched.badCell)
        std::rethrow_exception(fetched.badCell);
    if (fetched.foreignPage)
        messages().information(QStringLiteral(":/"),
                               tr("Страница не распознана: в ней нет названия команды."));
    return fetched.read;
}

TeamFetch MainPage::fetchAndShow(int32_t teamId, PageKind kind)
{
    m_ui.Button1->setEnabled(false);
    const auto enableAgain = qScopeGuard([this] { m_ui.Button1->setEnabled(true); });
    const ProxyChoice proxy = m_settings ? m_settings->proxyChoice() : ProxyChoice{};
    FetchResult fetched;
    {
        const WaitCursor waiting;
        fetched = fetchPage(teamId, kind, proxy, m_timeouts);
    }
    countBytes(fetched.lastPageBytes, fetched.sessionBytes);
    const FetchedPage page = readFetchedPage(fetched, kind);
    if (!fetched.read) {
        messages().information(QStringLiteral(":/"), QString::fromStdString(fetched.failureText));
        return {false, QString::fromStdString(page.whyNot), nullptr, false};
    }
    if (page.notice) {
        messages().information(QString::fromStdString(page.notice->caption),
                               QString::fromStdString(page.notice->text));
        return {false, QString::fromStdString(page.whyNot), nullptr, false};
    }
    TeamFetch shown = showPage(teamId, kind, page.reading);
    if (shown.read && m_keeper && m_settings && m_settings->historyOptions().keep) {
        if (const QString problem = m_keeper->keep(teamId, kind, fetched.body, page.reading);
            !problem.isEmpty())
            messages().information(tr("История"), problem);
    }
    return shown;
}

TeamFetch MainPage::showPage(int32_t teamId, PageKind kind, const PageReading &reading, int64_t storedFetchId)
{
    // A reply without a team name is not a roster page: nothing of it is shown or kept.
    if (reading.summary.Name.empty())
        return {false, QString::fromStdString(readingFault(reading)), nullptr, true};
    m_summary->show(reading.summary);
    const KeptPage kept = keepInHistory(m_history, teamId, m_summary->onView(), kind, reading, storedFetchId);
    if (kept.newSnapshot) {
        m_ui.UpDown1->setEnabled(m_history.TeamCount >= 2);
        m_ui.UpDown1->setMaximum(m_history.TeamCount - 1);
    }
    const bool listFilled = (kind == PageKind::Talent ? kept.team->TalCount : kept.team->SkillCount) > 0;
    if (!listFilled && !reading.rows.empty() && !reading.converted()) {
        // The rows up to the bad cell stay on view as cut; the snapshot keeps none of them.
        QTreeWidget *list = kind == PageKind::Talent ? m_ui.ListView1 : m_ui.ListView2;
        list->clear();
        for (const RawRow &row : reading.rows)
            appendListRow(list, row.cells);
        return {false, QString::fromStdString(readingFault(reading)), reading.failure, false};
    }
    // The view always ends showing one snapshot, so the labels and lists never mix two teams.
    showSnapshot(*kept.team);
    return {true, {}, nullptr, false};
}

void MainPage::showSnapshot(const CTeam &team)
{
    m_teamOnView = team.TeamId;
    m_summary->show(team.summary());
    showSnapshotLists(m_ui.ListView1, m_ui.ListView2, team);
}

void MainPage::countBytes(int64_t lastPage, int64_t added)
{
    m_sessionBytes += added;
    m_ui.Label1->setText(QString::number(lastPage));
    m_ui.Label4->setText(QString::number(m_sessionBytes));
}

void MainPage::onHistoryStep(bool &allowChange)
{
    allowChange = true;
    const int position = m_ui.UpDown1->position();
    if (position >= 0 && position < m_history.TeamCount)
        showSnapshot(m_history.at(position));
}

QTreeWidget *MainPage::listOfOpenTab() const
{
    return m_ui.PageControl1->currentIndex() == 0 ? m_ui.ListView1 : m_ui.ListView2;
}

void MainPage::saveTeamOnView(const QString &fileName)
{
    QTreeWidget *list = listOfOpenTab();
    if (list->topLevelItemCount() == 0)
        return;
    const ExportView view{m_summary->onView(),
                          list == m_ui.ListView1 ? PageKind::Talent : PageKind::Abilities, listRows(list)};
    appendToFile(fileName, buildTeamBlock(view, m_settings ? m_settings->exportOptions() : ExportOptions{}));
}

void MainPage::saveTeamAsText()
{
    const QString fileName = askExportFileName(m_window, listOfOpenTab()->topLevelItemCount() == 0,
                                               QStringLiteral("Text file (*.txt)"), QStringLiteral("txt"));
    if (fileName.isEmpty())
        return;
    // Like the file dialog of old, the chosen folder becomes the working directory.
    QDir::setCurrent(QFileInfo(fileName).absolutePath());
    saveTeamOnView(QFileInfo(fileName).absoluteFilePath());
}

void MainPage::runDivision()
{
    if (m_selectors->teamCount() == 0) {
        messages().information(tr("Ошибка"), notChosen());
        return;
    }
    QProgressBar *progress = m_ui.ProgressBar1;
    progress->setRange(0, m_selectors->teamCount());
    progress->setValue(0);
    progress->setVisible(true);
    const auto hide = qScopeGuard([progress] { progress->setVisible(false); });
    // The choices are read afresh for every team: a division chosen while a message box is open applies
    // to the rest of the run. A team that was not read is left out and the run goes on.
    QStringList leftOut;
    for (int i = 0; i < m_selectors->teamCount(); ++i) {
        const QString name = m_selectors->teamNameAt(i);
        const PageKind kind = m_ui.RadioTal->isChecked() ? PageKind::Talent : PageKind::Abilities;
        m_ui.PageControl1->setCurrentIndex(kind == PageKind::Talent ? 0 : 1);
        const TeamFetch fetched = fetchAndShow(m_selectors->teamIdAt(i), kind);
        if (fetched.read)
            saveTeamOnView(
                divisionFileName(QDate::currentDate(), QLocale::system(), m_selectors->chosenDivisionName()));
        else
            leftOut << name + QStringLiteral(": ") + fetched.whyNot;
        progress->setValue(i + 1);
        // The window is not otherwise repainted while the run holds it.
        progress->repaint();
    }
    if (!leftOut.isEmpty())
        messages().information(QStringLiteral(":/"), tr("Не сохранены команды (%1):\n").arg(leftOut.size()) +
                                                         leftOut.join(QLatin1Char('\n')));
}

ShownTable MainPage::teamTableOnView() const
{
    ShownTable table = shownTable(listOfOpenTab());
    table.teamName = toCp1251(m_ui.TeamVal->text());
    table.division = toCp1251(m_ui.DivVal->text());
    return table;
}
