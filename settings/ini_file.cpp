#include "settings/ini_file.h"

#include <QStringView>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A section or key name as QSettings writes it: "\" for "/", "%XX" and "%UXXXX" for other characters.
QString unescapedName(QByteArrayView raw)
{
    const QString in = QString::fromUtf8(raw);
    QString out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == u'\\') {
            out += u'/';
            continue;
        }
        if (in[i] == u'%' && i + 1 < in.size()) {
            const bool wide = in[i + 1] == u'U';
            const qsizetype first = i + (wide ? 2 : 1);
            const qsizetype digits = wide ? 4 : 2;
            bool ok = false;
            const ushort unit =
                first + digits <= in.size() ? QStringView(in).sliced(first, digits).toUShort(&ok, 16) : 0;
            if (ok) {
                out += QChar(unit);
                i = first + digits - 1;
                continue;
            }
        }
        out += in[i];
    }
    return out;
}

QByteArray escapedName(const QString &name)
{
    QByteArray out;
    for (const QChar c : name) {
        const char16_t unit = c.unicode();
        if (unit == '/')
            out += '\\';
        else if ((unit < 0x80 && c.isLetterOrNumber()) || unit == '_' || unit == '-' || unit == '.')
            out += static_cast<char>(unit);
        else if (unit <= 0xff)
            out += '%' + QByteArray::number(unit, 16).toUpper().rightJustified(2, '0');
        else
            out += "%U" + QByteArray::number(unit, 16).toUpper().rightJustified(4, '0');
    }
    return out;
}

// "[General]" holds the keys outside every section, so a section of that name is written "%General".
QString sectionName(QByteArrayView raw)
{
    if (raw.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (raw.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(raw.sliced(1));
    return unescapedName(raw);
}

QByteArray sectionHeader(const QString &section)
{
    if (section.isEmpty())
        return "[General]";
    const bool general = section.compare(QLatin1StringView("general"), Qt::CaseInsensitive) == 0;
    return (general ? "[%" : "[") + escapedName(section) + ']';
}

// The file may start with one; it is kept, and read past.
qsizetype byteOrderMark(size_t lineIndex, QByteArrayView text)
{
    return lineIndex == 0 && text.startsWith("\xef\xbb\xbf") ? 3 : 0;
}

} // namespace

IniFile::IniFile(QByteArrayView bytes)
{
    QString section;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = at;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < bytes.size())
            next += bytes.sliced(next).startsWith("\r\n") ? 2 : 1;
        QByteArray text = bytes.sliced(at, end - at).toByteArray();
        const qsizetype from = byteOrderMark(m_lines.size(), text);
        m_lines.push_back(
            readLine(std::move(text), bytes.sliced(end, next - end).toByteArray(), section, from));
        section = m_lines.back().section;
        if (m_lines.size() == 1 && next > end)
            m_lineBreak = m_lines.back().ending;
        at = next;
    }
}

IniFile::Line IniFile::readLine(QByteArray text, QByteArray ending, const QString &section, qsizetype from)
{
    Line line;
    line.text = std::move(text);
    line.ending = std::move(ending);
    line.section = section;
    const QByteArray &t = line.text;
    qsizetype start = from;
    while (start < t.size() && isBlank(t[start]))
        ++start;
    if (start == t.size() || t[start] == ';' || t[start] == '#')
        return line;
    // The first "=" and ";" outside quotes: the key ends at the one, a comment starts at the other.
    qsizetype equals = -1;
    qsizetype end = t.size();
    bool inQuotes = false;
    for (qsizetype i = start; i < t.size() && end == t.size(); ++i) {
        if (t[i] == '\\')
            ++i;
        else if (t[i] == '"')
            inQuotes = !inQuotes;
        else if (t[i] == '=' && !inQuotes && equals < 0)
            equals = i;
        else if (t[i] == ';' && !inQuotes)
            end = i;
    }
    if (t[start] == '[') {
        const qsizetype close = t.indexOf(']', start);
        const qsizetype nameEnd = close >= 0 && close < end ? close : end;
        line.kind = Line::Kind::Header;
        line.section = sectionName(QByteArrayView(t).sliced(start + 1, nameEnd - start - 1).trimmed());
        return line;
    }
    line.kind = Line::Kind::Other;
    if (equals < 0)
        return line;
    line.key = unescapedName(QByteArrayView(t).sliced(start, equals - start).trimmed());
    if (!line.key.isEmpty()) {
        line.kind = Line::Kind::Key;
        line.valueBegin = equals + 1;
        line.valueEnd = end;
    }
    return line;
}

QByteArray IniFile::bytes() const
{
    QByteArray out;
    for (const Line &line : m_lines)
        out += line.text + line.ending;
    return out;
}

std::optional<size_t> IniFile::lineOf(const QString &section, const QString &key) const
{
    for (size_t i = m_lines.size(); i-- > 0;) {
        const Line &line = m_lines[i];
        if (line.kind == Line::Kind::Key && line.key == key && line.section == section)
            return i;
    }
    return std::nullopt;
}

std::optional<QByteArray> IniFile::value(const QString &section, const QString &key) const
{
    const std::optional<size_t> at = lineOf(section, key);
    if (!at)
        return std::nullopt;
    const Line &line = m_lines[*at];
    return line.text.sliced(line.valueBegin, line.valueEnd - line.valueBegin);
}

bool IniFile::hasKeys(const QString &section) const
{
    for (const Line &line : m_lines)
        if (line.kind == Line::Kind::Key && line.section == section && !line.key.contains(u'/'))
            return true;
    return false;
}

void IniFile::setValue(const QString &section, const QString &key, const QByteArray &stored)
{
    if (const std::optional<size_t> at = lineOf(section, key)) {
        // The key as spelt, the blanks around the value and a comment after it stay as they were.
        Line &line = m_lines[*at];
        qsizetype begin = line.valueBegin;
        qsizetype end = line.valueEnd;
        while (begin < end && isBlank(line.text[begin]))
            ++begin;
        while (end > begin && isBlank(line.text[end - 1]))
            --end;
        line = readLine(line.text.first(begin) + stored + line.text.sliced(end), line.ending, line.section,
                        byteOrderMark(*at, line.text));
        return;
    }
    insertLine(newKeyPlace(section), escapedName(key) + '=' + stored, section);
}

// After the last line that says something in the section's last stretch, so that blank lines and
// comments before the next section stay with that one; a section the file lacks is added at its end,
// a blank line before it as QSettings writes them.
size_t IniFile::newKeyPlace(const QString &section)
{
    std::optional<size_t> at;
    bool inSection = false;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Line::Kind::Header)
            inSection = line.section == section;
        if (inSection && line.kind != Line::Kind::Blank)
            at = i + 1;
    }
    if (at)
        return *at;
    if (!m_lines.empty() && !m_lines.back().text.trimmed().isEmpty())
        insertLine(m_lines.size(), {}, m_lines.back().section);
    insertLine(m_lines.size(), sectionHeader(section), section);
    return m_lines.size();
}

void IniFile::insertLine(size_t at, const QByteArray &text, const QString &section)
{
    // A new line ends as the one before it does.
    QByteArray ending = at > 0 ? m_lines[at - 1].ending : m_lineBreak;
    if (ending.isEmpty()) {
        ending = m_lineBreak;
        m_lines[at - 1].ending = ending;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), readLine(text, ending, section));
}
