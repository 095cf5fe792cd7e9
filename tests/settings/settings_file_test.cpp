#include "settings/settings_store.h"
#include "support/temp_settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// QSettings writes the keys of a new section sorted by name, we in the order they are written.
QList<QByteArray> sortedLines(const QString &path)
{
    QFile file(path);
    QList<QByteArray> lines =
        file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace

TEST(SettingsFile, WhatItDoesNotUnderstandSurvivesASaveAndTheLinesAfterItStillLoad)
{
    TempSettingsDir dir;
    dir.writeIni("; kept by hand\r\n[StrKey]\nUseProxy = yes\nProxyLogin=\"abc\nSaveID=1 ; on\n\n"
                 "# another program's\n[Other]\nkey=value\n[History]\nKeepMonths=6\n");
    const LoadedSettings loaded = loadSettingsValues(SettingsStore());
    EXPECT_FALSE(loaded.values.useProxy);
    EXPECT_TRUE(loaded.values.saveId);
    EXPECT_EQ(loaded.unreadKeys, QStringList{QStringLiteral("ProxyLogin")});
    EXPECT_EQ(loadHistoryOptions(SettingsStore()).keepMonths, 6);

    SettingsValues values = loaded.values;
    values.saveMoney = true;
    {
        SettingsStore store;
        saveSettingsValues(store, values, keysStillUnread(loaded.unreadKeys, loaded.values, values));
    }
    EXPECT_EQ(dir.readIni(),
              QByteArray("; kept by hand\r\n[StrKey]\nUseProxy = yes\nProxyLogin=\"abc\nSaveID=1 ; on\n"
                         "separator=_\nSaveManager=0\nSaveMoney=1\nSaveCoSP=1\n\n"
                         "# another program's\n[Other]\nkey=value\n[History]\nKeepMonths=6\n"));

    // What the user sets wins over what was not understood.
    values.useProxy = true;
    values.proxyLogin = QStringLiteral("ivan");
    {
        SettingsStore store;
        saveSettingsValues(store, values, keysStillUnread(loaded.unreadKeys, loaded.values, values));
    }
    const QByteArray ini = dir.readIni();
    EXPECT_TRUE(ini.startsWith("; kept by hand\r\n[StrKey]\nUseProxy = 1\nProxyLogin=ivan\nSaveID=1 ; on\n"))
        << ini.constData();
    EXPECT_TRUE(ini.endsWith("\n\n# another program's\n[Other]\nkey=value\n[History]\nKeepMonths=6\n"))
        << ini.constData();
}

TEST(SettingsFile, FileHoldingAPasswordIsMadePrivateWhenLoaded)
{
    TempSettingsDir dir;
    dir.writeIni("[StrKey]\nProxyPasswd=secret\n");
    QFile::setPermissions(dir.iniPath(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_EQ(loadSettingsValues(SettingsStore()).values.proxyPassword, QStringLiteral("secret"));
    EXPECT_EQ(dir.iniMode(), QFile::ReadOwner | QFile::WriteOwner);
}

// Files earlier builds wrote through QSettings read the same, and we write each value as QSettings did.
TEST(SettingsFile, ReadsWhatQSettingsWroteAndWritesTheSameLines)
{
    const SettingsValues values{QStringLiteral(";"),
                                true,
                                QStringLiteral("Иван \"Грозный\"\t"),
                                QStringLiteral("p@ss\\w=rd, #1"),
                                QStringLiteral("@proxy"),
                                QStringLiteral(" 31\0"
                                               "28 "),
                                true,
                                false,
                                true,
                                false};
    const char window[] = "\x01\xd9\xd0\xcb\x00"
                          "1,=;\"\\\n @\x7f";
    const QByteArray windowBytes(window, sizeof window - 1);
    const std::pair<QString, QString> stored[] = {
        {QStringLiteral("separator"), values.separator},
        {QStringLiteral("UseProxy"), QStringLiteral("1")},
        {QStringLiteral("SaveID"), QStringLiteral("1")},
        {QStringLiteral("SaveManager"), QStringLiteral("0")},
        {QStringLiteral("SaveMoney"), QStringLiteral("1")},
        {QStringLiteral("SaveCoSP"), QStringLiteral("0")},
        {QStringLiteral("ProxyLogin"), values.proxyLogin},
        {QStringLiteral("ProxyPasswd"), values.proxyPassword},
        {QStringLiteral("ProxyServer"), values.proxyServer},
        {QStringLiteral("ProxyPort"), values.proxyPort},
    };
    QTemporaryDir folder;
    const QString byQt = folder.filePath(QStringLiteral("qt.ini"));
    const QString byUs = folder.filePath(QStringLiteral("us.ini"));
    {
        QSettings settings(byQt, QSettings::IniFormat);
        for (const auto &[key, text] : stored)
            settings.setValue(SettingsStore::optionsSection() + u'/' + key, text);
        settings.setValue(SettingsStore::windowSection() + QStringLiteral("/Geometry"), windowBytes);
    }
    const SettingsStore fromQt(byQt);
    const LoadedSettings loaded = loadSettingsValues(fromQt);
    EXPECT_TRUE(loaded.unreadKeys.isEmpty());
    EXPECT_TRUE(loaded.values == values);
    EXPECT_EQ(fromQt.readBytes(QStringLiteral("Geometry"), SettingsStore::windowSection()), windowBytes);

    {
        SettingsStore ours(byUs);
        saveSettingsValues(ours, values, {});
    }
    SettingsStore ours(byUs);
    ours.writeBytes(QStringLiteral("Geometry"), windowBytes, SettingsStore::windowSection());
    ours.close();
    EXPECT_EQ(sortedLines(byUs), sortedLines(byQt));
}
