#include "shell/TestScript.h"

#include <QAction>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "shell/Form1.h"

namespace quillet {

TestScript::TestScript(const QString& script, Prompts& real) : real_(real) {
    for (const QString& item : script.split(u';', Qt::SkipEmptyParts)) {
        if (item == u"yes" || item == u"no" || item == u"cancel") {
            answers_.push_back(item == u"yes"  ? Answer::Yes
                               : item == u"no" ? Answer::No
                                               : Answer::Cancel);
        } else if (item.startsWith(u"button=")) {
            choices_.push_back(static_cast<std::size_t>(item.mid(7).toUInt()));
        } else if (item.startsWith(u"file=")) {
            paths_.push_back(item.mid(5).toStdString());
        } else {
            steps_.push_back(item);
        }
    }
}

namespace {

// The script ran out of answers: the real dialog shows and waits for a person, which on a
// display nobody watches looks like a hang. Said, so a test's log tells why.
void unscripted() {
    std::fprintf(stderr, "unscripted: the script has no answer left, the dialog waits\n");
}

}  // namespace

std::optional<Answer> TestScript::nextAnswer(const Message& text) {
    std::fprintf(stderr, "question: %s\n", text.english().c_str());
    if (answers_.empty()) return std::nullopt;
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

bool TestScript::askYesNo(const Message& text) {
    const std::optional<Answer> answer = nextAnswer(text);
    if (!answer) {
        unscripted();
        return real_.askYesNo(text);
    }
    return *answer == Answer::Yes;
}

Answer TestScript::askYesNoCancel(const Message& text) {
    const std::optional<Answer> answer = nextAnswer(text);
    if (!answer) unscripted();
    return answer ? *answer : real_.askYesNoCancel(text);
}

std::optional<std::size_t> TestScript::askChoice(const Message& text,
                                                 const std::vector<Message>& buttons) {
    std::fprintf(stderr, "question: %s\n", text.english().c_str());
    // A scripted "cancel" answers this question too.
    if (choices_.empty() && !answers_.empty() && answers_.front() == Answer::Cancel) {
        answers_.pop_front();
        return std::nullopt;
    }
    if (choices_.empty()) {
        unscripted();
        return real_.askChoice(text, buttons);
    }
    const std::optional<std::size_t> choice = choices_.front();
    choices_.pop_front();
    return choice;
}

void TestScript::showMessage(const Message& text) {
    std::fprintf(stderr, "message: %s\n", text.english().c_str());
}

std::optional<std::string> TestScript::chooseImportPath(const std::string& startFolder) {
    if (paths_.empty()) {
        unscripted();
        return real_.chooseImportPath(startFolder);
    }
    return nextPath(false, startFolder);
}

std::optional<ExportChoice> TestScript::chooseExportPath(const std::string& startFolder,
                                                         const std::string& fileName) {
    if (paths_.empty()) {
        unscripted();
        return real_.chooseExportPath(startFolder, fileName);
    }
    std::optional<std::string> path = nextPath(true, startFolder);
    return ExportChoice{std::move(*path), ExportFormat::Xlsx};
}

std::optional<std::string> TestScript::nextPath(bool save, const std::string& startFolder) {
    if (paths_.empty()) {
        unscripted();
        return save ? real_.chooseSavePath(startFolder) : real_.chooseOpenPath(startFolder);
    }
    std::string path = std::move(paths_.front());
    paths_.pop_front();
    return path;
}

std::optional<std::string> TestScript::chooseOpenPath(const std::string& startFolder) {
    return nextPath(false, startFolder);
}

std::optional<std::string> TestScript::chooseSavePath(const std::string& startFolder) {
    return nextPath(true, startFolder);
}

void TestScript::run(Form1& form) {
    QTimer::singleShot(0, &form, [this, &form] {
        for (const QString& step : steps_) {
            if (step.startsWith(u"cell=")) {
                const QStringList parts = step.mid(5).split(u',');
                if (parts.size() < 3) continue;
                const int col = parts[0].toInt();
                const int row = parts[1].toInt();
                const std::string text = step.mid(5).section(u',', 2).toStdString();
                form.runCommand([&] { form.controller().editCell(col, row, text); });
            } else if (step == u"shown") {
                // The wall clock at the first turn of the event loop after the window
                // showed, for timing the start-up from outside.
                timespec now{};
                ::clock_gettime(CLOCK_REALTIME, &now);
                std::fprintf(stderr, "shown %lld%09ld\n", static_cast<long long>(now.tv_sec),
                             now.tv_nsec);
            } else if (QAction* action = form.action(step)) {
                action->trigger();
            } else {
                std::fprintf(stderr, "no such action: %s\n", step.toUtf8().constData());
            }
        }
    });
}

}  // namespace quillet
