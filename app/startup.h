#pragma once

#include "app/about_dialog.h"
#include "app/main_window.h"
#include "settings/settings_dialog.h"

#include <memory>

// The program's three windows, created in the order start-up needs: the main window (which loads the
// catalogue), then About, then Settings (which loads the stored settings).
struct Windows {
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm3> Form3;
};

Windows createWindows();
