#include "text/markers.h"

int32_t markerPos(std::string_view marker, std::string_view text)
{
    if (marker.empty() || text.empty())
        return 0;
    const size_t at = text.find(marker);
    return at == std::string_view::npos ? 0 : static_cast<int32_t>(at + 1);
}

std::string subText(std::string_view text, int64_t start, int64_t count)
{
    if (start < 1)
        start = 1;
    const auto size = static_cast<int64_t>(text.size());
    if (text.empty() || count <= 0 || start > size)
        return {};
    const int64_t available = size - start + 1;
    return std::string(text.substr(static_cast<size_t>(start - 1),
                                   static_cast<size_t>(count < available ? count : available)));
}
