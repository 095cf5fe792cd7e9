#include "history/page_packing.h"

#include <array>
#include <limits>
#include <new>
#include <numeric>
#include <stdexcept>
#include <vector>
#include <zdict.h>
#include <zlib.h>
#include <zstd.h>

namespace {

// Measured against a prepared trained dictionary: keeping a page took 0.53 ms of CPU at level 9, 40 %
// of it in zstd, and 0.33 ms at level 5, whose pages come out an eighth larger.
constexpr int zstdLevel = 5;

// Against a team's own earlier page nearly everything is one long match, which the fastest level
// finds as well as any: 130-170 bytes a week's page at levels 1 to 5.
constexpr int referenceLevel = 1;

// A frame's content size when it is one of ours: stated, and no more than a page can be.
std::optional<size_t> frameContentSize(std::string_view packed)
{
    const unsigned long long size = ZSTD_getFrameContentSize(packed.data(), packed.size());
    if (size == ZSTD_CONTENTSIZE_ERROR || size == ZSTD_CONTENTSIZE_UNKNOWN ||
        size > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    return static_cast<size_t>(size);
}

// zlib's input pointers are not const before 1.2.9's ZLIB_CONST; it never writes through them.
Bytef *bytesOf(std::string_view text) { return reinterpret_cast<Bytef *>(const_cast<char *>(text.data())); }

uInt lengthOf(std::string_view text)
{
    if (text.size() > std::numeric_limits<uInt>::max())
        throw std::length_error("page too large to unpack");
    return static_cast<uInt>(text.size());
}

} // namespace

struct ZstdDictionary::Prepared {
    ZSTD_CCtx *packer = ZSTD_createCCtx();
    ZSTD_DCtx *unpacker = ZSTD_createDCtx();
    ZSTD_CDict *packing = nullptr;
    ZSTD_DDict *unpacking = nullptr;

    Prepared() = default;
    Prepared(const Prepared &) = delete;
    Prepared &operator=(const Prepared &) = delete;
    ~Prepared()
    {
        ZSTD_freeCDict(packing);
        ZSTD_freeDDict(unpacking);
        ZSTD_freeCCtx(packer);
        ZSTD_freeDCtx(unpacker);
    }
};

ZstdDictionary::ZstdDictionary(std::string bytes)
    : m_bytes(std::move(bytes)), m_prepared(std::make_unique<Prepared>())
{
    if (!m_prepared->packer || !m_prepared->unpacker)
        throw std::bad_alloc();
    if (m_bytes.empty())
        return;
    // Bytes without zstd's dictionary header are taken as raw content, as `zstd -D` takes them.
    m_prepared->packing = ZSTD_createCDict(m_bytes.data(), m_bytes.size(), zstdLevel);
    m_prepared->unpacking = ZSTD_createDDict(m_bytes.data(), m_bytes.size());
    if (!m_prepared->packing || !m_prepared->unpacking)
        throw std::bad_alloc();
}

ZstdDictionary::~ZstdDictionary() = default;

std::string ZstdDictionary::pack(std::string_view page) const
{
    std::string packed(ZSTD_compressBound(page.size()), '\0');
    const size_t size = m_prepared->packing
                            ? ZSTD_compress_usingCDict(m_prepared->packer, packed.data(), packed.size(),
                                                       page.data(), page.size(), m_prepared->packing)
                            : ZSTD_compressCCtx(m_prepared->packer, packed.data(), packed.size(), page.data(),
                                                page.size(), zstdLevel);
    if (ZSTD_isError(size))
        throw std::runtime_error(ZSTD_getErrorName(size));
    packed.resize(size);
    return packed;
}

std::optional<std::string> ZstdDictionary::unpack(std::string_view packed) const
{
    // Our frames always say their size; a frame that does not, or claims more than a page can be, is
    // not one of ours.
    const std::optional<size_t> size = frameContentSize(packed);
    if (!size)
        return std::nullopt;
    std::string page(*size, '\0');
    const size_t unpacked =
        m_prepared->unpacking
            ? ZSTD_decompress_usingDDict(m_prepared->unpacker, page.data(), page.size(), packed.data(),
                                         packed.size(), m_prepared->unpacking)
            : ZSTD_decompressDCtx(m_prepared->unpacker, page.data(), page.size(), packed.data(),
                                  packed.size());
    if (ZSTD_isError(unpacked) || unpacked != *size)
        return std::nullopt;
    return page;
}

namespace {

struct ContextsForReferences {
    std::unique_ptr<ZSTD_CCtx, size_t (*)(ZSTD_CCtx *)> packer{ZSTD_createCCtx(), ZSTD_freeCCtx};
    std::unique_ptr<ZSTD_DCtx, size_t (*)(ZSTD_DCtx *)> unpacker{ZSTD_createDCtx(), ZSTD_freeDCtx};
};

// One pair per thread: the window's, the re-read's and the search's threads each pack and unpack.
ContextsForReferences &contextsForReferences()
{
    thread_local ContextsForReferences contexts;
    if (!contexts.packer || !contexts.unpacker)
        throw std::bad_alloc();
    return contexts;
}

} // namespace

std::string packAgainst(std::string_view page, std::string_view reference)
{
    // As a prefix the reference is always raw content, whatever its first bytes.
    ZSTD_CCtx *packer = contextsForReferences().packer.get();
    ZSTD_CCtx_reset(packer, ZSTD_reset_session_and_parameters);
    std::string packed(ZSTD_compressBound(page.size()), '\0');
    size_t size = ZSTD_CCtx_setParameter(packer, ZSTD_c_compressionLevel, referenceLevel);
    if (!ZSTD_isError(size))
        size = ZSTD_CCtx_refPrefix(packer, reference.data(), reference.size());
    if (!ZSTD_isError(size))
        size = ZSTD_compress2(packer, packed.data(), packed.size(), page.data(), page.size());
    if (ZSTD_isError(size))
        throw std::runtime_error(ZSTD_getErrorName(size));
    packed.resize(size);
    return packed;
}

std::optional<std::string> unpackAgainst(std::string_view packed, std::string_view reference)
{
    const std::optional<size_t> size = frameContentSize(packed);
    if (!size)
        return std::nullopt;
    ZSTD_DCtx *unpacker = contextsForReferences().unpacker.get();
    ZSTD_DCtx_reset(unpacker, ZSTD_reset_session_and_parameters);
    if (ZSTD_isError(ZSTD_DCtx_refPrefix(unpacker, reference.data(), reference.size())))
        return std::nullopt;
    std::string page(*size, '\0');
    const size_t unpacked =
        ZSTD_decompressDCtx(unpacker, page.data(), page.size(), packed.data(), packed.size());
    if (ZSTD_isError(unpacked) || unpacked != *size)
        return std::nullopt;
    return page;
}

std::string trainDictionary(std::span<const std::string> samples, size_t capacity)
{
    std::string joined;
    std::vector<size_t> sizes;
    sizes.reserve(samples.size());
    for (const std::string &sample : samples) {
        joined += sample;
        sizes.push_back(sample.size());
    }
    std::string dictionary(capacity, '\0');
    const size_t size = ZDICT_trainFromBuffer(dictionary.data(), dictionary.size(), joined.data(),
                                              sizes.data(), static_cast<unsigned>(sizes.size()));
    if (ZDICT_isError(size))
        return {};
    dictionary.resize(size);
    return dictionary;
}

std::optional<std::string> zlibUnpack(std::string_view packed, std::string_view dictionary)
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
