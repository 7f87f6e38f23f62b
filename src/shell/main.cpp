#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>

#include "app/ProjectExport.h"
#include "app/ReadAhead.h"
#include "ports/ProductInfo.h"
#include "recovery/Recovery.h"
#include "shell/AppIcon.h"
#include "shell/Form1.h"
#include "shell/QtPorts.h"
#include "shell/TestScript.h"
#include "shell/TimerClient.h"
#include "shell/TimerServer.h"
#include "shell/Translations.h"
#include "tasks/Columns.h"
#include "tasks/WorkLogExport.h"

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Record where your working time goes."));
    // Qt's own options are words after one dash (-platform, -stylesheet): read as long
    // options, none of their letters is taken for -h or -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("timer"),
                      QStringLiteral("Runs a stopwatch command in the running Quillet1: start, "
                                     "stop, toggle, reset, status or book."),
                      QStringLiteral("command")});
    parser.addOption({QStringLiteral("task"),
                      QStringLiteral("With --timer start: times the task of this Task #."),
                      QStringLiteral("number")});
    parser.addOption({QStringLiteral("export"),
                      QStringLiteral("Write the project named by [file] to <out> as a workbook "
                                     "(.xlsx), an OpenDocument spreadsheet (.ods) or CSV (.csv), "
                                     "by its extension, and exit. Needs no display."),
                      QStringLiteral("out")});
    parser.addOption({QStringLiteral("export-log"),
                      QStringLiteral("Write the work log of the project named by [file] to <out> "
                                     "as iCalendar (.ics) or as a table (.csv, .xlsx, .ods), by "
                                     "its extension, and exit. Needs no display."),
                      QStringLiteral("out")});
    parser.addOption({QStringLiteral("lang"),
                      QStringLiteral("Shows the windows in this language for this run (de, fr, es "
                                     "or en) instead of the desktop's."),
                      QStringLiteral("code")});
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A project file (*.prj) to open."),
                                 QStringLiteral("[file]"));
}

// What the command line asks for: an exit code for help, version and bad options
// (answered before any window exists, so they work without a desktop), or -1 and the
// file to open.
struct CommandLine {
    int exitCode = -1;
    QString file;
    // Unknown options, when a display can be reached: QApplication takes Qt's own from argv,
    // with their values (the platform plugin takes its own), and what it leaves is read
    // again. Qt's list of options stays Qt's.
    bool leftToQt = false;
    QString exportTo = {};   // --export's file: write it and exit, with no window
    bool exportLog = false;  // the file is --export-log's: the project's work log
    QString language = {};   // --lang's code, empty for the desktop's language
};

const QString kExportNeedsFile = QStringLiteral("--export needs the project file to export.");
const QString kExportLogNeedsFile =
    QStringLiteral("--export-log needs the project file whose log to export.");

// --export or --export-log: what to write, and the refusal when no project is named.
QString readExport(const QCommandLineParser& parser, CommandLine& wanted) {
    for (const auto& [option, log] : {std::pair{QStringLiteral("export"), false},
                                      std::pair{QStringLiteral("export-log"), true}}) {
        if (!parser.isSet(option)) continue;
        wanted.exportTo = parser.value(option);
        wanted.exportLog = log;
        if (wanted.file.isEmpty()) return log ? kExportLogNeedsFile : kExportNeedsFile;
    }
    return {};
}

// Why the command line is refused, if it is: an unknown option, or a second file.
QString refusal(const QCommandLineParser& parser, bool parsed) {
    if (!parsed) return parser.errorText();
    if (parser.positionalArguments().size() > 1)
        return QStringLiteral("Only one file can be opened.");
    return {};
}

// The usage names the program from the application's arguments: an application must exist.
CommandLine refuse(const QCommandLineParser& parser, const QString& error) {
    std::fprintf(stderr, "%s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
    return {2, {}};
}

// Whether QApplication could start: only then can it tell its own options from unknown
// ones. Without a display an unknown option is refused at once, as a script expects.
bool displayReachable(const QStringList& arguments) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    }
    return std::any_of(arguments.begin(), arguments.end(), [](const QString& argument) {
        return argument == u"-platform" || argument == u"--platform" ||
               argument.startsWith(u"-platform=") || argument.startsWith(u"--platform=");
    });
}

