#include "settings/ini_value.h"

#include <QStringDecoder>
#include <QStringView>

#include <optional>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

int digitValue(char16_t c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// The escapes that stand for one character; 0 for none.
char namedEscape(char c)
{
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return c;
    default:
        return 0;
    }
}

// The digits of a "\x" or octal escape, as many as stand there, kept to 16 bits the way Qt keeps them.
char16_t escapedUnit(QByteArrayView in, qsizetype &at, int base)
{
    char16_t unit = 0;
    for (int digit = 0; at < in.size() && (digit = digitValue(static_cast<uchar>(in[at]), base)) >= 0; ++at)
        unit = static_cast<char16_t>(unit * base + digit);
    return unit;
}

// The text the quotes and escapes stand for; nothing for a list, an open quote or a backslash at the end
// (Qt would go on into the next line).
std::optional<QString> unescape(QByteArrayView in)
{
    QString out;
    // One decoder for the whole value, as Qt reads it; a byte order mark that starts it is a character.
    QStringDecoder fromUtf8(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    bool inQuotes = false;
    bool quoted = false;
    qsizetype kept = 0; // blanks at the end of the text before this length were escaped, not typed
    qsizetype at = 0;
    const auto skipBlanks = [&] {
        while (at < in.size() && isBlank(in[at]))
            ++at;
    };
    skipBlanks();
    while (at < in.size()) {
        const char c = in[at];
        if (c == '\\') {
            if (++at == in.size())
                return std::nullopt;
            const char escaped = in[at++];
            if (const char named = namedEscape(escaped))
                out += QLatin1Char(named);
            else if (escaped == 'x' && at < in.size() && digitValue(static_cast<uchar>(in[at]), 16) >= 0)
                out += QChar(escapedUnit(in, at, 16));
            else if (digitValue(static_cast<uchar>(escaped), 8) >= 0)
                out += QChar(escapedUnit(in, --at, 8));
            // Any other escaped character is dropped, as Qt drops it.
            kept = out.size();
        } else if (c == '"') {
            ++at;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (c == ',' && !inQuotes) {
            return std::nullopt;
        } else {
            qsizetype end = at + 1;
            while (end < in.size() && in[end] != '\\' && in[end] != '"' && in[end] != ',')
                ++end;
            out += fromUtf8(in.sliced(at, end - at));
            at = end;
        }
    }
    if (inQuotes)
        return std::nullopt;
    if (!quoted)
        while (out.size() > kept && (out.back() == u' ' || out.back() == u'\t'))
            out.chop(1);
    return out;
}

IniValue textValue(const QString &text) { return {IniValue::Kind::Text, text, {}}; }

// Bytes stand in the file one character each; a character beyond a byte is no byte.
IniValue bytesValue(QStringView inside)
{
    QByteArray bytes;
    bytes.reserve(inside.size());
    for (const QChar c : inside) {
        if (c.unicode() > 0xff)
            return {};
        bytes += static_cast<char>(c.unicode());
    }
    return {IniValue::Kind::Bytes, {}, bytes};
}

QByteArray hexEscape(char16_t unit) { return "\\x" + QByteArray::number(unit, 16); }

// Escapes as QSettings does: control characters by name or in hex (and a hex digit right after a hex or
// NUL escape too, or it would read as part of it), quotes and backslashes with a backslash, the rest in
// UTF-8 for a text or in hex for bytes; quoted when it holds a separator or starts or ends with a blank.
// A half surrogate, which UTF-8 cannot carry and QSettings loses, goes in hex like a control character.
QByteArray escaped(const QString &value, bool asUtf8)
{
    QByteArray out;
    bool needsQuotes = false;
    bool hexDigitsEscaped = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (hexDigitsEscaped && digitValue(c, 16) >= 0) {
            out += hexEscape(c);
            continue;
        }
        hexDigitsEscaped = false;
        const bool paired =
            QChar::isHighSurrogate(c) && i + 1 < value.size() && value[i + 1].isLowSurrogate();
        static constexpr char names[] = "0abtnvfr"; // the escape letters of characters 0 and 7 to 13
        if (c == 0 || (c >= '\a' && c <= '\r')) {
            out += '\\';
            out += names[c == 0 ? 0 : c - '\a' + 1];
            hexDigitsEscaped = c == 0;
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || (c >= 0x7f && !asUtf8) || (QChar::isSurrogate(c) && !paired) ||
                   c == QChar::ByteOrderMark) {
            // A byte order mark as UTF-8 would be taken for the start of the text and dropped.
            out += hexEscape(c);
            hexDigitsEscaped = true;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += QStringView(value).sliced(i, paired ? 2 : 1).toUtf8();
            i += paired ? 1 : 0;
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

} // namespace

IniValue readIniValue(QByteArrayView stored)
{
    const std::optional<QString> text = unescape(stored);
    if (!text)
        return {};
    if (!text->startsWith(u'@'))
        return textValue(*text);
    if (text->startsWith(QLatin1StringView("@@")))
        return textValue(text->sliced(1));
    if (!text->endsWith(u')'))
        return {};
    if (text->startsWith(QLatin1StringView("@String(")))
        return textValue(text->sliced(8).chopped(1));
    if (text->startsWith(QLatin1StringView("@ByteArray(")))
        return bytesValue(QStringView(*text).sliced(11).chopped(1));
    return {};
}

QByteArray iniText(const QString &text)
{
    if (text.contains(QChar::Null))
        return escaped(QStringLiteral("@String(") + text + u')', true);
    return escaped(text.startsWith(u'@') ? u'@' + text : text, true);
}

QByteArray iniBytes(const QByteArray &bytes)
{
    return escaped(QStringLiteral("@ByteArray(") + QString::fromLatin1(bytes) + u')', false);
}
