#include "app/main_window.h"

#include "analysis/projection_page.h"
#include "analysis/talent_projection.h"
#include "app/about_dialog.h"
#include "app/history_start.h"
#include "app/watch_wiring.h"
#include "board/board_page.h"
#include "catalogue/catalogue_selectors.h"
#include "export/list_exports.h"
#include "history/growth_history.h"
#include "history/history_keeper.h"
#include "history/history_page.h"
#include "history/reread_progress.h"
#include "history/search_page.h"
#include "retrieval/page_reader.h"
#include "settings/settings_dialog.h"
#include "text/code_page.h"
#include "ui_main_window.h"
#include "view/roster_lists.h"
#include "view/text_table_model.h"
#include "widgets/error_guard.h"
#include "widgets/messages.h"
#include "widgets/window_look.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>()),
      m_keeper(std::make_shared<HistoryKeeper>())
{
    setFont(windowFont());
    m_ui->setupUi(this);
    // The form's members carry the object names, the outside contract; this code goes by what they are.
    m_controls.exitAction = m_ui->N4;
    m_controls.settingsAction = m_ui->N5;
    m_controls.aboutAction = m_ui->About1;
    m_controls.projectionAction = m_ui->alant1;
    m_controls.mainMenu = m_ui->MainMenu1;
    m_controls.talentList = m_ui->ListView1;
    m_controls.topTabs = m_ui->PageControl2;
    m_controls.listTabs = m_ui->PageControl1;
    m_controls.divisionBox = m_ui->ComboBox1;
    // The starting size; the layouts take whatever the user makes of it.
    resize(796, 329 + m_controls.mainMenu->sizeHint().height());
    centreOnScreen(this);

    m_main = new MainPage(mainPageControls(), this);
    m_projection = new ProjectionPage({m_ui->ListView3, m_ui->Label13, m_ui->Label14, m_ui->Label15,
                                       m_ui->Label16, m_ui->LabeledEdit1, m_ui->LabeledEdit2,
                                       m_ui->whatIfGrid, m_ui->talentChart, m_ui->weeksToNineLabel},
                                      this);
    enableRowCopy(m_ui->ListView3);
    m_talentMenu = new QMenu(this);
    m_talentMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_talentMenu->addAction(m_controls.projectionAction);
    m_talentMenu->addAction(m_ui->developmentAction);
    wireCommands();
    wireBoard();
    wireSearch();
}

MainWindow::~MainWindow() = default;

void MainWindow::setExchangeTimeouts(const ExchangeTimeouts &timeouts)
{
    m_main->setExchangeTimeouts(timeouts);
    m_ui->boardPage->setExchangeTimeouts(timeouts);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_ui->boardPage->endRefresh();
    m_main->abandonFetching();
    QMainWindow::closeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_main->isFetching()) {
        m_main->stopFetching();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::setSettingsDialog(SettingsDialog *settings)
{
    m_settings = settings;
    m_main->setSettingsDialog(settings);
    m_watch->setSettingsDialog(settings);
    wireOwnTeam(settings);
}

void MainWindow::wireCommands()
{
    const auto guarded = [this](void (MainWindow::*handler)()) {
        return [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); };
    };
    connect(m_controls.exitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_controls.settingsAction, &QAction::triggered, this, [this] {
        showCentredOver(m_settings, this);
        m_ui->boardPage->showWatchState(); // the «Расписание» page may have dropped the division
    });
    connect(m_controls.aboutAction, &QAction::triggered, this, [this] { showCentredOver(m_about, this); });
    connect(m_controls.projectionAction, &QAction::triggered, this, guarded(&MainWindow::onProjectionChosen));
    connect(m_ui->developmentAction, &QAction::triggered, this, guarded(&MainWindow::onDevelopmentChosen));
    connect(m_ui->rereadHistoryAction, &QAction::triggered, this, guarded(&MainWindow::onRereadHistory));
    connect(m_projection, &ProjectionPage::levelsChanged, this, [this] {
        runGuarded([this] {
            if (m_projection->projectAgain())
                messages().information(noGrowthCaption(), noGrowthText());
        });
    });
    connect(m_controls.talentList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { runGuarded([&] { onTalentListMenu(pos); }); });
    connect(m_ui->historyPage, &HistoryPage::showFetchRequested, this,
            [this](int64_t fetchId) { runGuarded([&] { showStoredFetch(fetchId); }); });
    connect(m_ui->historyPage, &HistoryPage::trainingRateChanged, this, [this] {
        m_projection->setTrainingRate(m_ui->historyPage->trainingRate(), m_ownTeam.teamId != 0);
        m_ui->boardPage->setTrainingRate(m_ui->historyPage->trainingRate());
    });
    connect(m_ui->historyPage, &HistoryPage::problem, this,
            [](const QString &text) { messages().information(tr("История"), text); });
    connect(m_controls.topTabs, &QTabWidget::currentChanged, this, &MainWindow::onTopTabChanged);
}

