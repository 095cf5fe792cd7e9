#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// A usage error: an unknown option, a missing value, a number that is none. Told on stderr with the
// subcommand's usage line; the program ends with ExitUsage.
struct UsageError {
    QString message;
};

// One subcommand's options over QCommandLineParser: `--help` prints the help on stdout, a mistake
// throws UsageError, values are read and checked here so the subcommands get plain values.
class CommandOptions {
    Q_DECLARE_TR_FUNCTIONS(CommandOptions)

public:
    // `usage` is what follows the program's name: "fetch --team ID | --division NAME|ID [options]".
    CommandOptions(QString usage, const QString &description);

    void add(const QCommandLineOption &option);
    // Adds "--name VALUE".
    void addValue(const QString &name, const QString &valueName, const QString &description);
    void addFlag(const QString &name, const QString &description);

    // Parses the subcommand's arguments (without the program's and the subcommand's names). False when
    // the help was asked for and printed: the subcommand ends with success. Arguments other than
    // options are refused unless `positionalCount` allows them.
    bool parse(const QStringList &arguments, int positionalMin = 0, int positionalMax = 0);

    bool isSet(const QString &name) const { return m_parser.isSet(name); }
    QString value(const QString &name) const { return m_parser.value(name); }
    QStringList values(const QString &name) const { return m_parser.values(name); }
    QStringList positional() const { return m_parser.positionalArguments(); }

    // The option's value as an integer in [min, max]; nothing when the option is not given.
    std::optional<int64_t> integer(const QString &name, int64_t min, int64_t max) const;
    // A decimal number (point or comma) in [min, max]; nothing when not given.
    std::optional<double> decimal(const QString &name, double min, double max) const;
    // The value, which must be one of `choices`; nothing when not given.
    std::optional<QString> choice(const QString &name, const QStringList &choices) const;

    // An integer read from a text given on the command line (a positional identifier, say).
    static int64_t integerOf(const QString &what, const QString &text, int64_t min, int64_t max);

    QString helpText() const;
    const QString &usage() const { return m_usage; }

private:
    QString m_usage;
    QCommandLineParser m_parser;
};

// The program's name as the help and the messages give it.
QString programName();
