#include "app/startup.h"

#include "history/history_file.h"

Windows createWindows()
{
    Windows windows;
    windows.Form1 = std::make_unique<TForm1>();
    windows.Form2 = std::make_unique<TForm2>();
    windows.Form3 = std::make_unique<TForm3>();
    windows.Form1->setAboutDialog(windows.Form2.get());
    windows.Form1->setSettingsDialog(windows.Form3.get());
    windows.Form1->openHistory(defaultHistoryPath());
    return windows;
}
