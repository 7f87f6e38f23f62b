// The floor for start-up: a bare Qt 6 main window with a menu bar, a toolbar, a table and a
// status bar, built the same way as the program, that closes once it has been shown and
// prints the wall clock at that moment.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.addToolBar(QStringLiteral("Toolbar"))->addAction(QStringLiteral("New"));
    window.setCentralWidget(new QTableWidget(5, 7, &window));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(567, 401);
    window.show();
    QTimer::singleShot(0, &app, [] {
        // The same moment the program reports with its "shown" script step.
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        std::fprintf(stderr, "shown %lld%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
        QApplication::quit();
    });
    return QApplication::exec();
}
