#include "text/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <cstdint>

namespace {

// One byte is one character in this code page: each byte's character is asked of the converter once,
// and a text is then a look-up per character rather than a converter opened per call.
const std::array<char16_t, 256> &cp1251Characters()
{
    static const std::array<char16_t, 256> characters = [] {
        std::array<char16_t, 256> table{};
        QStringDecoder decoder("windows-1251");
        for (size_t i = 0; i < table.size(); ++i) {
            const char byte = static_cast<char>(i);
            const QString character = decoder.decode(QByteArrayView(&byte, 1));
            table[i] = character.size() == 1 ? character.at(0).unicode() : char16_t{0xFFFD};
        }
        return table;
    }();
    return characters;
}

// Each character's byte plus one, 0 for a character the code page lacks.
const std::array<uint16_t, 65536> &cp1251Bytes()
{
    static const std::array<uint16_t, 65536> bytes = [] {
        std::array<uint16_t, 65536> table{};
        const std::array<char16_t, 256> &characters = cp1251Characters();
        for (size_t i = 0; i < characters.size(); ++i)
            if (characters[i] != char16_t{0xFFFD})
                table[characters[i]] = static_cast<uint16_t>(i + 1);
        return table;
    }();
    return bytes;
}

} // namespace

QString fromCp1251(const std::string &bytes)
{
    const std::array<char16_t, 256> &characters = cp1251Characters();
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes)
        *out++ = characters[static_cast<unsigned char>(byte)];
    return text;
}

std::string toCp1251(const QString &text)
{
    // By the table while every character has its byte; a text with one that has none goes to the
    // converter whole, which puts in its stand-ins.
    const std::array<uint16_t, 65536> &table = cp1251Bytes();
    std::string direct(static_cast<size_t>(text.size()), '\0');
    bool whole = true;
    for (qsizetype i = 0; i < text.size() && whole; ++i) {
        const uint16_t byte = table[text.at(i).unicode()];
        whole = byte != 0;
        direct[static_cast<size_t>(i)] = static_cast<char>(byte - 1);
    }
    if (whole)
        return direct;
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Default);
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::string utf8FromCp1251(const std::string &bytes) { return fromCp1251(bytes).toStdString(); }

std::string cp1251FromUtf8(std::string_view utf8)
{
    return toCp1251(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string cp1251FromUtf16(std::u16string_view text)
{
    return toCp1251(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}
