#pragma once

#include <QString>

// The two level edits take one digit, 1 to 3. The key filter passes backspace so the digit can be
// deleted (an empty level then fails its conversion when the table is built).
bool isLevelKey(char16_t key);

// For text that arrives whole (a paste): empty, "1", "2" or "3".
bool isLevelText(const QString &text);
