#include "history/page_dictionaries.h"

#include "storage/sqlite_database.h"

#include <algorithm>
#include <sqlite3.h>
#include <vector>

namespace {

size_t kindIndex(PageKind kind) { return kind == PageKind::Talent ? 0 : 1; }

} // namespace

const char *pageKindText(PageKind kind) { return kind == PageKind::Talent ? "talent" : "abilities"; }

PageDictionaries::Packed PageDictionaries::pack(const SqliteDatabase &db, PageKind kind, int32_t teamId,
                                                std::string_view page)
{
    // The team's reference is the one its page of the kind stored last was packed against.
    SqliteStatement query =
        db.prepare("SELECT d.id FROM newest_pages AS n JOIN fetches AS f ON f.id = n.fetch_id "
                   "JOIN page_dictionaries AS d ON d.id = f.dictionary_id "
                   "WHERE n.team_id = ?1 AND n.page_kind = ?2 AND d.team_id = ?1");
    query.bindInteger(1, teamId).bindText(2, pageKindText(kind));
    if (query.step()) {
        const int64_t id = query.columnInteger(0);
        bool damaged = false;
        if (const std::string *reference = this->reference(db, id, damaged)) {
            std::string packed = packAgainst(page, *reference);
            if (packed.size() <= page.size() / driftLimit)
                return {id, std::move(packed)};
        }
    }
    return newReference(db, kind, teamId, page);
}

PageDictionaries::Packed PageDictionaries::newReference(const SqliteDatabase &db, PageKind kind,
                                                        int32_t teamId, std::string_view page)
{
    const Choice base = forPacking(db, kind, page);
    SqliteStatement insert = db.prepare("INSERT INTO page_dictionaries (page_kind, bytes, packing, team_id, "
                                        "base_id) VALUES (?1, ?2, 'zstd', ?3, ?4)");
    insert.bindText(1, pageKindText(kind)).bindBlob(2, base.dictionary->pack(page)).bindInteger(3, teamId);
    if (base.dictionaryId)
        insert.bindInteger(4, *base.dictionaryId);
    else
        insert.bindNull(4);
    insert.run();
    const int64_t id = db.lastInsertRowId();
    // Packed against a copy: zstd drops a prefix that overlaps what it packs.
    return {id, packAgainst(page, holdReference(id, std::string(page)))};
}

PageDictionaries::Choice PageDictionaries::forPacking(const SqliteDatabase &db, PageKind kind,
                                                      std::string_view page)
{
    // A trained dictionary starts with zstd's magic number; the first page as dictionary does not.
    SqliteStatement query =
        db.prepare("SELECT id, substr(bytes, 1, 4) = x'37A430EC' FROM page_dictionaries "
                   "WHERE page_kind = ?1 AND packing = 'zstd' AND team_id IS NULL ORDER BY id DESC LIMIT 1");
    query.bindText(1, pageKindText(kind));
    std::optional<int64_t> id;
    if (!query.step()) {
        if (page.size() >= smallestRawDictionary)
            id = store(db, kind,
                       std::string(page.substr(page.size() - std::min(page.size(), dictionaryCapacity))));
    } else {
        id = query.columnInteger(0);
        if (query.columnInteger(1) == 0)
            id = train(db, kind).value_or(*id);
    }
    return {id, id ? &zstdDictionary(db, id) : &m_none};
}

int64_t PageDictionaries::store(const SqliteDatabase &db, PageKind kind, std::string bytes)
{
    SqliteStatement insert =
        db.prepare("INSERT INTO page_dictionaries (page_kind, bytes, packing) VALUES (?1, ?2, 'zstd')");
    insert.bindText(1, pageKindText(kind)).bindBlob(2, bytes);
    insert.run();
    const int64_t id = db.lastInsertRowId();
    m_prepared[id] = std::make_unique<ZstdDictionary>(std::move(bytes));
    return id;
}

