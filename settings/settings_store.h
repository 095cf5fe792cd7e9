#pragma once

#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

// The per-user store of the ten options: the registry key HKEY_CURRENT_USER\Software\trovik on Windows,
// $XDG_CONFIG_HOME/Software/trovik.ini elsewhere; every value sits in the section "StrKey".
// One object is one opening of the store: construct it, read or write, close it.
class SettingsStore {
public:
    SettingsStore();
    // Closes the store if close() was not called; failures are dropped here, close() reports them.
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // True when the section exists and holds at least one value (sub-sections do not count).
    bool sectionHasValues() const;

    // A flag: stored text is read as an integer (the fallback when it is not one), a stored integer is
    // taken as it is; true when not 0. A missing value gives the fallback.
    bool readFlag(const QString &name, bool fallback) const;
    // A text setting; a missing value gives the fallback, a value that is not text throws AppError.
    QString readText(const QString &name, const QString &fallback) const;

    // Flags are written as the texts "1" and "0", texts exactly as given.
    void writeFlag(const QString &name, bool value);
    void writeText(const QString &name, const QString &value);

    // Writes what was changed and leaves the file readable by its owner only (it holds the proxy
    // password). Throws InputOutputError when the store cannot be written.
    void close();

    // Where the store lives: the ini file's path, or the registry key on Windows.
    QString location() const;

private:
    void makeFilePrivate();

    std::unique_ptr<QSettings> m_settings;
    bool m_written = false;
    bool m_closed = false;
};

// The reading rules on their own, for a value as the store handed it back (invalid when missing).
bool flagFromStored(const QVariant &stored, const QString &name, bool fallback);
// Both throw AppError "Invalid data type for '<name>'" for a value that is neither text nor (flags only) an
// integer.
QString textFromStored(const QVariant &stored, const QString &name, const QString &fallback);
