#include "text/numbers.h"

#include "text/app_error.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// Decimal digits and exponent of a value taken to `digits` significant digits: value = 0.D * 10^(exp+1).
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// For finite values only: the digits of an infinity are none.
Decimal toDecimal(long double value, int digits)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, value);
    Decimal d;
    const char *p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (isDigit(*p))
            d.digits += *p;
    d.exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    return d;
}

[[noreturn]] void throwNotDecimal(const std::string &text)
{
    throw ConvertError("'" + text + "' is not a valid floating point value");
}

std::optional<std::string> nonFiniteText(long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    return std::nullopt;
}

} // namespace

int32_t readInteger(const std::string &text)
{
    std::string_view s = trimBlanks(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    bool ok = !s.empty();
    int64_t value = 0;
    for (char c : s) {
        if (!isDigit(c) || value > (int64_t{1} << 32)) {
            ok = false;
            break;
        }
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (!ok || value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw ConvertError("'" + text + "' is not a valid integer value");
    return static_cast<int32_t>(value);
}

std::optional<long double> parseDecimal(std::string_view text)
{
    const std::string_view s = trimBlanks(text);
    std::string plain; // the same number with "." as separator, for the locale-free parser
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        plain += s[i++];
    int digits = 0;
    bool separator = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            ++digits;
            plain += s[i];
        } else if (s[i] == ',' && !separator) {
            separator = true;
            plain += '.';
        } else {
            break;
        }
    }
    bool ok = digits > 0;
    if (ok && i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            plain += s[i++];
        const size_t expStart = i;
        while (i < s.size() && isDigit(s[i]))
            plain += s[i++];
        ok = i > expStart;
    }
    if (!ok || i != s.size())
        return std::nullopt;
    long double value = 0;
    const char *first = plain.data() + (plain.front() == '+' ? 1 : 0);
    const auto [end, error] = std::from_chars(first, plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

long double readDecimal(const std::string &text)
{
    const std::optional<long double> value = parseDecimal(text);
    if (!value)
        throwNotDecimal(text);
    return *value;
}

double readDouble(const std::string &text)
{
    const long double value = readDecimal(text);
    if (std::fabs(value) > std::numeric_limits<double>::max())
        throwNotDecimal(text);
    return static_cast<double>(value);
}

std::string formatFixed(long double value, int decimals)
{
    if (const std::optional<std::string> text = nonFiniteText(value))
        return *text;
    Decimal d = toDecimal(value, 18);
    // Digits before the separator: exponent + 1; we keep that many plus the decimals.
    const int keep = d.exponent + 1 + decimals;
    std::string kept;
    if (value != 0 && keep >= 0) {
        kept = d.digits.substr(0, static_cast<size_t>(std::min<int>(keep, 18)));
        const bool roundUp = keep < 18 && d.digits[static_cast<size_t>(keep)] >= '5';
        kept.append(static_cast<size_t>(std::max(0, keep - 18)), '0');
        if (roundUp) {
            int k = static_cast<int>(kept.size()) - 1;
            while (k >= 0 && kept[static_cast<size_t>(k)] == '9')
                kept[static_cast<size_t>(k--)] = '0';
            if (k >= 0)
                ++kept[static_cast<size_t>(k)];
            else
                kept.insert(kept.begin(), '1');
        }
    }
    // kept now holds the scaled integer value * 10^decimals.
    const size_t wanted = static_cast<size_t>(decimals) + 1;
    if (kept.size() < wanted)
        kept.insert(0, wanted - kept.size(), '0');
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    std::string out = d.negative && !zero ? "-" : "";
    out += kept.substr(0, kept.size() - static_cast<size_t>(decimals));
    if (decimals > 0) {
        out += ',';
        out += kept.substr(kept.size() - static_cast<size_t>(decimals));
    }
    return out;
}

std::string formatGeneral(long double value)
{
    if (value == 0)
        return "0";
    if (const std::optional<std::string> text = nonFiniteText(value))
        return *text;
    const Decimal d = toDecimal(value, 15);
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out = d.negative ? "-" : "";
    const int exp = d.exponent;
    if (exp >= 15 || exp < -5) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += ',';
            out += digits.substr(1);
        }
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exp < 0 ? '-' : '+', exp < 0 ? -exp : exp);
        return out + e;
    }
    if (exp < 0) {
        out += "0,";
        out.append(static_cast<size_t>(-exp - 1), '0');
        return out + digits;
    }
    const size_t intDigits = static_cast<size_t>(exp) + 1;
    if (digits.size() <= intDigits)
        return out + digits + std::string(intDigits - digits.size(), '0');
    return out + digits.substr(0, intDigits) + "," + digits.substr(intDigits);
}

std::string formatInteger(int64_t value) { return std::to_string(value); }
