#include "settings/settings_store.h"
#include "settings/watch_options.h"
#include "support/temp_settings.h"
#include "text/app_error.h"

#include <QFileInfo>
#include <QStringList>
#include <gtest/gtest.h>

#include <iterator>
#include <variant>

namespace {

struct FlagCase {
    const char *what;
    QVariant stored;
    bool fallback;
    bool expected;
};

} // namespace

TEST(FlagFromStored, TextIsReadAsAnIntegerAndAnythingElseFallsBack)
{
    const FlagCase cases[] = {
        {"missing, fallback false", QVariant(), false, false},
        {"missing, fallback true", QVariant(), true, true},
        {"text 1", QStringLiteral("1"), false, true},
        {"text 2 is not 0", QStringLiteral("2"), false, true},
        {"text -1 is not 0", QStringLiteral("-1"), false, true},
        {"text 0 beats a true fallback", QStringLiteral("0"), true, false},
        {"blanks around the number", QStringLiteral(" 1 "), false, true},
        {"empty text, fallback false", QStringLiteral(""), false, false},
        {"empty text, fallback true", QStringLiteral(""), true, true},
        {"letters, fallback false", QStringLiteral("x"), false, false},
        {"letters, fallback true", QStringLiteral("x"), true, true},
        {"word true is no integer", QStringLiteral("true"), false, false},
        {"decimal is no integer", QStringLiteral("1,0"), false, false},
        {"beyond 32 bits", QStringLiteral("99999999999"), false, false},
        {"Cyrillic letter", QStringLiteral("Д"), true, true},
        {"stored integer 0 beats a true fallback", QVariant(0), true, false},
        {"stored integer 7", QVariant(7), false, true},
        {"stored unsigned 0", QVariant(0u), true, false},
        {"stored 64-bit integer", QVariant(qlonglong(1) << 40), false, true},
    };
    for (const FlagCase &c : cases)
        EXPECT_EQ(flagFromStored(c.stored, QStringLiteral("SaveID"), c.fallback), c.expected) << c.what;
}

