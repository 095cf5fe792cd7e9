#include "settings/settings_store.h"

#include "settings/settings_backend.h"
#include "text/app_error.h"
#include "text/code_page.h"
#include "text/numbers.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <utility>

namespace {

const QString historySection = QStringLiteral("History");
const QString passwordKey = QStringLiteral("ProxyPasswd");

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
    throw AppError(unreadKeysMessage(QStringList{name}));
}

[[noreturn]] void throwCannotRead(const QString &location)
{
    throw InputOutputError(toCp1251(
        QCoreApplication::translate("SettingsStore", "Не удалось прочитать файл настроек %1").arg(location)));
}

std::unique_ptr<SettingsBackend> openUserStore()
{
#ifdef Q_OS_WIN
    return openSettingsRegistry();
#else
    // Where QSettings keeps the ini file of organisation "Software", application "trovik", as earlier
    // builds wrote it.
    return openSettingsFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                            QStringLiteral("/Software/trovik.ini"));
#endif
}

// One option: its key and the member of SettingsValues it fills, a text or a flag.
struct Setting {
    QString key;
    QString SettingsValues::*text = nullptr;
    bool SettingsValues::*flag = nullptr;
    bool proxy = false; // written only while the proxy is in use
};

// In load order.
const std::array<Setting, 10> &allSettings()
{
    static const std::array<Setting, 10> table{{
        {QStringLiteral("separator"), &SettingsValues::separator, nullptr},
        {QStringLiteral("UseProxy"), nullptr, &SettingsValues::useProxy},
        {QStringLiteral("ProxyLogin"), &SettingsValues::proxyLogin, nullptr, true},
        {passwordKey, &SettingsValues::proxyPassword, nullptr, true},
        {QStringLiteral("ProxyServer"), &SettingsValues::proxyServer, nullptr, true},
        {QStringLiteral("ProxyPort"), &SettingsValues::proxyPort, nullptr, true},
        {QStringLiteral("SaveID"), nullptr, &SettingsValues::saveId},
        {QStringLiteral("SaveManager"), nullptr, &SettingsValues::saveManager},
        {QStringLiteral("SaveMoney"), nullptr, &SettingsValues::saveMoney},
        {QStringLiteral("SaveCoSP"), nullptr, &SettingsValues::saveCoSP},
    }};
    return table;
}

bool sameValue(const Setting &setting, const SettingsValues &a, const SettingsValues &b)
{
    return setting.text ? a.*setting.text == b.*setting.text : a.*setting.flag == b.*setting.flag;
}

void write(SettingsStore &store, const Setting &setting, const SettingsValues &values)
{
    if (setting.text)
        store.writeText(setting.key, values.*setting.text);
    else
        store.writeFlag(setting.key, values.*setting.flag);
}

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

SettingsStore::SettingsStore() : SettingsStore(openUserStore()) {}

SettingsStore::SettingsStore(const QString &iniPath) : SettingsStore(openSettingsFile(iniPath)) {}

SettingsStore::SettingsStore(std::unique_ptr<SettingsBackend> backend) : m_backend(std::move(backend)) {}

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

bool SettingsStore::readable() const { return m_backend->readable(); }

bool SettingsStore::sectionHasValues(const QString &section) const
{
    return m_backend->sectionHasValues(section);
}

bool SettingsStore::contains(const QString &name, const QString &section) const
{
    return m_backend->value(section, name).has_value();
}

QVariant SettingsStore::stored(const QString &section, const QString &name) const
{
    const std::optional<QVariant> value = m_backend->value(section, name);
    if (!value)
        return {};
    if (!value->isValid()) // present, but neither text nor a number
        throwInvalidType(name);
    return *value;
}

bool SettingsStore::readFlag(const QString &name, bool fallback, const QString &section) const
{
    return flagFromStored(stored(section, name), name, fallback);
}

QString SettingsStore::readText(const QString &name, const QString &fallback, const QString &section) const
{
    return textFromStored(stored(section, name), name, fallback);
}

void SettingsStore::writeFlag(const QString &name, bool value, const QString &section)
{
    writeText(name, value ? QStringLiteral("1") : QStringLiteral("0"), section);
}

void SettingsStore::writeText(const QString &name, const QString &value, const QString &section)
{
    writeValue(section, name, value);
}

QByteArray SettingsStore::readBytes(const QString &name, const QString &section) const
{
    const std::optional<QVariant> value = m_backend->value(section, name);
    return value && value->typeId() == QMetaType::QByteArray ? value->toByteArray() : QByteArray();
}

void SettingsStore::writeBytes(const QString &name, const QByteArray &value, const QString &section)
{
    writeValue(section, name, value);
}

void SettingsStore::writeValue(const QString &section, const QString &name, const QVariant &value)
{
    if (!m_backend->readable())
        throwCannotRead(location());
    m_backend->setValue(section, name, value);
    m_written = true;
}

void SettingsStore::makePrivate() const { m_backend->makePrivate(); }

QString SettingsStore::location() const { return m_backend->location(); }

void SettingsStore::close()
{
    m_closed = true;
    if (m_written)
        m_backend->save();
}

