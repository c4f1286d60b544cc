#include "data/SessionHistory.h"
#include "SessionRecords.h"

#include <cstdlib>
#include <ctime>
#include <gmock/gmock.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace testrecords;
using testing::ElementsAre;

// Sets the process's time zone for the life of the object.
class TimeZone {
public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            old_ = old;
        }
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZone() {
        if (old_) {
            ::setenv("TZ", old_->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }

private:
    std::optional<std::string> old_;
};

std::vector<std::string> Sessions(const std::vector<history::TrainingReportRow>& rows) {
    std::vector<std::string> sessions;
    for (const auto& row : rows) {
        sessions.push_back(row.session);
    }
    return sessions;
}

} // namespace

TEST(SessionHistoryTest, EachViewTakesItsKindsOfRecordInHistoryOrder) {
    const std::vector<SessionRecord> history{TestRecord(1, 100), TrainingRecord(2, 60),
                                             ReviewRecord(3, 3, 0, 9), TestRecord(4, 100),
                                             SessionRecord{}};
    auto values = [&](history::View view) {
        std::vector<int> correct;
        for (const SessionRecord& record : history::RecordsFor(view, history)) {
            correct.push_back(record.correctCount);
        }
        return correct;
    };
    EXPECT_THAT(values(history::View::TestScores), ElementsAre(1, 4));
    EXPECT_THAT(values(history::View::Mastery), ElementsAre(1, 4));
    EXPECT_THAT(values(history::View::TestReport), ElementsAre(1, 4));
    EXPECT_THAT(values(history::View::TrainingReport), ElementsAre(2, -1));
    EXPECT_THAT(values(history::View::TrainingProgress), ElementsAre(2));
}

TEST(SessionHistoryTest, AWholeTestAllRightIsPassedAndNinetyOnlyCountsOnDivision) {
    EXPECT_TRUE(history::IsPassed(TestRecord(100, 100, 1)));
    EXPECT_FALSE(history::IsPassed(TestRecord(99, 100, 1)));
    EXPECT_TRUE(history::IsPassed(TestRecord(90, 90, 4)));
    EXPECT_FALSE(history::IsPassed(TestRecord(90, 90, 3)));
    EXPECT_FALSE(history::IsPassed(TestRecord(90, 90, 5)));
    EXPECT_FALSE(history::IsPassed(TestRecord(50, 50, 1))) << "a test cut short is not passed";
}

TEST(SessionHistoryTest, MasteryStepsRunThroughTheLevelsThreeEach) {
    EXPECT_EQ(history::MasteryStep(1, 0), 1);
    EXPECT_EQ(history::MasteryStep(4, 2), 12);
    EXPECT_EQ(history::MasteryStep(5, 2), 15);
    EXPECT_EQ(history::MasteryStep(0, 0), std::nullopt);
    EXPECT_EQ(history::MasteryStep(7, 0), std::nullopt);
    EXPECT_EQ(history::MasteryStep(1, -1), std::nullopt);
    EXPECT_EQ(history::MasteryStep(1, 4), std::nullopt);
}

TEST(SessionHistoryTest, TheTrainingBarTellsTheKindOfSession) {
    EXPECT_EQ(history::TrainingBarCategory(TrainingRecord(5, 240, 0, 3, 1)), 1);
    EXPECT_EQ(history::TrainingBarCategory(TrainingRecord(5, 60)), 2);
    EXPECT_EQ(history::TrainingBarCategory(TrainingRecord(5, 240)), 3);
    EXPECT_EQ(history::TrainingBarCategory(TrainingRecord(5, 61)), 3);
}

TEST(SessionHistoryTest, DurationsReadInSecondsMinutesOrHours) {
    EXPECT_EQ(history::DurationText(1), "1 seconds");
    EXPECT_EQ(history::DurationText(45), "45 seconds");
    EXPECT_EQ(history::DurationText(60), "1 minute");
    EXPECT_EQ(history::DurationText(119), "1 minute");
    EXPECT_EQ(history::DurationText(150), "2 minutes");
    EXPECT_EQ(history::DurationText(3599), "59 minutes");
    EXPECT_EQ(history::DurationText(3600), "1:00 hours");
    EXPECT_EQ(history::DurationText(3725), "1:02 hours");
    EXPECT_EQ(history::CumulativeText(1800), "30 minutes");
    EXPECT_EQ(history::CumulativeText(3600), "01:00 hours");
    EXPECT_EQ(history::CumulativeText(40 * 3600 + 125), "40:02 hours");
}

TEST(SessionHistoryTest, ProblemsPerMinuteCountsNoTimeAsOneMinute) {
    EXPECT_DOUBLE_EQ(history::ProblemsPerMinute(30, 120), 15.0);
    EXPECT_DOUBLE_EQ(history::ProblemsPerMinute(7, 0), 7.0);
    EXPECT_DOUBLE_EQ(history::ProblemsPerMinute(7, -5), 7.0);
    EXPECT_EQ(history::TrainingReportRows({{TrainingRecord(30, 120)}}, '/').front().perMinute,
              "15.0");
}

