#pragma once

#include <deque>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ports/Locale.h"
#include "ports/Ports.h"

namespace quillet::test {

// Prompts answered from scripts; every message and question is recorded.
class FakePrompts : public Prompts {
  public:
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<std::string>> openPaths;
    std::deque<std::optional<std::string>> savePaths;
    std::vector<std::string> messages;
    std::vector<std::string> questions;

    bool askYesNo(const std::string& text) override {
        questions.push_back(text);
        if (yesNoAnswers.empty()) throw std::logic_error("unexpected question: " + text);
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::optional<std::string> chooseOpenPath() override { return next(openPaths, "open"); }
    std::optional<std::string> chooseSavePath() override { return next(savePaths, "save"); }

  private:
    static std::optional<std::string> next(std::deque<std::optional<std::string>>& queue,
                                           const char* what) {
        if (queue.empty()) throw std::logic_error(std::string("unexpected ") + what + " dialog");
        auto value = queue.front();
        queue.pop_front();
        return value;
    }
};

class FakeClipboard : public Clipboard {
  public:
    std::string contents;
    std::string text() override { return contents; }
    void setText(const std::string& bytes) override { contents = bytes; }
};

// A clock that only moves when a test moves it.
class FakeClock : public Clock {
  public:
    double value = 46363.5;  // 2026-12-07 12:00
    double now() override { return value; }
    void advanceMs(double ms) { value += ms / 86400000.0; }
};

class MemorySettings : public SettingsStore {
  public:
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;  // keys in write order
    std::string readSetting(const std::string& key) override {
        auto it = values.find(key);
        return it == values.end() ? kNotAvailable : it->second;
    }
    void writeSetting(const std::string& key, const std::string& value) override {
        values[key] = value;
        writes.push_back(key);
    }
};

// Month/day/year with slashes, pinned so tests never depend on the machine.
inline Locale usLocale() {
    Locale l;
    l.shortDatePattern = "M/d/yyyy";
    l.dateSeparator = "/";
    l.decimalSeparator = ".";
    l.thousandsSeparator = ",";
    l.currentYear = 2026;
    return l;
}

// Day.month.year with a decimal comma.
inline Locale germanLocale() {
    Locale l;
    l.shortDatePattern = "dd.MM.yyyy";
    l.dateSeparator = ".";
    l.decimalSeparator = ",";
    l.thousandsSeparator = ".";
    l.currentYear = 2026;
    return l;
}

// Year-month-day with dashes (ISO 8601).
inline Locale isoLocale() {
    Locale l = germanLocale();
    l.shortDatePattern = "yyyy-MM-dd";
    l.dateSeparator = "-";
    return l;
}

// Day/month/year with slashes and a decimal point.
inline Locale britishLocale() {
    Locale l = usLocale();
    l.shortDatePattern = "dd/MM/yyyy";
    return l;
}

}  // namespace quillet::test
