#pragma once

#include <QString>
#include <functional>
#include <string>

// The text of the error box for a failure message: a final "." is added unless the message already
// ends in "." or in a byte that sorts before it.
std::string errorBoxText(const std::string &message);

// Runs one command; any exception that escapes it is shown in the error box captioned "Brindlemark"
// and the command is abandoned where it failed. Returns false when the command failed.
bool runGuarded(const std::function<void()> &command);