TEST(FlagFromStored, ValueOfAnotherTypeIsAnError)
{
    try {
        flagFromStored(QStringList{QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("SaveMoney"),
                       true);
        FAIL() << "a list was taken as a flag";
    } catch (const AppError &e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'SaveMoney'");
    }
}

TEST(TextFromStored, MissingGivesFallbackEmptyStaysEmptyOtherTypesFail)
{
    EXPECT_EQ(textFromStored(QVariant(), QStringLiteral("separator"), QStringLiteral("_")),
              QStringLiteral("_"));
    EXPECT_EQ(textFromStored(QStringLiteral(""), QStringLiteral("separator"), QStringLiteral("_")),
              QString());
    EXPECT_EQ(textFromStored(QStringLiteral(" ; "), QStringLiteral("separator"), QStringLiteral("_")),
              QStringLiteral(" ; "));
    EXPECT_THROW(textFromStored(QVariant(5), QStringLiteral("ProxyPort"), QString()), AppError);
    EXPECT_THROW(textFromStored(QStringList{QStringLiteral("a"), QStringLiteral("b")},
                                QStringLiteral("ProxyLogin"), QString()),
                 AppError);
}

TEST(SettingsStore, LivesInSoftwareTrovikIniUnderTheUserConfigFolder)
{
    TempSettingsDir dir;
    SettingsStore store;
    EXPECT_EQ(QFileInfo(store.location()).absoluteFilePath(), QFileInfo(dir.iniPath()).absoluteFilePath());
}

TEST(SettingsStore, WritesFlagsAsZeroAndOneAndTextsExactlyInSectionStrKey)
{
    TempSettingsDir dir;
    {
        SettingsStore store;
        store.writeText(QStringLiteral("separator"), QStringLiteral(";"));
        store.writeFlag(QStringLiteral("UseProxy"), true);
        store.writeFlag(QStringLiteral("SaveID"), false);
        store.writeText(QStringLiteral("ProxyPort"), QStringLiteral("3128"));
        store.close();
    }
    const QByteArray ini = dir.readIni();
    EXPECT_TRUE(ini.startsWith("[StrKey]\n")) << ini.constData();
    EXPECT_TRUE(ini.contains("\nUseProxy=1\n")) << ini.constData();
    EXPECT_TRUE(ini.contains("\nSaveID=0\n")) << ini.constData();
    EXPECT_TRUE(ini.contains("\nProxyPort=3128\n")) << ini.constData();
    EXPECT_EQ(ini.count('['), 1) << "one section only: " << ini.constData();

    SettingsStore again;
    EXPECT_EQ(again.readText(QStringLiteral("separator"), QString()), QStringLiteral(";"));
    EXPECT_TRUE(again.readFlag(QStringLiteral("UseProxy"), false));
    EXPECT_FALSE(again.readFlag(QStringLiteral("SaveID"), true));
}

TEST(SettingsStore, TextsWithIniSpecialCharactersComeBackUnchanged)
{
    const QString texts[] = {
        QStringLiteral(","),
        QStringLiteral(";"),
        QStringLiteral("="),
        QStringLiteral(" "),
        QStringLiteral("\t"),
        QStringLiteral("@"),
        QStringLiteral("\\"),
        QStringLiteral("\""),
        QStringLiteral("#"),
        QStringLiteral("["),
        QStringLiteral("Ж"),
        QStringLiteral("a, b"),
        QStringLiteral(" x "),
        QStringLiteral("@Invalid()"),
        QStringLiteral("p@ss;w=rd\"1"),
        QString(),
    };
    for (const QString &text : texts) {
        TempSettingsDir dir;
        {
            SettingsStore store;
            store.writeText(QStringLiteral("ProxyPasswd"), text);
            store.close();
        }
        SettingsStore again;
        EXPECT_EQ(again.readText(QStringLiteral("ProxyPasswd"), QStringLiteral("missing")), text)
            << text.toStdString() << " stored as: " << dir.readIni().constData();
    }
}

TEST(SettingsStore, FileIsReadableByItsOwnerOnlyAfterAWrite)
{
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    {
        TempSettingsDir dir;
        SettingsStore store;
        store.writeText(QStringLiteral("ProxyPasswd"), QStringLiteral("secret"));
        store.close();
        EXPECT_EQ(dir.iniMode(), ownerOnly);
    }
    {
        TempSettingsDir dir;
        dir.writeIni("[StrKey]\nseparator=_\n");
        QFile::setPermissions(dir.iniPath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        SettingsStore store;
        store.writeText(QStringLiteral("ProxyPasswd"), QStringLiteral("secret"));
        store.close();
        EXPECT_EQ(dir.iniMode(), ownerOnly);
        EXPECT_TRUE(dir.readIni().contains("separator=_")) << "the earlier values were kept";
    }
}

TEST(SettingsStore, ReadingAloneCreatesNoFile)
{
    TempSettingsDir dir;
    {
        SettingsStore store;
        EXPECT_FALSE(store.sectionHasValues());
        EXPECT_EQ(store.readText(QStringLiteral("separator"), QStringLiteral("_")), QStringLiteral("_"));
        store.close();
    }
    EXPECT_FALSE(dir.exists());
}

TEST(SettingsStore, SectionCountsOnlyWhenItHoldsAValue)
{
    const struct {
        const char *ini;
        bool expected;
    } cases[] = {
        {"", false},
        {"[StrKey]\n", false},
        {"[Other]\nseparator=;\n", false},
        {"[General]\nseparator=;\n", false},
        {"[StrKey]\nSaveID=\n", true},
        {"[Other]\nx=1\n[StrKey]\nseparator=;\n", true},
    };
    for (const auto &c : cases) {
        TempSettingsDir dir;
        dir.writeIni(c.ini);
        SettingsStore store;
        EXPECT_EQ(store.sectionHasValues(), c.expected) << c.ini;
    }
}

TEST(SettingsStore, StoredListIsNotTextAndNotAFlag)
{
    TempSettingsDir dir;
    dir.writeIni("[StrKey]\nProxyLogin=a, b\nSaveID=1, 2\n");
    SettingsStore store;
    EXPECT_THROW(store.readText(QStringLiteral("ProxyLogin"), QString()), AppError);
    EXPECT_THROW(store.readFlag(QStringLiteral("SaveID"), false), AppError);
}

TEST(SettingsStore, UnwritableLocationIsReportedByClose)
{
    TempSettingsDir dir;
    QFile blocker(dir.root() + QStringLiteral("/Software")); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore store;
    store.writeFlag(QStringLiteral("SaveID"), true);
    EXPECT_THROW(store.close(), InputOutputError);
}

TEST(LoadSettingsValues, EachBadKeyLosesOnlyItself)
{
    using Field = std::variant<QString SettingsValues::*, bool SettingsValues::*>;
    const struct {
        const char *line;
        Field field;
    } keys[] = {
        {"separator=#", &SettingsValues::separator},
        {"UseProxy=1", &SettingsValues::useProxy},
        {"ProxyLogin=ivan", &SettingsValues::proxyLogin},
        {"ProxyPasswd=pw", &SettingsValues::proxyPassword},
        {"ProxyServer=px", &SettingsValues::proxyServer},
        {"ProxyPort=81", &SettingsValues::proxyPort},
        {"SaveID=1", &SettingsValues::saveId},
        {"SaveManager=1", &SettingsValues::saveManager},
        {"SaveMoney=1", &SettingsValues::saveMoney},
        {"SaveCoSP=0", &SettingsValues::saveCoSP},
    };
    const SettingsValues stored{QStringLiteral("#"),
                                true,
                                QStringLiteral("ivan"),
                                QStringLiteral("pw"),
                                QStringLiteral("px"),
                                QStringLiteral("81"),
                                true,
                                true,
                                true,
                                false};
    ASSERT_EQ(settingKeys().size(), std::size(keys));
    for (size_t bad = 0; bad < std::size(keys); ++bad) {
        for (const char *garbage : {"@Variant(garbage)", "@Rect(1 2 3 4)", "a, b"}) {
            TempSettingsDir dir;
            QByteArray ini("[StrKey]\n");
            for (size_t k = 0; k < std::size(keys); ++k) {
                const QByteArray line(keys[k].line);
                ini += (k == bad ? line.left(line.indexOf('=') + 1) + garbage : line) + "\n";
            }
            dir.writeIni(ini);
            const LoadedSettings loaded = loadSettingsValues(SettingsStore());
            SettingsValues expected = stored;
            std::visit([&](auto member) { expected.*member = SettingsValues{}.*member; }, keys[bad].field);
            EXPECT_TRUE(loaded.found);
            EXPECT_TRUE(loaded.values == expected) << ini.constData();
            EXPECT_EQ(loaded.unreadKeys, QStringList{settingKeys()[static_cast<qsizetype>(bad)]})
                << ini.constData();
        }
    }
}

TEST(SaveSettingsValues, KeptKeysAndAnUntickedProxyStayAsStored)
{
    TempSettingsDir dir;
    dir.writeIni(
        "[StrKey]\nUseProxy=@Variant(garbage)\nProxyLogin=ivan\nSaveID=@Rect(1 2 3 4)\nSaveMoney=1\n");
    SettingsValues values;
    values.proxyLogin = QStringLiteral("other");
    {
        SettingsStore store;
        saveSettingsValues(store, values, {QStringLiteral("UseProxy"), QStringLiteral("SaveID")});
    }
    const QByteArray ini = dir.readIni();
    for (const char *line : {"\nseparator=_\n", "\nProxyLogin=ivan\n", "\nSaveID=@Rect(1 2 3 4)\n",
                             "\nSaveMoney=0\n", "\nSaveManager=0\n", "\nSaveCoSP=1\n"})
        EXPECT_TRUE(ini.contains(line)) << line << " in " << ini.constData();
    EXPECT_FALSE(ini.contains("UseProxy=0")) << ini.constData();
    EXPECT_EQ(dir.iniMode(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST(LoadHistoryOptions, EachBadValueLosesOnlyItself)
{
    const struct {
        const char *ini;
        HistoryOptions expected;
    } cases[] = {
        {"[History]\nKeepHistory=a, b\nKeepMonths=6\n", {true, 6}},
        {"[History]\nKeepHistory=0\nKeepMonths=a, b\n", {false, 0}},
    };
    for (const auto &c : cases) {
        TempSettingsDir dir;
        dir.writeIni(c.ini);
        EXPECT_EQ(loadHistoryOptions(SettingsStore()), c.expected) << c.ini;
    }
}

namespace {

struct WatchCase {
    const char *what;
    QByteArray section; // the [Watch] lines as a user or an older build left them
    WatchOptions expected;
};

} // namespace

// What [Watch] holds reads as well as it can, and a save writes it back so it reads the same.
TEST(WatchOptionsStore, OddValuesReadAsTheirNearestAndSaveAsTheyRead)
{
    const WatchCase cases[] = {
        {"nothing stored", "", {}},
        {"blanks, repeats and words among the ids",
         "Divisions=\" 5 ,x,7,5,,\"\n",
         {{5, 7}, 7, WatchPages::Both}},
        {"an id beyond 32 bits is left out", "Divisions=\"99999999999,-3\"\n", {{-3}, 7, WatchPages::Both}},
        {"an unquoted list is another type and reads as none", "Divisions=5,7\n", {{}, 7, WatchPages::Both}},
        {"interval 0 is one day", "IntervalDays=0\n", {{}, 1, WatchPages::Both}},
        {"interval past a year is a year", "IntervalDays=4000\n", {{}, 365, WatchPages::Both}},
        {"interval no number is a week", "IntervalDays=weekly\n", {{}, 7, WatchPages::Both}},
        {"pages with blanks", "Pages= talent \n", {{}, 7, WatchPages::Talent}},
        {"pages in capitals are not understood", "Pages=ABILITIES\n", {{}, 7, WatchPages::Both}},
        {"abilities", "Pages=abilities\nIntervalDays=3\n", {{}, 3, WatchPages::Abilities}},
    };
    for (const WatchCase &c : cases) {
        const TempSettingsDir dir;
        dir.writeIni("[Watch]\n" + c.section);
        EXPECT_EQ(loadWatchOptions(SettingsStore()), c.expected) << c.what;
        {
            SettingsStore store;
            saveWatchOptions(store, loadWatchOptions(store));
            store.close();
        }
        EXPECT_EQ(loadWatchOptions(SettingsStore()), c.expected) << c.what << ", saved";
    }
}
