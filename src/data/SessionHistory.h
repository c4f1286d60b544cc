#pragma once

#include "SessionRecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CStudent;

// How a student's history reads in the progress and training windows: which records each view
// takes, when a test counts as passed, the texts of the report rows and the values of the graph
// points. Records are always taken oldest first; the reports list them newest first.
namespace history {

enum class View {
    TestScores,       // one bar per test: the number correct
    Mastery,          // one point per test: the mastery step
    TestReport,       // one row per test
    TrainingReport,   // one row per training session and per review
    TrainingProgress, // one bar per training session
};

bool TakesRecord(View view, const SessionRecord& record);

// The student's whole history, oldest first.
std::vector<SessionRecord> History(const CStudent& student);
// The records of `history` that `view` takes, in the same order.
std::vector<SessionRecord> RecordsFor(View view, std::span<const SessionRecord> history);

// Every problem right, and a whole test: 100 problems, or 90 on Division.
bool IsPassed(const SessionRecord& test);

// Where a test stands on the way through the levels, 1 (Addition, none passed yet) to 15 (Mixed,
// two passed); each level spans three steps. Nothing for a level outside 1 to 6 or a count of
// tests passed outside 0 to 3.
std::optional<int> MasteryStep(int level, int testsPassedBefore);

// The colour class of a training session's bar: 1 with the flag byte set, 2 for a one-minute
// session, 3 for any other.
int TrainingBarCategory(const SessionRecord& training);

// "45 seconds", "1 minute", "2 minutes", "1:02 hours".
std::string DurationText(int seconds);
// As the duration text below an hour; from an hour on the hours have two digits: "01:00 hours".
std::string CumulativeText(std::int64_t seconds);
// Problems right per minute; a session of no time counts as one minute.
double ProblemsPerMinute(int correct, int seconds);
// "MM/DD/YYYY" (with `separator` between the parts) of the record's time in local time.
std::string DateText(std::uint32_t time, char separator);

inline constexpr char kProgressDateSeparator = '/';
inline constexpr char kTrainingDateSeparator = '\\';

// One row of the test report, column by column.
struct TestReportRow {
    std::string test; // 1 for the oldest test
    std::string date;
    std::string level;
    std::string score;  // "97 / 100"
    std::string result; // "passed" or "not passed"
    bool passed = false;
};

// One row of a training report; a training session fills some columns, a review others, and
// each window shows the columns it has.
struct TrainingReportRow {
    std::string session; // 1 for the oldest training session; "Review" for a review
    std::string date;
    std::string level;
    std::string goal;
    std::string correct;
    std::string problems; // mistakes listed when the review began
    std::string attempts; // problems completed in the review
    std::string duration;
    std::string complete;
    std::string perMinute;
    std::string remaining;
    std::string cumulative; // all training and review time up to and including this row
};

// Newest first.
std::vector<TestReportRow> TestReportRows(std::span<const SessionRecord> history);
std::vector<TrainingReportRow> TrainingReportRows(std::span<const SessionRecord> history,
                                                  char dateSeparator);

} // namespace history
