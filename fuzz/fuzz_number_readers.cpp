// The number readers and writers on any text: readers accept only number characters and fail with the
// conversion message quoting the text; what the writers make reads back to (nearly) the same value.
#include "fuzz/fuzz_check.h"
#include "text/app_error.h"
#include "text/numbers.h"
#include "view/column_sort.h"

#include <cmath>
#include <string>

namespace {

bool onlyOf(const std::string &text, const char *allowed)
{
    return text.find_first_not_of(allowed) == std::string::npos;
}

// An exception's message is a C string: a text with a zero byte shows up to that byte.
std::string asMessage(const std::string &message) { return message.substr(0, message.find('\0')); }

int sign(int v) { return (v > 0) - (v < 0); }

void integerReader(const std::string &text)
{
    try {
        const int32_t value = readInteger(text);
        FUZZ_CHECK(onlyOf(text, " +-0123456789"));
        FUZZ_CHECK(readInteger(formatInteger(value)) == value);
    } catch (const ConvertError &e) {
        FUZZ_CHECK(e.what() == asMessage("'" + text + "' is not a valid integer value"));
    }
}

// What the lists, the export and the projection write must read back within their rounding.
void roundTrips(long double value)
{
    FUZZ_CHECK(std::isfinite(value));
    const long double magnitude = std::fabs(value);
    for (const int decimals : {2, 3}) {
        const std::string fixed = formatFixed(value, decimals);
        FUZZ_CHECK(onlyOf(fixed, "-0123456789,"));
        const long double back = readDecimal(fixed);
        const long double step = decimals == 2 ? 0.01L : 0.001L;
        FUZZ_CHECK(std::fabs(back - value) <= step / 2 * (1 + 1e-9L) + magnitude * 1e-17L);
    }
    const std::string general = formatGeneral(value);
    const long double back = readDecimal(general);
    FUZZ_CHECK(std::fabs(back - value) <= magnitude * 5.0001e-15L);
    // The general format's own output is already at 15 digits, so it stays the same.
    FUZZ_CHECK(formatGeneral(back) == general);
}

void decimalReader(const std::string &text)
{
    try {
        const long double value = readDecimal(text);
        FUZZ_CHECK(onlyOf(text, " +-0123456789,eE"));
        roundTrips(value);
        // A numeric column sorts a readable cell by its value.
        FUZZ_CHECK(readSortNumber(text) == value);
    } catch (const ConvertError &e) {
        FUZZ_CHECK(e.what() == asMessage("'" + text + "' is not a valid floating point value"));
    }
}

void sortComparisons(const std::string &a, const std::string &b)
{
    const long double v = readSortNumber(a);
    FUZZ_CHECK(std::isfinite(v));
    if (v != 0)
        FUZZ_CHECK(onlyOf(a, " +-0123456789,eE"));
    FUZZ_CHECK(compareNumbers(a, a) == 0);
    FUZZ_CHECK(compareNumbers(a, b) == -compareNumbers(b, a));
    FUZZ_CHECK(compareText(a, a) == 0);
    FUZZ_CHECK(sign(compareText(a, b)) == -sign(compareText(b, a)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    integerReader(text);
    decimalReader(text);
    // A line break splits the input into two cells to compare.
    const size_t cut = text.find('\n');
    const std::string a = text.substr(0, cut);
    const std::string b = cut == std::string::npos ? std::string() : text.substr(cut + 1);
    sortComparisons(a, b);
    decimalReader(a);
    return 0;
}
