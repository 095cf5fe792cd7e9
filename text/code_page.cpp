#include "text/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString fromCp1251(const std::string &bytes)
{
    QStringDecoder decoder("windows-1251");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string toCp1251(const QString &text)
{
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
