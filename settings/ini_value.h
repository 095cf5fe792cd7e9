#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One value of the settings file, in the syntax Qt's QSettings gives its ini files, so that the files
// earlier builds wrote read the same and what we write reads in them: plain or double-quoted UTF-8 text
// with backslash escapes, "@@" for a leading "@", bytes as "@ByteArray(...)", text holding a NUL as
// "@String(...)". Qt's other typed values ("@Variant(...)", "@Rect(...)", lists, ...) are never decoded:
// we store none of them, and a "@Variant" can make its decoder ask for any amount of memory.
struct IniValue {
    enum class Kind { Text, Bytes, NotUnderstood };

    Kind kind = Kind::NotUnderstood;
    QString text;     // of Kind::Text
    QByteArray bytes; // of Kind::Bytes

    bool operator==(const IniValue &) const = default;
};

// Reads a value as it stands after the "=" of its line, up to the line's end or its ";" comment. An open
// quote, a backslash that ends the line or an unquoted "," (a list) make it not understood.
IniValue readIniValue(QByteArrayView stored);

// The stored form of a text and of bytes, as QSettings writes them; each reads back the same.
QByteArray iniText(const QString &text);
QByteArray iniBytes(const QByteArray &bytes);
