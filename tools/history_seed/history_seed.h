#pragma once

#include "roster/team_records.h"
#include "tools/demo_server/demo_catalogue.h"
#include "tools/demo_server/demo_training.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <string>

class HistoryStore;

// Fills a history file with weekly fetches of the demo teams, through the same store a fetch uses, so
// the History page and the benchmarks have a realistic year to work on without a network.

struct SeedOptions {
    // The three a caller usually gives; the rest are set by name.
    SeedOptions(int weekCount = 52, int oldestWeek = 0, QDateTime newest = {})
        : weeks(weekCount), firstWeek(oldestWeek), end(std::move(newest))
    {
    }

    int weeks = 52;
    int firstWeek = 0; // the demo week of the oldest fetches; each later week's fetches are one demo week on
    QDateTime end;     // when the newest fetches were made; now when not valid
    DemoTraining training; // as the demo server's options give it, so the pages are those it serves
    // Told after each week's pages, with the pages kept so far and the pages to keep in all.
    std::function<void(int done, int total)> progress;
};

struct SeedReport {
    int pages = 0;         // pages kept
    int64_t pageBytes = 0; // their size as the server sent them
    QString failure;       // the store's message when it refused a page; seeding stops there
};

// Keeps options.weeks fetches of every catalogue team, the talent page and then the abilities page,
// dated one week apart and ending at options.end; the oldest week first. A page is the one the demo
// server serves for the same catalogue, week and training.
SeedReport seedHistory(HistoryStore &store, const DemoCatalogue &catalogue, const SeedOptions &options);
