#pragma once

#include <cmath>

#include <deque>
#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ports/Locale.h"
#include "ports/Ports.h"

namespace quillet {
// A message in a failed expectation reads as its English text.
inline void PrintTo(const Message& message, std::ostream* out) {
    *out << '"' << message.english() << '"';
}
}  // namespace quillet

namespace quillet::test {

// One scripted answer: true and false are Yes and No.
struct ScriptedAnswer {
    ScriptedAnswer(bool yes) : answer(yes ? Answer::Yes : Answer::No) {}  // NOLINT: as bool
    ScriptedAnswer(Answer a) : answer(a) {}                               // NOLINT
    Answer answer;
};

// Prompts answered from scripts; every message and question is recorded.
class FakePrompts : public Prompts {
  public:
    std::deque<ScriptedAnswer> yesNoAnswers;
    std::deque<std::optional<std::string>> openPaths;
    std::deque<std::optional<std::string>> savePaths;
    std::vector<std::string> messages;
    std::vector<std::string> questions;

    bool askYesNo(const Message& message) override {
        const std::string text = message.english();
        questions.push_back(text);
        const Answer answer = nextAnswer(text);
        if (answer == Answer::Cancel) throw std::logic_error("no Cancel button on: " + text);
        return answer == Answer::Yes;
    }
    Answer askYesNoCancel(const Message& message) override {
        questions.push_back(message.english());
        return nextAnswer(message.english());
    }
    // Answers to questions with named buttons: an index, or none for Cancel.
    std::deque<std::optional<std::size_t>> choices;
    std::optional<std::size_t> askChoice(const Message& message,
                                         const std::vector<Message>& buttons) override {
        const std::string text = message.english();
        questions.push_back(text);
        std::vector<std::string> captions;
        for (const Message& button : buttons) captions.push_back(button.english());
        choiceButtons.push_back(captions);
        if (choices.empty()) throw std::logic_error("unexpected question: " + text);
        const auto choice = choices.front();
        choices.pop_front();
        if (choice && *choice >= buttons.size()) throw std::logic_error("no such button");
        return choice;
    }
    std::vector<std::vector<std::string>> choiceButtons;  // each question's buttons
    void showMessage(const Message& text) override { messages.push_back(text.english()); }
    std::optional<std::string> chooseOpenPath(const std::string& startFolder) override {
        dialogFolders.push_back(startFolder);
        return next(openPaths, "open");
    }
    std::optional<std::string> chooseSavePath(const std::string& startFolder) override {
        dialogFolders.push_back(startFolder);
        return next(savePaths, "save");
    }
    // Import's dialog takes its paths from openPaths too; importDialogs counts them.
    std::optional<std::string> chooseImportPath(const std::string& startFolder) override {
        ++importDialogs;
        return chooseOpenPath(startFolder);
    }
    int importDialogs = 0;
    // Export's dialog takes its paths from savePaths, with exportFilter as the filter chosen.
    std::optional<ExportChoice> chooseExportPath(const std::string& startFolder,
                                                 const std::string& fileName) override {
        exportNames.push_back(fileName);
        const std::optional<std::string> path = chooseSavePath(startFolder);
        if (!path) return std::nullopt;
        return ExportChoice{*path, exportFilter};
    }
    ExportFormat exportFilter = ExportFormat::Xlsx;
    std::vector<std::string> exportNames;    // the name each export dialog offered
    std::vector<std::string> dialogFolders;  // where each file dialog started

