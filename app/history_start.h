#pragma once

#include "settings/settings_dialog.h"

#include <QString>
#include <memory>

class HistoryKeeper;

// Dropping old fetches at start, never unannounced: the first time KeepMonths would drop any, the user
// is told how many and from when, and asked; the answer stands until KeepMonths changes. Returns the
// line the History page shows of what was dropped, or nothing; a file that fails is told in a box.
QString pruneAtStart(HistoryKeeper &keeper, SettingsDialog &settings);

// What the Settings dialog shows as KeepMonths changes, counted on the open history while it lasts.
KeptFetchesCounter keptFetchesCounter(const std::weak_ptr<const HistoryKeeper> &keeper);
