#include "board/board_page.h"

#include "board/board_loader.h"
#include "board/board_model.h"
#include "export/list_exports.h"
#include "history/history_keeper.h"
#include "text/app_error.h"
#include "text/code_page.h"
#include "widgets/error_guard.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>
#include <algorithm>
#include <utility>

namespace {

constexpr int pagesAtOnce = 4;

std::vector<PageJob> jobsOf(const std::vector<CatalogueEntry> &teams)
{
    std::vector<PageJob> jobs;
    for (const CatalogueEntry &team : teams) {
        jobs.push_back({team.id, PageKind::Talent});
        jobs.push_back({team.id, PageKind::Abilities});
    }
    return jobs;
}

} // namespace

BoardPage::BoardPage(QWidget *parent)
    : QWidget(parent), m_loader(new BoardLoader(this)), m_table(std::make_shared<BoardTable>())
{
    buildControls();
    wire();
    showPositions();
    showRows();
    showRefreshState();
}

BoardPage::~BoardPage() { endRefresh(); }

void BoardPage::wire()
{
    const auto apply = [this] { runGuarded([this] { showRows(); }); };
    connect(m_position, &QComboBox::currentIndexChanged, this, apply);
    connect(m_maxAge, &QSpinBox::valueChanged, this, apply);
    connect(m_minTalent, &QDoubleSpinBox::valueChanged, this, apply);
    connect(m_search, &QLineEdit::textChanged, this, apply);
    connect(m_best, &QCheckBox::toggled, this, apply);
    connect(m_growing, &QCheckBox::toggled, this, apply);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { runGuarded([&] { onHeaderClicked(column); }); });
    connect(m_refreshButton, &QPushButton::clicked, this,
            [this] { runGuarded([this] { onRefreshClicked(); }); });
    connect(m_stopButton, &QPushButton::clicked, this, [this] { runGuarded([this] { onStopClicked(); }); });
    connect(m_csvButton, &QPushButton::clicked, this, [this] { runGuarded([this] { onCsvClicked(); }); });
    connect(m_failuresButton, &QToolButton::clicked, this, &BoardPage::showFailures);
    connect(m_loader, &BoardLoader::tableReady, this, [this](std::shared_ptr<const BoardTable> table) {
        runGuarded([&] { showTable(std::move(table)); });
    });
    connect(m_loader, &BoardLoader::pageTaken, this, &BoardPage::onPageTaken);
    connect(m_loader, &BoardLoader::pagesTaken, this, &BoardPage::onPagesTaken);
    connect(m_loader, &BoardLoader::problem, this, &BoardPage::problem);
}

void BoardPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    runGuarded([this] { fill(); });
}

void BoardPage::showDivision(int32_t divisionId, std::vector<CatalogueEntry> teams)
{
    m_division = divisionId;
    m_teams = std::move(teams);
    showWatchState();
    // A hidden board fills when it is shown.
    if (isVisible())
        fill();
    showRefreshState();
}

QString BoardPage::historyPath() const
{
    return m_sources.keeper && m_sources.keeper->isOpen() ? m_sources.keeper->store().path() : QString();
}

void BoardPage::fill() { m_loader->showTeams(m_teams, historyPath()); }

void BoardPage::setTrainingRate(const RateEstimate &estimate)
{
    m_loader->setTrainingRate(estimate.verdict == RateVerdict::Estimated ? std::optional(estimate.rate)
                                                                         : std::nullopt);
}

void BoardPage::showTable(std::shared_ptr<const BoardTable> table)
{
    // The rows only the table on view held are freed on the loader's thread, not here.
    std::shared_ptr<const BoardTable> shown = std::exchange(m_table, std::move(table));
    showPositions();
    showRows();
    m_loader->release(std::move(shown));
    fitNameColumns();
}

void BoardPage::showPositions()
{
    const QString chosen = m_position->currentData().toString();
    const QSignalBlocker quiet(m_position);
    m_position->clear();
    m_position->addItem(tr("Все"), QString());
    for (const std::string &position : m_table->positions)
        m_position->addItem(fromCp1251(position), fromCp1251(position));
    m_position->setCurrentIndex(std::max(m_position->findData(chosen), 0));
}

BoardFilter BoardPage::filterOnView() const
{
    BoardFilter filter;
    filter.position = toCp1251(m_position->currentData().toString());
    filter.maxAge = m_maxAge->value();
    filter.minTalent = m_minTalent->value();
    filter.search = toCp1251(m_search->text());
    filter.bestOfPosition = m_best->isChecked();
    filter.growingOnly = m_growing->isChecked();
    return filter;
}

void BoardPage::showRows()
{
    m_model->show(m_table, shownRows(*m_table, filterOnView(), m_sort));
    m_count->setText(tr("Показано %1 из %2").arg(m_model->shown().size()).arg(m_table->rows.size()));
}

