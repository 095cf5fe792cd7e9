#include "app/startup.h"
#include "catalogue/catalogue_builder.h"
#include "support/main_controls.h"
#include "support/message_recorder.h"
#include "support/temp_settings.h"
#include "support/working_folder.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A working folder for one start: the catalogue files given, nothing else.
class StartFolder : public WorkingFolder {
public:
    void catalogue(const char *divisionsSql, const char *teamsSql)
    {
        if (divisionsSql)
            buildDatabaseFromSql(divisionsSql, filePath(QStringLiteral("divisions.cds")));
        if (teamsSql)
            buildDatabaseFromSql(teamsSql, filePath(QStringLiteral("teams.cds")));
    }
};

const char *divisions = "CREATE TABLE divisions(name TEXT, id INTEGER);"
                        "INSERT INTO divisions VALUES ('Высшая лига', 1), ('Первая лига', 2), ('Пустая', 3);";
const char *teams = "CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);"
                    "INSERT INTO teams VALUES ('Заря', 1, 11), ('Арсенал', 1, 12), ('Буревестник', 1, 13),"
                    "('Волга', 2, 21), ('Ястреб', 2, 22);";

QStringList entries(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i) + QLatin1Char('=') + box->itemData(i).toString();
    return texts;
}

} // namespace

// What a user reads on the controls at start-up, found by object name.
TEST(Startup, BuildsThreeWindowsWithTheirDesignTimeState)
{
    TempSettingsDir store;
    StartFolder folder;
    folder.catalogue(divisions, teams);
    MessageRecorder recorder;
    const Windows windows = createWindows();
    EXPECT_TRUE(recorder.boxes.empty());
    MainWindow &f = *windows.mainWindow;
    const MainControls ui(&f);
    f.show();
    EXPECT_EQ(f.centralWidget()->size(), QSize(796, 329));
    f.hide();
    const std::pair<const QObject *, std::pair<const char *, QString>> captions[] = {
        {&f, {"windowTitle", QStringLiteral("Brindlemark")}},
        {windows.aboutDialog.get(), {"windowTitle", QStringLiteral("About")}},
        {windows.settingsDialog.get(), {"windowTitle", QStringLiteral("Настройки")}},
        {ui.Button1, {"text", QStringLiteral("Получить")}},
        {ui.RadioTal, {"text", QStringLiteral("Талант")}},
        {ui.RadioSkill, {"text", QStringLiteral("Умения")}},
        {controlOf<QMenu>(&f, "N1"), {"title", QStringLiteral("Файл")}},
        {ui.N2, {"text", QStringLiteral("Сохранить")}},
        {ui.N4, {"text", QStringLiteral("Выход")}},
        {ui.N5, {"text", QStringLiteral("Настройки")}},
        {ui.alant1, {"text", QStringLiteral("Талант")}},
        {ui.LabeledEdit2, {"text", QStringLiteral("3")}},
        {ui.Label1, {"text", QStringLiteral("0")}},
        {ui.Label4, {"text", QStringLiteral("0")}},
        {ui.ComboBox2, {"currentText", QStringLiteral("Выберите дивизион")}},
    };
    for (const auto &[control, caption] : captions)
        EXPECT_EQ(control->property(caption.first).toString(), caption.second)
            << control->objectName().toStdString();
    const QStringList talentColumns{QStringLiteral("Имя"),  QStringLiteral("Страна"),
                                    QStringLiteral("Поз"),  QStringLiteral("Возр"),
                                    QStringLiteral("Маст"), QStringLiteral("Талант")};
    for (int c = 0; c < talentColumns.size(); ++c)
        EXPECT_EQ(captionOf(ui.ListView1, c), talentColumns[c]);
    EXPECT_EQ(captionOf(ui.ListView2, 11), QStringLiteral("Тч"));
    EXPECT_EQ(captionOf(ui.ListView3, 1), QStringLiteral("Трен"));
    EXPECT_TRUE(ui.RadioTal->isChecked());
    EXPECT_FALSE(ui.Cdivision->isChecked());
    EXPECT_FALSE(ui.UpDown1->isEnabled());
    EXPECT_TRUE(ui.ProgressBar1->isHidden());
    EXPECT_FALSE(ui.alant1->isEnabled());
    EXPECT_EQ(entries(ui.ComboBox1),
              (QStringList{QStringLiteral("Высшая лига=1"), QStringLiteral("Первая лига=2"),
                           QStringLiteral("Пустая=3")}));
    // Nothing is chosen until the user chooses: the division box must not show a division whose
    // teams the team box does not list.
    EXPECT_EQ(ui.ComboBox1->currentIndex(), -1);
    EXPECT_EQ(ui.ComboBox2->currentIndex(), -1);
}

