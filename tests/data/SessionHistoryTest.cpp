#include "data/SessionHistory.h"
#include "SessionRecords.h"

#include <cstdlib>
#include <gmock/gmock.h>

namespace {

using namespace testrecords;
using testing::ElementsAre;

// The date of `time` with the process in time zone `zone`; the old zone is put back.
std::string DateIn(const char* zone, std::uint32_t time) {
    const char* old = std::getenv("TZ");
    const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
    ::setenv("TZ", zone, 1);
    ::tzset();
    std::string date = history::DateText(time, '/');
    saved ? ::setenv("TZ", saved->c_str(), 1) : ::unsetenv("TZ");
    ::tzset();
    return date;
}

// Every column of a report row, in order.
std::vector<std::string> Columns(const history::TrainingReportRow& r) {
    return {r.session,  r.date,     r.level,    r.goal,      r.correct,   r.problems,
            r.attempts, r.duration, r.complete, r.perMinute, r.remaining, r.cumulative};
}

} // namespace

// Passing, the mastery step, the training bar, and the texts of durations, of problems a minute
// and of dates.
TEST(SessionHistoryTest, EachRecordIsJudgedAndWrittenAsTheViewsShowIt) {
    // A whole test all right is passed; ninety only counts on division; a test cut short is not.
    const std::pair<SessionRecord, bool> passes[] = {
        {TestRecord(100, 100, 1), true}, {TestRecord(99, 100, 1), false},
        {TestRecord(90, 90, 4), true},   {TestRecord(90, 90, 3), false},
        {TestRecord(90, 90, 5), false},  {TestRecord(50, 50, 1), false}};
    for (const auto& [record, passed] : passes) {
        EXPECT_EQ(history::IsPassed(record), passed) << record.correctCount << record.level;
    }
    // The levels three steps each; -1: no step.
    const std::tuple<int, int, int> steps[] = {{1, 0, 1},  {4, 2, 12},  {5, 2, 15}, {0, 0, -1},
                                               {7, 0, -1}, {1, -1, -1}, {1, 4, -1}};
    for (const auto& [level, passed, step] : steps) {
        EXPECT_EQ(history::MasteryStep(level, passed).value_or(-1), step) << level << "," << passed;
    }
    const std::pair<SessionRecord, int> bars[] = {{TrainingRecord(5, 240, 0, 3, 1), 1},
                                                  {TrainingRecord(5, 60), 2},
                                                  {TrainingRecord(5, 240), 3},
                                                  {TrainingRecord(5, 61), 3}};
    for (const auto& [record, category] : bars) {
        EXPECT_EQ(history::TrainingBarCategory(record), category) << record.duration;
    }
    const std::pair<int, const char*> durations[] = {
        {1, "1 seconds"},   {59, "59 seconds"},   {60, "1 minute"},     {119, "1 minute"},
        {120, "2 minutes"}, {3599, "59 minutes"}, {3600, "1:00 hours"}, {3725, "1:02 hours"}};
    for (const auto& [seconds, text] : durations) {
        EXPECT_EQ(history::DurationText(seconds), text);
    }
    const std::pair<int, const char*> cumulative[] = {
        {1800, "30 minutes"}, {3600, "01:00 hours"}, {40 * 3600 + 125, "40:02 hours"}};
    for (const auto& [seconds, text] : cumulative) {
        EXPECT_EQ(history::CumulativeText(seconds), text);
    }
    EXPECT_DOUBLE_EQ(history::ProblemsPerMinute(30, 120), 15.0);
    EXPECT_DOUBLE_EQ(history::ProblemsPerMinute(7, 0), 7.0) << "no time counts as a minute";
    EXPECT_DOUBLE_EQ(history::ProblemsPerMinute(7, -5), 7.0);
    // The local day of the record.
    EXPECT_EQ(history::DateText(kNoon, '\\'), "03\\07\\2003");
    const std::uint32_t lateEvening = kNoon + 10 * 3600; // 22:00 UTC
    EXPECT_EQ(DateIn("UTC-3", lateEvening), "03/08/2003") << "three hours ahead of UTC";
    EXPECT_EQ(DateIn("UTC0", lateEvening), "03/07/2003");
}

TEST(SessionHistoryTest, AnUnfinishedReviewIsReportedIncompleteWithTheFactsLeft) {
    const auto unfinished = history::TrainingReportRows({{ReviewRecord(12, 5, 7, 30)}}, '/');
    ASSERT_EQ(unfinished.size(), 1u);
    EXPECT_EQ(std::pair(unfinished[0].complete, unfinished[0].remaining),
              std::pair(std::string("Incomplete"), std::string("7")));
}

// A damaged record holds values the program never writes; the views show the nearest value they
// can, and say what they changed.
TEST(SessionHistoryTest, ValuesNeverRecordedAreShownWithinTheViewsLimits) {
    const std::pair<int, int> counts[] = {{-1, 0},    {0, 0},       {100, 100},
                                          {101, 100}, {32767, 100}, {-32768, 0}};
    for (const auto& [value, drawn] : counts) {
        EXPECT_EQ(history::DrawnCount(value), drawn) << value;
    }
    EXPECT_EQ(history::DrawnMasteryStep(5, 2), 15);
    EXPECT_EQ(history::DrawnMasteryStep(5, 3), 15) << "three passed on Mixed: step 16";
    EXPECT_EQ(history::DrawnMasteryStep(6, 0), 15) << "no sixth level: step 16";
    EXPECT_EQ(history::DrawnMasteryStep(7, 0), std::nullopt) << "left out, as before";

    const std::vector<SessionRecord> history{
        TestRecord(32767, 100, 6, 0),  // 1
        TrainingRecord(-3, -20, 250),  // 2
        ReviewRecord(-2, -1, -5, -45), // 3
        TrainingRecord(30, 60, 40),    // 4: nothing odd
        TestRecord(-1, -1, 1, 0),      // 5
    };
    const auto training = history::TrainingReportRows(history, '/');
    ASSERT_EQ(training.size(), 3u);
    EXPECT_THAT(Columns(training[2]), ElementsAre("1", "03/07/2003", "Multiplication", "250", "0",
                                                  "", "", "0 seconds", "", "0.0", "", "0 seconds"));
    EXPECT_THAT(Columns(training[1]), ElementsAre("Review", "03/07/2003", "", "", "", "0", "0",
                                                  "0 seconds", "Complete", "", "", "0 seconds"));
    EXPECT_EQ(training[0].cumulative, "1 minute") << "a negative time takes nothing off";
    EXPECT_EQ(history::TestReportRows(history).front().score, "0 / 0");

    EXPECT_EQ(history::ClampedValuesText(history),
              "record 1: correct 32767 shown as 100; record 1: mastery step 16 shown as 15; "
              "record 2: correct -3 shown as 0; record 2: goal 250 shown as 100; record 2: "
              "seconds -20 shown as 0 and 6 more");
    EXPECT_EQ(history::ClampedValuesText(std::vector{history[3]}), "");
}
