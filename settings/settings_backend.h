#pragma once

#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

// Where the settings live, behind SettingsStore: an ini file of our own reading, or the registry on
// Windows. Values come and go as QVariants: a text or bytes, on Windows an integer too.
class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;

    // False when the store exists but could not be read.
    virtual bool readable() const = 0;
    virtual QString location() const = 0;
    virtual bool sectionHasValues(const QString &section) const = 0;
    // Nothing when the value is missing; an invalid QVariant when it is there but not understood.
    virtual std::optional<QVariant> value(const QString &section, const QString &name) const = 0;
    virtual void setValue(const QString &section, const QString &name, const QVariant &value) = 0;
    // Puts what was set in place and leaves the store readable by its owner only; throws InputOutputError.
    virtual void save() = 0;
    // Readable by its owner only, at once; a failure is left for save() to report.
    virtual void makePrivate() const = 0;
};

// The ini file at the path; read at once, written by save() whole or not at all.
std::unique_ptr<SettingsBackend> openSettingsFile(const QString &path);
// The registry key HKEY_CURRENT_USER\Software\trovik through QSettings. Built everywhere so that it keeps
// building; only Windows opens it.
std::unique_ptr<SettingsBackend> openSettingsRegistry();
