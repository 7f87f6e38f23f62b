#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <memory>

#include "app/Recovery.h"
#include "app/qt/AppIcon.h"
#include "app/qt/Form1.h"
#include "app/qt/QtPorts.h"
#include "app/qt/TestScript.h"
#include "ports/ProductInfo.h"

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Record where your working time goes."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A project file (*.prj) to open."),
                                 QStringLiteral("[file]"));
}

// The arguments without the ones QApplication takes for itself (-platform offscreen, ...).
QStringList withoutQtOptions(const QStringList& arguments) {
    static const QStringList withValue = {"-platform",
                                          "-platformpluginpath",
                                          "-platformtheme",
                                          "-plugin",
                                          "-qwindowgeometry",
                                          "-qwindowicon",
                                          "-qwindowtitle",
                                          "-style",
                                          "-stylesheet",
                                          "-display",
                                          "-geometry",
                                          "-session",
                                          "-name",
                                          "-title",
                                          "-visual",
                                          "-qmljsdebugger",
                                          "-widgetcount"};
    static const QStringList flags = {"-reverse", "-nograb", "-dograb", "-sync", "-widgetcount"};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        if (option.startsWith(QStringLiteral("--"))) option.remove(0, 1);
        if (flags.contains(option)) continue;
        if (withValue.contains(option)) {
            ++i;
            continue;
        }
        kept.append(arguments[i]);
    }
    return kept;
}

// Help, version and bad options are answered before any window exists, so they work
// without a desktop. Returns the exit code, or -1 to go on and start the program.
int answerCommandLine(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromUtf8(quillet::kProductName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(quillet::kProductVersion));
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(withoutQtOptions(QCoreApplication::arguments())) ||
        parser.positionalArguments().size() > 1) {
        const QString error = parser.positionalArguments().size() > 1
                                  ? QStringLiteral("Only one file can be opened.")
                                  : parser.errorText();
        std::fprintf(stderr, "%s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", quillet::kProductName, quillet::kProductVersion);
        return 0;
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int code = answerCommandLine(argc, argv); code >= 0) return code;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet1"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillet1"));
    QApplication::setApplicationVersion(QString::fromUtf8(quillet::kProductVersion));
    QApplication::setOrganizationName(QStringLiteral("Quillet"));
    QApplication::setDesktopFileName(QStringLiteral("quillet"));
    QApplication::setWindowIcon(quillet::appIcon());
    if (QIcon::themeName().isEmpty() && QDir(QStringLiteral("/usr/share/icons/Adwaita")).exists()) {
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);

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
    quillet::QtUrlOpener urls;
    const quillet::Locale locale = quillet::systemLocale();

    // A run that ended without closing is offered before anything else shows.
    const quillet::RecoveryDirs dirs = quillet::RecoveryDirs::fromEnvironment();
    const std::optional<quillet::RecoveryCopy> recovered =
        quillet::offerRecovery(dirs.recovery, prompts, locale);

    quillet::Form1 form1({prompts, clipboard, clock, settings, urls, locale});
    qtPrompts.setParent(&form1);
    form1.enableRecovery(dirs, clock, recovered);
    form1.show();
    // A file named on the command line comes after a recovered project, whose save
    // question then protects it.
    if (!parser.positionalArguments().isEmpty()) {
        const std::string path = parser.positionalArguments().first().toStdString();
        form1.runCommand([&] { form1.controller().openAtStartUp(path); });
    }
    if (script) script->run(form1);
    return QApplication::exec();
}
