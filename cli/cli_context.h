#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_table.h"
#include "cli/progress_line.h"
#include "history/history_keeper.h"
#include "settings/analysis_options.h"
#include "settings/settings_store.h"
#include "settings/watch_options.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

class StopSignals;

// What every subcommand shares: the settings store, the catalogue and the history file the window uses,
// each opened at its first use; stdout for results, stderr for messages and the progress line; the stop
// asked for by SIGINT or SIGTERM; and the one event loop.
class CliContext {
public:
    explicit CliContext(StopSignals &stop);
    ~CliContext();
    CliContext(const CliContext &) = delete;
    CliContext &operator=(const CliContext &) = delete;

    // Results: stdout, as given or as a line of text in the system's encoding.
    void writeOut(const QByteArray &bytes);
    void printLine(const QString &line);
    // A message: stderr, on a line of its own below the progress line.
    void tell(const QString &message);
    ProgressLine &progress() { return m_progress; }
    StopSignals &stopSignals() { return m_stop; }

    // The ten options, [History] and [Watch], read once from the window's settings store. Throws
    // AppError when the store cannot be read.
    const SettingsValues &settings();
    const HistoryOptions &historyOptions();
    const WatchOptions &watchOptions();
    // The own team and its levels ([Analysis]).
    const OwnTeam &ownTeam();

    // The history file the window keeps (history.db in the user's data folder), opened at the first use.
    // Throws AppError when it cannot be opened.
    HistoryKeeper &history();

    // The catalogue files of the working folder, as the window reads them; loaded at the first use.
    // Throws AppError when a file cannot be read.
    CatalogueTable &divisionsTable();
    CatalogueTable &teamsTable();
    std::vector<CatalogueEntry> divisions();
    // A division's teams as the window's team box lists them and its division run takes them: by name in
    // the system language's order.
    std::vector<CatalogueEntry> teamsOf(int32_t divisionId);
    // A division by its identifier or its name as shown (any letter case); nothing when none matches.
    std::optional<CatalogueEntry> findDivision(const QString &nameOrId);
    // The same for a division named on the command line: throws UsageError when none matches.
    CatalogueEntry divisionNamed(const QString &nameOrId);

    // Runs the event loop until finish() is asked for, and returns its code. Subcommands that fetch start
    // their work, then call this once, from the subcommand function itself: the only loop there is.
    int runEventLoop();
    void finish(int exitCode);

private:
    void loadSettings();
    void tellSkipped(const std::vector<std::string> &skipped);

    StopSignals &m_stop;
    ProgressLine m_progress;
    bool m_settingsLoaded = false;
    SettingsValues m_settings;
    HistoryOptions m_historyOptions;
    WatchOptions m_watchOptions;
    OwnTeam m_ownTeam;
    std::unique_ptr<HistoryKeeper> m_history;
    std::unique_ptr<CatalogueTable> m_divisions;
    std::unique_ptr<CatalogueTable> m_teams;
};

// A windows-1251 text of a page or the catalogue, for the terminal.
QString shownText(const std::string &cp1251);
