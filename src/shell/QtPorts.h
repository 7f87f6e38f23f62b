#pragma once

#include <QLocale>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "ports/Locale.h"
#include "ports/Ports.h"

namespace quillet {

// Cell bytes as a QString (UTF-8, or Windows-1252 for older files) and back.
QString toQString(std::string_view bytes);
std::string fromQString(const QString& text);

class QtPrompts : public Prompts {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }
    bool askYesNo(const Message& text) override;
    Answer askYesNoCancel(const Message& text) override;
    std::optional<std::size_t> askChoice(const Message& text,
                                         const std::vector<Message>& buttons) override;
    void showMessage(const Message& text) override;
    std::optional<std::string> chooseOpenPath(const std::string& startFolder) override;
    std::optional<std::string> chooseSavePath(const std::string& startFolder) override;
    std::optional<std::string> chooseImportPath(const std::string& startFolder) override;
    std::optional<ExportChoice> chooseExportPath(const std::string& startFolder,
                                                 const std::string& fileName) override;
    std::optional<std::string> chooseLogExportPath(const std::string& startFolder,
                                                   const std::string& fileName) override;

  private:
    QPointer<QWidget> parent_;
};

class QtClipboard : public Clipboard {
  public:
    std::string text() override;
    void setText(const std::string& bytes) override;
};

class QtClock : public Clock {
  public:
    double now() override;
    std::int64_t utcMs() override;
    std::int64_t monotonicMs() override;
    double localFromUtc(std::int64_t utcMs) override;
    std::int64_t utcFromLocal(double local) override;
};

// The desktop's handler for each kind of address (xdg-open on Linux desktops).
class QtUrlOpener : public UrlOpener {
  public:
    bool openUrl(const std::string& url) override;
};

// Settings in an INI file, group "Settings" unless another is named; each call reads or
// writes the file afresh so two running copies see each other's writes.
class QtSettingsStore : public SettingsStore {
  public:
    explicit QtSettingsStore(QString path, QString group = QStringLiteral("Settings"));
    // ~/.config/Quillet/Quillet.conf (XDG_CONFIG_HOME respected).
    static QString defaultPath();
    std::string readSetting(const std::string& key) override;
    void writeSetting(const std::string& key, const std::string& value) override;
    void writeSettings(const SettingValues& values) override;
    const QString& path() const { return path_; }

  private:
    QString path_;
    QString group_;
};

// The user's short date pattern (four-digit year), separators and current year.
Locale systemLocale();
// The same from a given locale, and from a short date pattern with another locale's numbers.
Locale localeFrom(QLocale system, int currentYear);
Locale localeFrom(QString shortDatePattern, const QLocale& numbers, int currentYear);

}  // namespace quillet
