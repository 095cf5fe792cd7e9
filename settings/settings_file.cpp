#include "settings/ini_file.h"
#include "settings/ini_value.h"
#include "settings/settings_backend.h"
#include "text/app_error.h"
#include "text/code_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace {

const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;

// The ini file, read once as it is opened and written whole by save(). Only the lines of values that
// changed are rewritten; everything else in the file is left as it stands.
class SettingsFile final : public SettingsBackend {
public:
    explicit SettingsFile(QString path);

    bool readable() const override { return m_readable; }
    QString location() const override { return m_path; }
    bool sectionHasValues(const QString &section) const override { return m_file.hasKeys(section); }
    std::optional<QVariant> value(const QString &section, const QString &name) const override;
    void setValue(const QString &section, const QString &name, const QVariant &value) override;
    void save() override;
    void makePrivate() const override;

private:
    QString m_path;
    IniFile m_file;
    bool m_readable = true;
    bool m_changed = false;
};

SettingsFile::SettingsFile(QString path) : m_path(std::move(path))
{
    QFile file(m_path);
    if (!file.exists())
        return;
    // A folder in the file's place, or no permission: nothing it holds is known.
    m_readable = file.open(QIODevice::ReadOnly);
    const QByteArray bytes = m_readable ? file.readAll() : QByteArray();
    m_readable = m_readable && file.error() == QFileDevice::NoError;
    if (m_readable)
        m_file = IniFile(bytes);
}

std::optional<QVariant> SettingsFile::value(const QString &section, const QString &name) const
{
    const std::optional<QByteArray> stored = m_file.value(section, name);
    if (!stored)
        return std::nullopt;
    const IniValue value = readIniValue(*stored);
    switch (value.kind) {
    case IniValue::Kind::Text:
        return QVariant(value.text);
    case IniValue::Kind::Bytes:
        return QVariant(value.bytes);
    case IniValue::Kind::NotUnderstood:
        break;
    }
    return QVariant();
}

void SettingsFile::setValue(const QString &section, const QString &name, const QVariant &value)
{
    const bool bytes = value.typeId() == QMetaType::QByteArray;
    const IniValue wanted = bytes ? IniValue{IniValue::Kind::Bytes, {}, value.toByteArray()}
                                  : IniValue{IniValue::Kind::Text, value.toString(), {}};
    // A value that is already there stays as it is spelt.
    if (const std::optional<QByteArray> stored = m_file.value(section, name);
        stored && readIniValue(*stored) == wanted)
        return;
    m_file.setValue(section, name, bytes ? iniBytes(wanted.bytes) : iniText(wanted.text));
    m_changed = true;
}

void SettingsFile::save()
{
    if (m_changed) {
        QDir().mkpath(QFileInfo(m_path).absolutePath()); // a failure shows as the file's own
        const QByteArray bytes = m_file.bytes();
        // The new file is made private before it takes the old one's place: the password in it is
        // never readable by others, not even for a moment.
        QSaveFile file(m_path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.setPermissions(ownerOnly) || !file.commit())
            throw InputOutputError("Cannot write the settings to " + toCp1251(m_path));
        m_changed = false;
    }
    if (QFileInfo::exists(m_path) && !QFile::setPermissions(m_path, ownerOnly))
        throw InputOutputError("Cannot make the settings file private: " + toCp1251(m_path));
}

void SettingsFile::makePrivate() const
{
    if (QFileInfo::exists(m_path))
        QFile::setPermissions(m_path, ownerOnly);
}

} // namespace

std::unique_ptr<SettingsBackend> openSettingsFile(const QString &path)
{
    return std::make_unique<SettingsFile>(path);
}
