#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

// The settings file as its lines, each kept as it was read: bytes() gives back every line nobody set
// byte for byte (comments, blank lines, other sections and keys, values not understood, lines that are
// no ini at all), setting a key rewrites only its own line, a new key goes at the end of its section and
// a new section at the end of the file. A line is read on its own, so a broken one (an open quote, no
// "=") costs only itself. Section and key names are read as QSettings writes them ("\" for "/", "%XX").
class IniFile {
public:
    explicit IniFile(QByteArrayView bytes = {});

    QByteArray bytes() const;

    // What stands after the key's "=", up to the line's end or its ";" comment; the last line of the key
    // when it is there more than once, as QSettings reads it. Nothing when the key is missing.
    std::optional<QByteArray> value(const QString &section, const QString &key) const;
    // True when the section holds a key of its own (not one of a sub-section), whatever its value.
    bool hasKeys(const QString &section) const;

    // Puts the value, already in the file's syntax, in place of the key's value on its line.
    void setValue(const QString &section, const QString &key, const QByteArray &stored);

private:
    struct Line {
        // A comment counts as blank; Other is a line that says nothing the file can use.
        enum class Kind { Blank, Header, Key, Other };

        QByteArray text;   // without its line break
        QByteArray ending; // "\n", "\r\n" or "\r"; empty on a last line without one
        QString section;   // the section the line stands in (a header's own), empty before the first
        Kind kind = Kind::Blank;
        QString key; // of a key line
        qsizetype valueBegin = 0;
        qsizetype valueEnd = 0;
    };

    // Reads the text from `from` on (past a byte order mark).
    static Line readLine(QByteArray text, QByteArray ending, const QString &section, qsizetype from = 0);
    std::optional<size_t> lineOf(const QString &section, const QString &key) const;
    // Where a new key of the section goes; adds the section when the file lacks it.
    size_t newKeyPlace(const QString &section);
    void insertLine(size_t at, const QByteArray &text, const QString &section);

    std::vector<Line> m_lines;
    QByteArray m_lineBreak = "\n"; // what the file's first line ends with
};
