#include "analysis/level_keys.h"

namespace {

bool isLevelDigit(char16_t c) { return c >= u'1' && c <= u'3'; }

} // namespace

bool isLevelKey(char16_t key) { return key == u'\b' || isLevelDigit(key); }

bool isLevelText(const QString &text)
{
    return text.isEmpty() || (text.size() == 1 && isLevelDigit(text.front().unicode()));
}