// The first start is the starting arrangement; then the window comes back as the user left it, and
// one nobody moved leaves the settings file alone.
TEST(Startup, TheWindowComesBackAsTheUserLeftIt)
{
    TempSettingsDir store;
    StartFolder folder;
    folder.catalogue(divisions, teams);
    MessageRecorder recorder;
    const auto startAndClose = [](const std::function<void(MainWindow &)> &use) {
        const Windows windows = createWindows();
        windows.mainWindow->show();
        const QSize started = windows.mainWindow->size();
        use(*windows.mainWindow);
        windows.mainWindow->close();
        return started;
    };
    EXPECT_EQ(startAndClose([](MainWindow &) {}).width(), 796);
    EXPECT_FALSE(store.readIni().contains("[Window]"));

    startAndClose([](MainWindow &window) { window.resize(780, 520); });
    EXPECT_TRUE(store.readIni().contains("[Window]"));
    EXPECT_EQ(store.iniMode(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(startAndClose([](MainWindow &) {}), QSize(780, 520));
}

TEST(Startup, ChoosingADivisionFillsItsTeamsAlphabetically)
{
    TempSettingsDir store;
    StartFolder folder;
    folder.catalogue(divisions, teams);
    MessageRecorder recorder;
    const Windows windows = createWindows();
    const MainControls f(windows.mainWindow.get());
    f.ComboBox1->setCurrentIndex(0);
    Q_EMIT f.ComboBox1->activated(0);
    EXPECT_EQ(entries(f.ComboBox2),
              (QStringList{QStringLiteral("Арсенал=12"), QStringLiteral("Буревестник=13"),
                           QStringLiteral("Заря=11")}));
    EXPECT_EQ(f.ComboBox2->currentText(), QString());
    f.ComboBox2->setCurrentIndex(1);
    f.ComboBox1->setCurrentIndex(1); // the last rows of the table, listed once each
    Q_EMIT f.ComboBox1->activated(1);
    EXPECT_EQ(entries(f.ComboBox2), (QStringList{QStringLiteral("Волга=21"), QStringLiteral("Ястреб=22")}));
    EXPECT_EQ(f.ComboBox2->currentText(), QString());
    Q_EMIT f.ComboBox1->activated(1); // the same division again: emptied first, not listed twice
    EXPECT_EQ(entries(f.ComboBox2), (QStringList{QStringLiteral("Волга=21"), QStringLiteral("Ястреб=22")}));
    f.ComboBox1->setCurrentIndex(2);
    Q_EMIT f.ComboBox1->activated(2);
    EXPECT_EQ(f.ComboBox2->count(), 0);
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST(Startup, MissingCatalogueFilesAreReportedAndStartGoesOn)
{
    TempSettingsDir store;
    {
        StartFolder folder;
        MessageRecorder recorder;
        const Windows windows = createWindows();
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("Brindlemark"));
        EXPECT_TRUE(recorder.boxes[0].text.contains(QStringLiteral("divisions.cds")));
        EXPECT_EQ(MainControls(windows.mainWindow.get()).ComboBox1->count(), 0);
        ASSERT_TRUE(windows.settingsDialog);
    }
    {
        StartFolder folder;
        folder.catalogue(divisions, nullptr);
        MessageRecorder recorder;
        const Windows windows = createWindows();
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_TRUE(recorder.boxes[0].text.contains(QStringLiteral("teams.cds")));
        EXPECT_EQ(MainControls(windows.mainWindow.get()).ComboBox1->count(), 3);
        MainControls(windows.mainWindow.get()).ComboBox1->setCurrentIndex(0);
        Q_EMIT MainControls(windows.mainWindow.get()).ComboBox1->activated(0);
        EXPECT_EQ(recorder.boxes.size(), 2u); // every later choice fails: the table never loaded
        EXPECT_EQ(MainControls(windows.mainWindow.get()).ComboBox2->count(), 0);
    }
    {
        StartFolder folder;
        folder.catalogue(divisions, nullptr);
        QFile corrupt(QStringLiteral("teams.cds"));
        ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
        const qint64 written = corrupt.write(QByteArray("SQLite format 3") + QByteArray(4000, '\x5a'));
        corrupt.close();
        MessageRecorder recorder;
        const Windows windows = createWindows();
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_TRUE(recorder.boxes[0].text.contains(QStringLiteral("teams.cds")));
        EXPECT_EQ(MainControls(windows.mainWindow.get()).ComboBox1->count(), 3);
        EXPECT_EQ(corrupt.size(), written); // read-only: the file is left as it was
    }
    {
        StartFolder folder;
        folder.catalogue("CREATE TABLE divisions(name TEXT, id INTEGER);", teams);
        MessageRecorder recorder;
        const Windows windows = createWindows();
        EXPECT_EQ(recorder.boxes.size(), 1u); // an empty table
        EXPECT_EQ(MainControls(windows.mainWindow.get()).ComboBox1->count(), 0);
    }
}

// A catalogue row whose identifier does not fit is left out and named; its neighbours stay.
TEST(Startup, UnfitCatalogueRowIsNamedAndTheRestListed)
{
    TempSettingsDir store;
    StartFolder folder;
    folder.catalogue(divisions, "CREATE TABLE teams(teamId INTEGER, name TEXT, divId INTEGER);"
                                "INSERT INTO teams VALUES (11, 'Заря', 1), (99999999999, 'Большой', 1),"
                                "(13, 'Буревестник', 1);");
    MessageRecorder recorder;
    const Windows windows = createWindows();
    const MainControls f(windows.mainWindow.get());
    f.ComboBox1->setCurrentIndex(0);
    Q_EMIT f.ComboBox1->activated(0);
    EXPECT_EQ(entries(f.ComboBox2),
              (QStringList{QStringLiteral("Буревестник=13"), QStringLiteral("Заря=11")}));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_TRUE(recorder.boxes[0].text.contains(QStringLiteral("Большой")))
        << recorder.boxes[0].text.toStdString();
}
