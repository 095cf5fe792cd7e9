#include "catalogue/catalogue_table.h"
#include "support/catalogue_files.h"
#include "text/app_error.h"

#include <QDir>
#include <QFile>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

using ::testing::HasSubstr;
using ::testing::StartsWith;
using namespace Qt::StringLiterals;

namespace {

const char *const kTeams = R"sql(
    CREATE TABLE teams(name TEXT, divId INTEGER, id INTEGER);
    INSERT INTO teams VALUES ('Alpha', 1, 101), ('Beta', 1, 102), ('Gamma', 2, 201);
)sql";

std::vector<std::string> column0(CatalogueTable &table)
{
    std::vector<std::string> names;
    while (!table.eof()) {
        names.push_back(table.fieldAsText(0));
        table.next();
    }
    return names;
}

} // namespace

TEST(CatalogueTable, LoadsInRowidOrderWhateverTheInsertionOrPrimaryKeyOrder)
{
    CatalogueFolder folder;
    // Inserted C, B, A; keyed A, B, C; rowids make it B, A, C.
    const std::string keyed = folder.database(u"keyed.cds"_s, R"sql(
        CREATE TABLE t(name TEXT PRIMARY KEY, n INTEGER);
        INSERT INTO t(rowid, name, n) VALUES (3, 'C', 3), (1, 'B', 1), (2, 'A', 2);
    )sql");
    // A user column named rowid must not be taken for the row order.
    const std::string shadowed = folder.database(u"shadowed.cds"_s, R"sql(
        CREATE TABLE t(name TEXT, rowid INTEGER);
        INSERT INTO t(_rowid_, name, rowid) VALUES (2, 'A', 1), (1, 'B', 2), (3, 'C', 0);
    )sql");
    const std::string allShadowed = folder.database(u"all.cds"_s, R"sql(
        CREATE TABLE t(name TEXT, rowid INTEGER, _rowid_ INTEGER, oid INTEGER);
        INSERT INTO t VALUES ('B', 3, 3, 3), ('A', 2, 2, 2), ('C', 1, 1, 1);
    )sql");
    // No rowid at all: read in key order.
    const std::string withoutRowid = folder.database(u"norowid.cds"_s, R"sql(
        CREATE TABLE t(name TEXT PRIMARY KEY, n INTEGER) WITHOUT ROWID;
        INSERT INTO t VALUES ('C', 3), ('A', 1), ('B', 2);
    )sql");
    struct Case {
        std::string file;
        std::vector<std::string> expected;
    };
    for (const Case &c : {Case{keyed, {"B", "A", "C"}}, Case{shadowed, {"B", "A", "C"}},
                          Case{allShadowed, {"B", "A", "C"}}, Case{withoutRowid, {"A", "B", "C"}}}) {
        CatalogueTable table;
        table.loadFromFile(c.file);
        EXPECT_TRUE(table.isOpen());
        EXPECT_EQ(column0(table), c.expected) << c.file;
    }
}

