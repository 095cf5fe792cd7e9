#include "cli/cli_context.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "text/app_error.h"
#include "text/code_page.h"

#include <QCoreApplication>
#include <array>

namespace {

// The subcommands, in the order the help lists them.
constexpr std::array commands{
    Command{"fetch",
            QT_TRANSLATE_NOOP("Commands", "получить команду или дивизион в историю (и в текст, CSV)"),
            runFetch},
    Command{"watch",
            QT_TRANSLATE_NOOP("Commands", "получить отмеченные дивизионы, которым пора (для расписания)"),
            runWatch},
    Command{"crawl",
            QT_TRANSLATE_NOOP("Commands", "обход каталога или дивизионов в историю: вежливо, с продолжением "
                                          "после остановки"),
            runCrawl},
    Command{"search", QT_TRANSLATE_NOOP("Commands", "найти юниоров в сохранённых страницах таланта"),
            runSearch},
    Command{"history",
            QT_TRANSLATE_NOOP("Commands", "что хранит история: команды, их получения, сравнение, "
                                          "страница как получена"),
            runHistory},
};

// The context this file's texts are translated in.
struct Commands {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

QString programHelp()
{
    QString help = Commands::tr("Использование: %1 <команда> [параметры]\n"
                                "Brindlemark без окна: те же настройки, каталог и история.\n\nКоманды:\n")
                       .arg(programName());
    for (const Command &command : commands)
        help += QStringLiteral("  %1%2\n")
                    .arg(QString::fromLatin1(command.name), -10)
                    .arg(QCoreApplication::translate("Commands", command.summary));
    help += Commands::tr("\n«%1 <команда> --help» описывает команду.\n"
                         "Коды выхода: 0 успех, 1 часть команд не получена, 2 ошибка в параметрах, "
                         "3 ничего не получено.\n")
                .arg(programName());
    return help;
}

const Command *findCommand(const QString &name)
{
    for (const Command &command : commands)
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

} // namespace

std::span<const Command> commandTable() { return commands; }

int dispatch(CliContext &context, const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help") ||
        arguments.first() == QLatin1String("-h")) {
        context.writeOut(programHelp().toLocal8Bit());
        return arguments.isEmpty() ? ExitUsage : ExitSuccess;
    }
    const Command *command = findCommand(arguments.first());
    if (command == nullptr) {
        context.tell(Commands::tr("Неизвестная команда «%1». Список команд: %2 --help.")
                         .arg(arguments.first(), programName()));
        return ExitUsage;
    }
    try {
        return command->run(context, arguments.mid(1));
    } catch (const UsageError &error) {
        context.tell(error.message);
        context.tell(
            Commands::tr("Справка: %1 %2 --help.").arg(programName(), QString::fromLatin1(command->name)));
        return ExitUsage;
    } catch (const AppError &error) {
        context.tell(fromCp1251(error.what()));
        return ExitNothingFetched;
    }
}
