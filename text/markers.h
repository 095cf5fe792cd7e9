#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// 1-based position of the first exact occurrence of marker in text; 0 when absent or either is empty.
int32_t markerPos(std::string_view marker, std::string_view text);

// Up to count characters of text from the 1-based position start (a start below 1 counts as 1).
// A start past the end, a negative count or an empty text give an empty result.
std::string subText(std::string_view text, int64_t start, int64_t count);