std::optional<int64_t> PageDictionaries::train(const SqliteDatabase &db, PageKind kind)
{
    SqliteStatement counted =
        db.prepare("SELECT COALESCE(SUM(fetch_count), 0) FROM newest_pages WHERE page_kind = ?1");
    counted.bindText(1, pageKindText(kind));
    const int64_t pages = counted.step() ? counted.columnInteger(0) : 0;
    int64_t &refusedAt = m_refusedAt[kindIndex(kind)];
    if (pages < trainingPages || (refusedAt > 0 && pages < refusedAt + trainingPages))
        return std::nullopt;
    SqliteStatement first = db.prepare(
        "SELECT page, packing, dictionary_id FROM fetches WHERE page_kind = ?1 ORDER BY id LIMIT ?2");
    first.bindText(1, pageKindText(kind)).bindInteger(2, trainingPages);
    std::vector<std::string> samples;
    while (first.step()) {
        const std::optional<int64_t> dictionaryId =
            first.columnType(2) == SQLITE_NULL ? std::nullopt : std::optional(first.columnInteger(2));
        if (std::optional<std::string> page =
                unpack(db, first.columnBlob(0),
                       first.columnText(1) == "zstd" ? PagePacking::Zstd : PagePacking::Zlib, dictionaryId))
            samples.push_back(std::move(*page));
    }
    std::string bytes = trainDictionary(samples, dictionaryCapacity);
    if (bytes.empty()) {
        refusedAt = pages;
        return std::nullopt;
    }
    return store(db, kind, std::move(bytes));
}

const std::string *PageDictionaries::reference(const SqliteDatabase &db, int64_t id, bool &damaged)
{
    if (m_prepared.contains(id))
        return nullptr;
    if (const auto found = m_references.find(id); found != m_references.end())
        return &found->second;
    SqliteStatement query =
        db.prepare("SELECT team_id IS NOT NULL, bytes, base_id FROM page_dictionaries WHERE id = ?1");
    query.bindInteger(1, id);
    if (!query.step() || query.columnInteger(0) == 0)
        return nullptr; // a kind's dictionary, prepared when first used
    const std::optional<int64_t> baseId =
        query.columnType(2) == SQLITE_NULL ? std::nullopt : std::optional(query.columnInteger(2));
    std::optional<std::string> page = zstdDictionary(db, baseId).unpack(query.columnBlob(1));
    if (!page) {
        damaged = true;
        return nullptr;
    }
    return &holdReference(id, std::move(*page));
}

const std::string &PageDictionaries::holdReference(int64_t id, std::string page)
{
    if (m_referenceBytes + page.size() > referenceBytesHeld) {
        m_references.clear();
        m_referenceBytes = 0;
    }
    m_referenceBytes += page.size();
    return m_references[id] = std::move(page);
}

const ZstdDictionary &PageDictionaries::zstdDictionary(const SqliteDatabase &db, std::optional<int64_t> id)
{
    if (!id)
        return m_none;
    auto found = m_prepared.find(*id);
    if (found != m_prepared.end())
        return *found->second;
    SqliteStatement query = db.prepare("SELECT bytes FROM page_dictionaries WHERE id = ?1");
    query.bindInteger(1, *id);
    // A dictionary gone is damage; packing against nothing fails to unpack like any damaged page.
    std::string bytes = query.step() ? query.columnBlob(0) : std::string();
    return *m_prepared.emplace(*id, std::make_unique<ZstdDictionary>(std::move(bytes))).first->second;
}

std::optional<std::string> PageDictionaries::unpack(const SqliteDatabase &db, const std::string &packed,
                                                    PagePacking packing, std::optional<int64_t> dictionaryId)
{
    if (packing == PagePacking::Zstd) {
        bool damaged = false;
        if (const std::string *reference =
                dictionaryId ? this->reference(db, *dictionaryId, damaged) : nullptr)
            return unpackAgainst(packed, *reference);
        if (damaged)
            return std::nullopt;
        return zstdDictionary(db, dictionaryId).unpack(packed);
    }
    std::string dictionary;
    if (dictionaryId) {
        SqliteStatement query = db.prepare("SELECT bytes FROM page_dictionaries WHERE id = ?1");
        query.bindInteger(1, *dictionaryId);
        if (query.step())
            dictionary = query.columnBlob(0);
    }
    return zlibUnpack(packed, dictionary);
}

void PageDictionaries::forget()
{
    m_prepared.clear();
    m_references.clear();
    m_referenceBytes = 0;
}