TEST(SessionHistoryTest, DatesAreTheLocalDayOfTheRecord) {
    EXPECT_EQ(history::DateText(kNoon, '/'), "03/07/2003");
    EXPECT_EQ(history::DateText(kNoon, '\\'), "03\\07\\2003");
    const std::uint32_t lateEvening = kNoon + 10 * 3600; // 22:00 UTC
    {
        const TimeZone east("UTC-3"); // three hours ahead of UTC
        EXPECT_EQ(history::DateText(lateEvening, '/'), "03/08/2003");
    }
    const TimeZone utc("UTC0");
    EXPECT_EQ(history::DateText(lateEvening, '/'), "03/07/2003");
}

TEST(SessionHistoryTest, TheTestReportReadsNewestFirstWithNumbersScoresAndResults) {
    const std::vector<SessionRecord> history{
        TestRecord(100, 100, 1, 0, kNoon), TrainingRecord(9, 60),
        TestRecord(99, 100, 1, 1, kNoon + kDay), TestRecord(90, 90, 4, 0, kNoon + 2 * kDay)};
    const auto rows = history::TestReportRows(history);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].test, "3");
    EXPECT_EQ(rows[0].date, "03/09/2003");
    EXPECT_EQ(rows[0].level, "Division");
    EXPECT_EQ(rows[0].score, "90 / 90");
    EXPECT_EQ(rows[0].result, "passed");
    EXPECT_TRUE(rows[0].passed);
    EXPECT_EQ(rows[1].test, "2");
    EXPECT_EQ(rows[1].score, "99 / 100");
    EXPECT_EQ(rows[1].result, "not passed");
    EXPECT_FALSE(rows[1].passed);
    EXPECT_EQ(rows[2].test, "1");
    EXPECT_EQ(rows[2].level, "Addition");
    EXPECT_TRUE(history::TestReportRows({}).empty());
}

TEST(SessionHistoryTest, TheTrainingReportInterleavesReviewsWithoutCountingThem) {
    const std::vector<SessionRecord> history{
        TrainingRecord(20, 240, 25, 3), TestRecord(100, 100), TrainingRecord(30, 60, 0, 1),
        ReviewRecord(12, 40, 0, 150), TrainingRecord(10, 240, 15, 4)};
    const auto rows = history::TrainingReportRows(history, '\\');
    EXPECT_THAT(Sessions(rows), ElementsAre("3", "Review", "2", "1"));
    EXPECT_EQ(rows[0].cumulative, "11 minutes") << "240 + 150 + 60 + 240 seconds";
    EXPECT_EQ(rows[0].date, "03\\07\\2003");
    EXPECT_EQ(rows[0].level, "Division");
    EXPECT_EQ(rows[0].goal, "15");
    EXPECT_EQ(rows[0].correct, "10");
    EXPECT_EQ(rows[0].perMinute, "2.5");

    const auto& review = rows[1];
    EXPECT_EQ(review.level, "");
    EXPECT_EQ(review.goal, "");
    EXPECT_EQ(review.correct, "");
    EXPECT_EQ(review.problems, "12");
    EXPECT_EQ(review.attempts, "40");
    EXPECT_EQ(review.duration, "2 minutes");
    EXPECT_EQ(review.complete, "Complete");
    EXPECT_EQ(review.remaining, "") << "no mistakes left";
    EXPECT_EQ(review.perMinute, "");
    EXPECT_EQ(review.cumulative, "7 minutes");

    EXPECT_EQ(rows[2].goal, "") << "no goal";
    EXPECT_EQ(rows[2].problems, "");
    EXPECT_EQ(rows[2].complete, "");
    EXPECT_EQ(rows[3].cumulative, "4 minutes");

    const auto unfinished = history::TrainingReportRows({{ReviewRecord(12, 5, 7, 30)}}, '/');
    EXPECT_EQ(unfinished[0].complete, "Incomplete");
    EXPECT_EQ(unfinished[0].remaining, "7");
}

TEST(SessionHistoryTest, CumulativeTimeTurnsIntoHoursAtTheFullHour) {
    const std::vector<SessionRecord> halfHours{TrainingRecord(1, 1800), TrainingRecord(1, 1800)};
    const auto rows = history::TrainingReportRows(halfHours, '/');
    EXPECT_EQ(rows[1].cumulative, "30 minutes");
    EXPECT_EQ(rows[0].cumulative, "01:00 hours");
    EXPECT_EQ(rows[0].duration, "30 minutes");

    const std::vector<SessionRecord> fifteen(15, TrainingRecord(1, 240));
    EXPECT_EQ(history::TrainingReportRows(fifteen, '/').front().cumulative, "01:00 hours");
}
