// Inputs the fuzzers found, kept as plain cases so a regression shows up in the normal suite.
#include "retrieval/reply_reader.h"
#include "settings/ini_value.h"
#include "settings/settings_store.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace {

struct SurplusCase {
    const char *name;
    std::string reply;
    size_t surplus; // bytes after the end of the reply
};

class BodilessReplySurplus : public ::testing::TestWithParam<SurplusCase> {};

// A reply that ends with its headers (204, 304, Content-Length 0) used to count what followed it only
// when that arrived in a later piece, so the drained-byte counter of a kept-alive failure depended on
// how the network cut the bytes.
TEST_P(BodilessReplySurplus, IsTheSameHoweverTheBytesArrive)
{
    const SurplusCase &c = GetParam();
    for (size_t cut = 0; cut <= c.reply.size(); ++cut) {
        ReplyReader reader;
        reader.feed(std::string_view(c.reply).substr(0, cut));
        reader.feed(std::string_view(c.reply).substr(cut));
        reader.finish();
        ASSERT_EQ(reader.state(), ReplyReader::State::Done) << "cut at " << cut;
        EXPECT_EQ(reader.body(), "") << "cut at " << cut;
        EXPECT_EQ(reader.surplus(), c.surplus) << "cut at " << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(
    FuzzFinding, BodilessReplySurplus,
    ::testing::Values(
        // The input as found: a 204 with keep-alive and bytes after the empty line.
        SurplusCase{"NoContent", "HTTP/1.1 204 No Content\r\nProxy-Connection: Keep-Alive \r\n\r\nEXTRA", 5},
        SurplusCase{"NotModified", "HTTP/1.1 304 Not Modified\r\nConnection: keep-alive\r\n\r\nleft over", 9},
        SurplusCase{"ZeroLength",
                    "HTTP/1.1 500 Oops\r\nContent-Length: 0\r\nConnection: keep-alive\r\n\r\nXY", 2},
        SurplusCase{"AfterContinue", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 204 No Content\r\n\r\n!", 1}),
    [](const ::testing::TestParamInfo<SurplusCase> &tested) { return std::string(tested.param.name); });

// A "@Variant(...)" value of 104 bytes made QSettings ask for 21 GB as it decoded it. Such values are
// not decoded now: the key is not understood, and its line stays as it was when the file is saved.
TEST(SettingsFuzzFinding, VariantClaimingHugeLengthIsNotDecodedAndSurvivesASave)
{
    QByteArray claim; // a string list of 0x7fffffff strings, streamed as QSettings streams a variant
    {
        QDataStream out(&claim, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_4_0);
        out << quint32(11) << quint32(0x7fffffff);
    }
    const QByteArray line = "UseProxy=" + iniBytes(claim).replace("@ByteArray(", "@Variant(") + '\n';
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("trovik.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[StrKey]\n" + line + "SaveMoney=0\n");
    file.close();

    LoadedSettings loaded = loadSettingsValues(SettingsStore(path));
    EXPECT_EQ(loaded.unreadKeys, QStringList{QStringLiteral("UseProxy")});
    loaded.values.saveMoney = true;
    {
        SettingsStore store(path);
        saveSettingsValues(store, loaded.values, loaded.unreadKeys);
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith(QByteArray("[StrKey]\n" + line + "SaveMoney=1\n")));
}

} // namespace

// A text starting with U+FEFF, then U+FFFF: written as a value, it read back without its first character.
TEST(SettingsFuzzFinding, TextStartingWithAByteOrderMarkReadsBackWhole)
{
    const QString text = QString(QChar(0xFEFF)) + QChar(0xFFFF) + QChar(0xFC);
    const QByteArray stored = iniText(text);
    EXPECT_EQ(readIniValue(stored), (IniValue{IniValue::Kind::Text, text, {}}))
        << stored.toHex().toStdString();
    // Typed so by hand, it is kept too.
    EXPECT_EQ(readIniValue("\xEF\xBB\xBF"
                           "a")
                  .text,
              QString(QChar(0xFEFF)) + u'a');
}
