#include "catalogue/catalogue_builder.h"
#include "catalogue/catalogue_table.h"
#include "support/catalogue_files.h"
#include "text/app_error.h"

#include <QDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::StartsWith;
using namespace Qt::StringLiterals;

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(BuildDatabaseFromSql, BuildsACatalogueTheTableReads)
{
    CatalogueFolder folder;
    const QString output = QDir(folder.folder()).filePath(u"teams.cds"_s);
    // Even a script that turns WAL on gives a self-contained file that a read-only reader opens.
    buildDatabaseFromSql(R"sql(
        PRAGMA journal_mode = WAL;
        CREATE TABLE teams(name TEXT, divId INTEGER, id INTEGER);
        INSERT INTO teams VALUES ('Зенит', 1, 11), ('Terek', 1, 12);
    )sql",
                         output);
    EXPECT_EQ(filesIn(folder.folder()), QStringList{u"teams.cds"_s});

    CatalogueTable table;
    table.loadFromFile(toCp1251(output));
    EXPECT_EQ(table.fieldAsText(0), "\xC7\xE5\xED\xE8\xF2");
    EXPECT_TRUE(table.locate("divId", 1));
    table.next();
    EXPECT_EQ(table.fieldAsInteger(2), 12);
}

TEST(BuildDatabaseFromSql, ReplacesTheOutputOnlyWhenTheScriptSucceeds)
{
    CatalogueFolder folder;
    const QString output = QDir(folder.folder()).filePath(u"divisions.cds"_s);
    buildDatabaseFromSql("CREATE TABLE d(name TEXT, id INTEGER); INSERT INTO d VALUES ('Old', 1);", output);
    buildDatabaseFromSql("CREATE TABLE d(name TEXT, id INTEGER); INSERT INTO d VALUES ('New', 2);", output);
    const std::string built = folder.read(toCp1251(output));

    struct Case {
        std::string sql;
        std::string reason;
    };
    const Case failures[] = {
        {"CREATE TABLE d(name TEXT); INSERT INTO d VALUES ('x'); garbage;", "near \"garbage\": syntax error"},
        {"CREATE TABLE d(name TEXT); INSERT INTO missing VALUES (1);", "no such table: missing"},
        {"PRAGMA user_version = 1;", "the script makes 0 tables where one is expected"},
        {"CREATE TABLE a(x); CREATE TABLE b(y);", "the script makes 2 tables where one is expected"},
        {"BEGIN; CREATE TABLE d(name TEXT);", "the script leaves a transaction open"},
    };
    for (const Case &c : failures) {
        EXPECT_EQ(thrownMessage([&] { buildDatabaseFromSql(c.sql, output); }),
                  "Cannot build " + toCp1251(output) + ": " + c.reason);
        EXPECT_EQ(folder.read(toCp1251(output)), built) << c.sql;
        EXPECT_EQ(filesIn(folder.folder()), QStringList{u"divisions.cds"_s}) << c.sql;
    }

    CatalogueTable table;
    table.loadFromFile(toCp1251(output));
    EXPECT_EQ(table.fieldAsText(0), "New");
}

TEST(BuildDatabaseFromSql, FailsInAFolderThatDoesNotExist)
{
    CatalogueFolder folder;
    const QString output = QDir(folder.folder()).filePath(u"no/such/teams.cds"_s);
    EXPECT_THAT(thrownMessage([&] { buildDatabaseFromSql("CREATE TABLE t(a);", output); }),
                StartsWith("Cannot build " + toCp1251(output) + ": cannot create a temporary file"));
}
