#pragma once

#include "history/fetch_comparison.h"

#include <QDateTime>
#include <QString>
#include <vector>

// How the History page words fetch times, the span between two fetches and what changed since the
// fetch before, in the interface language.

// Each time (UTC) as local "dd.MM.yyyy HH:mm", with ":ss" added to every time that shares its minute
// with another of the list, so no two rows read alike unless they are alike to the second.
std::vector<QString> fetchTimeTexts(const std::vector<QDateTime> &times);
// The same for the times of those pages.
std::vector<QString> fetchTimeTexts(const std::vector<StoredPage> &pages);

// "12.11.2026 14:13 → 10.12.2026 09:05, 4 нед.": the two times as given and the span between them in
// whole weeks, or days under a week, or "менее суток".
QString comparedSpanText(const QString &olderText, const QDateTime &older, const QString &newerText,
                         const QDateTime &newer);

// "+2 –1 ~5": arrived, left, changed. An en dash for the minus: the list holds windows-1251 texts, which
// have no minus sign.
QString changeCountsText(const ChangeCounts &counts);
