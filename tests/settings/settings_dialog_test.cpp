#include "settings/analysis_options.h"
#include "settings/settings_dialog.h"
#include "support/main_controls.h"
#include "support/message_recorder.h"
#include "support/temp_settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The dialog's controls, found by their objectNames.
struct Controls {
    explicit Controls(const SettingsDialog &form)
        : PageControl1(controlOf<QTabWidget>(&form, "PageControl1")),
          CheckBox1(controlOf<QCheckBox>(&form, "CheckBox1")),
          proxylogin(controlOf<QLineEdit>(&form, "proxylogin")),
          proxypasswd(controlOf<QLineEdit>(&form, "proxypasswd")),
          proxyserver(controlOf<QLineEdit>(&form, "proxyserver")),
          proxyport(controlOf<QLineEdit>(&form, "proxyport")), separ(controlOf<QLineEdit>(&form, "separ")),
          IDCheckbox(controlOf<QCheckBox>(&form, "IDCheckbox")),
          ManCheckbox(controlOf<QCheckBox>(&form, "ManCheckbox")),
          MoneyCheckbox(controlOf<QCheckBox>(&form, "MoneyCheckbox")),
          CoSPCheckbox(controlOf<QCheckBox>(&form, "CoSPCheckbox")),
          BitBtn1(controlOf<QPushButton>(&form, "BitBtn1")), BitBtn2(controlOf<QPushButton>(&form, "BitBtn2"))
    {
    }
    QTabWidget *PageControl1;
    QCheckBox *CheckBox1;
    QLineEdit *proxylogin, *proxypasswd, *proxyserver, *proxyport, *separ;
    QCheckBox *IDCheckbox, *ManCheckbox, *MoneyCheckbox, *CoSPCheckbox;
    QPushButton *BitBtn1, *BitBtn2;
};

class SettingsDialogTest : public ::testing::Test {
protected:
    TempSettingsDir dir;
    MessageRecorder recorder;

    std::unique_ptr<SettingsDialog> build() { return std::make_unique<SettingsDialog>(); }

    static std::vector<QLineEdit *> proxyEdits(SettingsDialog &form)
    {
        const Controls ui(form);
        return {ui.proxylogin, ui.proxypasswd, ui.proxyserver, ui.proxyport};
    }

