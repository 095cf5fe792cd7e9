#include "settings/settings_dialog.h"
#include "settings/temp_settings.h"
#include "support/message_recorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

class SettingsDialog : public ::testing::Test {
protected:
    TempSettingsDir dir;
    MessageRecorder recorder;

    std::unique_ptr<TForm3> build() { return std::make_unique<TForm3>(); }

    static std::vector<QLineEdit *> proxyEdits(TForm3 &form)
    {
        return {form.proxylogin, form.proxypasswd, form.proxyserver, form.proxyport};
    }

    static void expectProxyEditsEnabled(TForm3 &form, bool enabled)
    {
        for (QLineEdit *edit : proxyEdits(form))
            EXPECT_EQ(edit->isEnabled(), enabled) << edit->objectName().toStdString();
    }

    static void press(QWidget *target, int key, const QString &text = QString())
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(target, &up);
    }

    // A stored value as a fresh opening of the store sees it.
    QVariant stored(const char *name) const
    {
        QSettings settings(dir.iniPath(), QSettings::IniFormat);
        return settings.value(QStringLiteral("StrKey/") + QString::fromLatin1(name));
    }
};

} // namespace

TEST_F(SettingsDialog, FirstRunShowsTheBuiltValues)
{
    auto form = build();
    EXPECT_EQ(form->separ->text(), QStringLiteral("_"));
    EXPECT_FALSE(form->CheckBox1->isChecked());
    for (QLineEdit *edit : proxyEdits(*form))
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    expectProxyEditsEnabled(*form, false);
    EXPECT_FALSE(form->IDCheckbox->isChecked());
    EXPECT_FALSE(form->ManCheckbox->isChecked());
    EXPECT_FALSE(form->MoneyCheckbox->isChecked());
    EXPECT_FALSE(form->CoSPCheckbox->isChecked());
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_FALSE(dir.exists()) << "loading writes nothing";
}

TEST_F(SettingsDialog, SectionWithoutSaveCoSPChecksAllowedAdditions)
{
    dir.writeIni("[StrKey]\nseparator=\";\"\n");
    auto form = build();
    EXPECT_TRUE(form->CoSPCheckbox->isChecked());
    EXPECT_FALSE(form->IDCheckbox->isChecked());
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_EQ(form->separ->text(), QStringLiteral(";"));
}

TEST_F(SettingsDialog, SectionWithoutSeparatorShowsUnderscore)
{
    dir.writeIni("[StrKey]\nSaveID=1\n");
    auto form = build();
    EXPECT_EQ(form->separ->text(), QStringLiteral("_"));
    EXPECT_TRUE(form->IDCheckbox->isChecked());
}

