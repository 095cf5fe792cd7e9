#pragma once

#include <QString>

// The two level edits take one digit, 1 to 3 (an empty level fails its conversion when the table is
// built).

// The filter of typed keys: a key that types nothing printable (Tab, arrows, Home, End, Delete,
// Backspace, Enter) does what it does everywhere; a typed character must be a level digit.
bool levelEditTakesKey(const QString &typedText);

// For text that arrives whole (a paste): empty, "1", "2" or "3".
bool isLevelText(const QString &text);
