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
