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
// The first page of a kind (of 4 KB or more) is the dictionary of the pages of that kind after it, as
// raw content; once the file holds `trainingPages` pages of the kind, the next one trains a dictionary
// on the first of them, which every later page of the kind uses. Measured on demo pages: a trained
// dictionary packs a page to 1.1-1.5 KB, the first page as dictionary to 1.8-2.2 KB, no dictionary to
// 8 KB; trained on 64 pages, it packed talent pages to 2.7 KB, on 128 to 1.1 KB.
class PageDictionaries {
public:
    static constexpr int trainingPages = 128;
    static constexpr size_t dictionaryCapacity = size_t{110} * 1024;
    static constexpr size_t smallestRawDictionary = size_t{4} * 1024;

    // What a new page of the kind is packed with: the dictionary and its row, or none. Stores the
    // first page as a dictionary, or trains one, when the time has come; call inside the page's
    // transaction.
    struct Choice {
        std::optional<int64_t> dictionaryId;
        const ZstdDictionary *dictionary = nullptr;
    };
    Choice forPacking(const SqliteDatabase &db, PageKind kind, std::string_view page);

    // A stored page's bytes back; nothing when they no longer unpack.
    std::optional<std::string> unpack(const SqliteDatabase &db, const std::string &packed,
                                      PagePacking packing, std::optional<int64_t> dictionaryId);

    // Forgets every prepared dictionary: after a transaction that stored one was rolled back, its row
    // number may come again with other bytes.
    void forget();

private:
    const ZstdDictionary &zstdDictionary(const SqliteDatabase &db, std::optional<int64_t> id);
    std::optional<int64_t> train(const SqliteDatabase &db, PageKind kind);
    int64_t store(const SqliteDatabase &db, PageKind kind, std::string bytes);

    ZstdDictionary m_none;
    std::map<int64_t, std::unique_ptr<ZstdDictionary>> m_prepared;
    // How many pages of each kind the file held when training last failed, so it is tried again only
    // once as many more have come.
    std::array<int64_t, 2> m_refusedAt{0, 0};
};

const char *pageKindText(PageKind kind);