    static void expectProxyEditsEnabled(SettingsDialog &form, bool enabled)
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

TEST_F(SettingsDialogTest, FirstRunShowsTheBuiltValues)
{
    auto form = build();
    const Controls ui(*form);
    EXPECT_EQ(ui.separ->text(), QStringLiteral("_"));
    EXPECT_FALSE(ui.CheckBox1->isChecked());
    for (QLineEdit *edit : proxyEdits(*form))
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    expectProxyEditsEnabled(*form, false);
    EXPECT_FALSE(ui.IDCheckbox->isChecked());
    EXPECT_FALSE(ui.ManCheckbox->isChecked());
    EXPECT_FALSE(ui.MoneyCheckbox->isChecked());
    EXPECT_FALSE(ui.CoSPCheckbox->isChecked());
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_FALSE(dir.exists()) << "loading writes nothing";
}

TEST_F(SettingsDialogTest, SectionWithoutSaveCoSPChecksAllowedAdditions)
{
    dir.writeIni("[StrKey]\nseparator=\";\"\n");
    auto form = build();
    const Controls ui(*form);
    EXPECT_TRUE(ui.CoSPCheckbox->isChecked());
    EXPECT_FALSE(ui.IDCheckbox->isChecked());
    EXPECT_FALSE(ui.CheckBox1->isChecked());
    EXPECT_EQ(ui.separ->text(), QStringLiteral(";"));
}

TEST_F(SettingsDialogTest, SectionWithoutSeparatorShowsUnderscore)
{
    dir.writeIni("[StrKey]\nSaveID=1\n");
    auto form = build();
    const Controls ui(*form);
    EXPECT_EQ(ui.separ->text(), QStringLiteral("_"));
    EXPECT_TRUE(ui.IDCheckbox->isChecked());
}

TEST(SettingsDialogFlags, StoredTextsReadAsIntegersOrTheDefault)
{
    const struct {
        const char *key;
        const char *text;
        const char *box;
        bool expected;
    } cases[] = {
        {"SaveID", "2", "IDCheckbox", true},        {"SaveID", "", "IDCheckbox", false},
        {"SaveID", "x", "IDCheckbox", false},       {"SaveManager", "-5", "ManCheckbox", true},
        {"SaveMoney", "0", "MoneyCheckbox", false}, {"SaveMoney", " 1", "MoneyCheckbox", true},
        {"SaveCoSP", "", "CoSPCheckbox", true},     {"SaveCoSP", "x", "CoSPCheckbox", true},
        {"SaveCoSP", "0", "CoSPCheckbox", false},   {"UseProxy", "2", "CheckBox1", true},
        {"UseProxy", "yes", "CheckBox1", false},
    };
    MessageRecorder recorder;
    for (const auto &c : cases) {
        TempSettingsDir dir;
        dir.writeIni(QByteArray(QByteArray("[StrKey]\n") + c.key + "=" + c.text + "\n"));
        SettingsDialog form;
        EXPECT_EQ(controlOf<QCheckBox>(&form, c.box)->isChecked(), c.expected) << c.key << "=" << c.text;
    }
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(SettingsDialogTest, UseProxyTogglesAllFourEditsTogether)
{
    auto form = build();
    const Controls ui(*form);
    ui.CheckBox1->click();
    EXPECT_TRUE(ui.CheckBox1->isChecked());
    expectProxyEditsEnabled(*form, true);
    ui.CheckBox1->click();
    expectProxyEditsEnabled(*form, false);
    ui.CheckBox1->setChecked(true); // set from code, as a load does
    expectProxyEditsEnabled(*form, true);
}

TEST_F(SettingsDialogTest, StoredProxyIsLoadedIntoEnabledEdits)
{
    dir.writeIni("[StrKey]\nUseProxy=1\nProxyLogin=ivan\nProxyPasswd=\"p;w\"\nProxyServer=proxy.local\n"
                 "ProxyPort=3128\n");
    auto form = build();
    const Controls ui(*form);
    EXPECT_TRUE(ui.CheckBox1->isChecked());
    expectProxyEditsEnabled(*form, true);
    EXPECT_EQ(ui.proxylogin->text(), QStringLiteral("ivan"));
    EXPECT_EQ(ui.proxypasswd->text(), QStringLiteral("p;w"));
    EXPECT_EQ(ui.proxyserver->text(), QStringLiteral("proxy.local"));
    EXPECT_EQ(ui.proxyport->text(), QStringLiteral("3128"));
}

TEST_F(SettingsDialogTest, SavingWithProxyUntickedKeepsTheStoredProxy)
{
    {
        auto form = build();
        const Controls ui(*form);
        ui.CheckBox1->setChecked(true);
        ui.proxylogin->setText(QStringLiteral("ivan"));
        ui.proxypasswd->setText(QStringLiteral("secret"));
        ui.proxyserver->setText(QStringLiteral("proxy.local"));
        ui.proxyport->setText(QStringLiteral("8080"));
        ui.BitBtn1->click();

        ui.CheckBox1->setChecked(false);
        ui.proxylogin->setText(QStringLiteral("changed"));
        ui.proxyport->clear();
        ui.BitBtn1->click();
    }
    EXPECT_EQ(stored("UseProxy"), QVariant(QStringLiteral("0")));
    EXPECT_EQ(stored("ProxyLogin"), QVariant(QStringLiteral("ivan")));
    EXPECT_EQ(stored("ProxyPort"), QVariant(QStringLiteral("8080")));

    auto next = build();
    const Controls nextUi(*next);
    EXPECT_FALSE(nextUi.CheckBox1->isChecked());
    expectProxyEditsEnabled(*next, false);
    EXPECT_EQ(nextUi.proxylogin->text(), QStringLiteral("ivan"));
    EXPECT_EQ(nextUi.proxypasswd->text(), QStringLiteral("secret"));
    EXPECT_EQ(nextUi.proxyserver->text(), QStringLiteral("proxy.local"));
    EXPECT_EQ(nextUi.proxyport->text(), QStringLiteral("8080"));
}

TEST_F(SettingsDialogTest, OkSavesTheControlsInTheIniLayout)
{
    auto form = build();
    const Controls ui(*form);
    form->open();
    ui.separ->setText(QStringLiteral(";"));
    ui.IDCheckbox->setChecked(true);
    ui.MoneyCheckbox->setChecked(true);
    ui.BitBtn1->click();

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

TEST_F(SettingsDialogTest, EnterPressesOkAndEscapePressesCancel)
{
    dir.writeIni("[StrKey]\nSaveID=0\n");
    auto form = build();
    const Controls ui(*form);
    form->open();
    ui.IDCheckbox->setChecked(true);
    press(form.get(), Qt::Key_Return);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(stored("SaveID"), QVariant(QStringLiteral("1")));

    form->open();
    ui.IDCheckbox->setChecked(false);
    press(form.get(), Qt::Key_Escape);
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_TRUE(ui.IDCheckbox->isChecked()) << "Esc reloads like Cancel";
    EXPECT_EQ(stored("SaveID"), QVariant(QStringLiteral("1")));
}

TEST_F(SettingsDialogTest, CancelPutsBackTheStoredValuesAndTheCloseWritesThem)
{
    dir.writeIni("[StrKey]\nseparator=#\nUseProxy=0\nProxyLogin=ivan\nSaveID=1\nSaveMoney=1\n");
    auto form = build();
    const Controls ui(*form);
    form->open();
    ui.separ->setText(QStringLiteral("|"));
    ui.IDCheckbox->setChecked(false);
    ui.ManCheckbox->setChecked(true);
    ui.CheckBox1->setChecked(true);
    ui.proxylogin->setText(QStringLiteral("other"));
    ui.BitBtn2->click();

    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(ui.separ->text(), QStringLiteral("#"));
    EXPECT_TRUE(ui.IDCheckbox->isChecked());
    EXPECT_FALSE(ui.ManCheckbox->isChecked());
    EXPECT_TRUE(ui.MoneyCheckbox->isChecked());
    EXPECT_TRUE(ui.CoSPCheckbox->isChecked());
    EXPECT_FALSE(ui.CheckBox1->isChecked());
    expectProxyEditsEnabled(*form, false);
    EXPECT_EQ(ui.proxylogin->text(), QStringLiteral("ivan"));

    // The close saved what Cancel put back, including the default it filled in.
    EXPECT_EQ(stored("separator"), QVariant(QStringLiteral("#")));
    EXPECT_EQ(stored("SaveManager"), QVariant(QStringLiteral("0")));
    EXPECT_EQ(stored("SaveCoSP"), QVariant(QStringLiteral("1")));
    EXPECT_EQ(stored("ProxyLogin"), QVariant(QStringLiteral("ivan")));
}

TEST_F(SettingsDialogTest, FirstRunCancelDiscardsTheEdits)
{
    auto form = build();
    const Controls ui(*form);
    form->open();
    ui.separ->setText(QStringLiteral("x"));
    ui.IDCheckbox->setChecked(true);
    ui.CheckBox1->setChecked(true);
    ui.proxyserver->setText(QStringLiteral("proxy.local"));
    ui.BitBtn2->click();

    EXPECT_EQ(ui.separ->text(), QStringLiteral("_"));
    EXPECT_FALSE(ui.IDCheckbox->isChecked());
    EXPECT_FALSE(ui.CheckBox1->isChecked());
    expectProxyEditsEnabled(*form, false);
    EXPECT_TRUE(ui.proxyserver->text().isEmpty());
    EXPECT_EQ(stored("SaveID"), QVariant(QStringLiteral("0")));
    EXPECT_EQ(stored("separator"), QVariant(QStringLiteral("_")));
}

TEST_F(SettingsDialogTest, CancelAfterAnOkKeepsWhatOkSaved)
{
    auto form = build();
    const Controls ui(*form);
    form->open();
    ui.MoneyCheckbox->setChecked(true);
    ui.BitBtn1->click();
    form->open();
    ui.MoneyCheckbox->setChecked(false);
    ui.BitBtn2->click();
    EXPECT_TRUE(ui.MoneyCheckbox->isChecked());
    EXPECT_EQ(stored("SaveMoney"), QVariant(QStringLiteral("1")));
}

TEST_F(SettingsDialogTest, ClosingTheWindowOtherwiseStillSaves)
{
    auto form = build();
    const Controls ui(*form);
    form->show();
    ui.ManCheckbox->setChecked(true);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(stored("SaveManager"), QVariant(QStringLiteral("1")));
}

TEST_F(SettingsDialogTest, BadValuesCostOnlyThemselvesAreNamedOnceAndAreNotSavedOver)
{
    dir.writeIni(
        "[StrKey]\nseparator=#\nUseProxy=@Variant(garbage)\nProxyLogin=a, b\nProxyServer=proxy.local\n"
        "SaveID=1\nSaveMoney=@ByteArray(1)\n");
    auto form = build();
    const Controls ui(*form);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].kind, QStringLiteral("error"));
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("Brindlemark"));
    EXPECT_EQ(recorder.boxes[0].text.toStdString(),
              "Invalid data type for 'UseProxy', 'ProxyLogin', 'SaveMoney'"); // "'" sorts before "."
    EXPECT_EQ(ui.separ->text(), QStringLiteral("#"));
    EXPECT_FALSE(ui.CheckBox1->isChecked());
    EXPECT_TRUE(ui.proxylogin->text().isEmpty());
    EXPECT_EQ(ui.proxyserver->text(), QStringLiteral("proxy.local"));
    EXPECT_TRUE(ui.IDCheckbox->isChecked());
    EXPECT_FALSE(ui.MoneyCheckbox->isChecked());
    EXPECT_TRUE(ui.CoSPCheckbox->isChecked());

