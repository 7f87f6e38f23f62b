#include "shell/QtPorts.h"

#include <chrono>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <stdexcept>

#include "formats/CodePage.h"
#include "ports/DateTime.h"
#include "shell/CoreMessages.h"

namespace quillet {

namespace {
QString translated(const char* english) {
    return QCoreApplication::translate("QtPrompts", english);
}

QString projectFilter() {
    return translated(QT_TRANSLATE_NOOP("QtPrompts", "Project files (*.prj);;All files (*)"));
}

QString importFilter() {
    return translated(
        QT_TRANSLATE_NOOP("QtPrompts", "Delimited text (*.csv *.txt *.tsv *.prj);;All files (*)"));
}

QString message(const Message& text) {
    return CoreMessages::translate(text);
}

// A long command's progress dialog is window-modal: left over a question that opens after
// it, it takes the clicks and keys meant for the question, and its pending show would put
// it there half a second later. Hidden with that show stopped; the command's next report
// shows it again.
void clearProgress(QWidget* parent) {
    if (!parent) return;
    for (QProgressDialog* progress : parent->window()->findChildren<QProgressDialog*>()) {
        progress->reset();
        progress->hide();
    }
}

std::optional<std::string> runFileDialog(QWidget* parent, bool save, const std::string& folder,
                                         const QString& filter = projectFilter()) {
    clearProgress(parent);
    QFileDialog dialog(parent,
                       save ? translated(QT_TRANSLATE_NOOP("QtPrompts", "Save Project File"))
                            : translated(QT_TRANSLATE_NOOP("QtPrompts", "Open Project File")));
    // Never the folder the program happened to be started from.
    dialog.setDirectory(folder.empty() ? QDir::homePath() : QString::fromStdString(folder));
    dialog.setNameFilter(filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open lets the user type a path that names no file: the load then reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (save) dialog.setDefaultSuffix(QStringLiteral("prj"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return fromQString(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}
}  // namespace

QString toQString(std::string_view bytes) {
    const std::string utf8 = displayUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string fromQString(const QString& text) {
    return text.toStdString();
}

bool QtPrompts::askYesNo(const Message& text) {
    clearProgress(parent_);
    return QMessageBox::question(parent_, QApplication::applicationDisplayName(), message(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

Answer QtPrompts::askYesNoCancel(const Message& text) {
    clearProgress(parent_);
    // With a Cancel button, Esc and the close button answer Cancel.
    switch (QMessageBox::question(parent_, QApplication::applicationDisplayName(), message(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<std::size_t> QtPrompts::askChoice(const Message& text,
                                                const std::vector<Message>& buttons) {
    clearProgress(parent_);
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), message(text),
                    QMessageBox::NoButton, parent_);
    std::vector<QAbstractButton*> chosen;
    for (const Message& caption : buttons) {
        chosen.push_back(box.addButton(message(caption), QMessageBox::AcceptRole));
    }
    // Esc and the close button press the escape button: Cancel.
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    if (!chosen.empty()) box.setDefaultButton(qobject_cast<QPushButton*>(chosen.front()));
    box.exec();
    const auto it = std::find(chosen.begin(), chosen.end(), box.clickedButton());
    if (it == chosen.end()) return std::nullopt;
    return static_cast<std::size_t>(it - chosen.begin());
}

void QtPrompts::showMessage(const Message& text) {
    clearProgress(parent_);
    QMessageBox::information(parent_, QApplication::applicationDisplayName(), message(text));
}

std::optional<std::string> QtPrompts::chooseOpenPath(const std::string& startFolder) {
    return runFileDialog(parent_, false, startFolder);
}

std::optional<std::string> QtPrompts::chooseSavePath(const std::string& startFolder) {
    return runFileDialog(parent_, true, startFolder);
}

std::optional<std::string> QtPrompts::chooseImportPath(const std::string& startFolder) {
    return runFileDialog(parent_, false, startFolder, importFilter());
}

namespace {

struct SaveChoice {
    QString path;
    qsizetype filter = 0;  // the index of the filter chosen
};

// An export's save dialog, offering `fileName` in startFolder (the home folder when empty).
std::optional<SaveChoice> runSaveDialog(QWidget* parent, const QString& title,
                                        const QStringList& filters, const std::string& startFolder,
                                        const std::string& fileName) {
    clearProgress(parent);
    QFileDialog dialog(parent, title);
    dialog.setDirectory(startFolder.empty() ? QDir::homePath()
                                            : QString::fromStdString(startFolder));
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(toQString(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return SaveChoice{QDir::toNativeSeparators(dialog.selectedFiles().first()),
                      std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()))};
}

}  // namespace

std::optional<ExportChoice> QtPrompts::chooseExportPath(const std::string& startFolder,
                                                        const std::string& fileName) {
    // In the order of ExportFormat.
    const QStringList filters = {
        translated(QT_TRANSLATE_NOOP("QtPrompts", "Excel workbook (*.xlsx)")),
        translated(QT_TRANSLATE_NOOP("QtPrompts", "OpenDocument spreadsheet (*.ods)")),
        translated(QT_TRANSLATE_NOOP("QtPrompts", "CSV, comma-separated (*.csv)"))};
    const std::optional<SaveChoice> choice =
        runSaveDialog(parent_, translated(QT_TRANSLATE_NOOP("QtPrompts", "Export")), filters,
                      startFolder, fileName);
    if (!choice) return std::nullopt;
    return ExportChoice{fromQString(choice->path), static_cast<ExportFormat>(choice->filter)};
}

// The work log as a calendar or a table: a name typed without an extension gets the chosen
// filter's.
std::optional<std::string> QtPrompts::chooseLogExportPath(const std::string& startFolder,
                                                          const std::string& fileName) {
    const QStringList filters = {
        translated(QT_TRANSLATE_NOOP("QtPrompts", "iCalendar (*.ics)")),
        translated(QT_TRANSLATE_NOOP("QtPrompts", "CSV, comma-separated (*.csv)")),
        translated(QT_TRANSLATE_NOOP("QtPrompts", "Excel workbook (*.xlsx)")),
        translated(QT_TRANSLATE_NOOP("QtPrompts", "OpenDocument spreadsheet (*.ods)"))};
    const QStringList extensions = {".ics", ".csv", ".xlsx", ".ods"};
    std::optional<SaveChoice> choice =
        runSaveDialog(parent_, translated(QT_TRANSLATE_NOOP("QtPrompts", "Export Work Log")),
                      filters, startFolder, fileName);
    if (!choice) return std::nullopt;
    const bool known = std::any_of(extensions.begin(), extensions.end(), [&](const QString& e) {
        return choice->path.endsWith(e, Qt::CaseInsensitive);
    });
    if (!known) choice->path += extensions[choice->filter];
    return fromQString(choice->path);
}

std::string QtClipboard::text() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return {};
    return fromQString(data->text());
}

void QtClipboard::setText(const std::string& bytes) {
    QGuiApplication::clipboard()->setText(toQString(bytes));
}

namespace {
double localDays(const QDateTime& local) {
    const QDate d = local.date();
    return encodeDate(d.year(), d.month(), d.day()) +
           local.time().msecsSinceStartOfDay() / 86400000.0;
}
}  // namespace

double QtClock::now() {
    return localDays(QDateTime::currentDateTime());
}

std::int64_t QtClock::utcMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

std::int64_t QtClock::monotonicMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double QtClock::localFromUtc(std::int64_t utcMs) {
    return localDays(QDateTime::fromMSecsSinceEpoch(utcMs).toLocalTime());
}

std::int64_t QtClock::utcFromLocal(double local) {
    const CivilDate date = decodeDate(local);
    const ClockTime time = decodeTime(local);
    const QDateTime at(QDate(date.year, date.month, date.day),
                       QTime(time.hour, time.minute, time.second, time.millisecond));
    return at.toMSecsSinceEpoch();
}

// The core hands over encoded addresses (a file: address escapes its path).
bool QtUrlOpener::openUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url)));
}

QtSettingsStore::QtSettingsStore(QString path, QString group)
    : path_(std::move(path)), group_(std::move(group)) {}

QString QtSettingsStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quillet/Quillet.conf");
}

std::string QtSettingsStore::readSetting(const std::string& key) {
    QSettings settings(path_, QSettings::IniFormat);
    settings.beginGroup(group_);
    const QVariant value = settings.value(QString::fromStdString(key));
    if (!value.isValid()) return kNotAvailable;
    if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::QByteArray) {
        throw MessageError(
            Message(QUILLET_TR("CoreMessages", "Invalid data type for '%1'")).arg(key));
    }
    return fromQString(value.toString());
}

void QtSettingsStore::writeSetting(const std::string& key, const std::string& value) {
    writeSettings({{key, value}});
}

void QtSettingsStore::writeSettings(const SettingValues& values) {
    if (values.empty()) return;
    QSettings settings(path_, QSettings::IniFormat);
    settings.beginGroup(group_);
    // Each sync is a locked rewrite of the whole file, and every exit writes all the widths:
    // values the file already holds are left as they are, the others written together.
    const std::string* firstChanged = nullptr;
    for (const auto& [key, value] : values) {
        const QString name = QString::fromStdString(key);
        const QString text = toQString(value);
        const QVariant current = settings.value(name);
        if (current.typeId() == QMetaType::QString && current.toString() == text) continue;
        if (!firstChanged) firstChanged = &key;
        settings.setValue(name, text);
    }
    if (!firstChanged) return;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        throw MessageError(Message(QUILLET_TR("CoreMessages", "Failed to create key %1"))
                               .arg(group_.toStdString()));
    }
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        throw MessageError(
            Message(QUILLET_TR("CoreMessages", "Failed to set data for '%1'")).arg(*firstChanged));
    }
}

Locale localeFrom(QLocale system, int currentYear) {
    // Without a configured locale (C/POSIX) the dates follow the common month/day/year.
    if (system.language() == QLocale::C) system = QLocale(QLocale::English, QLocale::UnitedStates);
    return localeFrom(system.dateFormat(QLocale::ShortFormat), system, currentYear);
}

Locale localeFrom(QString shortDatePattern, const QLocale& numbers, int currentYear) {
    // Month names would not read back as dates: use month numbers.
    shortDatePattern.replace(QStringLiteral("MMMM"), QStringLiteral("MM"));
    shortDatePattern.replace(QStringLiteral("MMM"), QStringLiteral("MM"));
    Locale locale;
    locale.shortDatePattern = withFourDigitYear(shortDatePattern.toStdString());
    // The separator is the first character between the day, month and year fields.
    locale.dateSeparator = "/";
    bool quoted = false;
    for (const QChar ch : shortDatePattern) {
        if (ch == u'\'') quoted = !quoted;
        if (!quoted && !ch.isLetter() && ch != u'\'') {
            locale.dateSeparator = QString(ch).toStdString();
            break;
        }
    }
    locale.decimalSeparator = numbers.decimalPoint().toStdString();
    locale.thousandsSeparator = numbers.groupSeparator().toStdString();
    locale.currentYear = currentYear;
    for (int month = 1; month <= 12; ++month)
        locale.monthNames[static_cast<std::size_t>(month - 1)] =
            numbers.standaloneMonthName(month, QLocale::LongFormat).toStdString();
    return locale;
}

namespace {

// Not QLocale::system(): given LANGUAGE, it takes the windows' language for the formats too
// and mixes it with LC_TIME's patterns.
QLocale formatsLocale(LocaleCategory category) {
    const std::string name = formatLocaleName(category, [](const char* variable) {
        return qEnvironmentVariable(variable).toStdString();
    });
    if (isUnconfiguredLocale(name)) return QLocale::c();
    return QLocale(QString::fromStdString(name.substr(0, name.find_first_of(".@"))));
}

}  // namespace

Locale systemLocale() {
    const int year = QDate::currentDate().year();
    Locale locale = localeFrom(formatsLocale(LocaleCategory::Time), year);
    const Locale numbers = localeFrom(formatsLocale(LocaleCategory::Numeric), year);
    locale.decimalSeparator = numbers.decimalSeparator;
    locale.thousandsSeparator = numbers.thousandsSeparator;
    return locale;
}

}  // namespace quillet
