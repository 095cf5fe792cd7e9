#pragma once

#include "history/history_records.h"
#include "history/player_search.h"
#include "storage/sqlite_database.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// The youth players' rows of one history connection: the talent and abilities rows, each name,
// country and position an identifier of `texts`, each number a whole count of hundredths (thousandths
// for talent) where that is exact. The identifiers and the texts behind them are remembered as they
// are met, so keeping a page of known players writes its rows and nothing else.
class PlayerRows {
public:
    explicit PlayerRows(const SqliteDatabase &db);

    // Inside the page's transaction.
    void keep(int64_t fetchId, const FetchRecord &record);
    void drop(int64_t fetchId);
    // After a transaction that noted a new text was rolled back: its identifier may come again.
    void forget();

    // The rows of one page, in page order.
    void readInto(StoredPage &page);
    // The rows of every page of a team; `pages` by fetch identifier.
    void readTeamInto(int32_t teamId, const std::map<int64_t, StoredPage *> &pages);
    // Talent and mastery of the named player (a country "" meaning any) in each talent fetch of the team,
    // oldest first, the first of two namesakes on a page.
    std::vector<SeriesPoint> series(int32_t teamId, const std::string &utf8Name,
                                    const std::string &utf8Country);
    std::vector<FoundPlayer> find(const PlayerSearch &search);

private:
    int64_t idOf(const std::string &cp1251);
    std::optional<int64_t> knownIdOf(const std::string &utf8);
    const std::string &textOf(int64_t id); // windows-1251
    // A row of talentColumns or abilitiesColumns, those columns from `first` on.
    void addRow(StoredPage &page, const SqliteStatement &row, int first);

    const SqliteDatabase &m_db;
    SqliteStatement m_talentInsert;
    SqliteStatement m_abilitiesInsert;
    SqliteStatement m_textInsert;
    SqliteStatement m_textLookup;
    SqliteStatement m_textById;
    SqliteStatement m_talentRows;
    SqliteStatement m_abilitiesRows;
    std::unordered_map<std::string, int64_t> m_ids; // by the text in windows-1251
    std::unordered_map<int64_t, std::string> m_texts;
};