  private:
    Answer nextAnswer(const std::string& text) {
        if (yesNoAnswers.empty()) throw std::logic_error("unexpected question: " + text);
        const Answer answer = yesNoAnswers.front().answer;
        yesNoAnswers.pop_front();
        return answer;
    }
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

// A clock that only moves when a test moves it. The local time is UTC plus offsetMinutes;
// setting `value` moves the wall clock and, as real time, the monotonic one too, while
// setWallClock moves the wall clock alone (the user, or a change of summer time).
class FakeClock : public Clock {
  public:
    double value = 46363.5;  // 2026-12-07 12:00
    int offsetMinutes = 0;
    std::int64_t wallJumps = 0;  // ms the wall clock was moved by hand
    double now() override { return value; }
    std::int64_t utcMs() override { return utcFromLocal(value); }
    std::int64_t monotonicMs() override { return std::llround(value * 86400000.0) - wallJumps; }
    double localFromUtc(std::int64_t ms) override {
        return static_cast<double>(ms + offsetMinutes * 60000LL) / 86400000.0 + 25569.0;
    }
    std::int64_t utcFromLocal(double local) override {
        return std::llround((local - 25569.0) * 86400000.0) - offsetMinutes * 60000LL;
    }
    void advanceMs(double ms) { value += ms / 86400000.0; }
    // The local time moves by `ms`; with keepUtc the zone's offset moves with it (summer
    // time begins or ends), else the clock itself was set.
    void setWallClock(double ms, bool keepUtc) {
        value += ms / 86400000.0;
        wallJumps += std::llround(ms);
        if (keepUtc) offsetMinutes += static_cast<int>(std::llround(ms / 60000.0));
    }
};

// Idle time a test sets: the time since the last input, or none when it cannot be read.
class FakeIdleSource : public IdleSource {
  public:
    std::optional<std::int64_t> idle = 0;
    IdleKind idleKind = IdleKind::XServer;
    IdleKind kind() const override { return idleKind; }
    std::optional<std::int64_t> idleMs() override { return idle; }
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

// A printer that records every step of the job. Each character is glyphWidth wide unless
// `widths` names it; every run is glyphHeight tall.
class FakePrintCanvas : public PrintCanvas {
  public:
    enum class Step { Begin, Draw, NewPage, End, Abort };
    struct Op {
        Step step;
        int x = 0;
        int y = 0;
        std::string text;
        bool operator==(const Op&) const = default;
        friend std::ostream& operator<<(std::ostream& os, const Op& op) {
            const char* names[] = {"Begin", "Draw", "NewPage", "End", "Abort"};
            os << names[static_cast<int>(op.step)];
            if (op.step == Step::Draw)
                os << "(" << op.x << ", " << op.y << ", \"" << op.text << "\")";
            return os;
        }
    };
    static Op draw(int x, int y, std::string text) { return {Step::Draw, x, y, std::move(text)}; }
    static Op newPageOp() { return {Step::NewPage, 0, 0, {}}; }
    static Op beginOp() { return {Step::Begin, 0, 0, {}}; }
    static Op endOp() { return {Step::End, 0, 0, {}}; }

    int width = 2000;
    int height = 3000;
    int glyphWidth = 10;
    int glyphHeight = 16;
    int fontCharHeight = 14;
    int averageWidth = 10;
    std::map<std::string, int> widths;  // per character, UTF-8
    std::optional<std::string> beginFailure;
    int failOnDraw = -1;          // this draw (counted from 0) throws PrintError
    std::size_t maxOps = 100000;  // a layout that never ends fails instead of hanging
    std::vector<Op> ops;

    void beginJob() override {
        if (beginFailure) throw PrintError(Message::verbatim(*beginFailure));
        record(beginOp());
    }
    int pageWidth() override { return width; }
    int pageHeight() override { return height; }
    int charHeight() override { return fontCharHeight; }
    int averageCharWidth() override { return averageWidth; }
    TextExtent textExtent(std::string_view text) override {
        int w = 0;
        for (std::size_t i = 0; i < text.size();) {
            std::size_t n = 1;
            while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
                ++n;
            const auto it = widths.find(std::string(text.substr(i, n)));
            w += it == widths.end() ? glyphWidth : it->second;
            i += n;
        }
        return {w, glyphHeight};
    }
    void drawText(int x, int y, std::string_view text) override {
        if (failOnDraw >= 0 && static_cast<int>(draws().size()) == failOnDraw) {
            failOnDraw = -1;
            throw PrintError("The printer reported an error.");
        }
        record({Step::Draw, x, y, std::string(text)});
    }
    void newPage() override { record(newPageOp()); }
    void endJob() override { record(endOp()); }
    void abortJob() override { record({Step::Abort, 0, 0, {}}); }

    // The drawn runs and page breaks, without the start and end of the job.
    std::vector<Op> page() const {
        std::vector<Op> out;
        for (const Op& op : ops)
            if (op.step == Step::Draw || op.step == Step::NewPage) out.push_back(op);
        return out;
    }
    std::vector<Op> draws() const {
        std::vector<Op> out;
        for (const Op& op : ops)
            if (op.step == Step::Draw) out.push_back(op);
        return out;
    }

  private:
    void record(Op op) {
        if (ops.size() >= maxOps) throw std::logic_error("the layout does not end");
        ops.push_back(std::move(op));
    }
};

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

// Records every address handed to the desktop; a desktop without openers refuses them.
class FakeUrlOpener : public UrlOpener {
  public:
    std::vector<std::string> opened;
    bool refuse = false;
    bool openUrl(const std::string& url) override {
        opened.push_back(url);
        return !refuse;
    }
};

}  // namespace quillet::test
