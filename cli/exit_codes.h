#pragma once

// What brindlemark-cli tells the shell. A run stopped by SIGINT or SIGTERM keeps what arrived, then ends
// by that signal itself (the shell sees 130 or 143), so a script's loop stops with it.
enum ExitCode : int {
    ExitSuccess = 0,
    ExitSomeLeftOut = 1, // some teams or pages could not be fetched or kept; the others were
    ExitUsage = 2,       // unknown option, missing value, bad number, unknown subcommand
    ExitNothingFetched = 3,
};
