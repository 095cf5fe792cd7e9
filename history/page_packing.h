#pragma once

#include <optional>
#include <string>
#include <string_view>

// Stored pages are zlib streams. Pages of one kind share most of their bytes (the site's frame, its
// styles, its menus), so a stream may be primed with an earlier page of that kind: a preset
// dictionary that lets each page name what it shares with that one instead of spelling it out.

// The most of a page a dictionary can use: zlib looks back 32 KB at most.
std::string_view dictionaryOf(std::string_view page);

// The page as a zlib stream, primed with the dictionary unless it is empty.
std::string packPage(std::string_view page, std::string_view dictionary);

// The page back; nothing when the bytes are not a whole zlib stream, or the stream was primed with a
// dictionary other than the one given.
std::optional<std::string> unpackPage(std::string_view packed, std::string_view dictionary);
