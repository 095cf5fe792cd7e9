#include "app/startup.h"

#include "app/window_placement.h"
#include "history/history_file.h"

Windows createWindows()
{
    Windows windows;
    windows.mainWindow = std::make_unique<MainWindow>();
    // The window as the user left it; a window made without start-up (the tests') starts as built.
    new WindowPlacement(windows.mainWindow.get());
    windows.aboutDialog = std::make_unique<AboutDialog>();
    windows.settingsDialog = std::make_unique<SettingsDialog>();
    windows.mainWindow->setAboutDialog(windows.aboutDialog.get());
    windows.mainWindow->setSettingsDialog(windows.settingsDialog.get());
    windows.mainWindow->openHistory(defaultHistoryPath());
    windows.mainWindow->offerDueRefreshes();
    return windows;
}