// `--timer CMD`: the running copy does the work; this one needs no display.
int runTimerClient(int argc, char** argv, const QCommandLineParser& parser) {
    const QCoreApplication app(argc, argv);
    const QString name = parser.value(QStringLiteral("timer"));
    const auto command = quillet::timerCommandNamed(name.toStdString());
    if (!command) {
        refuse(parser, QStringLiteral("Unknown stopwatch command: %1").arg(name));
        return 2;
    }
    const QString task = parser.value(QStringLiteral("task"));
    if (parser.isSet(QStringLiteral("task")) && *command != quillet::TimerCommand::Start) {
        refuse(parser, QStringLiteral("--task goes with --timer start."));
        return 2;
    }
    // The second version of the protocol, which names the timed task.
    const quillet::TimerRequest request{*command, quillet::kTimerVersion, task.toStdString()};
    if (!task.isEmpty() && !quillet::isTimerTaskField(request.task)) {
        refuse(parser, QStringLiteral("Not a Task #: %1").arg(task));
        return 2;
    }
    const quillet::TimerSocketPlace place = quillet::TimerServer::defaultPlace();
    const quillet::TimerClientResult result =
        place.path.empty()
            ? quillet::TimerClientResult{1, place.refusal}
            : quillet::sendTimerRequest(request, QFile::decodeName(place.path.c_str()));
    std::fprintf(result.exitCode == 0 ? stdout : stderr, "%s\n", result.output.c_str());
    return result.exitCode;
}

