#include <QApplication>
#include <QDir>
#include <QIcon>

#include "app/qt/AppIcon.h"
#include "app/qt/Form1.h"
#include "app/qt/QtPorts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet1"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillet1"));
    QApplication::setOrganizationName(QStringLiteral("Quillet"));
    QApplication::setWindowIcon(quillet::appIcon());
    if (QIcon::themeName().isEmpty() && QDir(QStringLiteral("/usr/share/icons/Adwaita")).exists()) {
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }

    quillet::QtPrompts prompts;
    quillet::QtClipboard clipboard;
    quillet::QtClock clock;
    quillet::QtSettingsStore settings(quillet::QtSettingsStore::defaultPath());
    quillet::QtUrlOpener urls;
    quillet::Form1 form1({prompts, clipboard, clock, settings, urls, quillet::systemLocale()});
    prompts.setParent(&form1);
    form1.show();
    return QApplication::exec();
}
