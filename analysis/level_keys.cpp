#include "analysis/level_keys.h"

namespace {

bool isLevelDigit(char16_t c) { return c >= u'1' && c <= u'3'; }

} // namespace

bool levelEditTakesKey(const QString &typedText)
{
    if (typedText.size() == 1 && isLevelDigit(typedText.front().unicode()))
        return true;
    for (const QChar c : typedText)
        if (c.isPrint())
            return false;
    return true;
}

bool isLevelText(const QString &text)
{
    return text.isEmpty() || (text.size() == 1 && isLevelDigit(text.front().unicode()));
}