TEST(CatalogueTable, ReadsFieldsByDeclaredPositionAsTextOrInteger)
{
    CatalogueFolder folder;
    const std::string file = folder.database(u"fields.cds"_s, R"sql(
        CREATE TABLE t(a, b, c, d, e, f);
        INSERT INTO t VALUES ('Динамо Москва', 42, ' 17 ', 2.5, NULL, x'00C0FF');
        INSERT INTO t VALUES ('abc', -2147483648, 3.0, 3000000000, '1.5', 'Ёлки-ё №1');
    )sql");
    CatalogueTable table;
    table.loadFromFile(file);

    // TEXT is stored as UTF-8 and comes back as windows-1251 bytes; BLOB bytes come back as they are.
    EXPECT_EQ(table.fieldAsText(0), "\xC4\xE8\xED\xE0\xEC\xEE \xCC\xEE\xF1\xEA\xE2\xE0");
    EXPECT_EQ(table.fieldAsText(1), "42");
    EXPECT_EQ(table.fieldAsInteger(1), 42);
    EXPECT_EQ(table.fieldAsInteger(2), 17);
    EXPECT_EQ(table.fieldAsText(3), "2,5");
    EXPECT_EQ(table.fieldAsText(4), "");
    EXPECT_EQ(table.fieldAsText(5), std::string("\x00\xC0\xFF", 3));
    EXPECT_EQ(thrownMessage<ConvertError>([&] { table.fieldAsInteger(3); }),
              "'2,5' is not a valid integer value");
    EXPECT_EQ(thrownMessage<ConvertError>([&] { table.fieldAsInteger(4); }),
              "'' is not a valid integer value");

    table.next();
    EXPECT_EQ(thrownMessage<ConvertError>([&] { table.fieldAsInteger(0); }),
              "'abc' is not a valid integer value");
    EXPECT_EQ(table.fieldAsInteger(1), -2147483647 - 1);
    EXPECT_EQ(table.fieldAsInteger(2), 3);
    EXPECT_EQ(thrownMessage<ConvertError>([&] { table.fieldAsInteger(3); }),
              "'3000000000' is not a valid integer value");
    EXPECT_EQ(thrownMessage<ConvertError>([&] { table.fieldAsInteger(4); }),
              "'1.5' is not a valid integer value");
    EXPECT_EQ(table.fieldAsText(5), "\xA8\xEB\xEA\xE8-\xB8 \xB9\x31");

    EXPECT_THAT(thrownMessage([&] { table.fieldAsText(6); }), HasSubstr("fields.cds"));
    EXPECT_THAT(thrownMessage([&] { table.fieldAsText(-1); }), HasSubstr(cp("Нет поля с номером -1")));
}

TEST(CatalogueTable, NextStopsOnTheLastRowAndSetsTheEndFlag)
{
    CatalogueFolder folder;
    CatalogueTable table;
    table.loadFromFile(folder.database(u"teams.cds"_s, kTeams));
    EXPECT_FALSE(table.eof());
    table.next();
    table.next();
    EXPECT_EQ(table.fieldAsText(0), "Gamma");
    EXPECT_FALSE(table.eof()); // on the last row, but not yet asked to go past it
    table.next();
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.fieldAsText(0), "Gamma");
    table.next();
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.fieldAsInteger(2), 201);
}

TEST(CatalogueTable, LocateFindsTheFirstMatchOrLeavesTheCursor)
{
    CatalogueFolder folder;
    CatalogueTable table;
    table.loadFromFile(folder.database(u"teams.cds"_s, kTeams));

    EXPECT_TRUE(table.locate("divId", 1));
    EXPECT_EQ(table.fieldAsText(0), "Alpha"); // the first of two
    EXPECT_TRUE(table.locate("DIVID", 2));    // field names in any letter case
    EXPECT_EQ(table.fieldAsText(0), "Gamma");
    EXPECT_TRUE(table.locate("name", std::string("Beta")));
    EXPECT_EQ(table.fieldAsInteger(2), 102);
    EXPECT_TRUE(table.locate("id", std::string("101"))); // an integer field against its text
    EXPECT_EQ(table.fieldAsText(0), "Alpha");

    table.next();
    EXPECT_FALSE(table.locate("divId", 7));
    EXPECT_FALSE(table.locate("name", std::string("beta"))); // values compare exactly
    EXPECT_EQ(table.fieldAsText(0), "Beta");
    EXPECT_FALSE(table.eof());

    // At the end: a miss keeps the end flag, a hit clears it.
    table.next();
    table.next();
    ASSERT_TRUE(table.eof());
    EXPECT_FALSE(table.locate("divId", 7));
    EXPECT_TRUE(table.eof());
    EXPECT_TRUE(table.locate("divId", 1));
    EXPECT_FALSE(table.eof());

    EXPECT_THAT(thrownMessage([&] { table.locate("division", 1); }), HasSubstr("'division'"));
}

