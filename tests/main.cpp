#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One QApplication for the whole suite: the widget tests build real windows offscreen.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    // No test may touch the user's own fetch history.
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
