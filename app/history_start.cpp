#include "app/history_start.h"

#include "history/history_keeper.h"
#include "text/code_page.h"
#include "widgets/messages.h"

#include <QCoreApplication>

namespace {

QString dateText(const QDateTime &utc) { return utc.toLocalTime().toString(QStringLiteral("dd.MM.yyyy")); }

bool askToPrune(int months, const PruneCount &count)
{
    return messages().question(
        QCoreApplication::translate("HistoryStart", "История"),
        QCoreApplication::translate(
            "HistoryStart",
            "Загрузок старше %1 мес. в истории: %2 (сделаны с %3 до %4). Последняя загрузка каждой страницы "
            "каждой команды останется в любом случае.\n\nУдалить их? При ответе «Нет» они сохранятся, и "
            "вопрос не повторится, пока не изменится срок хранения.")
            .arg(months)
            .arg(count.removed)
            .arg(dateText(count.oldestRemoved), dateText(HistoryKeeper::keepSince(months))));
}

QString pruneAsAnswered(HistoryKeeper &keeper, SettingsDialog &settings)
{
    const int months = settings.historyOptions().keepMonths;
    if (!keeper.isOpen() || months == 0)
        return {};
    const PruneCount count = keeper.prunable(months);
    if (count.removed == 0)
        return {};
    const PruneAnswer answer = settings.pruneAnswer();
    const bool asked = answer.months == months;
    const bool allowed = asked ? answer.allowed : askToPrune(months, count);
    const int removed = allowed ? keeper.prune(months) : 0;
    if (!asked)
        settings.keepPruneAnswer({months, allowed});
    if (!allowed)
        return {};
    return QCoreApplication::translate("HistoryStart",
                                       "При запуске из истории удалено загрузок: %1, сделанных до %2.")
        .arg(removed)
        .arg(dateText(HistoryKeeper::keepSince(months)));
}

} // namespace

QString pruneAtStart(HistoryKeeper &keeper, SettingsDialog &settings)
{
    try {
        return pruneAsAnswered(keeper, settings);
    } catch (const HistoryError &e) {
        messages().information(QCoreApplication::translate("HistoryStart", "История"), fromCp1251(e.what()));
        return {};
    }
}

KeptFetchesCounter keptFetchesCounter(const std::weak_ptr<const HistoryKeeper> &keeper)
{
    return [keeper](int months) -> std::optional<KeptFetches> {
        const std::shared_ptr<const HistoryKeeper> history = keeper.lock();
        if (!history || !history->isOpen())
            return std::nullopt;
        try {
            const PruneCount count = history->prunable(months);
            return KeptFetches{count.kept, count.removed};
        } catch (const HistoryError &) {
            return std::nullopt; // the count is a hint: a file that fails it is told elsewhere
        }
    };
}
