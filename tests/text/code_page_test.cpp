#include "text/code_page.h"

#include <QStringDecoder>
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
