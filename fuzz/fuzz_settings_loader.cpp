// Any bytes as the settings file, through the loader and saver the Settings dialog uses: loading never
// fails on a readable file; one value that is not understood costs only its own key; a save that keeps
// the keys not understood gives back, on the next load, what the first load gave.
#include "fuzz/fuzz_check.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// One private folder per fuzzing process, and a fresh file name for every input: Qt keeps parsed files
// by name and would not always notice a rewrite of the same size within a millisecond.
QString freshFile()
{
    static const QString folder = [] {
        // In memory where there is such a folder: every save syncs the file to disk.
        const bool shm = access("/dev/shm", W_OK) == 0;
        char name[] = "/dev/shm/brindlemark-fuzz-settings-XXXXXX";
        char fallback[] = "/tmp/brindlemark-fuzz-settings-XXXXXX";
        char *made = mkdtemp(shm ? name : fallback);
        FUZZ_CHECK(made != nullptr);
        return QString::fromLocal8Bit(made);
    }();
    static unsigned long long count = 0;
    return folder + QStringLiteral("/%1.ini").arg(++count);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
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

// The whole input as the file: load, save keeping what was not understood, load again.
void wholeFile(const QByteArray &bytes)
{
    const QString path = freshFile();
    writeFile(path, bytes);
    const LoadedSettings first = load(path);
    checkConsistent(first);
    {
        SettingsStore store(path);
        saveSettingsValues(store, first.values, first.unreadKeys);
    }
    const LoadedSettings second = load(path);
    checkConsistent(second);
    FUZZ_CHECK(second.found);
    FUZZ_CHECK(second.values == first.values);
    FUZZ_CHECK(second.unreadKeys == first.unreadKeys);
    QFile::remove(path);
}

// Nine good values and the input as the tenth (chosen by the first byte), last in the file so that an
// open quote in it cannot reach the others: the nine come back whatever the tenth holds.
void oneBadValue(const QByteArray &bytes)
{
    const QStringList &keys = settingKeys();
    const qsizetype bad = bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes[0]) % keys.size();
    const char *const good[] = {"separator=#",    "UseProxy=1",   "ProxyLogin=ivan", "ProxyPasswd=pw",
                                "ProxyServer=px", "ProxyPort=81", "SaveID=1",        "SaveManager=1",
                                "SaveMoney=1",    "SaveCoSP=0"};
    QByteArray ini("[StrKey]\n");
    for (qsizetype k = 0; k < keys.size(); ++k)
        if (k != bad)
            ini += QByteArray(good[k]) + '\n';
    QByteArray value = bytes.mid(1);
    value.replace('\n', ' ').replace('\r', ' ');
    ini += keys[bad].toLatin1() + '=' + value + '\n';

    const QString path = freshFile();
    writeFile(path, ini);
    const LoadedSettings loaded = load(path);
    QFile::remove(path);
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

} // namespace

// Qt keeps every parsed settings file in a process-wide cache, which the fresh name of every input keeps
// growing: libFuzzer takes that for a possible leak and scans the whole heap after nearly every input,
// a tenth of the speed for nothing (the scans found no leak).
extern "C" const char *__asan_default_options() { return "detect_leaks=0"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_settings_loader";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv); // the store posts its save requests as events
    // Qt warns about every unknown type in a "@Variant(...)"; the fuzzer's own output is what matters.
    static const auto quiet =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    (void)quiet;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    wholeFile(bytes);
    oneBadValue(bytes);
    return 0;
}