const QStringList &settingKeys()
{
    static const QStringList keys = [] {
        QStringList names;
        for (const Setting &setting : allSettings())
            names.append(setting.key);
        return names;
    }();
    return keys;
}

LoadedSettings loadSettingsValues(const SettingsStore &store)
{
    if (!store.readable())
        throwCannotRead(store.location());
    LoadedSettings loaded;
    loaded.found = store.sectionHasValues();
    if (!loaded.found)
        return loaded;
    const SettingsValues defaults;
    for (const Setting &setting : allSettings()) {
        try {
            if (setting.text)
                loaded.values.*setting.text = store.readText(setting.key, defaults.*setting.text);
            else
                loaded.values.*setting.flag = store.readFlag(setting.key, defaults.*setting.flag);
        } catch (const AppError &) {
            loaded.unreadKeys.append(setting.key);
        }
    }
    // The password is stored as plain text: a file found holding one, even one not understood, is made
    // private now rather than at the next save, which may never come.
    if (!loaded.values.proxyPassword.isEmpty() || loaded.unreadKeys.contains(passwordKey))
        store.makePrivate();
    return loaded;
}

void saveSettingsValues(SettingsStore &store, const SettingsValues &values, const QStringList &keep)
{
    // What a load reads now: a value that already reads as the one to write stays as it is spelt, so
    // one not understood keeps its text while the option holds the default the load gave it.
    const bool compare = store.readable() && store.sectionHasValues();
    const SettingsValues stored = compare ? loadSettingsValues(store).values : SettingsValues{};
    for (const bool proxy : {false, true}) {
        if (proxy && !values.useProxy)
            break;
        for (const Setting &setting : allSettings()) {
            if (setting.proxy != proxy || keep.contains(setting.key))
                continue;
            if (!compare || !store.contains(setting.key) || !sameValue(setting, stored, values))
                write(store, setting, values);
        }
    }
    store.close();
}

QStringList keysStillUnread(const QStringList &unreadKeys, const SettingsValues &loaded,
                            const SettingsValues &now)
{
    QStringList still;
    for (const Setting &setting : allSettings())
        if (unreadKeys.contains(setting.key) && sameValue(setting, loaded, now))
            still.append(setting.key);
    return still;
}

ExportOptions exportOptionsOf(const SettingsValues &values)
{
    return {toCp1251(values.separator), values.saveManager, values.saveId, values.saveMoney, values.saveCoSP};
}

ProxyChoice proxyChoiceOf(const SettingsValues &values)
{
    // The login and password go to the proxy as UTF-8.
    return {values.useProxy, toCp1251(values.proxyServer), toCp1251(values.proxyPort),
            values.proxyLogin.toStdString(), values.proxyPassword.toStdString()};
}

std::string unreadKeysMessage(const QStringList &keys)
{
    std::string message = "Invalid data type for ";
    for (qsizetype i = 0; i < keys.size(); ++i)
        message += (i ? ", '" : "'") + toCp1251(keys[i]) + "'";
    return message;
}

HistoryOptions loadHistoryOptions(const SettingsStore &store)
{
    HistoryOptions options;
    // A value that is not understood keeps its default, and costs only itself: these two are easy to
    // set again.
    try {
        options.keep = store.readFlag(QStringLiteral("KeepHistory"), options.keep, historySection);
    } catch (const AppError &) {
    }
    try {
        options.keepMonths =
            std::clamp(readInteger(toCp1251(store.readText(QStringLiteral("KeepMonths"), QStringLiteral("0"),
                                                           historySection))),
                       0, 1200);
    } catch (const AppError &) {
    }
    return options;
}

void saveHistoryOptions(SettingsStore &store, const HistoryOptions &options)
{
    // A store that never had the history changed stays as it always was.
    if (options == HistoryOptions{} && !store.sectionHasValues(historySection))
        return;
    const HistoryOptions stored = loadHistoryOptions(store);
    const QString keep = QStringLiteral("KeepHistory");
    const QString months = QStringLiteral("KeepMonths");
    if (!store.contains(keep, historySection) || options.keep != stored.keep)
        store.writeFlag(keep, options.keep, historySection);
    if (!store.contains(months, historySection) || options.keepMonths != stored.keepMonths)
        store.writeText(months, QString::number(options.keepMonths), historySection);
}

PruneAnswer loadPruneAnswer(const SettingsStore &store)
{
    // An answer not understood is no answer: the question comes again.
    try {
        return {readInteger(toCp1251(store.readText(QStringLiteral("PruneAnsweredMonths"),
                                                    QStringLiteral("0"), historySection))),
                store.readFlag(QStringLiteral("PruneAllowed"), false, historySection)};
    } catch (const AppError &) {
        return {};
    }
}

void savePruneAnswer(SettingsStore &store, const PruneAnswer &answer)
{
    store.writeText(QStringLiteral("PruneAnsweredMonths"), QString::number(answer.months), historySection);
    store.writeFlag(QStringLiteral("PruneAllowed"), answer.allowed, historySection);
    store.close();
}
