#include <QApplication>
#include <QDir>
#include <QIcon>
#include <memory>

#include "app/Recovery.h"
#include "app/qt/AppIcon.h"
#include "app/qt/Form1.h"
#include "app/qt/QtPorts.h"
#include "app/qt/TestScript.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet1"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillet1"));
    QApplication::setOrganizationName(QStringLiteral("Quillet"));
    QApplication::setWindowIcon(quillet::appIcon());
    if (QIcon::themeName().isEmpty() && QDir(QStringLiteral("/usr/share/icons/Adwaita")).exists()) {
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }

    quillet::QtPrompts qtPrompts;
    // The hook of the tests that run this program (see TestScript.h).
    std::unique_ptr<quillet::TestScript> script;
    if (qEnvironmentVariableIsSet("QUILLET_TEST_SCRIPT")) {
        script = std::make_unique<quillet::TestScript>(qEnvironmentVariable("QUILLET_TEST_SCRIPT"),
                                                       qtPrompts);
    }
    quillet::Prompts& prompts = script ? *script : static_cast<quillet::Prompts&>(qtPrompts);
    quillet::QtClipboard clipboard;
    quillet::QtClock clock;
    quillet::QtSettingsStore settings(quillet::QtSettingsStore::defaultPath());
    const quillet::Locale locale = quillet::systemLocale();

    // A run that ended without closing is offered before anything else shows.
    const quillet::RecoveryDirs dirs = quillet::RecoveryDirs::fromEnvironment();
    const std::optional<quillet::RecoveryCopy> recovered =
        quillet::offerRecovery(dirs.recovery, prompts, locale);

    quillet::Form1 form1({prompts, clipboard, clock, settings, locale});
    qtPrompts.setParent(&form1);
    form1.enableRecovery(dirs, clock, recovered);
    form1.show();
    if (script) script->run(form1);
    return QApplication::exec();
}
