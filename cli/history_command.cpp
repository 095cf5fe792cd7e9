#include "cli/cli_context.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/growth_commands.h"
#include "cli/result_table.h"
#include "history/fetch_comparison.h"
#include "history/fetch_texts.h"
#include "text/code_page.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QSaveFile>
#include <array>

// `history teams | fetches --team ID | compare ID ID | page ID`: what the History page shows. Each part
// is a function of its own in one table, as the subcommands are.

namespace {

// The context this file's texts are translated in.
struct HistoryCommand {
    Q_DECLARE_TR_FUNCTIONS(HistoryCommand)
};

QString kindKey(PageKind kind)
{
    return kind == PageKind::Talent ? QStringLiteral("talent") : QStringLiteral("abilities");
}

QString kindName(PageKind kind)
{
    return kind == PageKind::Talent ? QCoreApplication::translate("HistoryPage", "Талант")
                                    : QCoreApplication::translate("HistoryPage", "Умения");
}

// Times as the History page words them for a person; ISO 8601 in UTC for a program.
QJsonValue timeCell(const QString &shown, const QDateTime &utc, ResultFormat format)
{
    return format == ResultFormat::Json ? QJsonValue(utc.toUTC().toString(Qt::ISODate)) : QJsonValue(shown);
}

int printTable(CliContext &context, const ResultTable &table, ResultFormat format)
{
    context.writeOut(formatted(table, format));
    return ExitSuccess;
}

int historyTeams(CliContext &context, const QStringList &arguments)
{
    CommandOptions options(
        QStringLiteral("history teams [--format table|json]"),
        HistoryCommand::tr("Команды, которые хранит история: название, дивизион, число загрузок и "
                           "последняя."));
    addFormatOption(options, tableOrJson());
    if (!options.parse(arguments))
        return ExitSuccess;
    const ResultFormat format = formatOf(options, tableOrJson());
    const std::vector<StoredTeam> teams = context.history().store().teams();
    std::vector<QDateTime> times;
    times.reserve(teams.size());
    for (const StoredTeam &team : teams)
        times.push_back(team.latest);
    const std::vector<QString> timeTexts = fetchTimeTexts(times);
    ResultTable table{{{HistoryCommand::tr("Команда"), QStringLiteral("team")},
                       {HistoryCommand::tr("Код"), QStringLiteral("teamId")},
                       {HistoryCommand::tr("Дивизион"), QStringLiteral("division")},
                       {HistoryCommand::tr("Загрузок"), QStringLiteral("fetches")},
                       {HistoryCommand::tr("Последняя"), QStringLiteral("latest")}},
                      {}};
    for (size_t i = 0; i < teams.size(); ++i)
        table.rows.push_back({shownText(teams[i].name), teams[i].teamId, shownText(teams[i].division),
                              teams[i].fetchCount, timeCell(timeTexts[i], teams[i].latest, format)});
    return printTable(context, table, format);
}

QJsonValue changesCell(const ChangeCounts &counts, ResultFormat format)
{
    if (format != ResultFormat::Json)
        return changeCountsText(counts);
    QJsonObject object;
    object.insert(QStringLiteral("arrived"), counts.arrived);
    object.insert(QStringLiteral("left"), counts.left);
    object.insert(QStringLiteral("changed"), counts.changed);
    return object;
}

int historyFetches(CliContext &context, const QStringList &arguments)
{
    CommandOptions options(
        QStringLiteral("history fetches --team ID [--format table|json]"),
        HistoryCommand::tr("Загрузки команды, последняя первой: код загрузки, время, страница, "
                           "игроков и что изменилось с прошлой загрузки той же страницы "
                           "(+пришли –ушли ~изменились)."));
    options.addValue(QStringLiteral("team"), QStringLiteral("ID"), HistoryCommand::tr("Код команды."));
    addFormatOption(options, tableOrJson());
    if (!options.parse(arguments))
        return ExitSuccess;
    const std::optional<int64_t> team = options.integer(QStringLiteral("team"), 1, INT32_MAX);
    if (!team)
        throw UsageError{HistoryCommand::tr("Не указана команда: --team ID.")};
    const ResultFormat format = formatOf(options, tableOrJson());
    const std::vector<StoredPage> pages = context.history().store().pagesOf(static_cast<int32_t>(*team));
    const std::vector<QString> timeTexts = fetchTimeTexts(pages);
    const std::vector<std::optional<ChangeCounts>> counts = changesSinceEarlier(pages);
    ResultTable table{{{HistoryCommand::tr("Код загрузки"), QStringLiteral("fetchId")},
                       {HistoryCommand::tr("Дата"), QStringLiteral("fetchedAt")},
                       {HistoryCommand::tr("Страница"), QStringLiteral("kind")},
                       {HistoryCommand::tr("Игроков"), QStringLiteral("players")},
                       {HistoryCommand::tr("Изменения"), QStringLiteral("changes")}},
                      {}};
    for (size_t i = 0; i < pages.size(); ++i) {
        const QJsonValue changes = !counts[i] ? QJsonValue() : changesCell(*counts[i], format);
        table.rows.push_back({QJsonValue(static_cast<qint64>(pages[i].id)),
                              timeCell(timeTexts[i], pages[i].fetchedAt, format),
                              format == ResultFormat::Json ? kindKey(pages[i].kind) : kindName(pages[i].kind),
                              static_cast<qint64>(pages[i].playerCount()), changes});
    }
    return printTable(context, table, format);
}

// "пришёл", "ушёл" or a list column's name, in the interface language, as the History page shows it.
QString changeName(const std::string &change)
{
    const QString name = fromCp1251(change);
    if (name == QStringLiteral("пришёл") || name == QStringLiteral("ушёл"))
        return QCoreApplication::translate("HistoryPage", name.toUtf8().constData());
    return QCoreApplication::translate("RosterLists", name.toUtf8().constData());
}

StoredPage storedPage(CliContext &context, const QString &text)
{
    const int64_t id = CommandOptions::integerOf(HistoryCommand::tr("Код загрузки"), text, 1, INT64_MAX);
    std::optional<StoredPage> page = context.history().store().page(id);
    if (!page)
        throw AppError(toCp1251(HistoryCommand::tr("В истории нет загрузки %1.").arg(id)));
    return *std::move(page);
}

int historyCompare(CliContext &context, const QStringList &arguments)
{
    CommandOptions options(
        QStringLiteral("history compare OLDER_ID NEWER_ID [--format table|json]"),
        HistoryCommand::tr("Что изменилось между двумя загрузками одной страницы (коды из «history "
                           "fetches»), как на странице «История»."));
    addFormatOption(options, tableOrJson());
    if (!options.parse(arguments, 2, 2))
        return ExitSuccess;
    const ResultFormat format = formatOf(options, tableOrJson());
    StoredPage older = storedPage(context, options.positional().at(0));
    StoredPage newer = storedPage(context, options.positional().at(1));
    if (older.teamId != newer.teamId)
        throw UsageError{
            HistoryCommand::tr("Загрузки разных команд: сравнить можно две загрузки одной команды.")};
    if (older.kind != newer.kind)
        throw UsageError{
            HistoryCommand::tr("Загрузки разных страниц: сравнить можно две загрузки «Талант» или две "
                               "«Умения».")};
    if (newer.fetchedAt < older.fetchedAt)
        std::swap(older, newer);
    const std::vector<FetchChange> changes = compareFetches(older, newer);
    const std::vector<QString> times = fetchTimeTexts({older.fetchedAt, newer.fetchedAt});
    if (format == ResultFormat::Table)
        context.printLine(comparedSpanText(times[0], older.fetchedAt, times[1], newer.fetchedAt));
    ResultTable table{{{HistoryCommand::tr("Игрок"), QStringLiteral("player")},
                       {HistoryCommand::tr("Страна"), QStringLiteral("country")},
                       {HistoryCommand::tr("Изменение"), QStringLiteral("change")},
                       {HistoryCommand::tr("Было"), QStringLiteral("before")},
                       {HistoryCommand::tr("Стало"), QStringLiteral("after")}},
                      {}};
    for (const FetchChange &change : changes)
        table.rows.push_back({shownText(change.player), shownText(change.country), changeName(change.change),
                              shownText(change.before), shownText(change.after)});
    return printTable(context, table, format);
}

int historyPage(CliContext &context, const QStringList &arguments)
{
    CommandOptions options(QStringLiteral("history page ID [--output FILE]"),
                           HistoryCommand::tr("Страница загрузки байт в байт, как она пришла с сервера."));
    options.addValue(QStringLiteral("output"), QStringLiteral("FILE"),
                     HistoryCommand::tr("Записать в файл (целиком или ничего) вместо стандартного вывода."));
    if (!options.parse(arguments, 1, 1))
        return ExitSuccess;
    const int64_t id = CommandOptions::integerOf(HistoryCommand::tr("Код загрузки"),
                                                 options.positional().at(0), 1, INT64_MAX);
    const std::optional<RawPage> page = context.history().store().rawPage(id);
    if (!page)
        throw AppError(toCp1251(HistoryCommand::tr("В истории нет загрузки %1.").arg(id)));
    const QByteArray bytes = QByteArray::fromStdString(page->bytes);
    if (!options.isSet(QStringLiteral("output"))) {
        context.writeOut(bytes);
        return ExitSuccess;
    }
    QSaveFile file(options.value(QStringLiteral("output")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(toCp1251(
            HistoryCommand::tr("Не удалось записать %1: %2").arg(file.fileName(), file.errorString())));
    return ExitSuccess;
}

struct HistoryPart {
    const char *name;
    const char *summary;
    CommandFunction run;
};

constexpr std::array historyParts{
    HistoryPart{"teams", QT_TRANSLATE_NOOP("HistoryCommand", "команды в истории"), historyTeams},
    HistoryPart{"fetches", QT_TRANSLATE_NOOP("HistoryCommand", "загрузки команды"), historyFetches},
    HistoryPart{"compare", QT_TRANSLATE_NOOP("HistoryCommand", "изменения между двумя загрузками"),
                historyCompare},
    HistoryPart{"page", QT_TRANSLATE_NOOP("HistoryCommand", "страница загрузки как получена"), historyPage},
    HistoryPart{"levels",
                QT_TRANSLATE_NOOP("HistoryCommand", "уровни школы и тренера команд по росту игроков"),
                historyLevels},
    HistoryPart{"accuracy", QT_TRANSLATE_NOOP("HistoryCommand", "насколько прогнозы сходились с историей"),
                historyAccuracy},
};

QString historyHelp()
{
    QString help =
        HistoryCommand::tr("Использование: %1 history <часть> [параметры]\nЧто хранит история, как на "
                           "странице «История».\n\nЧасти:\n")
            .arg(programName());
    for (const HistoryPart &part : historyParts)
        help += QStringLiteral("  %1%2\n")
                    .arg(QString::fromLatin1(part.name), -10)
                    .arg(QCoreApplication::translate("HistoryCommand", part.summary));
    return help;
}

} // namespace

int runHistory(CliContext &context, const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help")) {
        context.writeOut(historyHelp().toLocal8Bit());
        return arguments.isEmpty() ? ExitUsage : ExitSuccess;
    }
    for (const HistoryPart &part : historyParts)
        if (arguments.first() == QLatin1String(part.name))
            return part.run(context, arguments.mid(1));
    throw UsageError{
        HistoryCommand::tr("Неизвестная часть «%1»: teams, fetches, compare, page, levels или accuracy.")
            .arg(arguments.first())};
}
