#pragma once

#include "history/page_packing.h"
#include "retrieval/page_reader.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

class SqliteDatabase;

// The page dictionaries of one history file, made ready once per connection: a page is packed and
// unpacked against a prepared zstd dictionary rather than one read and set up again for every page.
//
// A page is packed against its team's reference: an earlier page of the same team and kind, so a week's
// page costs little more than the numbers that changed (130-400 bytes against 1.1-1.5 KB). A
// reference is a row of page_dictionaries with the team's identifier, its bytes the page packed against
// the dictionary of its kind (base_id). A team's first page of a kind becomes its reference, and so does
// a page that has drifted so far from the reference that it would cost over 1/32 of its size (a week's
// page costs about 1/200, a page of a wholly new roster 1/20).
//
// The dictionary of a kind is its first page (of 4 KB or more), as raw content; once the file holds
// `trainingPages` pages of the kind, the next one trains a dictionary on the first of them, which every
// later reference of the kind uses. Measured on demo pages: a trained dictionary packs a page to
// 1.1-1.5 KB, the first page as dictionary to 1.8-2.2 KB, no dictionary to 8 KB; trained on 64 pages, it
// packed talent pages to 2.7 KB, on 128 to 1.1 KB.
class PageDictionaries {
public:
    static constexpr int trainingPages = 128;
    static constexpr size_t dictionaryCapacity = size_t{110} * 1024;
    static constexpr size_t smallestRawDictionary = size_t{4} * 1024;
    // The bytes of references kept unpacked at once: some 570 of the site's usual pages, a division's
    // both kinds many times over.
    static constexpr size_t referenceBytesHeld = size_t{16} * 1024 * 1024;
    static constexpr size_t driftLimit = 32;

    // A new page packed, and the row of page_dictionaries it was packed against. Stores a reference,
    // the first page as a dictionary or a trained one when the time has come: call inside the page's
    // transaction.
    struct Packed {
        std::optional<int64_t> dictionaryId;
        std::string bytes;
    };
    Packed pack(const SqliteDatabase &db, PageKind kind, int32_t teamId, std::string_view page);

    // A stored page's bytes back; nothing when they no longer unpack.
    std::optional<std::string> unpack(const SqliteDatabase &db, const std::string &packed,
                                      PagePacking packing, std::optional<int64_t> dictionaryId);

    // Forgets every prepared dictionary: after a transaction that stored one was rolled back, its row
    // number may come again with other bytes.
    void forget();

private:
    struct Choice {
        std::optional<int64_t> dictionaryId;
        const ZstdDictionary *dictionary = nullptr;
    };
    // The dictionary of the kind a new reference is packed with.
    Choice forPacking(const SqliteDatabase &db, PageKind kind, std::string_view page);
    Packed newReference(const SqliteDatabase &db, PageKind kind, int32_t teamId, std::string_view page);
    // The row's page as raw content when the row is a team's reference; nothing when it is a kind's
    // dictionary, or a reference that no longer unpacks (then `damaged`).
    const std::string *reference(const SqliteDatabase &db, int64_t id, bool &damaged);
    const std::string &holdReference(int64_t id, std::string page);
    const ZstdDictionary &zstdDictionary(const SqliteDatabase &db, std::optional<int64_t> id);
    std::optional<int64_t> train(const SqliteDatabase &db, PageKind kind);
    int64_t store(const SqliteDatabase &db, PageKind kind, std::string bytes);

    ZstdDictionary m_none;
    std::map<int64_t, std::unique_ptr<ZstdDictionary>> m_prepared;
    std::map<int64_t, std::string> m_references;
    size_t m_referenceBytes = 0;
    // How many pages of each kind the file held when training last failed, so it is tried again only
    // once as many more have come.
    std::array<int64_t, 2> m_refusedAt{0, 0};
};

const char *pageKindText(PageKind kind);
