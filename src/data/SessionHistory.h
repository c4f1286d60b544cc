#pragma once

#include "SessionRecord.h"

#include <cstdint>
#include <functional>
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

// The largest number right the bar graphs draw, and the top step of the mastery graph's bands.
inline constexpr int kMostCorrectDrawn = 100;
inline constexpr int kTopMasteryStep = 15;

// A number right or a goal as the bar graphs draw it: 0 to kMostCorrectDrawn.
int DrawnCount(int value);
// A count or a number of seconds as the report texts show it: never below 0.
int ShownCount(int value);
// The mastery step as the bands draw it: MasteryStep, no higher than the top band.
std::optional<int> DrawnMasteryStep(int level, int testsPassedBefore);

// The values of `history` that a view of the progress or training window shows otherwise than
// stored, because the record holds what this program never writes (a damaged record): "record 4:
// correct 32767 shown as 100; …" for the error log, the first few named; empty when nothing was
// clamped.
std::string ClampedValuesText(std::span<const SessionRecord> history);

// The colour class of a training session's bar: with the flag byte set, a one-minute session, any
// other (the four-minute sessions).
inline constexpr int kFlaggedTrainingBar = 1;
inline constexpr int kOneMinuteTrainingBar = 2;
inline constexpr int kLongerTrainingBar = 3;
int TrainingBarCategory(const SessionRecord& training);

// "45 seconds", "1 minute", "2 minutes", "1:02 hours", in the program's language.
std::string DurationText(int seconds);
// As the duration text below an hour; from an hour on the hours have two digits: "01:00 hours".
std::string CumulativeText(std::int64_t seconds);
// Problems right per minute; a session of no time counts as one minute.
double ProblemsPerMinute(int correct, int seconds);
// "MM/DD/YYYY" (with `separator` between the parts) of the record's time in local time.
std::string DateText(std::uint32_t time, char separator);
// "3.5": one decimal.
std::string OneDecimalText(double value);

// How the reports show a date and a figure with one decimal. By default the program's own
// English forms above; the windows pass those of the program's language.
struct ShownForms {
    std::function<std::string(std::uint32_t time, char separator)> date = DateText;
    std::function<std::string(double value)> oneDecimal = OneDecimalText;
};

inline constexpr char kProgressDateSeparator = '/';
inline constexpr char kTrainingDateSeparator = '\\';

// One row of the test report, column by column; its words in the program's language.
struct TestReportRow {
    std::string test; // 1 for the oldest test
    std::string date;
    std::string level;
    std::string score;  // "97 / 100"; a count below 0 reads 0
    std::string result; // "passed" or "not passed"
    bool passed = false;
};

// One row of a training report; a training session fills some columns, a review others, and
// each window shows the columns it has. Counts and times below 0 read 0, also in the total.
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
std::vector<TestReportRow> TestReportRows(std::span<const SessionRecord> history,
                                          const ShownForms& forms = {});
std::vector<TrainingReportRow> TrainingReportRows(std::span<const SessionRecord> history,
                                                  char dateSeparator, const ShownForms& forms = {});

} // namespace history
