#include "app/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brindlemark"));
    QApplication::setFont(windowFont());
    TForm1 mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
