#pragma once

#include "export/export_options.h"
#include "retrieval/proxy_choice.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <string>

class SettingsBackend;

// The per-user store of the ten options: the registry key HKEY_CURRENT_USER\Software\trovik on Windows,
// $XDG_CONFIG_HOME/Software/trovik.ini elsewhere; the options sit in the section "StrKey", the history's
// in "History". One object is one opening of the store: construct it, read or write, close it. The ini
// file is read and written by our own reader (settings/ini_file): what it does not understand, from a
// comment to a value of a type it does not take, stays in the file as it was.
class SettingsStore {
public:
    SettingsStore();
    // An ini file of its own instead of the user's store, for checking a given file.
    explicit SettingsStore(const QString &iniPath);
    // Closes the store if close() was not called; failures are dropped here, close() reports them.
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // False when the store exists but could not be read at its opening (a folder in the file's place, no
    // permission): then nothing it holds is known, and writing would replace it blindly.
    bool readable() const;

    // Every read and write names its section; the options' own is the default.
    static QString optionsSection() { return QStringLiteral("StrKey"); }
    // The window's size, place and splitters, apart from the options.
    static QString windowSection() { return QStringLiteral("Window"); }

    // True when the section exists and holds at least one value (sub-sections do not count).
    bool sectionHasValues(const QString &section = optionsSection()) const;
    // True when the value is there, understood or not.
    bool contains(const QString &name, const QString &section = optionsSection()) const;

    // A flag: stored text is read as an integer (the fallback when it is not one), a stored integer is
    // taken as it is; true when not 0. A missing value gives the fallback.
    bool readFlag(const QString &name, bool fallback, const QString &section = optionsSection()) const;
    // A text setting; a missing value gives the fallback, a value that is not text throws AppError.
    QString readText(const QString &name, const QString &fallback,
                     const QString &section = optionsSection()) const;

    // Flags are written as the texts "1" and "0", texts exactly as given; a value the store already holds
    // is left as it is spelt. A store that could not be read takes nothing: both throw InputOutputError
    // "Не удалось прочитать файл настроек <path>".
    void writeFlag(const QString &name, bool value, const QString &section = optionsSection());
    void writeText(const QString &name, const QString &value, const QString &section = optionsSection());

    // Bytes as widgets save their own state (the window's geometry, a splitter's sizes); empty when
    // missing or not bytes, since a lost window state only costs its default. Written like texts.
    QByteArray readBytes(const QString &name, const QString &section) const;
    void writeBytes(const QString &name, const QByteArray &value, const QString &section);

    // Makes the file readable by its owner only, at once: it holds the proxy password. A file that cannot
    // be changed is left as it is; a save says so.
    void makePrivate() const;

    // Writes what was changed, the whole file or nothing, and leaves the file readable by its owner only.
    // Throws InputOutputError when the store cannot be written.
    void close();

    // Where the store lives: the ini file's path, or the registry key on Windows.
    QString location() const;

private:
    explicit SettingsStore(std::unique_ptr<SettingsBackend> backend);
    // The value as stored, invalid when missing; a value present but not understood throws AppError.
    QVariant stored(const QString &section, const QString &name) const;
    void writeValue(const QString &section, const QString &name, const QVariant &value);

    std::unique_ptr<SettingsBackend> m_backend;
    bool m_written = false;
    bool m_closed = false;
};

// The reading rules on their own, for a value as the store handed it back (invalid when missing).
bool flagFromStored(const QVariant &stored, const QString &name, bool fallback);
// Both throw AppError "Invalid data type for '<name>'" for a value that is neither text nor (flags only) an
// integer.
QString textFromStored(const QVariant &stored, const QString &name, const QString &fallback);

// The ten options as plain values. A key missing from a section that holds something takes the value
// given here ("Разр. пополнения" on, unlike the dialog as built).
struct SettingsValues {
    QString separator = QStringLiteral("_");
    bool useProxy = false;
    QString proxyLogin;
    QString proxyPassword;
    QString proxyServer;
    QString proxyPort;
    bool saveId = false;
    bool saveManager = false;
    bool saveMoney = false;
    bool saveCoSP = true;

    bool operator==(const SettingsValues &) const = default;
};

struct LoadedSettings {
    bool found = false;     // the section held a value; when not, nothing was read
    SettingsValues values;  // a key not understood holds its missing-key value
    QStringList unreadKeys; // the keys whose stored value was not understood, in load order
};

// The ten key names in load order.
const QStringList &settingKeys();

// Reads every key on its own, so a value that is not understood costs only that key. A file found holding
// a proxy password is made private there and then. Throws InputOutputError "Не удалось прочитать файл
// настроек <path>" when the store could not be read.
LoadedSettings loadSettingsValues(const SettingsStore &store);

// Writes the values (the proxy ones only while useProxy is set, so an unticked proxy keeps the stored
// ones) and closes the store. The keys in `keep` are left as stored, and so is a value that a load reads
// as the one given (a flag stored as "2" or as text that is no integer and reads as its default).
void saveSettingsValues(SettingsStore &store, const SettingsValues &values, const QStringList &keep);

// Of the keys not understood at load, those whose value is still the one the load put in their place:
// the user has not set them, so a save leaves what is stored there.
QStringList keysStillUnread(const QStringList &unreadKeys, const SettingsValues &loaded,
                            const SettingsValues &now);

// What the export and the roster request take of the values.
ExportOptions exportOptionsOf(const SettingsValues &values);
ProxyChoice proxyChoiceOf(const SettingsValues &values);

// One message for all the keys not understood: "Invalid data type for 'UseProxy', 'SaveID'".
std::string unreadKeysMessage(const QStringList &keys);

// The history options, in the section [History] of the same store: keep every page fetched (on unless
// switched off) and for how many months (0: for good). A value not understood takes its default.
struct HistoryOptions {
    bool keep = true;
    int keepMonths = 0;

    bool operator==(const HistoryOptions &) const = default;
};
HistoryOptions loadHistoryOptions(const SettingsStore &store);
// Writes the section only when it exists or the options differ from their defaults, and in it only the
// values that do not already read as the options (a value not understood reads as its default).
void saveHistoryOptions(SettingsStore &store, const HistoryOptions &options);

// The user's answer when asked whether to drop the fetches older than KeepMonths at start, and the
// KeepMonths it was given under: it stands until KeepMonths changes. Kept in [History] as
// PruneAnsweredMonths and PruneAllowed; `months` 0 is no answer.
struct PruneAnswer {
    int months = 0;
    bool allowed = false;

    bool operator==(const PruneAnswer &) const = default;
};
PruneAnswer loadPruneAnswer(const SettingsStore &store);
void savePruneAnswer(SettingsStore &store, const PruneAnswer &answer);
