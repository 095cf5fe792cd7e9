#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

static_assert(std::numeric_limits<long double>::digits == 64,
              "the projection and the number texts need an 80-bit long double (64-bit significand)");

// Readers of the number texts the window holds. Both accept blanks around the number, an optional
// sign and decimal digits; anything else fails with the conversion message quoting the text.

// "'%s' is not a valid integer value" unless text is a 32-bit signed decimal integer.
int32_t readInteger(const std::string &text);

// The decimal number a text holds, or nothing: blanks around, an optional sign, digits with at most
// one "," separator (at least one digit), an optional exponent, and a value in range.
std::optional<long double> parseDecimal(std::string_view text);

// "'%s' is not a valid floating point value" unless text is a decimal number with at most one ","
// separator, at least one digit and an optional exponent (E or e, optional sign, digits).
long double readDecimal(const std::string &text);
// readDecimal for a value kept as a double: a value beyond a double's range fails with the same message.
double readDouble(const std::string &text);

// Both formats write an infinity as "INF" or "-INF" and not-a-number as "NAN".

// Fixed-point text with the given number of decimals and "," as separator: the value is first taken to
// 18 significant digits, then rounded half up in magnitude (5.125 -> "5,13").
std::string formatFixed(long double value, int decimals);

// General format with 15 significant digits: no trailing zeros, no separator for whole numbers.
std::string formatGeneral(long double value);

std::string formatInteger(int64_t value);