CommandLine readCommandLine(int argc, char** argv) {
    QCoreApplication::setApplicationName(QString::fromUtf8(quillet::kProductName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(quillet::kProductVersion));
    // Read as QCoreApplication would, without making one: starting the program needs none.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    describe(parser);
    const bool parsed = parser.parse(arguments);
    const QStringList unknown = parser.unknownOptionNames();
    const bool leftToQt = !parsed && !unknown.isEmpty() && displayReachable(arguments);
    // With options left to Qt, their values read as files here: they are counted later.
    const QString refused = leftToQt ? QString() : refusal(parser, parsed);
    const bool help = refused.isEmpty() && parser.isSet(QStringLiteral("help"));
    if (!refused.isEmpty() || help) {
        const QCoreApplication app(argc, argv);
        if (!refused.isEmpty()) return refuse(parser, refused);
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {0, {}};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", quillet::kProductName, quillet::kProductVersion);
        return {0, {}};
    }
    if (parser.isSet(QStringLiteral("timer"))) return {runTimerClient(argc, argv, parser), {}};
    if (leftToQt) return {-1, {}, true};
    CommandLine wanted{-1, parser.positionalArguments().value(0)};
    wanted.language = parser.value(QStringLiteral("lang"));
    if (const QString missing = readExport(parser, wanted); !missing.isEmpty()) {
        const QCoreApplication app(argc, argv);
        return refuse(parser, missing);
    }
    return wanted;
}

// Once QApplication took Qt's options from argv, what is left must be this program's.
CommandLine readWhatQtLeft() {
    QCommandLineParser parser;
    describe(parser);
    const QString refused = refusal(parser, parser.parse(QCoreApplication::arguments()));
    if (!refused.isEmpty()) return refuse(parser, refused);
    CommandLine wanted{-1, parser.positionalArguments().value(0)};
    wanted.language = parser.value(QStringLiteral("lang"));
    if (const QString missing = readExport(parser, wanted); !missing.isEmpty())
        return refuse(parser, missing);
    return wanted;
}

// The bytes the system gave for an argument: a file name that is not valid UTF-8 does not
// survive the trip through a QString, so the argument that decodes to `decoded` is used as
// it came. The last one matches: options come before the file.
std::string rawArgument(int argc, char** argv, const QString& decoded) {
    for (int i = argc - 1; i > 0; --i) {
        if (QString::fromLocal8Bit(argv[i]) == decoded) return argv[i];
    }
    return decoded.toStdString();
}

// The export of the command line: no window, no display; errors go to standard error.
int exportFromCommandLine(int argc, char** argv, const CommandLine& commandLine) {
    try {
        const std::string project = rawArgument(argc, argv, commandLine.file);
        const std::string out = rawArgument(argc, argv, commandLine.exportTo);
        if (commandLine.exportLog) {
            quillet::QtClock clock;
            quillet::exportWorkLogOfProject(project, out, clock, quillet::systemLocale());
        } else {
            quillet::exportProjectFile(project, out, quillet::systemLocale());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

// --lang for this run, else the desktop's languages in their order. A code the program does
// not speak is said so on standard error, and the windows stay in English.
void chooseLanguage(const QString& requested) {
    if (!requested.isEmpty()) {
        const QString language = quillet::Translations::choose({requested});
        const QString primary = requested.section(QLatin1Char('_'), 0, 0).section('-', 0, 0);
        if (language.isEmpty() && primary.compare(QStringLiteral("en"), Qt::CaseInsensitive) != 0)
            std::fprintf(stderr, "No translation for language %s; the windows stay in English.\n",
                         qPrintable(requested));
        quillet::Translations::install(language);
        return;
    }
    quillet::Translations::install(quillet::Translations::choose(QLocale().uiLanguages()));
}

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit (ulimit -f) would end the program in the middle of a save, a backup or
    // a recovery copy, losing the edit: ignored, the write fails with "File too large" and
    // the command says so, keeps the old file and removes its temporary one.
    std::signal(SIGXFSZ, SIG_IGN);
    CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.exitCode >= 0) return commandLine.exitCode;
    if (!commandLine.exportTo.isEmpty()) return exportFromCommandLine(argc, argv, commandLine);
    // The file named on the command line is read while Qt starts and the window is built.
    std::unique_ptr<quillet::ReadAhead> readAhead;
    const auto startReading = [&] {
        if (commandLine.file.isEmpty()) return;
        readAhead = quillet::ReadAhead::start(rawArgument(argc, argv, commandLine.file),
                                              quillet::DefaultColumnCount, {});
    };
    startReading();

    QApplication app(argc, argv);
    if (commandLine.leftToQt) {
        commandLine = readWhatQtLeft();
        if (commandLine.exitCode >= 0) return commandLine.exitCode;
        if (!commandLine.exportTo.isEmpty()) return exportFromCommandLine(argc, argv, commandLine);
        startReading();
    }
    // No display name: the platform would append it to every title, and the captions that
    // name the program ("Quillet1 - Calendar") would read it twice. Message boxes still take
    // "Quillet1" as their title from the application name.
    QApplication::setApplicationName(QStringLiteral("Quillet1"));
    QApplication::setApplicationVersion(QString::fromUtf8(quillet::kProductVersion));
    QApplication::setOrganizationName(QStringLiteral("Quillet"));
    QApplication::setDesktopFileName(QStringLiteral("quillet"));
    QApplication::setWindowIcon(quillet::appIcon());
    chooseLanguage(commandLine.language);
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
    quillet::QtSettingsStore stopwatchSettings(quillet::QtSettingsStore::defaultPath(),
                                               QStringLiteral("Stopwatch"));
    quillet::QtUrlOpener urls;
    const quillet::Locale locale = quillet::systemLocale();

    // A run that ended without closing is offered before anything else shows.
    const quillet::RecoveryDirs dirs = quillet::RecoveryDirs::fromEnvironment();
    const std::optional<quillet::RecoveryCopy> recovered =
        quillet::offerRecovery(dirs.recovery, prompts, locale);

    quillet::MainController controller({prompts, clipboard, clock, settings, urls, locale});
    // After a recovered project the file opens over it, with the save question first: that
    // open reads the file itself, so the read's table is given up (once it ends).
    if (recovered)
        readAhead.reset();
    else
        controller.useReadAhead(std::move(readAhead));
    quillet::Form1 form1(controller);
    qtPrompts.setParent(&form1);
    form1.setStopwatchSettings(stopwatchSettings);
    // A second copy leaves the remote control to the first.
    const quillet::TimerSocketPlace timerPlace = quillet::TimerServer::defaultPlace();
    if (timerPlace.path.empty()) std::fprintf(stderr, "%s\n", timerPlace.refusal.c_str());
    form1.listenForTimerCommands(QFile::decodeName(timerPlace.path.c_str()));
    form1.enableRecovery(dirs, clock, recovered);
    form1.show();
    // A file named on the command line comes after a recovered project, whose save
    // question then protects it.
    if (!commandLine.file.isEmpty()) {
        const std::string path = rawArgument(argc, argv, commandLine.file);
        form1.runCommand([&] { form1.controller().openAtStartUp(path); });
    }
    if (script) script->run(form1);
    return QApplication::exec();
}
