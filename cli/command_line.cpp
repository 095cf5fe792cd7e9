#include "cli/command_line.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

namespace {

} // namespace

QString programName() { return QStringLiteral("brindlemark-cli"); }

CommandOptions::CommandOptions(QString usage, const QString &description) : m_usage(std::move(usage))
{
    m_parser.setApplicationDescription(description);
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addHelpOption();
}

void CommandOptions::add(const QCommandLineOption &option) { m_parser.addOption(option); }

void CommandOptions::addValue(const QString &name, const QString &valueName, const QString &description)
{
    add(QCommandLineOption(name, description, valueName));
}

void CommandOptions::addFlag(const QString &name, const QString &description)
{
    add(QCommandLineOption(name, description));
}

bool CommandOptions::parse(const QStringList &arguments, int positionalMin, int positionalMax)
{
    // The parser takes the first argument for the program's own name.
    if (!m_parser.parse(QStringList{programName()} + arguments))
        throw UsageError{m_parser.errorText()};
    if (m_parser.isSet(QStringLiteral("help"))) {
        const QByteArray help = helpText().toLocal8Bit();
        std::fwrite(help.constData(), 1, static_cast<size_t>(help.size()), stdout);
        return false;
    }
    const qsizetype given = m_parser.positionalArguments().size();
    if (given > positionalMax)
        throw UsageError{CommandOptions::tr("Лишний аргумент: «%1».")
                             .arg(m_parser.positionalArguments().at(positionalMax))};
    if (given < positionalMin)
        throw UsageError{CommandOptions::tr("Не хватает аргументов.")};
    return true;
}

int64_t CommandOptions::integerOf(const QString &what, const QString &text, int64_t min, int64_t max)
{
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    if (!ok || number < min || number > max)
        throw UsageError{
            CommandOptions::tr("%1: «%2» не целое число от %3 до %4.").arg(what, text).arg(min).arg(max)};
    return number;
}

std::optional<int64_t> CommandOptions::integer(const QString &name, int64_t min, int64_t max) const
{
    if (!isSet(name))
        return std::nullopt;
    return integerOf(QStringLiteral("--") + name, value(name), min, max);
}

std::optional<double> CommandOptions::decimal(const QString &name, double min, double max) const
{
    if (!isSet(name))
        return std::nullopt;
    QString text = value(name).trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double number = QLocale::c().toDouble(text, &ok);
    if (!ok || number < min || number > max)
        throw UsageError{
            CommandOptions::tr("--%1: «%2» не число от %3 до %4.").arg(name, value(name)).arg(min).arg(max)};
    return number;
}

std::optional<QString> CommandOptions::choice(const QString &name, const QStringList &choices) const
{
    if (!isSet(name))
        return std::nullopt;
    const QString given = value(name);
    if (!choices.contains(given))
        throw UsageError{CommandOptions::tr("--%1: «%2» не из списка: %3.")
                             .arg(name, given, choices.join(QStringLiteral(", ")))};
    return given;
}

QString CommandOptions::helpText() const
{
    // The parser's own first line names the program alone; ours names the subcommand too.
    QString help = m_parser.helpText();
    const qsizetype firstLineEnd = help.indexOf(QLatin1Char('\n'));
    help.replace(0, firstLineEnd, CommandOptions::tr("Использование: %1 %2").arg(programName(), m_usage));
    return help;
}
