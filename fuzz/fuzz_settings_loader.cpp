// Any bytes as the settings file, through the loader and saver the Settings dialog uses: loading never
// fails on a readable file; one value that is not understood costs only its own key, wherever it stands;
// a save that keeps the keys not understood gives back, on the next load, what the first load gave, and
// leaves every line of the file as it was. Any text and any bytes written as a value read back the same.
#include "fuzz/fuzz_check.h"
#include "settings/ini_file.h"
#include "settings/ini_value.h"
#include "settings/settings_store.h"

#include <QFile>
#include <QList>
#include <QString>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// One private file per fuzzing process, in memory where there is such a folder: every save syncs it.
const QString &scratchFile()
{
    static const QString path = []() -> QString {
        const bool shm = access("/dev/shm", W_OK) == 0;
        char name[] = "/dev/shm/brindlemark-fuzz-settings-XXXXXX";
        char fallback[] = "/tmp/brindlemark-fuzz-settings-XXXXXX";
        char *made = mkdtemp(shm ? name : fallback);
        FUZZ_CHECK(made != nullptr);
        return QString::fromLocal8Bit(made) + QStringLiteral("/trovik.ini");
    }();
    return path;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

LoadedSettings load(const QString &path) { return loadSettingsValues(SettingsStore(path)); }

void checkConsistent(const LoadedSettings &loaded)
{
    FUZZ_CHECK(loaded.found || loaded.unreadKeys.isEmpty());
    qsizetype last = -1; // the keys come once each, in load order
    for (const QString &key : loaded.unreadKeys) {
        const qsizetype at = settingKeys().indexOf(key);
        FUZZ_CHECK(at > last);
        last = at;
    }
    // What a key not understood holds is its missing-key value.
    FUZZ_CHECK(keysStillUnread(loaded.unreadKeys, SettingsValues{}, loaded.values) == loaded.unreadKeys);
}

// The lines of a file, each with its line break ("\n", "\r\n" or "\r").
QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        lines.append(bytes.sliced(start, i + 1 - start));
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.sliced(start));
    return lines;
}

// Every line of `before` stands in `after` in the same order, the last one perhaps with a line break
// added; a save only adds lines between them.
bool linesKept(const QByteArray &before, const QByteArray &after)
{
    const QList<QByteArray> old = linesOf(before);
    const QList<QByteArray> now = linesOf(after);
    qsizetype at = 0;
    for (qsizetype i = 0; i < old.size(); ++i) {
        const bool last = i + 1 == old.size();
        const auto same = [&](const QByteArray &line) {
            return line == old[i] ||
                   (last && (line == old[i] + '\n' || line == old[i] + "\r\n" || line == old[i] + '\r'));
        };
        while (at < now.size() && !same(now[at]))
            ++at;
        if (at++ == now.size())
            return false;
    }
    return true;
}

// The whole input as the file: load, save keeping what was not understood, load again.
void wholeFile(const QByteArray &bytes)
{
    const QString &path = scratchFile();
    writeFile(path, bytes);
    const LoadedSettings first = load(path);
    checkConsistent(first);
    {
        SettingsStore store(path);
        saveSettingsValues(store, first.values, first.unreadKeys);
    }
    FUZZ_CHECK(linesKept(bytes, readFile(path)));
    const LoadedSettings second = load(path);
    checkConsistent(second);
    FUZZ_CHECK(second.found);
    FUZZ_CHECK(second.values == first.values);
    FUZZ_CHECK(second.unreadKeys == first.unreadKeys);
}

// Nine good values and the input as the tenth (chosen by the first byte), in its place among them: the
// nine come back whatever the tenth holds.
void oneBadValue(const QByteArray &bytes)
{
    const QStringList &keys = settingKeys();
    const qsizetype bad = bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes[0]) % keys.size();
    const char *const good[] = {"separator=#",    "UseProxy=1",   "ProxyLogin=ivan", "ProxyPasswd=pw",
                                "ProxyServer=px", "ProxyPort=81", "SaveID=1",        "SaveManager=1",
                                "SaveMoney=1",    "SaveCoSP=0"};
    QByteArray value = bytes.mid(1);
    value.replace('\n', ' ').replace('\r', ' ');
    QByteArray ini("[StrKey]\n");
    for (qsizetype k = 0; k < keys.size(); ++k)
        ini += (k == bad ? keys[bad].toLatin1() + '=' + value : QByteArray(good[k])) + '\n';

    const QString &path = scratchFile();
    writeFile(path, ini);
    const LoadedSettings loaded = load(path);
    FUZZ_CHECK(loaded.found);
    FUZZ_CHECK(loaded.unreadKeys.isEmpty() || loaded.unreadKeys == QStringList{keys[bad]});

    SettingsValues expected{QStringLiteral("#"),
                            true,
                            QStringLiteral("ivan"),
                            QStringLiteral("pw"),
                            QStringLiteral("px"),
                            QStringLiteral("81"),
                            true,
                            true,
                            true,
                            false};
    // Every key but the bad one must hold its good value.
    const QStringList others = keysStillUnread(keys, expected, loaded.values);
    FUZZ_CHECK(others.size() >= keys.size() - 1);
    for (qsizetype k = 0; k < keys.size(); ++k)
        if (k != bad)
            FUZZ_CHECK(others.contains(keys[k]));
}

// The input as a text (UTF-16, any units) and as bytes, each written as a value in a file and read back.
void valuesReadBack(const QByteArray &bytes)
{
    const QString text(reinterpret_cast<const QChar *>(bytes.constData()), bytes.size() / 2);
    IniFile written;
    written.setValue(QStringLiteral("StrKey"), QStringLiteral("ProxyPasswd"), iniText(text));
    written.setValue(QStringLiteral("Window"), QStringLiteral("Geometry"), iniBytes(bytes));
    const IniFile read(written.bytes());
    const std::optional<QByteArray> storedText =
        read.value(QStringLiteral("StrKey"), QStringLiteral("ProxyPasswd"));
    const std::optional<QByteArray> storedBytes =
        read.value(QStringLiteral("Window"), QStringLiteral("Geometry"));
    FUZZ_CHECK(storedText && storedBytes);
    FUZZ_CHECK(readIniValue(*storedText) == (IniValue{IniValue::Kind::Text, text, {}}));
    FUZZ_CHECK(readIniValue(*storedBytes) == (IniValue{IniValue::Kind::Bytes, {}, bytes}));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    wholeFile(bytes);
    oneBadValue(bytes);
    valuesReadBack(bytes);
    return 0;
}
