#include "history/page_packing.h"

#include <array>
#include <limits>
#include <stdexcept>
#include <zlib.h>

namespace {

constexpr size_t windowBytes = size_t{1} << 15;

Bytef *bytesOf(std::string_view text)
{
    // zlib's input pointers are not const before 1.2.9's ZLIB_CONST; it never writes through them.
    return reinterpret_cast<Bytef *>(const_cast<char *>(text.data()));
}

uInt lengthOf(std::string_view text)
{
    if (text.size() > std::numeric_limits<uInt>::max())
        throw std::length_error("page too large to pack");
    return static_cast<uInt>(text.size());
}

} // namespace

std::string_view dictionaryOf(std::string_view page)
{
    return page.size() > windowBytes ? page.substr(page.size() - windowBytes) : page;
}

std::string packPage(std::string_view page, std::string_view dictionary)
{
    const uInt pageLength = lengthOf(page);
    const uInt dictionaryLength = lengthOf(dictionary);
    z_stream stream{};
    if (deflateInit(&stream, Z_BEST_COMPRESSION) != Z_OK)
        throw std::bad_alloc();
    if (dictionaryLength > 0 &&
        deflateSetDictionary(&stream, bytesOf(dictionary), dictionaryLength) != Z_OK) {
        deflateEnd(&stream);
        throw std::runtime_error("page dictionary refused");
    }
    std::string packed(deflateBound(&stream, pageLength), '\0');
    stream.next_in = bytesOf(page);
    stream.avail_in = pageLength;
    stream.next_out = reinterpret_cast<Bytef *>(packed.data());
    stream.avail_out = static_cast<uInt>(packed.size());
    const int result = deflate(&stream, Z_FINISH); // deflateBound leaves room for it in one call
    packed.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw std::runtime_error("page packing stopped short");
    return packed;
}

std::optional<std::string> unpackPage(std::string_view packed, std::string_view dictionary)
{
    const uInt packedLength = lengthOf(packed);
    const uInt dictionaryLength = lengthOf(dictionary);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        throw std::bad_alloc();
    stream.next_in = bytesOf(packed);
    stream.avail_in = packedLength;
    std::string page;
    std::array<char, size_t{64} * 1024> chunk{};
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef *>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        result = inflate(&stream, Z_NO_FLUSH);
        if (result == Z_NEED_DICT)
            result = dictionaryLength == 0
                         ? Z_DATA_ERROR
                         : inflateSetDictionary(&stream, bytesOf(dictionary), dictionaryLength);
        page.append(chunk.data(), chunk.size() - stream.avail_out);
    } // with a fresh chunk each time, Z_BUF_ERROR means the stream ended early
    inflateEnd(&stream);
    if (result != Z_STREAM_END)
        return std::nullopt;
    return page;
}
