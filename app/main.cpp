#include "app/startup.h"
#include "text/interface_language.h"
#include "widgets/window_look.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brindlemark"));
    QApplication::setFont(windowFont());
    const InterfaceLanguage language(QLocale::system());
    const Windows windows = createWindows();
    windows.mainWindow->show();
    return QApplication::exec();
}
