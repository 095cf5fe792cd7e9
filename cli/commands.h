#pragma once

#include <QString>
#include <QStringList>
#include <span>

class CliContext;

// The subcommands. Each is one function taking the shared context and its own arguments (everything
// after its name) and returning the exit code (cli/exit_codes.h); it parses its options with
// CommandOptions, throws UsageError for a mistake in them and AppError for a failure that stops it.
//
// Adding a subcommand: write `int runName(CliContext &, const QStringList &arguments)` in a file of its
// own under cli/, declare it here and give it one row in commandTable() (cli/command_table.cpp) with
// its name and a one-line summary for the program's help. Nothing else changes.
using CommandFunction = int (*)(CliContext &, const QStringList &);

struct Command {
    const char *name;
    // The line the program's help gives it, a Russian source text translated in the context "Commands".
    const char *summary;
    CommandFunction run;
};

std::span<const Command> commandTable();

int runFetch(CliContext &context, const QStringList &arguments);
int runWatch(CliContext &context, const QStringList &arguments);
int runSearch(CliContext &context, const QStringList &arguments);
int runHistory(CliContext &context, const QStringList &arguments);
int runCrawl(CliContext &context, const QStringList &arguments);

// The program's arguments without its name: the subcommand's name, then its own. Prints the help for
// none or "--help", finds the subcommand and runs it; usage errors and failures are told on stderr here.
int dispatch(CliContext &context, const QStringList &arguments);
