#include <QApplication>
#include <QElapsedTimer>
#include <QSystemTrayIcon>
#include <QThread>
#include <cstdio>

#include <gtest/gtest.h>

// Widget tests need one QApplication for the whole run (offscreen under CTest).
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // Under tests/shell/with-tray.sh a tray host is starting beside us: wait for it, so the
    // tray tests run against it instead of skipping, and fail when it never shows up.
    if (qEnvironmentVariableIsSet("QUILLET_EXPECT_TRAY")) {
        QElapsedTimer waited;
        waited.start();
        while (!QSystemTrayIcon::isSystemTrayAvailable()) {
            if (waited.elapsed() > 30000) {
                std::fputs("no notification area appeared within 30 seconds\n", stderr);
                return 1;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(50);
        }
    }
    return RUN_ALL_TESTS();
}
