#include "settings/watch_options.h"

#include "settings/settings_store.h"
#include "text/app_error.h"

#include <QStringList>
#include <algorithm>

namespace {

const QString watchSection = QStringLiteral("Watch");

WatchPages watchPagesOf(const QString &text)
{
    if (text == QStringLiteral("talent"))
        return WatchPages::Talent;
    if (text == QStringLiteral("abilities"))
        return WatchPages::Abilities;
    return WatchPages::Both;
}

QString divisionsText(const std::vector<int32_t> &ids)
{
    QStringList texts;
    for (const int32_t id : ids)
        texts.append(QString::number(id));
    return texts.join(u',');
}

} // namespace

QString watchPagesText(WatchPages pages)
{
    switch (pages) {
    case WatchPages::Talent:
        return QStringLiteral("talent");
    case WatchPages::Abilities:
        return QStringLiteral("abilities");
    case WatchPages::Both:
        break;
    }
    return QStringLiteral("both");
}

WatchOptions loadWatchOptions(const SettingsStore &store)
{
    WatchOptions options;
    try {
        const QStringList texts =
            store.readText(QStringLiteral("Divisions"), {}, watchSection).split(u',', Qt::SkipEmptyParts);
        for (const QString &text : texts) {
            bool ok = false;
            const int32_t id = text.trimmed().toInt(&ok);
            if (ok && std::find(options.divisionIds.begin(), options.divisionIds.end(), id) ==
                          options.divisionIds.end())
                options.divisionIds.push_back(id);
        }
    } catch (const AppError &) {
    }
    try {
        bool ok = false;
        const int days = store.readText(QStringLiteral("IntervalDays"), QStringLiteral("7"), watchSection)
                             .trimmed()
                             .toInt(&ok);
        if (ok)
            options.intervalDays = std::clamp(days, 1, 365);
    } catch (const AppError &) {
    }
    try {
        options.pages = watchPagesOf(
            store.readText(QStringLiteral("Pages"), QStringLiteral("both"), watchSection).trimmed());
    } catch (const AppError &) {
    }
    return options;
}

void saveWatchOptions(SettingsStore &store, const WatchOptions &options)
{
    if (options == WatchOptions{} && !store.sectionHasValues(watchSection))
        return;
    const WatchOptions stored = loadWatchOptions(store);
    const auto write = [&](const QString &name, bool differs, const QString &text) {
        if (!store.contains(name, watchSection) || differs)
            store.writeText(name, text, watchSection);
    };
    write(QStringLiteral("Divisions"), options.divisionIds != stored.divisionIds,
          divisionsText(options.divisionIds));
    write(QStringLiteral("IntervalDays"), options.intervalDays != stored.intervalDays,
          QString::number(options.intervalDays));
    write(QStringLiteral("Pages"), options.pages != stored.pages, watchPagesText(options.pages));
}