TEST(SettingsDialogFlags, StoredTextsReadAsIntegersOrTheDefault)
{
    using Box = QCheckBox *TForm3::*;
    const struct {
        const char *key;
        const char *text;
        Box box;
        bool expected;
    } cases[] = {
        {"SaveID", "2", &TForm3::IDCheckbox, true},        {"SaveID", "", &TForm3::IDCheckbox, false},
        {"SaveID", "x", &TForm3::IDCheckbox, false},       {"SaveManager", "-5", &TForm3::ManCheckbox, true},
        {"SaveMoney", "0", &TForm3::MoneyCheckbox, false}, {"SaveMoney", " 1", &TForm3::MoneyCheckbox, true},
        {"SaveCoSP", "", &TForm3::CoSPCheckbox, true},     {"SaveCoSP", "x", &TForm3::CoSPCheckbox, true},
        {"SaveCoSP", "0", &TForm3::CoSPCheckbox, false},   {"UseProxy", "2", &TForm3::CheckBox1, true},
        {"UseProxy", "yes", &TForm3::CheckBox1, false},
    };
    MessageRecorder recorder;
    for (const auto &c : cases) {
        TempSettingsDir dir;
        dir.writeIni(QByteArray(QByteArray("[StrKey]\n") + c.key + "=" + c.text + "\n"));
        TForm3 form;
        EXPECT_EQ((form.*c.box)->isChecked(), c.expected) << c.key << "=" << c.text;
    }
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(SettingsDialog, UseProxyTogglesAllFourEditsTogether)
{
    auto form = build();
    form->CheckBox1->click();
    EXPECT_TRUE(form->CheckBox1->isChecked());
    expectProxyEditsEnabled(*form, true);
    form->CheckBox1->click();
    expectProxyEditsEnabled(*form, false);
    form->CheckBox1->setChecked(true); // set from code, as a load does
    expectProxyEditsEnabled(*form, true);
}

TEST_F(SettingsDialog, StoredProxyIsLoadedIntoEnabledEdits)
{
    dir.writeIni("[StrKey]\nUseProxy=1\nProxyLogin=ivan\nProxyPasswd=\"p;w\"\nProxyServer=proxy.local\n"
                 "ProxyPort=3128\n");
    auto form = build();
    EXPECT_TRUE(form->CheckBox1->isChecked());
    expectProxyEditsEnabled(*form, true);
    EXPECT_EQ(form->proxylogin->text(), QStringLiteral("ivan"));
    EXPECT_EQ(form->proxypasswd->text(), QStringLiteral("p;w"));
    EXPECT_EQ(form->proxyserver->text(), QStringLiteral("proxy.local"));
    EXPECT_EQ(form->proxyport->text(), QStringLiteral("3128"));
}

TEST_F(SettingsDialog, SavingWithProxyUntickedKeepsTheStoredProxy)
{
    {
        auto form = build();
        form->CheckBox1->setChecked(true);
        form->proxylogin->setText(QStringLiteral("ivan"));
        form->proxypasswd->setText(QStringLiteral("secret"));
        form->proxyserver->setText(QStringLiteral("proxy.local"));
        form->proxyport->setText(QStringLiteral("8080"));
        form->SaveSettings();

        form->CheckBox1->setChecked(false);
        form->proxylogin->setText(QStringLiteral("changed"));
        form->proxyport->clear();
        form->SaveSettings();
    }
    EXPECT_EQ(stored("UseProxy"), QVariant(QStringLiteral("0")));
    EXPECT_EQ(stored("ProxyLogin"), QVariant(QStringLiteral("ivan")));
    EXPECT_EQ(stored("ProxyPort"), QVariant(QStringLiteral("8080")));

    auto next = build();
    EXPECT_FALSE(next->CheckBox1->isChecked());
    expectProxyEditsEnabled(*next, false);
    EXPECT_EQ(next->proxylogin->text(), QStringLiteral("ivan"));
    EXPECT_EQ(next->proxypasswd->text(), QStringLiteral("secret"));
    EXPECT_EQ(next->proxyserver->text(), QStringLiteral("proxy.local"));
    EXPECT_EQ(next->proxyport->text(), QStringLiteral("8080"));
}

TEST_F(SettingsDialog, OkSavesTheControlsInTheIniLayout)
{
    auto form = build();
    form->open();
    form->separ->setText(QStringLiteral(";"));
    form->IDCheckbox->setChecked(true);
    form->MoneyCheckbox->setChecked(true);
    form->BitBtn1->click();

    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_FALSE(form->isVisible());
    const QByteArray ini = dir.readIni();
    EXPECT_TRUE(ini.startsWith("[StrKey]\n")) << ini.constData();
    for (const char *line :
         {"separator=\";\"", "UseProxy=0", "SaveID=1", "SaveManager=0", "SaveMoney=1", "SaveCoSP=0"})
        EXPECT_TRUE(ini.contains(QByteArray(QByteArray("\n") + line + "\n")))
            << line << " in " << ini.constData();
    EXPECT_FALSE(ini.contains("ProxyLogin")) << "an unticked proxy writes no proxy values";
    EXPECT_EQ(dir.iniMode(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(SettingsDialog, EnterPressesOkAndEscapePressesCancel)
{
    dir.writeIni("[StrKey]\nSaveID=0\n");
    auto form = build();
    form->open();
    form->IDCheckbox->setChecked(true);
    press(form.get(), Qt::Key_Return);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(stored("SaveID"), QVariant(QStringLiteral("1")));

    form->open();
    form->IDCheckbox->setChecked(false);
    press(form.get(), Qt::Key_Escape);
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_TRUE(form->IDCheckbox->isChecked()) << "Esc reloads like Cancel";
    EXPECT_EQ(stored("SaveID"), QVariant(QStringLiteral("1")));
}

TEST_F(SettingsDialog, CancelPutsBackTheStoredValuesAndTheCloseWritesThem)
{
    dir.writeIni("[StrKey]\nseparator=#\nUseProxy=0\nProxyLogin=ivan\nSaveID=1\nSaveMoney=1\n");
    auto form = build();
    form->open();
    form->separ->setText(QStringLiteral("|"));
    form->IDCheckbox->setChecked(false);
    form->ManCheckbox->setChecked(true);
    form->CheckBox1->setChecked(true);
    form->proxylogin->setText(QStringLiteral("other"));
    form->BitBtn2->click();

    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(form->separ->text(), QStringLiteral("#"));
    EXPECT_TRUE(form->IDCheckbox->isChecked());
    EXPECT_FALSE(form->ManCheckbox->isChecked());
    EXPECT_TRUE(form->MoneyCheckbox->isChecked());
    EXPECT_TRUE(form->CoSPCheckbox->isChecked());
    EXPECT_FALSE(form->CheckBox1->isChecked());
    expectProxyEditsEnabled(*form, false);
    EXPECT_EQ(form->proxylogin->text(), QStringLiteral("ivan"));

    // The close saved what Cancel put back, including the default it filled in.
    EXPECT_EQ(stored("separator"), QVariant(QStringLiteral("#")));
    EXPECT_EQ(stored("SaveManager"), QVariant(QStringLiteral("0")));
    EXPECT_EQ(stored("SaveCoSP"), QVariant(QStringLiteral("1")));
    EXPECT_EQ(stored("ProxyLogin"), QVariant(QStringLiteral("ivan")));
}

TEST_F(SettingsDialog, FirstRunCancelDiscardsTheEdits)
{
    auto form = build();
    form->open();
    form->separ->setText(QStringLiteral("x"));
    form->IDCheckbox->setChecked(true);
    form->CheckBox1->setChecked(true);
    form->proxyserver->setText(QStringLiteral("proxy.local"));
    form->BitBtn2->click();

    EXPECT_EQ(form->separ->text(), QStringLiteral("_"));
    EXPECT_FALSE(form->IDCheckbox->isChecked());
    EXPECT_FALSE(form->CheckBox1->isChecked());
    expectProxyEditsEnabled(*form, false);
    EXPECT_TRUE(form->proxyserver->text().isEmpty());
    EXPECT_EQ(stored("SaveID"), QVariant(QStringLiteral("0")));
    EXPECT_EQ(stored("separator"), QVariant(QStringLiteral("_")));
}

TEST_F(SettingsDialog, CancelAfterAnOkKeepsWhatOkSaved)
{
    auto form = build();
    form->open();
    form->MoneyCheckbox->setChecked(true);
    form->BitBtn1->click();
    form->open();
    form->MoneyCheckbox->setChecked(false);
    form->BitBtn2->click();
    EXPECT_TRUE(form->MoneyCheckbox->isChecked());
    EXPECT_EQ(stored("SaveMoney"), QVariant(QStringLiteral("1")));
}

TEST_F(SettingsDialog, ClosingTheWindowOtherwiseStillSaves)
{
    auto form = build();
    form->show();
    form->ManCheckbox->setChecked(true);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(stored("SaveManager"), QVariant(QStringLiteral("1")));
}

TEST_F(SettingsDialog, FailedLoadIsReportedAndLaterSettingsKeepTheirBuiltValues)
{
    dir.writeIni("[StrKey]\nseparator=#\nUseProxy=1\nProxyLogin=a, b\nProxyServer=proxy.local\nSaveID=1\n");
    auto form = build();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("Brindlemark"));
    EXPECT_EQ(recorder.boxes[0].text.toStdString(),
              "Invalid data type for 'ProxyLogin'"); // "'" sorts before "."
    EXPECT_EQ(form->separ->text(), QStringLiteral("#"));
    EXPECT_TRUE(form->CheckBox1->isChecked());
    EXPECT_TRUE(form->proxyserver->text().isEmpty());
    EXPECT_FALSE(form->IDCheckbox->isChecked());
}

TEST_F(SettingsDialog, FailingSaveIsReportedAndTheDialogStillCloses)
{
    auto form = build();
    QFile blocker(dir.root() + QStringLiteral("/Software")); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    form->open();
    form->BitBtn1->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    ASSERT_EQ(recorder.boxes.size(), 2u) << "OK and the close each report";
    EXPECT_TRUE(recorder.boxes[0].text.startsWith(QStringLiteral("Cannot ")));
}

TEST_F(SettingsDialog, SeparatorTypingStopsAtOneCharacterButAStoredLongerOneIsShownWhole)
{
    auto form = build();
    form->separ->clear();
    press(form->separ, Qt::Key_X, QStringLiteral("x"));
    press(form->separ, Qt::Key_Y, QStringLiteral("y"));
    EXPECT_EQ(form->separ->text(), QStringLiteral("x"));

    TempSettingsDir longer;
    longer.writeIni("[StrKey]\nseparator=\" | \"\n");
    auto loaded = build();
    EXPECT_EQ(loaded->separ->text(), QStringLiteral(" | "));
    loaded->separ->end(false);
    press(loaded->separ, Qt::Key_Z, QStringLiteral("z"));
    EXPECT_EQ(loaded->separ->text(), QStringLiteral(" | ")) << "no typing past the stored text";
    press(loaded->separ, Qt::Key_Backspace);
    press(loaded->separ, Qt::Key_Backspace);
    press(loaded->separ, Qt::Key_Z, QStringLiteral("z"));
    EXPECT_EQ(loaded->separ->text(), QStringLiteral(" ")) << "shortened text is the new limit";
}

TEST_F(SettingsDialog, WindowHasNoTitleButtonsFixedSizeAndOpensOnTheSavingPage)
{
    auto form = build();
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Настройки"));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    ASSERT_EQ(form->PageControl1->count(), 2);
    EXPECT_EQ(form->PageControl1->tabText(0), QStringLiteral("Прокси"));
    EXPECT_EQ(form->PageControl1->tabText(1), QStringLiteral("Сохранение"));
    EXPECT_EQ(form->PageControl1->currentIndex(), 1);
    EXPECT_TRUE(form->BitBtn1->isDefault());
    EXPECT_EQ(form->proxypasswd->echoMode(), QLineEdit::Password);
    EXPECT_EQ(form->font().pixelSize(), 11);
}

TEST_F(SettingsDialog, EveryCaptionFitsItsControlOnBothPages)
{
    auto form = build();
    form->show();
    for (int page = 0; page < form->PageControl1->count(); ++page) {
        form->PageControl1->setCurrentIndex(page);
        QApplication::processEvents();
        for (QWidget *widget : form->PageControl1->widget(page)->findChildren<QWidget *>()) {
            if (!qobject_cast<QLabel *>(widget) && !qobject_cast<QAbstractButton *>(widget) &&
                !qobject_cast<QLineEdit *>(widget))
                continue;
            const std::string name = widget->objectName().toStdString();
            // A line edit's size hint asks for room for many characters; its height still counts.
            if (!qobject_cast<QLineEdit *>(widget)) {
                EXPECT_GE(widget->width(), widget->sizeHint().width()) << name;
            }
            EXPECT_GE(widget->height(), widget->minimumSizeHint().height()) << name;
            const QRect inDialog(widget->mapTo(form.get(), QPoint(0, 0)), widget->size());
            EXPECT_TRUE(form->rect().contains(inDialog)) << name;
        }
    }
    const QLineEdit *separ = form->separ;
    EXPECT_GE(separ->width() - 2 * separ->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4,
              separ->fontMetrics().horizontalAdvance(QStringLiteral("Ж")));
    for (QPushButton *button : {form->BitBtn1, form->BitBtn2})
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->objectName().toStdString();
}

TEST_F(SettingsDialog, ShowsOverTheCentreOfTheGivenWindow)
{
    QWidget main;
    main.setGeometry(100, 100, 600, 400);
    main.show();
    auto form = build();
    form->setCentreOver(&main);
    form->show();
    const QPoint centre = form->frameGeometry().center();
    EXPECT_NEAR(centre.x(), main.frameGeometry().center().x(), 2);
    EXPECT_NEAR(centre.y(), main.frameGeometry().center().y(), 2);
}

TEST_F(SettingsDialog, GarbageLinesAroundTheValuesAreIgnored)
{
    dir.writeIni("\x01\xff junk without equals\n[StrKey]\n;;;\n=nothing\nseparator=*\n%%%%\nSaveMoney=1\n"
                 "garbage line\nSaveCoSP=zz\n[Other]\nSaveID=1\n");
    auto form = build();
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(form->separ->text(), QStringLiteral("*"));
    EXPECT_TRUE(form->MoneyCheckbox->isChecked());
    EXPECT_TRUE(form->CoSPCheckbox->isChecked()); // not a number: its default
    EXPECT_FALSE(form->IDCheckbox->isChecked());  // another section's value is not ours
}
