#include "settings/settings_dialog.h"
#include "support/temp_settings.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>

// The request and the export read the Settings dialog's controls at the moment of use.
class LiveSettings : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        settings = std::make_unique<SettingsDialog>();
        form->setSettingsDialog(settings.get());
        recorder.boxes.clear();
    }
    void TearDown() override
    {
        form->setSettingsDialog(nullptr);
        settings.reset();
        WindowFixture::TearDown();
    }

    TempSettingsDir store;
    std::unique_ptr<SettingsDialog> settings;
};

TEST_F(LiveSettings, TickedProxyGetsTheAbsoluteFormRequest)
{
    offer(7, team(QStringLiteral("Альфа")));
    LoopbackServer proxy;
    proxy.replyFor = [this](const std::string &request) { return replyTo(request); };
    controlOf<QCheckBox>(settings.get(), "CheckBox1")->setChecked(true);
    controlOf<QLineEdit>(settings.get(), "proxyserver")->setText(QStringLiteral("127.0.0.1"));
    controlOf<QLineEdit>(settings.get(), "proxyport")->setText(QString::number(proxy.port()));
    controlOf<QLineEdit>(settings.get(), "proxylogin")->setText(QStringLiteral("user"));
    controlOf<QLineEdit>(settings.get(), "proxypasswd")->setText(QStringLiteral("secret"));
    fetch(7);
    ASSERT_EQ(proxy.requests.size(), 1u);
    EXPECT_EQ(server.requests.size(), 0u);
    const std::string &request = proxy.requests[0];
    const std::string serverAddress = "127.0.0.1:" + std::to_string(server.port());
    EXPECT_EQ(request.rfind("POST http://" + serverAddress + "/xml/school/roster.php?id=7 HTTP/1.0\r\n", 0),
              0u);
    EXPECT_NE(request.find("Content-Length: 35\r\nProxy-Connection: keep-alive\r\nHost: 127.0.0.1\r\n"),
              std::string::npos);
    EXPECT_EQ(request.find("Connection: keep-alive\r\nContent-Type"), std::string::npos);
    EXPECT_EQ(request.find("Authorization"), std::string::npos);
    EXPECT_EQ(ui->TeamVal->text(), QStringLiteral("Альфа"));
}

TEST_F(LiveSettings, TickedProxyWithoutHostGoesDirect)
{
    offer(7, team(QStringLiteral("Альфа")));
    controlOf<QCheckBox>(settings.get(), "CheckBox1")->setChecked(true);
    controlOf<QLineEdit>(settings.get(), "proxyport")->setText(QStringLiteral("8080"));
    fetch(7);
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].rfind(
                  "POST /xml/school/roster.php?id=7 HTTP/1.0\r\nConnection: keep-alive\r\n", 0),
              0u);
}

TEST_F(LiveSettings, BadProxyPortStopsBeforeAnythingIsSent)
{
    offer(7, team(QStringLiteral("Альфа")));
    controlOf<QCheckBox>(settings.get(), "CheckBox1")->setChecked(true);
    controlOf<QLineEdit>(settings.get(), "proxyserver")->setText(QStringLiteral("127.0.0.1"));
    ui->Label4->setText(QStringLiteral("5"));
    for (const QString &port : {QString(), QStringLiteral("80a")}) {
        controlOf<QLineEdit>(settings.get(), "proxyport")->setText(port);
        fetch(7);
        ASSERT_FALSE(recorder.boxes.empty());
        EXPECT_EQ(recorder.boxes.back().caption, QStringLiteral("Brindlemark"));
        EXPECT_EQ(recorder.boxes.back().text, QStringLiteral("'%1' is not a valid integer value.").arg(port));
    }
    EXPECT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(server.connections, 0);
    EXPECT_EQ(ui->Label4->text(), QStringLiteral("5"));
    EXPECT_EQ(ui->Label1->text(), QStringLiteral("0"));
    EXPECT_TRUE(ui->Button1->isEnabled());
    EXPECT_EQ(form->snapshots().count(), 0);
}

TEST_F(LiveSettings, ExportUsesTheSeparatorAndFlagsAsTheyStand)
{
    offer(7, team(QStringLiteral("Альфа"), 1));
    fetch(7);
    controlOf<QLineEdit>(settings.get(), "separ")->setText(QStringLiteral("."));
    controlOf<QCheckBox>(settings.get(), "IDCheckbox")->setChecked(true);
    controlOf<QCheckBox>(settings.get(), "CoSPCheckbox")->setChecked(true);
    const QString path = QDir::current().filePath(QStringLiteral("out.txt"));
    form->saveTeamOnView(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = fromCp1251(file.readAll().toStdString()).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[2], QStringLiteral("ID: DYN"));
    EXPECT_EQ(lines[3], QStringLiteral("Разрешенных пополнений: 3"));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("Имя....................Гр")));
    EXPECT_TRUE(
        lines[6].startsWith(QStringLiteral("P1") + QString(21, QLatin1Char('.')) + QStringLiteral("Россия")));
}
