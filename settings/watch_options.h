#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class SettingsStore;

// Which pages a watch fetches of every team of a watched division.
enum class WatchPages { Both, Talent, Abilities };

// The divisions the user watches and how often they are fetched, in the section [Watch] of the settings
// store: Divisions (identifiers, comma-separated), IntervalDays, Pages ("both", "talent", "abilities").
// The command-line watch and the window read the same values.
struct WatchOptions {
    std::vector<int32_t> divisionIds; // in the order they were marked
    int intervalDays = 7;             // 1..365
    WatchPages pages = WatchPages::Both;

    bool operator==(const WatchOptions &) const = default;
};

// A value not understood takes its default; an identifier that is no 32-bit integer is left out.
WatchOptions loadWatchOptions(const SettingsStore &store);
// Writes only the values that do not already read as the options; a store that never had a watch stays
// without the section while the options are the defaults.
void saveWatchOptions(SettingsStore &store, const WatchOptions &options);

QString watchPagesText(WatchPages pages);
