#include "cli/cli_context.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/result_table.h"
#include "text/code_page.h"
#include "view/roster_rows.h"

#include <QCoreApplication>

namespace {

// The context this file's texts are translated in.
struct SearchCommand {
    Q_DECLARE_TR_FUNCTIONS(SearchCommand)
};

const QStringList &searchFormats()
{
    static const QStringList formats{QStringLiteral("table"), QStringLiteral("csv"), QStringLiteral("json")};
    return formats;
}

void addSearchOptions(CommandOptions &options)
{
    options.addValue(QStringLiteral("name"), QStringLiteral("TEXT"),
                     SearchCommand::tr("Часть имени игрока, в любом регистре (ё как е)."));
    options.addValue(QStringLiteral("position"), QStringLiteral("P"),
                     SearchCommand::tr("Позиция, как в списке: Gk, Df, DM, Mf, AM, Fw."));
    options.addValue(QStringLiteral("age-max"), QStringLiteral("N"),
                     SearchCommand::tr("Наибольший возраст."));
    options.addValue(QStringLiteral("talent-min"), QStringLiteral("X"),
                     SearchCommand::tr("Наименьший талант."));
    options.addValue(QStringLiteral("mastery-min"), QStringLiteral("X"),
                     SearchCommand::tr("Наименьшее мастерство."));
    options.addValue(QStringLiteral("country"), QStringLiteral("TEXT"),
                     SearchCommand::tr("Часть названия страны, в любом регистре."));
    options.addValue(QStringLiteral("division"), QStringLiteral("NAME|ID"),
                     SearchCommand::tr("Только команды этого дивизиона каталога (можно несколько раз)."));
    options.addFlag(
        QStringLiteral("all-weeks"),
        SearchCommand::tr("Искать во всех сохранённых неделях, а не только в последней странице команды."));
    addFormatOption(options, searchFormats());
}

std::vector<int32_t> teamsOfDivisions(CliContext &context, const QStringList &divisions)
{
    std::vector<int32_t> teamIds;
    for (const QString &nameOrId : divisions) {
        for (const CatalogueEntry &team : context.teamsOf(context.divisionNamed(nameOrId).id))
            teamIds.push_back(team.id);
    }
    return teamIds;
}

PlayerSearch searchOf(CliContext &context, const CommandOptions &options)
{
    PlayerSearch search;
    search.namePart = options.value(QStringLiteral("name"));
    if (options.isSet(QStringLiteral("position")))
        search.position = recordPosition(toCp1251(options.value(QStringLiteral("position"))));
    if (const std::optional<int64_t> age = options.integer(QStringLiteral("age-max"), 0, 99))
        search.oldestAge = static_cast<int>(*age);
    search.lowestTalent = options.decimal(QStringLiteral("talent-min"), 0, 1000);
    search.lowestMastery = options.decimal(QStringLiteral("mastery-min"), 0, 1000);
    search.countryPart = options.value(QStringLiteral("country"));
    search.everyWeek = options.isSet(QStringLiteral("all-weeks"));
    const QStringList divisions = options.values(QStringLiteral("division"));
    if (!divisions.isEmpty()) {
        search.teamIds = teamsOfDivisions(context, divisions);
        if (search.teamIds.empty())
            search.teamIds.push_back(0); // divisions without teams: nothing can match, not everything
    }
    return search;
}

ResultTable foundTable(const std::vector<FoundPlayer> &found, ResultFormat format)
{
    ResultTable table{{{SearchCommand::tr("Команда"), QStringLiteral("team")},
                       {SearchCommand::tr("Код"), QStringLiteral("teamId")},
                       {SearchCommand::tr("Дивизион"), QStringLiteral("division")},
                       {SearchCommand::tr("Имя"), QStringLiteral("name")},
                       {SearchCommand::tr("Страна"), QStringLiteral("country")},
                       {SearchCommand::tr("Поз"), QStringLiteral("position")},
                       {SearchCommand::tr("Возр"), QStringLiteral("age")},
                       {SearchCommand::tr("Маст"), QStringLiteral("mastery")},
                       {SearchCommand::tr("Талант"), QStringLiteral("talent")},
                       {SearchCommand::tr("Данные от"), QStringLiteral("fetchedAt")},
                       {SearchCommand::tr("Код загрузки"), QStringLiteral("fetchId")}},
                      {}};
    const bool json = format == ResultFormat::Json;
    for (const FoundPlayer &one : found) {
        // The numbers as the talent list shows them (its rounding), or as numbers for a program.
        const std::vector<std::string> cells = talentListRows({one.player}).at(0);
        const TalentPlayer &player = one.player;
        table.rows.push_back({shownText(one.teamName), one.teamId, shownText(one.division),
                              shownText(player.name), shownText(player.country), shownText(player.position),
                              json ? QJsonValue(player.age) : QJsonValue(shownText(cells.at(3))),
                              json ? QJsonValue(player.mastery) : QJsonValue(shownText(cells.at(4))),
                              json ? QJsonValue(player.talent) : QJsonValue(shownText(cells.at(5))),
                              json ? one.fetchedAt.toUTC().toString(Qt::ISODate)
                                   : one.fetchedAt.toLocalTime().toString(QStringLiteral("dd.MM.yyyy")),
                              QJsonValue(static_cast<qint64>(one.fetchId))});
    }
    return table;
}

} // namespace

int runSearch(CliContext &context, const QStringList &arguments)
{
    CommandOptions options(
        QStringLiteral("search [options]"),
        SearchCommand::tr("Ищет юниоров в сохранённых страницах таланта: по умолчанию в последней "
                          "странице каждой команды. Условия складываются; без условий выводит всех."));
    addSearchOptions(options);
    if (!options.parse(arguments))
        return ExitSuccess;
    const ResultFormat format = formatOf(options, searchFormats());
    const PlayerSearch search = searchOf(context, options);
    const std::vector<FoundPlayer> found = context.history().store().findPlayers(search);
    context.writeOut(formatted(foundTable(found, format), format));
    if (context.progress().shown())
        context.tell(SearchCommand::tr("Найдено игроков: %1.").arg(found.size()));
    return ExitSuccess;
}
