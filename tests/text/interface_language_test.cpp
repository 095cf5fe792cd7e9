#include "analysis/talent_projection.h"
#include "app/main_window.h"
#include "catalogue/catalogue_table.h"
#include "history/history_store.h"
#include "support/main_controls.h"
#include "support/message_recorder.h"
#include "support/working_folder.h"
#include "text/app_error.h"
#include "text/code_page.h"
#include "text/interface_language.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
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

// Qt's own buttons speak the interface's Russian, German desktop included, from Qt's translations.
TEST(InterfaceLanguage, QtsOwnButtonsFollowTheRussianInterface)
{
    for (const QLocale &locale : {QLocale(QLocale::Russian), QLocale(QLocale::German)}) {
        const InterfaceLanguage language(locale);
        const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
    }
}

// Messages made by the logic, windows-1251 ones included, speak the language of the moment they are made.
TEST(InterfaceLanguage, LogicMessagesFollowTheInterface)
{
    const WorkingFolder empty;
    const auto messages = [] {
        QString catalogue;
        try {
            CatalogueTable().loadFromFile("absent.cds");
        } catch (const AppError &error) {
            catalogue = fromCp1251(error.what());
        }
        return QStringList{HistoryStore().keep(FetchRecord{}).message, noGrowthText(), catalogue};
    };
    EXPECT_EQ(messages(),
              QStringList({QStringLiteral("Страница не сохранена в истории: файл истории не открыт."),
                           QStringLiteral("Талант не растет при этих значениях."),
                           QStringLiteral("Не удалось открыть файл каталога absent.cds: файл не найден")}));
    const InterfaceLanguage language(QLocale(QLocale::English));
    EXPECT_EQ(
        messages(),
        QStringList({QStringLiteral("The page was not kept in the history: the history file is not open."),
                     QStringLiteral("The talent does not grow with these values."),
                     QStringLiteral("Cannot open the catalogue file absent.cds: the file does not exist")}));
}
