#include "cli/cli_context.h"

#include "cli/command_line.h"
#include "cli/stop_signals.h"
#include "history/history_file.h"
#include "text/app_error.h"
#include "text/code_page.h"

#include <QCoreApplication>
#include <cstdio>

CliContext::CliContext(StopSignals &stop) : m_stop(stop) {}

CliContext::~CliContext() = default;

void CliContext::writeOut(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

void CliContext::printLine(const QString &line) { writeOut(line.toLocal8Bit() + '\n'); }

void CliContext::tell(const QString &message)
{
    m_progress.clear();
    std::fflush(stdout);
    const QByteArray bytes = message.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

void CliContext::loadSettings()
{
    if (m_settingsLoaded)
        return;
    SettingsStore store;
    const LoadedSettings loaded = loadSettingsValues(store);
    m_settings = loaded.values;
    if (!loaded.unreadKeys.isEmpty())
        tell(QString::fromStdString(unreadKeysMessage(loaded.unreadKeys)));
    m_historyOptions = loadHistoryOptions(store);
    m_watchOptions = loadWatchOptions(store);
    m_ownTeam = loadOwnTeam(store);
    m_settingsLoaded = true;
}

const OwnTeam &CliContext::ownTeam()
{
    loadSettings();
    return m_ownTeam;
}

const SettingsValues &CliContext::settings()
{
    loadSettings();
    return m_settings;
}

const HistoryOptions &CliContext::historyOptions()
{
    loadSettings();
    return m_historyOptions;
}

const WatchOptions &CliContext::watchOptions()
{
    loadSettings();
    return m_watchOptions;
}

HistoryKeeper &CliContext::history()
{
    if (!m_history) {
        auto keeper = std::make_unique<HistoryKeeper>();
        const QString told = keeper->open(defaultHistoryPath());
        if (!keeper->isOpen())
            throw AppError(toCp1251(told));
        if (!told.isEmpty())
            tell(told); // a broken file set aside: said once, then the new file is used
        m_history = std::move(keeper);
    }
    return *m_history;
}

CatalogueTable &CliContext::divisionsTable()
{
    if (!m_divisions) {
        auto table = std::make_unique<CatalogueTable>();
        table->loadFromFile("divisions.cds");
        m_divisions = std::move(table);
    }
    return *m_divisions;
}

CatalogueTable &CliContext::teamsTable()
{
    if (!m_teams) {
        auto table = std::make_unique<CatalogueTable>();
        table->loadFromFile("teams.cds");
        m_teams = std::move(table);
    }
    return *m_teams;
}

std::vector<CatalogueEntry> CliContext::divisions()
{
    std::vector<std::string> skipped;
    std::vector<CatalogueEntry> entries = readDivisions(divisionsTable(), &skipped);
    tellSkipped(skipped);
    return entries;
}

std::vector<CatalogueEntry> CliContext::teamsOf(int32_t divisionId)
{
    std::vector<std::string> skipped;
    std::vector<CatalogueEntry> entries = readTeamsOfDivision(teamsTable(), divisionId, &skipped);
    tellSkipped(skipped);
    return inNameOrder(std::move(entries), QLocale::system());
}

std::optional<CatalogueEntry> CliContext::findDivision(const QString &nameOrId)
{
    bool isNumber = false;
    const int32_t id = nameOrId.toInt(&isNumber);
    const std::vector<CatalogueEntry> all = divisions();
    for (const CatalogueEntry &division : all)
        if (isNumber ? division.id == id
                     : fromCp1251(division.name).compare(nameOrId, Qt::CaseInsensitive) == 0)
            return division;
    return std::nullopt;
}

CatalogueEntry CliContext::divisionNamed(const QString &nameOrId)
{
    std::optional<CatalogueEntry> division = findDivision(nameOrId);
    if (!division)
        throw UsageError{
            QCoreApplication::translate("CliContext", "В каталоге нет дивизиона «%1».").arg(nameOrId)};
    return std::move(*division);
}

void CliContext::tellSkipped(const std::vector<std::string> &skipped)
{
    for (const std::string &message : skipped)
        tell(fromCp1251(message));
}

int CliContext::runEventLoop() { return QCoreApplication::exec(); }

void CliContext::finish(int exitCode) { QCoreApplication::exit(exitCode); }

QString shownText(const std::string &cp1251) { return fromCp1251(cp1251); }
