#pragma once

#include <optional>
#include <string>

namespace quillet {

// The outside world as the core sees it. The shell implements these with Qt;
// tests use scripted fakes.

class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual bool askYesNo(const std::string& text) = 0;
    virtual void showMessage(const std::string& text) = 0;
    // An empty optional means the user cancelled.
    virtual std::optional<std::string> chooseOpenPath() = 0;
    virtual std::optional<std::string> chooseSavePath() = 0;
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Plain text; empty when the clipboard holds none.
    virtual std::string text() = 0;
    virtual void setText(const std::string& bytes) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    // Local wall-clock time as days since 1899-12-30, fraction = time of day.
    virtual double now() = 0;
};

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // A missing value reads as "n/a".
    virtual std::string readSetting(const std::string& key) = 0;
    virtual void writeSetting(const std::string& key, const std::string& value) = 0;
};

inline constexpr const char* kNotAvailable = "n/a";

}  // namespace quillet