void BoardPage::onHeaderClicked(int column)
{
    m_sort = m_sort.clicked(column);
    m_view->horizontalHeader()->setSortIndicator(column,
                                                 m_sort.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    showRows();
}

void BoardPage::onRefreshClicked()
{
    if ((m_refresh && !m_refresh->isDone()) || m_taking || m_teams.empty())
        return;
    const ProxyChoice proxy = m_sources.proxy ? m_sources.proxy() : ProxyChoice{};
    m_refresh.reset(); // the last one is over; its requests are gone
    m_refresh = std::make_unique<FetchQueue>(jobsOf(m_teams), proxy, m_timeouts, pagesAtOnce);
    m_refreshDivision = m_division;
    m_refreshTeams = m_teams;
    m_failures.clear();
    connect(m_refresh.get(), &FetchQueue::pageFetched, this,
            [this](const PageJob &job, const FetchResult &r) { runGuarded([&] { onPageFetched(job, r); }); });
    connect(m_refresh.get(), &FetchQueue::finished, m_loader, &BoardLoader::finishPages);
    m_progress->setRange(0, static_cast<int>(m_refreshTeams.size() * 2));
    m_progress->setValue(0);
    m_taking = true;
    m_refresh->start();
    showRefreshState();
}

void BoardPage::onStopClicked()
{
    if (m_refresh && !m_refresh->isStopped())
        m_refresh->stop();
    showRefreshState();
}

void BoardPage::endRefresh()
{
    if (m_refresh && !m_refresh->isDone()) {
        m_refresh->abort();
        m_loader->finishPages();
        showRefreshState();
    }
}

void BoardPage::onPageFetched(const PageJob &job, const FetchResult &result)
{
    m_progress->setValue(m_progress->value() + 1);
    Q_EMIT bytesCounted(result.lastPageBytes, result.sessionBytes);
    const bool keep = m_sources.keepPages && m_sources.keepPages();
    m_loader->takePage(job, result, keep ? historyPath() : QString());
    holdWhileLoaderBusy(+1);
}

void BoardPage::onPageTaken(const PageJob &job, const QString &whyNot)
{
    holdWhileLoaderBusy(-1);
    if (!whyNot.isEmpty()) {
        m_failures[job.teamId] << whyNot;
        showRefreshState();
    }
}

void BoardPage::holdWhileLoaderBusy(int change)
{
    // Large pages arrive faster than they are read and kept: no more are fetched while a few wait, so
    // the pages held in memory stay a few.
    m_inLoader += change;
    if (m_refresh && !m_refresh->isDone())
        m_refresh->hold(m_inLoader >= pagesAtOnce);
}

void BoardPage::onPagesTaken(int notKept, const QString &why)
{
    m_taking = false;
    showRefreshState();
    if (notKept > 0)
        Q_EMIT problem(tr("Не сохранено в историю страниц: %1.").arg(notKept) + u'\n' + why);
}

void BoardPage::showRefreshState()
{
    const bool running = (m_refresh && !m_refresh->isDone()) || m_taking;
    m_refreshButton->setEnabled(!running && !m_teams.empty());
    m_takeOffer->setEnabled(!running);
    m_stopButton->setEnabled(running && !m_refresh->isStopped());
    // The last refresh's teams left out, while its division is on view.
    const QStringList left = m_refresh && m_refreshDivision == m_division ? notUpdatedTeams() : QStringList();
    m_status->setText(left.isEmpty() ? QString() : tr("Не обновлено команд: %1").arg(left.size()));
    m_failuresText->setPlainText(left.isEmpty() ? QString() : tr("Не обновлены:") + u'\n' + left.join(u'\n'));
    m_status->setVisible(!left.isEmpty());
    m_failuresButton->setVisible(!left.isEmpty());
    if (left.isEmpty())
        m_failuresPopup->hide();
}

QStringList BoardPage::notUpdatedTeams() const
{
    std::map<int32_t, QStringList> reasons = m_failures;
    if (m_refresh->isDone())
        for (const PageJob &job : m_refresh->notStarted())
            reasons[job.teamId] << tr("обновление остановлено");
    QStringList teams;
    for (const CatalogueEntry &team : m_refreshTeams) {
        if (const auto why = reasons.find(team.id); why != reasons.end()) {
            why->second.removeDuplicates();
            teams << fromCp1251(team.name) + QStringLiteral(" (") + why->second.join(QStringLiteral("; ")) +
                         QLatin1Char(')');
        }
    }
    return teams;
}

void BoardPage::showFailures()
{
    // Above the button, over the list's lower rows, as wide as the list allows.
    const int lines = std::min(m_failuresText->blockCount(), 24) + 1; // a line spare, never a cut one
    const int margins = 2 * (m_failuresText->frameWidth() +
                             static_cast<int>(m_failuresText->document()->documentMargin()) + 1);
    const QSize size(std::max(m_view->width() * 2 / 3, m_failuresButton->width()),
                     lines * m_failuresText->fontMetrics().lineSpacing() + margins);
    m_failuresPopup->resize(size);
    m_failuresPopup->move(m_failuresButton->mapToGlobal(QPoint(m_failuresButton->width(), 0)) -
                          QPoint(size.width(), size.height()));
    m_failuresPopup->show();
}

void BoardPage::onCsvClicked()
{
    saveCsvFile(this, m_model->shown().empty(), [this] { return boardCsv(*m_table, m_model->shown()); });
}
