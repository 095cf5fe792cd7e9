#include "app/about_dialog.h"
#include "app/main_window.h"
#include "settings/settings_dialog.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brindlemark"));
    QApplication::setFont(windowFont());
    // The main window loads the catalogue before the Settings dialog loads the stored settings.
    TForm1 mainWindow;
    TForm2 about;
    TForm3 settings;
    mainWindow.setAboutDialog(&about);
    mainWindow.setSettingsDialog(&settings);
    mainWindow.show();
    return QApplication::exec();
}