    form->open();
    ui.BitBtn1->click();
    EXPECT_EQ(recorder.boxes.size(), 1u) << "saving reports nothing";
    EXPECT_FALSE(dir.readIni().contains("UseProxy=0")) << dir.readIni().constData();
    EXPECT_EQ(stored("ProxyLogin"), QVariant(QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(stored("SaveMoney"), QVariant(QByteArray("1")));
    EXPECT_EQ(stored("SaveID"), QVariant(QStringLiteral("1")));
    EXPECT_EQ(stored("SaveCoSP"), QVariant(QStringLiteral("1")));

    form->open();
    ui.MoneyCheckbox->setChecked(true);
    ui.BitBtn1->click();
    EXPECT_EQ(stored("SaveMoney"), QVariant(QStringLiteral("1"))) << "a bad key the user sets is saved";
}

TEST_F(SettingsDialogTest, UnreadableStoreSaysSoAndIsNotWrittenOver)
{
    ASSERT_TRUE(QDir().mkpath(dir.iniPath())); // a folder where the file should be
    auto form = build();
    const Controls ui(*form);
    const QString message = QStringLiteral("Не удалось прочитать файл настроек %1.").arg(dir.iniPath());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, message);
    form->open();
    ui.BitBtn1->click();
    EXPECT_EQ(recorder.boxes.size(), 1u) << "nothing set, nothing to write";
    form->open();
    ui.IDCheckbox->setChecked(true);
    ui.BitBtn1->click();
    ASSERT_EQ(recorder.boxes.size(), 3u) << "OK and the close each report";
    EXPECT_EQ(recorder.boxes[1].text, message);
    EXPECT_EQ(recorder.boxes[2].text, message);
    EXPECT_TRUE(QFileInfo(dir.iniPath()).isDir());
}

TEST_F(SettingsDialogTest, FailingSaveIsReportedAndTheDialogStillCloses)
{
    auto form = build();
    const Controls ui(*form);
    QFile blocker(dir.root() + QStringLiteral("/Software")); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    form->open();
    ui.BitBtn1->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    ASSERT_EQ(recorder.boxes.size(), 2u) << "OK and the close each report";
    EXPECT_TRUE(recorder.boxes[0].text.startsWith(QStringLiteral("Cannot ")));
}

TEST_F(SettingsDialogTest, SeparatorTypingStopsAtOneCharacterButAStoredLongerOneIsShownWhole)
{
    auto form = build();
    const Controls ui(*form);
    ui.separ->clear();
    press(ui.separ, Qt::Key_X, QStringLiteral("x"));
    press(ui.separ, Qt::Key_Y, QStringLiteral("y"));
    EXPECT_EQ(ui.separ->text(), QStringLiteral("x"));

    TempSettingsDir longer;
    longer.writeIni("[StrKey]\nseparator=\" | \"\n");
    auto loaded = build();
    const Controls loadedUi(*loaded);
    EXPECT_EQ(loadedUi.separ->text(), QStringLiteral(" | "));
    loadedUi.separ->end(false);
    press(loadedUi.separ, Qt::Key_Z, QStringLiteral("z"));
    EXPECT_EQ(loadedUi.separ->text(), QStringLiteral(" | ")) << "no typing past the stored text";
    press(loadedUi.separ, Qt::Key_Backspace);
    press(loadedUi.separ, Qt::Key_Backspace);
    press(loadedUi.separ, Qt::Key_Z, QStringLiteral("z"));
    EXPECT_EQ(loadedUi.separ->text(), QStringLiteral(" ")) << "shortened text is the new limit";
}

TEST_F(SettingsDialogTest, WindowHasNoTitleButtonsFixedSizeAndOpensOnTheSavingPage)
{
    auto form = build();
    const Controls ui(*form);
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Настройки"));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    ASSERT_EQ(ui.PageControl1->count(), 5);
    EXPECT_EQ(ui.PageControl1->tabText(0), QStringLiteral("Прокси"));
    EXPECT_EQ(ui.PageControl1->tabText(1), QStringLiteral("Сохранение"));
    EXPECT_EQ(ui.PageControl1->tabText(2), QStringLiteral("История"));
    EXPECT_EQ(ui.PageControl1->tabText(3), QStringLiteral("Расписание"));
    EXPECT_EQ(ui.PageControl1->tabText(4), QStringLiteral("Моя команда"));
    EXPECT_EQ(ui.PageControl1->currentIndex(), 1);
    EXPECT_TRUE(ui.BitBtn1->isDefault());
    EXPECT_EQ(ui.proxypasswd->echoMode(), QLineEdit::Password);
    EXPECT_EQ(form->font().pixelSize(), 11);
}

TEST_F(SettingsDialogTest, EveryCaptionFitsItsControlOnBothPages)
{
    auto form = build();
    const Controls ui(*form);
    form->show();
    for (int page = 0; page < ui.PageControl1->count(); ++page) {
        ui.PageControl1->setCurrentIndex(page);
        QApplication::processEvents();
        for (QWidget *widget : ui.PageControl1->widget(page)->findChildren<QWidget *>()) {
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
    const QLineEdit *separ = ui.separ;
    EXPECT_GE(separ->width() - 2 * separ->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4,
              separ->fontMetrics().horizontalAdvance(QStringLiteral("Ж")));
    for (QPushButton *button : {ui.BitBtn1, ui.BitBtn2})
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->objectName().toStdString();
}

TEST_F(SettingsDialogTest, ShowsOverTheCentreOfTheGivenWindow)
{
    QWidget main;
    main.setGeometry(100, 100, 600, 400);
    main.show();
    auto form = build();
    const Controls ui(*form);
    form->setCentreOver(&main);
    form->show();
    const QPoint centre = form->frameGeometry().center();
    EXPECT_NEAR(centre.x(), main.frameGeometry().center().x(), 2);
    EXPECT_NEAR(centre.y(), main.frameGeometry().center().y(), 2);
}

TEST_F(SettingsDialogTest, GarbageLinesAroundTheValuesAreIgnored)
{
    dir.writeIni("\x01\xff junk without equals\n[StrKey]\n;;;\n=nothing\nseparator=*\n%%%%\nSaveMoney=1\n"
                 "garbage line\nSaveCoSP=zz\n[Other]\nSaveID=1\n");
    auto form = build();
    const Controls ui(*form);
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(ui.separ->text(), QStringLiteral("*"));
    EXPECT_TRUE(ui.MoneyCheckbox->isChecked());
    EXPECT_TRUE(ui.CoSPCheckbox->isChecked()); // not a number: its default
    EXPECT_FALSE(ui.IDCheckbox->isChecked());  // another section's value is not ours

    form->open();
    ui.BitBtn1->click();
    EXPECT_TRUE(recorder.boxes.empty()) << "lines Qt cannot parse are no failure to write";
    EXPECT_EQ(stored("SaveID"), QVariant(QStringLiteral("0")));
}

// The history options live in their own section and survive a bad value there.
TEST_F(SettingsDialogTest, HistoryOptionsKeptInTheirOwnSection)
{
    dir.writeIni("[StrKey]\nseparator=_\n[History]\nKeepHistory=0\nKeepMonths=oops\n");
    auto form = build();
    EXPECT_FALSE(form->historyOptions().keep);
    EXPECT_EQ(form->historyOptions().keepMonths, 0);
    controlOf<QCheckBox>(form.get(), "keepHistoryCheck")->setChecked(true);
    controlOf<QSpinBox>(form.get(), "keepMonthsSpin")->setValue(6);
    controlOf<QPushButton>(form.get(), "BitBtn1")->click();
    form.reset();
    auto again = build();
    EXPECT_EQ(again->historyOptions(), (HistoryOptions{true, 6}));
}

// The «Расписание» page shows what [Watch] holds by the catalogue's names; OK saves its edits with the
// other options and Cancel drops them.
TEST_F(SettingsDialogTest, SchedulePageShowsTheWatchOkSavesItAndCancelDropsIt)
{
    dir.writeIni("[Watch]\nDivisions=\"5,7\"\nIntervalDays=10\nPages=talent\n");
    auto form = build();
    form->setDivisionNamer([](int32_t id) { return id == 5 ? QStringLiteral("Лига А") : QString(); });
    auto *list = controlOf<QListWidget>(form.get(), "watchedDivisionsList");
    auto *interval = controlOf<QSpinBox>(form.get(), "watchIntervalSpin");
    auto *pages = controlOf<QComboBox>(form.get(), "watchPagesCombo");
    const auto edit = [&] {
        form->show();
        list->setCurrentRow(0);
        controlOf<QPushButton>(form.get(), "unwatchDivisionButton")->click();
        interval->setValue(30);
        pages->setCurrentIndex(0);
    };
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Лига А"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Дивизион 7 (нет в каталоге)"));
    EXPECT_EQ(interval->value(), 10);
    EXPECT_EQ(pages->currentText(), QStringLiteral("Только талант"));
    const WatchOptions stored = loadWatchOptions(SettingsStore());

    edit();
    EXPECT_EQ(list->count(), 1);
    Controls(*form).BitBtn2->click();
    EXPECT_EQ(loadWatchOptions(SettingsStore()), stored);
    EXPECT_EQ(list->count(), 2) << "the stored list is back on the page";

    edit();
    Controls(*form).BitBtn1->click();
    EXPECT_EQ(loadWatchOptions(SettingsStore()), (WatchOptions{{7}, 30, WatchPages::Both}));
}

// «Моя команда» lists the catalogue's teams, shows the stored one and its levels; OK stores another and
// says so once.
TEST_F(SettingsDialogTest, OwnTeamPageShowsTheStoredTeamAndOkStoresAnother)
{
    dir.writeIni("[Analysis]\nOwnTeam=20\nOwnSchoolLevel=2\nOwnCoachLevel=1\n");
    auto form = build();
    form->setTeamChoices([] {
        return std::vector<std::pair<QString, int32_t>>{{QStringLiteral("Альфа"), 10},
                                                        {QStringLiteral("Бета"), 20}};
    });
    std::vector<OwnTeam> told;
    QObject::connect(form.get(), &SettingsDialog::ownTeamChanged,
                     [&](const OwnTeam &own) { told.push_back(own); });
    form->show();
    auto *teams = controlOf<QComboBox>(form.get(), "ownTeamCombo");
    EXPECT_EQ(teams->currentText(), QStringLiteral("Бета"));
    EXPECT_EQ(controlOf<QSpinBox>(form.get(), "ownSchoolLevelSpin")->value(), 2);
    teams->setCurrentIndex(teams->findData(10));
    controlOf<QSpinBox>(form.get(), "ownCoachLevelSpin")->setValue(3);
    Controls(*form).BitBtn1->click();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], (OwnTeam{10, 2, 3}));
    EXPECT_EQ(loadOwnTeam(SettingsStore()), (OwnTeam{10, 2, 3}));
}
