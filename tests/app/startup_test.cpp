#include "../settings/temp_settings.h"
#include "app/startup.h"
#include "catalogue/catalogue_builder.h"
#include "support/message_recorder.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A working folder for one start: the catalogue files given, nothing else.
class StartFolder {
public:
    StartFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~StartFolder() { QDir::setCurrent(m_previous); }
    void catalogue(const char *divisionsSql, const char *teamsSql)
    {
        if (divisionsSql)
            buildDatabaseFromSql(divisionsSql, m_dir.filePath(QStringLiteral("divisions.cds")));
        if (teamsSql)
            buildDatabaseFromSql(teamsSql, m_dir.filePath(QStringLiteral("teams.cds")));
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
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

TEST(Startup, BuildsThreeWindowsWithTheirDesignTimeState)
{
    TempSettingsDir store;
    StartFolder folder;
    folder.catalogue(divisions, teams);
    MessageRecorder recorder;
    const Windows windows = createWindows();
    EXPECT_TRUE(recorder.boxes.empty());
    TForm1 &f = *windows.Form1;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Brindlemark"));
    f.show();
    EXPECT_EQ(f.centralWidget()->size(), QSize(796, 329));
    f.hide();
    EXPECT_EQ(windows.Form2->windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(windows.Form3->windowTitle(), QStringLiteral("Настройки"));
    EXPECT_EQ(f.Button1->text(), QStringLiteral("Получить"));
    EXPECT_EQ(f.Button1->objectName(), QStringLiteral("Button1"));
    EXPECT_TRUE(f.RadioTal->isChecked());
    EXPECT_FALSE(f.Cdivision->isChecked());
    EXPECT_FALSE(f.UpDown1->isEnabled());
    EXPECT_EQ(f.UpDown1->position(), 0);
    EXPECT_TRUE(f.ProgressBar1->isHidden());
    EXPECT_EQ(f.ProgressBar1->maximum(), 16);
    EXPECT_EQ(f.LabeledEdit2->text(), QStringLiteral("3"));
    EXPECT_EQ(f.LabeledEdit2->maxLength(), 1);
    EXPECT_FALSE(f.alant1->isEnabled());
    EXPECT_EQ(f.N1->title(), QStringLiteral("Файл"));
    EXPECT_EQ(f.N4->text(), QStringLiteral("Выход"));
    EXPECT_EQ(f.ListView1->headerItem()->text(5), QStringLiteral("Талант"));
    EXPECT_EQ(f.ListView1->columnWidth(1), 100);
    EXPECT_EQ(f.ListView2->headerItem()->text(11), QStringLiteral("Тч"));
    EXPECT_EQ(f.ListView3->headerItem()->text(1), QStringLiteral("Трен"));
    EXPECT_EQ(f.Label1->text(), QStringLiteral("0"));
    EXPECT_EQ(f.ComboBox2->currentText(), QStringLiteral("Выберите дивизион"));
    EXPECT_EQ(entries(f.ComboBox1),
              (QStringList{QStringLiteral("Высшая лига=1"), QStringLiteral("Первая лига=2"),
                           QStringLiteral("Пустая=3")}));
}

TEST(Startup, ChoosingADivisionFillsItsTeamsAlphabetically)
{
    TempSettingsDir store;
    StartFolder folder;
    folder.catalogue(divisions, teams);
    MessageRecorder recorder;
    const Windows windows = createWindows();
    TForm1 &f = *windows.Form1;
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
        EXPECT_EQ(windows.Form1->ComboBox1->count(), 0);
        ASSERT_TRUE(windows.Form3);
    }
    {
        StartFolder folder;
        folder.catalogue(divisions, nullptr);
        MessageRecorder recorder;
        const Windows windows = createWindows();
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_TRUE(recorder.boxes[0].text.contains(QStringLiteral("teams.cds")));
        EXPECT_EQ(windows.Form1->ComboBox1->count(), 3);
        windows.Form1->ComboBox1->setCurrentIndex(0);
        Q_EMIT windows.Form1->ComboBox1->activated(0);
        EXPECT_EQ(recorder.boxes.size(), 2u); // every later choice fails: the table never loaded
        EXPECT_EQ(windows.Form1->ComboBox2->count(), 0);
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
        EXPECT_EQ(windows.Form1->ComboBox1->count(), 3);
        EXPECT_EQ(corrupt.size(), written); // read-only: the file is left as it was
    }
    {
        StartFolder folder;
        folder.catalogue("CREATE TABLE divisions(name TEXT, id INTEGER);", teams);
        MessageRecorder recorder;
        const Windows windows = createWindows();
        EXPECT_EQ(recorder.boxes.size(), 1u); // an empty table
        EXPECT_EQ(windows.Form1->ComboBox1->count(), 0);
    }
}