TEST(CatalogueTable, LocateMatchesIntegersStoredAsTextOrReal)
{
    CatalogueFolder folder;
    CatalogueTable table;
    table.loadFromFile(folder.database(u"mixed.cds"_s, R"sql(
        CREATE TABLE t(name, divId);
        INSERT INTO t VALUES ('null', NULL), ('text', '5'), ('real', 6.0), ('padded', ' 7'), ('int', 7);
    )sql"));
    EXPECT_TRUE(table.locate("divId", 5));
    EXPECT_EQ(table.fieldAsText(0), "text");
    EXPECT_TRUE(table.locate("divId", 6));
    EXPECT_EQ(table.fieldAsText(0), "real");
    EXPECT_TRUE(table.locate("divId", 7));
    EXPECT_EQ(table.fieldAsText(0), "int");
    EXPECT_FALSE(table.locate("divId", 0));
    EXPECT_FALSE(table.locate("divId", std::string()));
}

TEST(CatalogueTable, EmptyTableHasNoCurrentRow)
{
    CatalogueFolder folder;
    const std::string file =
        folder.database(u"divisions.cds"_s, "CREATE TABLE divisions(name TEXT, id INTEGER);");
    CatalogueTable table;
    table.loadFromFile(file);
    EXPECT_TRUE(table.isOpen());
    EXPECT_TRUE(table.eof());
    EXPECT_FALSE(table.locate("id", 1));
    EXPECT_THAT(thrownMessage([&] { table.fieldAsText(0); }), HasSubstr(file + cp(" пуста")));
    EXPECT_THAT(thrownMessage([&] { table.fieldAsInteger(1); }), HasSubstr(file + cp(" пуста")));
    table.next();
    EXPECT_TRUE(table.eof());
}

TEST(CatalogueTable, EveryOperationOnAClosedTableFails)
{
    CatalogueFolder folder;
    CatalogueTable table;
    EXPECT_FALSE(table.isOpen());
    const auto expectClosed = [&](const std::string &why) {
        EXPECT_FALSE(table.isOpen());
        EXPECT_EQ(thrownMessage([&] { table.fieldAsText(0); }), why);
        EXPECT_EQ(thrownMessage([&] { table.fieldAsInteger(0); }), why);
        EXPECT_EQ(thrownMessage([&] { table.next(); }), why);
        EXPECT_EQ(thrownMessage([&] { table.eof(); }), why);
        EXPECT_EQ(thrownMessage([&] { table.locate("divId", 1); }), why);
        EXPECT_EQ(thrownMessage([&] { table.locate("name", std::string("x")); }), why);
    };
    expectClosed(cp("Таблица каталога не загружена"));

    table.loadFromFile(folder.database(u"teams.cds"_s, kTeams));
    table.close();
    expectClosed(cp("Таблица каталога не загружена"));

    // A failed load closes what was open and says which file is missing.
    table.loadFromFile(folder.path(u"teams.cds"_s));
    const std::string missing = folder.path(u"missing.cds"_s);
    EXPECT_THROW(table.loadFromFile(missing), AppError);
    expectClosed(cp("Таблица каталога не загружена: не удалось загрузить ") + missing);

    // A later load opens it again.
    table.loadFromFile(folder.path(u"teams.cds"_s));
    EXPECT_TRUE(table.isOpen());
    EXPECT_EQ(table.fieldAsText(0), "Alpha");
}

TEST(CatalogueTable, LoadingAnotherFileReplacesTheTable)
{
    CatalogueFolder folder;
    CatalogueTable table;
    table.loadFromFile(folder.database(u"teams.cds"_s, kTeams));
    table.next();
    table.loadFromFile(folder.database(u"divisions.cds"_s, R"sql(
        CREATE TABLE d(name TEXT, id INTEGER);
        INSERT INTO d VALUES ('Высшая лига', 10);
    )sql"));
    EXPECT_EQ(table.fieldAsInteger(1), 10);
    EXPECT_FALSE(table.eof());
    EXPECT_THAT(thrownMessage([&] { table.fieldAsText(2); }), HasSubstr(cp("полей: 2")));
    EXPECT_THAT(thrownMessage([&] { table.locate("divId", 1); }), HasSubstr("divisions.cds"));
}

TEST(CatalogueTable, UnloadableFilesFailNamingTheFile)
{
    CatalogueFolder folder;
    std::mt19937 random(20240607);
    std::string garbage(4096, '\0');
    for (char &c : garbage)
        c = static_cast<char>(random());

    const std::string valid = folder.read(folder.database(u"valid.cds"_s, kTeams));
    std::string damaged = valid; // a header that promises more pages than the file has
    damaged.resize(valid.size() / 2);
    std::string badPage = valid; // the table's page overwritten
    std::fill(badPage.begin() + 4096, badPage.end(), '\xEE');
    QDir(folder.folder()).mkdir(u"folder.cds"_s);

    struct Case {
        std::string file;
        std::string reason;
    };
    const Case cases[] = {
        {folder.path(u"missing.cds"_s), cp("файл не найден")},
        {folder.path(u"folder.cds"_s), cp("это папка")},
        {folder.raw(u"empty.cds"_s, ""), cp("файл пуст")},
        {folder.raw(u"garbage.cds"_s, garbage), cp("это не база данных SQLite 3")},
        {folder.raw(u"text.cds"_s, "name;divId;id\nAlpha;1;101\n"), cp("это не база данных SQLite 3")},
        {folder.raw(u"short.cds"_s, "x"), cp("это не база данных SQLite 3")},
        {folder.raw(u"halved.cds"_s, damaged), cp("файл поврежден")},
        {folder.raw(u"badpage.cds"_s, badPage), cp("файл поврежден")},
        {folder.database(u"notable.cds"_s, "PRAGMA user_version = 7;"), cp("в нем нет таблицы")},
        {folder.database(u"viewonly.cds"_s, "CREATE VIEW v AS SELECT 1 AS a;"), cp("в нем нет таблицы")},
        {folder.database(u"two.cds"_s, "CREATE TABLE a(x); CREATE TABLE b(y);"),
         cp("в нем таблиц: 2, а должна быть одна")},
    };
    for (const Case &c : cases) {
        CatalogueTable table;
        EXPECT_THAT(thrownMessage([&] { table.loadFromFile(c.file); }),
                    StartsWith(cp("Не удалось открыть файл каталога ") + c.file + ": " + c.reason));
        EXPECT_FALSE(table.isOpen());
    }
}

TEST(CatalogueTable, UnreadableFileFailsNamingTheFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    CatalogueFolder folder;
    const std::string file = folder.database(u"locked.cds"_s, kTeams);
    QFile::setPermissions(fromCp1251(file), QFileDevice::WriteOwner);
    CatalogueTable table;
    EXPECT_THAT(thrownMessage([&] { table.loadFromFile(file); }),
                HasSubstr(cp("Не удалось открыть файл каталога ") + file + cp(": файл не читается")));
}

// Catalogue files may be edited by hand or damaged on disk: whatever the bytes, loading either works or
// fails with an AppError.
TEST(CatalogueTable, DamagedDatabasesNeverEscapeAsAnythingButAppError)
{
    CatalogueFolder folder;
    const std::string valid = folder.read(folder.database(u"valid.cds"_s, std::string(kTeams) + R"sql(
        CREATE INDEX byDivision ON teams(divId);
        INSERT INTO teams SELECT name || 'x', divId + 10, id + 1000 FROM teams;
    )sql"));
    std::mt19937 random(7);
    int loaded = 0;
    int failed = 0;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = valid;
        const int flips = 1 + round % 8;
        for (int i = 0; i < flips; ++i)
            bytes[random() % bytes.size()] = static_cast<char>(random());
        if (round % 3 == 0) // keep the header intact so SQLite reads on into the pages
            bytes.replace(0, 100, valid, 0, 100);
        CatalogueTable table;
        try {
            table.loadFromFile(folder.raw(u"damaged.cds"_s, bytes));
            ++loaded;
            while (!table.eof()) {
                for (int c = 0; c < 3; ++c)
                    table.fieldAsText(c);
                table.next();
            }
        } catch (const AppError &) {
            ++failed;
            EXPECT_FALSE(table.isOpen());
        }
    }
    EXPECT_EQ(loaded + failed, 300);
    EXPECT_GT(failed, 0);
    EXPECT_GT(loaded, 0); // harmless damage, in free space or cell contents, still loads
}
