#pragma once

#include <QString>
#include <QStringList>
#include <deque>

#include "ports/Ports.h"

namespace quillet {

class Form1;

// A hook for tests that run the real program (tests/recovery): the environment variable
// QUILLET_TEST_SCRIPT, read only by main.cpp, holds items separated by ";":
//   yes | no | cancel  the answer to the next question (the start-up one included); a
//                      cancel given to a Yes/No question counts as no
//   button=N           the answer to the next question with named buttons: the Nth
//                      button (from 0); cancel answers it with Cancel
//   file=PATH          what the next open, save or export dialog returns (an export's
//                      format follows PATH's extension, else the workbook filter's)
//   cell=COL,ROW,TEXT  types TEXT into a cell, as the in-place editor does
//   NAME               triggers the action of that object name, e.g. mnuSave1, mnuExit1
//   shown              writes "shown " and the wall clock in nanoseconds to standard error
//                      (bench/startup times the start-up with it)
// Answers and paths are used in the order they are asked for; the cell and action items
// run in order once the window shows. While a script runs, questions and messages are
// also written to standard error, and messages are not shown (no box waits for a click).
// A question or dialog with no answer left shows for real and says "unscripted" there.
class TestScript : public Prompts {
  public:
    TestScript(const QString& script, Prompts& real);

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

    // Runs the cell and action items against the window, after the event loop starts.
    void run(Form1& form);

  private:
    std::optional<std::string> nextPath(bool save, const std::string& startFolder);

    Prompts& real_;
    std::optional<Answer> nextAnswer(const Message& text);

    std::deque<Answer> answers_;
    std::deque<std::optional<std::size_t>> choices_;
    std::deque<std::string> paths_;
    QStringList steps_;
};

}  // namespace quillet
