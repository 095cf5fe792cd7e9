#include "settings/settings_store.h"

#include "text/app_error.h"
#include "text/code_page.h"
#include "text/numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString section = QStringLiteral("StrKey");

QString keyOf(const QString &name) { return section + u'/' + name; }

bool isInteger(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void throwInvalidType(const QString &name)
{
    throw AppError("Invalid data type for '" + toCp1251(name) + "'");
}

std::unique_ptr<QSettings> openStore()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\trovik"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Software"),
                                       QStringLiteral("trovik"));
#endif
}

const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;

} // namespace

bool flagFromStored(const QVariant &stored, const QString &name, bool fallback)
{
    if (!stored.isValid())
        return fallback;
    if (isInteger(stored))
        return stored.toLongLong() != 0;
    if (stored.typeId() != QMetaType::QString)
        throwInvalidType(name);
    try {
        return readInteger(toCp1251(stored.toString())) != 0;
    } catch (const ConvertError &) {
        return fallback;
    }
}

QString textFromStored(const QVariant &stored, const QString &name, const QString &fallback)
{
    if (!stored.isValid())
        return fallback;
    if (stored.typeId() != QMetaType::QString)
        throwInvalidType(name);
    return stored.toString();
}

SettingsStore::SettingsStore() : m_settings(openStore()) {}

SettingsStore::~SettingsStore()
{
    if (m_closed)
        return;
    try {
        close();
    } catch (...) {
        // Nothing may escape a destructor; close() is the call that reports.
    }
}

bool SettingsStore::sectionHasValues() const
{
    m_settings->beginGroup(section);
    const bool any = !m_settings->childKeys().isEmpty();
    m_settings->endGroup();
    return any;
}

bool SettingsStore::readFlag(const QString &name, bool fallback) const
{
    const QString key = keyOf(name);
    if (!m_settings->contains(key))
        return fallback;
    const QVariant stored = m_settings->value(key);
    if (!stored.isValid()) // "@Invalid()" in the file: present, but neither text nor a number
        throwInvalidType(name);
    return flagFromStored(stored, name, fallback);
}

QString SettingsStore::readText(const QString &name, const QString &fallback) const
{
    const QString key = keyOf(name);
    if (!m_settings->contains(key))
        return fallback;
    const QVariant stored = m_settings->value(key);
    if (!stored.isValid())
        throwInvalidType(name);
    return textFromStored(stored, name, fallback);
}

void SettingsStore::writeFlag(const QString &name, bool value)
{
    writeText(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::writeText(const QString &name, const QString &value)
{
    m_settings->setValue(keyOf(name), value);
    m_written = true;
}

QString SettingsStore::location() const { return m_settings->fileName(); }

void SettingsStore::close()
{
    m_closed = true;
    if (!m_written)
        return;
    // Private before the new values reach the disk as well as after: the save replaces the file and
    // keeps the mode it finds.
    makeFilePrivate();
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw InputOutputError("Cannot write the settings to " + toCp1251(location()));
    makeFilePrivate();
}

void SettingsStore::makeFilePrivate()
{
    if (m_settings->format() != QSettings::IniFormat)
        return; // the registry keeps its own access rights
    const QString path = location();
    if (QFileInfo::exists(path)) {
        if (!QFile::setPermissions(path, ownerOnly))
            throw InputOutputError("Cannot make the settings file private: " + toCp1251(path));
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerOnly))
        throw InputOutputError("Cannot create the settings file " + toCp1251(path));
}
