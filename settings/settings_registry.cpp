#include "settings/settings_backend.h"
#include "text/app_error.h"
#include "text/code_page.h"

#include <QSettings>

namespace {

// The registry key, through QSettings, which reads and writes it value by value.
class SettingsRegistry final : public SettingsBackend {
public:
    SettingsRegistry()
        : m_settings(QStringLiteral("HKEY_CURRENT_USER\\Software\\trovik"), QSettings::NativeFormat)
    {
    }

    bool readable() const override { return m_settings.status() != QSettings::AccessError; }
    QString location() const override { return m_settings.fileName(); }

    bool sectionHasValues(const QString &section) const override
    {
        m_settings.beginGroup(section);
        const bool any = !m_settings.childKeys().isEmpty();
        m_settings.endGroup();
        return any;
    }

    std::optional<QVariant> value(const QString &section, const QString &name) const override
    {
        const QString key = section + u'/' + name;
        if (!m_settings.contains(key))
            return std::nullopt;
        return m_settings.value(key);
    }

    void setValue(const QString &section, const QString &name, const QVariant &value) override
    {
        m_settings.setValue(section + u'/' + name, value);
    }

    void save() override
    {
        m_settings.sync();
        if (m_settings.status() == QSettings::AccessError)
            throw InputOutputError("Cannot write the settings to " + toCp1251(location()));
    }

    void makePrivate() const override {} // the registry keeps its own access rights

private:
    mutable QSettings m_settings; // opening a group changes it, even only to read
};

} // namespace

std::unique_ptr<SettingsBackend> openSettingsRegistry() { return std::make_unique<SettingsRegistry>(); }