void MainWindow::onTopTabChanged()
{
    // The history wants the whole width; the team choice and the counters belong to the other pages,
    // the board's included, since it follows the division chosen there.
    const bool wide = m_controls.topTabs->currentWidget() == m_ui->historySheet;
    m_ui->choicePanel->setVisible(!wide);
    // It reads the file afresh each time it is opened.
    if (wide)
        m_ui->historyPage->refresh();
}

void MainWindow::wireBoard()
{
    m_ui->boardPage->setSources({m_keeper.get(),
                                 [this] { return m_settings ? m_settings->proxyChoice() : ProxyChoice{}; },
                                 [this] { return m_settings && m_settings->historyOptions().keep; }});
    m_watch = new WatchWiring({m_ui->boardPage, m_controls.divisionBox, m_controls.topTabs}, this);
    connect(m_ui->boardPage, &BoardPage::bytesCounted, m_main, &MainPage::countBytes);
    connect(m_ui->boardPage, &BoardPage::problem, this,
            [](const QString &text) { messages().information(tr("Дивизион"), text); });
    connect(m_controls.divisionBox, &QComboBox::activated, this, [this] {
        runGuarded([this] {
            CatalogueSelectors &selectors = m_main->selectors();
            m_ui->boardPage->showDivision(selectors.chosenDivisionId(), selectors.teamsOfChosenDivision());
        });
    });
}

void MainWindow::wireSearch()
{
    m_ui->searchPage->setDivisionChoice([this] {
        SearchPage::DivisionChoice choice{m_main->selectors().chosenDivisionName(), {}};
        for (const CatalogueEntry &team : m_main->selectors().teamsOfChosenDivision())
            choice.teamIds.push_back(team.id);
        return choice;
    });
    connect(m_ui->searchPage, &SearchPage::playerChosen, this, &MainWindow::showDevelopment);
    connect(m_ui->searchPage, &SearchPage::problem, this,
            [](const QString &text) { messages().information(tr("Поиск"), text); });
}

void MainWindow::offerDueRefreshes()
{
    if (m_keeper->isOpen())
        m_watch->offerDueRefreshes(m_keeper->store().path());
}

void MainWindow::openHistory(const QString &path)
{
    const QString notice = m_keeper->open(path);
    m_main->setHistoryKeeper(m_keeper.get());
    if (!notice.isEmpty())
        messages().information(tr("История"), notice);
    if (m_settings) {
        m_settings->setHistoryPath(path);
        m_settings->setKeptFetchesCounter(keptFetchesCounter(m_keeper));
        m_ui->historyPage->setNotice(pruneAtStart(*m_keeper, *m_settings));
    }
    m_ui->historyPage->setStore(&m_keeper->store());
    m_ui->searchPage->setHistoryPath(m_keeper->isOpen() ? m_keeper->store().path() : QString());
}

void MainWindow::onTalentListMenu(const QPoint &pos)
{
    const bool chosen = currentChosenRow(m_controls.talentList) >= 0;
    m_controls.projectionAction->setEnabled(chosen);
    m_ui->developmentAction->setEnabled(chosen && m_keeper->isOpen());
    m_talentMenu->popup(m_controls.talentList->viewport()->mapToGlobal(pos));
}

void MainWindow::onDevelopmentChosen()
{
    const int row = currentChosenRow(m_controls.talentList);
    if (row < 0)
        return;
    const std::vector<std::string> &cells = m_main->talentRows().row(row);
    showDevelopment(m_main->teamOnView(), cells.at(0), cells.size() > 1 ? cells[1] : std::string());
}

void MainWindow::showDevelopment(int32_t teamId, const std::string &name, const std::string &country)
{
    m_controls.topTabs->setCurrentWidget(m_ui->historySheet);
    m_ui->historyPage->showPlayer(teamId, name, country);
}

void MainWindow::onRereadHistory()
{
    auto *reread = new RereadProgress(m_keeper->store(), this);
    // Until the dialog shows, the menu is still there to be chosen again.
    m_ui->rereadHistoryAction->setEnabled(false);
    connect(reread, &RereadProgress::finished, this, [this](const RereadReport &report) {
        m_ui->rereadHistoryAction->setEnabled(true);
        m_ui->historyPage->refresh();
        messages().information(
            tr("История"),
            tr("Перечитано страниц: %1, не прочитано: %2.").arg(report.read).arg(report.failed));
    });
}

void MainWindow::showStoredFetch(int64_t fetchId)
{
    const std::optional<RawPage> stored = m_keeper->store().rawPage(fetchId);
    if (!stored)
        return;
    const TeamFetch shown = m_main->showPage(
        stored->teamId, stored->kind, readPage(stored->bytes, stored->kind), fetchId, stored->fetchedAt);
    // A page that is no roster shows nothing: the History page stays, and says so.
    if (!shown.foreignPage) {
        m_controls.listTabs->setCurrentIndex(stored->kind == PageKind::Talent ? 0 : 1);
        m_controls.topTabs->setCurrentWidget(m_ui->mainsheet);
    }
    MainPage::tellUnread(shown);
}
