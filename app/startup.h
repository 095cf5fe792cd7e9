#pragma once

#include "app/about_dialog.h"
#include "app/main_window.h"
#include "settings/settings_dialog.h"

#include <memory>

// The program's three windows, created in the order start-up needs: the main window (which loads the
// catalogue), then About, then Settings (which loads the stored settings).
struct Windows {
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<AboutDialog> aboutDialog;
    std::unique_ptr<SettingsDialog> settingsDialog;
};

Windows createWindows();
