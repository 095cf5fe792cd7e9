#include "text/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

TEST(CodePage, EveryByteReadsAsTheConverterReadsIt)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes.push_back(static_cast<char>(i));
    bytes += bytes; // and again after the whole range, as in running text
    QStringDecoder decoder("windows-1251");
    EXPECT_EQ(fromCp1251(bytes),
              decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()))));
}

TEST(CodePage, EveryCharacterIsWrittenAsTheConverterWritesIt)
{
    QStringEncoder encoder("windows-1251");
    const auto byConverter = [&encoder](const QString &text) {
        const QByteArray bytes = encoder.encode(text);
        return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
    };
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue; // halves of a pair, never alone in a text
        const QString character(QChar(static_cast<char16_t>(c)));
        ASSERT_EQ(toCp1251(character), byConverter(character)) << static_cast<uint32_t>(c);
    }
    const QString mixed = QStringLiteral("Семёнов € 😀 Ж");
    EXPECT_EQ(toCp1251(mixed), byConverter(mixed));
}
