#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <memory>

#include "ports/ProductInfo.h"
#include "recovery/Recovery.h"
#include "shell/AppIcon.h"
#include "shell/Form1.h"
#include "shell/QtPorts.h"
#include "shell/TestScript.h"

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

// What the command line asks for: an exit code for help, version and bad options
// (answered before any window exists, so they work without a desktop), or -1 and the
// file to open.
struct CommandLine {
    int exitCode = -1;
    QString file;
};

CommandLine readCommandLine(int argc, char** argv) {
    QCoreApplication::setApplicationName(QString::fromUtf8(quillet::kProductName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(quillet::kProductVersion));
    // Read as QCoreApplication would, without making one: starting the program needs none.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    describe(parser);
    const bool parsed = parser.parse(withoutQtOptions(arguments));
    const bool tooMany = parsed && parser.positionalArguments().size() > 1;
    if (!parsed || tooMany || parser.isSet(QStringLiteral("help"))) {
        // The help text names the program from the application's arguments.
        const QCoreApplication app(argc, argv);
        if (!parsed || tooMany) {
            const QString error =
                tooMany ? QStringLiteral("Only one file can be opened.") : parser.errorText();
            std::fprintf(stderr, "%s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
            return {2, {}};
        }
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {0, {}};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", quillet::kProductName, quillet::kProductVersion);
        return {0, {}};
    }
    return {-1, parser.positionalArguments().value(0)};
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.exitCode >= 0) return commandLine.exitCode;

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
    if (!commandLine.file.isEmpty()) {
        const std::string path = commandLine.file.toStdString();
        form1.runCommand([&] { form1.controller().openAtStartUp(path); });
    }
    if (script) script->run(form1);
    return QApplication::exec();
}
