#include "app/main_window.h"
#include "support/main_controls.h"
#include "support/message_recorder.h"
#include "support/working_folder.h"
#include "widgets/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// An English desktop gets the English interface; what the program writes and sorts by stays Russian.
TEST(InterfaceLanguage, EnglishDesktopStartsInEnglish)
{
    const WorkingFolder empty;
    MessageRecorder recorder;
    {
        const InterfaceLanguage language(QLocale(QLocale::English, QLocale::UnitedKingdom));
        ASSERT_TRUE(language.english());
        MainWindow window;
        const MainControls ui(&window);
        EXPECT_EQ(ui.Button1->text(), QStringLiteral("Fetch"));
        EXPECT_EQ(controlOf<QMenu>(&window, "N1")->title(), QStringLiteral("File"));
        EXPECT_EQ(captionOf(ui.ListView1, 5), QStringLiteral("Talent"));
        ui.Button1->click();
        ASSERT_EQ(recorder.boxes.size(), 2u); // the missing catalogue, then the team check
        EXPECT_EQ(recorder.boxes[1].caption, QStringLiteral("Error"));
        EXPECT_EQ(recorder.boxes[1].text, QStringLiteral("No team chosen."));
    }
    // Gone with the object: the next window speaks Russian again.
    MainWindow window;
    EXPECT_EQ(MainControls(&window).Button1->text(), QStringLiteral("Получить"));
}

TEST(InterfaceLanguage, RussianAndOtherDesktopsKeepTheProgramsOwnTexts)
{
    for (const QLocale &locale : {QLocale(QLocale::Russian), QLocale(QLocale::German), QLocale::c()}) {
        const InterfaceLanguage language(locale);
        EXPECT_FALSE(language.english());
        EXPECT_EQ(QCoreApplication::translate("MainWindow", "Получить"), QStringLiteral("Получить"));
    }
}
