#include "board/division_run.h"

#include "export/export_file.h"
#include "export/team_block.h"
#include "view/roster_rows.h"

#include <QDir>
#include <QFileInfo>

namespace {

std::vector<PageJob> jobsOf(const std::vector<DivisionRun::Team> &teams, PageKind kind)
{
    std::vector<PageJob> jobs;
    for (size_t i = 0; i < teams.size(); ++i)
        jobs.push_back({teams[i].id, kind, static_cast<int>(i)});
    return jobs;
}

} // namespace

DivisionRun::DivisionRun(std::vector<Team> teams, PageKind kind, ExportOptions options,
                         const ProxyChoice &proxy, const ExchangeTimeouts &timeouts, Hooks hooks)
    : m_teams(std::move(teams)), m_kind(kind), m_options(std::move(options)), m_hooks(std::move(hooks)),
      m_queue(jobsOf(m_teams, kind), proxy, timeouts), m_arrived(m_teams.size())
{
    connect(&m_queue, &FetchQueue::pageFetched, this, &DivisionRun::onPageFetched);
}

DivisionRun::~DivisionRun() { m_queue.abort(); }

void DivisionRun::start() { m_queue.start(); }

void DivisionRun::abandon()
{
    m_over = true;
    m_queue.abort();
}

void DivisionRun::stop()
{
    if (m_over)
        return;
    abandon();
    // Pages that came ahead of their turn are dropped with the run, but they did arrive.
    for (std::optional<FetchResult> &early : m_arrived)
        if (early)
            m_hooks.countDropped(*early);
    Q_EMIT finished(closingMessage(true));
}

void DivisionRun::onPageFetched(const PageJob &job, const FetchResult &result)
{
    m_arrived.at(static_cast<size_t>(job.tag)) = result;
    Q_EMIT progressed(++m_arrivedCount);
    takeTeamsInTurn();
    if (!m_over && m_nextTurn == m_teams.size()) {
        m_over = true;
        Q_EMIT finished(closingMessage(false));
    }
}

void DivisionRun::takeTeamsInTurn()
{
    while (!m_over && m_nextTurn < m_teams.size() && m_arrived[m_nextTurn]) {
        const Team &team = m_teams[m_nextTurn];
        const TeamFetch fetched = m_hooks.take(team.id, m_kind, *m_arrived[m_nextTurn]);
        m_arrived[m_nextTurn].reset();
        ++m_nextTurn;
        if (!fetched.historyProblem.isEmpty())
            m_historyProblems << fetched.historyProblem;
        if (fetched.read && fetched.team) {
            ++m_readCount;
            writeBlock(*fetched.team);
        } else {
            m_leftOut << team.name + QStringLiteral(": ") + fetched.whyNot;
        }
    }
}

void DivisionRun::writeBlock(const TeamSnapshot &team)
{
    ExportView view{team.summary, m_kind,
                    m_kind == PageKind::Talent ? talentListRows(team.talents)
                                               : abilitiesListRows(team.abilities)};
    // A team without players has no block, as a save of its empty list writes none.
    if (view.rows.empty() || !m_hooks.blockFile)
        return;
    m_lastFile = m_hooks.blockFile();
    appendToFile(m_lastFile, buildTeamBlock(view, m_options));
    ++m_written;
}

QString DivisionRun::closingMessage(bool stopped) const
{
    QStringList parts;
    if (stopped)
        parts << tr("Получение остановлено: записано команд %1 из %2.").arg(m_written).arg(m_teams.size());
    if (!m_leftOut.isEmpty())
        parts << tr("Не сохранены команды (%1):\n").arg(m_leftOut.size()) + m_leftOut.join(QLatin1Char('\n'));
    parts << m_historyProblems;
    if (parts.isEmpty())
        return {};
    if (m_written > 0)
        parts << tr("Файл: %1").arg(QDir::toNativeSeparators(QFileInfo(m_lastFile).absoluteFilePath()));
    return parts.join(QStringLiteral("\n\n"));
}
