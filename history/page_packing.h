#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Stored pages are compressed. Pages of one kind share most of their bytes (the site's frame, its
// styles, its menus), so each is packed against a dictionary of that kind: what it shares with the
// dictionary is named instead of spelt out.
//
// Pages are zstd frames, packed against a dictionary trained on the first pages of their kind. Files
// of earlier builds hold zlib streams primed with the first page of their kind; those still unpack.

enum class PagePacking {
    Zlib, // earlier builds: a zlib stream, its preset dictionary the first page of its kind
    Zstd,
};

// A zstd dictionary made ready once for packing and unpacking many pages; empty bytes pack without one.
class ZstdDictionary {
public:
    explicit ZstdDictionary(std::string bytes = {});
    ~ZstdDictionary();
    ZstdDictionary(const ZstdDictionary &) = delete;
    ZstdDictionary &operator=(const ZstdDictionary &) = delete;

    const std::string &bytes() const { return m_bytes; }
    std::string pack(std::string_view page) const;
    // The page back; nothing when the bytes are not one whole zstd frame or need another dictionary.
    std::optional<std::string> unpack(std::string_view packed) const;

private:
    struct Prepared;
    std::string m_bytes;
    std::unique_ptr<Prepared> m_prepared;
};

// A page packed against another page of its team (`reference`, as raw content): what the two share is
// named, so a week's page costs little more than the numbers that changed. Quick to pack with a
// reference used once. Unpacks as `zstd -d -D reference` does.
std::string packAgainst(std::string_view page, std::string_view reference);
// The page back; nothing when the bytes are not one whole zstd frame packed against that reference.
std::optional<std::string> unpackAgainst(std::string_view packed, std::string_view reference);

// A dictionary trained on sample pages of one kind, at most `capacity` bytes; empty when the samples
// are too few or too alike to train on.
std::string trainDictionary(std::span<const std::string> samples, size_t capacity);

// A zlib stream of an earlier build back, primed with the dictionary unless it is empty; nothing when
// the bytes are not a whole stream, or the stream was primed with another dictionary.
std::optional<std::string> zlibUnpack(std::string_view packed, std::string_view dictionary);
