#include "tasks/WorkLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

constexpr std::int64_t kNine = 1'765'270'800'000;  // 2025-12-09T09:00:00Z
constexpr std::int64_t kMinute = 60'000;

LogId id(std::int64_t ms, std::uint32_t random = 1) {
    return {ms, random};
}

// A log with two sessions of task 2, the first booked.
std::string twoSessions(WorkLog& log) {
    std::string text = WorkLog::headerLine();
    text += log.startSession(id(kNine), {"2", "Write report"}, kNine, 7);
    text += log.endSession(id(kNine + 40 * kMinute), id(kNine), kNine + 40 * kMinute);
    text += log.book(id(kNine + 40 * kMinute, 2), {id(kNine)}, 67, {"2", "Write report"});
    text += log.addSession(id(kNine + 50 * kMinute), {"3", "Tab\there, \\ and \xE9t\xE9"},
                           kNine + 60 * kMinute, kNine + 90 * kMinute);
    return text;
}

TEST(WorkLog, ReadsBackWhatItWroteAndTimesByTheHour) {
    WorkLog written;
    const std::string text = twoSessions(written);
    std::vector<LogProblem> problems;
    const WorkLog read = WorkLog::read(text, &problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(read.sessions().size(), 2u);
    const WorkSession& first = read.sessions()[0];
    EXPECT_EQ(read.taskOf(first), (TaskName{"2", "Write report"}));
    EXPECT_EQ(read.bookingOf(first)->hundredths, 67);
    EXPECT_EQ(read.taskOf(read.sessions()[1]).description, "Tab\there, \\ and \xE9t\xE9");
    EXPECT_TRUE(read.sessions()[1].manual);
    // Between 09:30 and 10:30: the last 10 minutes of one, the first 30 of the other.
    EXPECT_EQ(read.timedBetween(kNine + 30 * kMinute, kNine + 90 * kMinute, 0, {}), 40 * kMinute);
    EXPECT_EQ(utcText(kNine), "2025-12-09T09:00:00.000Z");
    EXPECT_EQ(parseUtcText(utcText(kNine + 1234)), kNine + 1234);
}

// What a crash, another version or another machine leaves: the rest is always read.
TEST(WorkLog, BadLinesAreNamedAndSkippedAndMergedCopiesCountOnce) {
    WorkLog log;
    const std::string text = twoSessions(log);
    struct Case {
        std::string text;
        std::size_t sessions;
        std::vector<std::size_t> badLines;
    } const cases[] = {
        // A torn last line: the record a kill cut short.
        {text + "end\t" + id(kNine + 99 * kMinute).text() + "\tsession=", 2, {6}},
        // A line in the middle no one can read, and a record about no session.
        {WorkLog::headerLine() + "garbage\n" + text.substr(WorkLog::headerLine().size()) +
             "delete\t" + id(kNine + 99 * kMinute).text() + "\tsession=" + id(5).text() + "\n",
         2,
         {2, 7}},
        // A newer version's records of a kind this one does not know are skipped silently.
        {"Quillet1 work log 2\n" + text.substr(WorkLog::headerLine().size()) + "rate\t" +
             id(kNine + 99 * kMinute).text() + "\tvalue=90\n",
         2,
         {}},
        // Two copies of the log put together, one with a session of its own.
        {text + text + log.startSession(id(kNine + 200 * kMinute), {"4", "D"}, kNine, 9), 3, {}},
        {"not a log\n" + text, 0, {1}},
    };
    for (const Case& c : cases) {
        std::vector<LogProblem> problems;
        const WorkLog read = WorkLog::read(c.text, &problems);
        EXPECT_EQ(read.sessions().size(), c.sessions) << c.text;
        std::vector<std::size_t> lines;
        for (const LogProblem& problem : problems) lines.push_back(problem.line);
        EXPECT_EQ(lines, c.badLines) << c.text;
    }
}

// Corrections supersede by id, whatever order two machines wrote them in; an open session
// runs to its last sign of life, or to now while this run times it.
TEST(WorkLog, CorrectionsApplyInTheOrderTheyWereMade) {
    WorkLog log;
    std::string text =
        WorkLog::headerLine() + twoSessions(log).substr(WorkLog::headerLine().size());
    const std::string later =
        log.changeSession(id(kNine + 300 * kMinute), id(kNine), kNine - 15 * kMinute, kNine);
    const std::string earlier =
        log.changeSession(id(kNine + 200 * kMinute), id(kNine), kNine, kNine + 5 * kMinute);
    for (const std::string& order : {text + later + earlier, text + earlier + later}) {
        const WorkLog read = WorkLog::read(order);
        EXPECT_EQ(read.session(id(kNine))->start, kNine - 15 * kMinute);
        EXPECT_EQ(read.session(id(kNine))->end, kNine);
    }
    WorkLog open;
    open.startSession(id(kNine), {"1", "A"}, kNine, 7);
    open.markSeen(id(kNine), kNine + 10 * kMinute);
    EXPECT_EQ(open.timedBetween(0, kNine * 2, kNine + 60 * kMinute, {}), 10 * kMinute);
    EXPECT_EQ(open.timedBetween(0, kNine * 2, kNine + 60 * kMinute, id(kNine)), 60 * kMinute);
    EXPECT_EQ(open.openSessions(), std::vector<LogId>{id(kNine)});
}

}  // namespace
}  // namespace quillet
