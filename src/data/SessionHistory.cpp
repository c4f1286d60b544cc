#include "SessionHistory.h"

#include "CStudent.h"

#include "platform/ShownText.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace history {
namespace {

constexpr int kDivision = 4;
constexpr int kWholeTest = 100;
constexpr int kWholeDivisionTest = 90;
constexpr int kLevels = 6;
constexpr int kTestsPerLevel = 3;
constexpr int kOneMinute = 60;
constexpr int kOneHour = 3600;

constexpr platform::TextToShow kPassed = platform::ShownText("SessionHistory", "passed");
constexpr platform::TextToShow kNotPassed = platform::ShownText("SessionHistory", "not passed");
constexpr platform::TextToShow kComplete = platform::ShownText("SessionHistory", "Complete");
constexpr platform::TextToShow kIncomplete = platform::ShownText("SessionHistory", "Incomplete");

std::string Format(const char* format, auto... values) {
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string Number(int value) {
    return std::to_string(value);
}

// A number that is left out when it is 0.
std::string NumberOrEmpty(int value) {
    return value == 0 ? std::string() : Number(value);
}

std::string TrainingPerMinute(const SessionRecord& training, const ShownForms& forms) {
    return forms.oneDecimal(
        ProblemsPerMinute(ShownCount(training.correctCount), ShownCount(training.duration)));
}

// "1:02 hours"; the hours written as given.
std::string HoursText(const std::string& hours, std::int64_t seconds) {
    return platform::Say(
        platform::ShownText("SessionHistory", "%1:%2 hours"),
        {hours, Format("%.2lld", static_cast<long long>(seconds / kOneMinute % 60))});
}

// The log names this many clamped values; a damaged history may hold thousands.
constexpr std::size_t kClampedNamed = 5;

// A value shown otherwise than stored.
struct ClampedValue {
    int record; // 1 for the oldest record of the history
    const char* field;
    int stored;
    int shown;
};

void NoteIfClamped(std::vector<ClampedValue>& clamped, int record, const char* field, int stored,
                   int shown) {
    if (stored != shown) {
        clamped.push_back({record, field, stored, shown});
    }
}

std::vector<ClampedValue> ClampedValues(std::span<const SessionRecord> history) {
    std::vector<ClampedValue> clamped;
    for (std::size_t index = 0; index < history.size(); ++index) {
        const SessionRecord& r = history[index];
        const int n = static_cast<int>(index) + 1;
        if (r.type == kTestSession) {
            NoteIfClamped(clamped, n, "correct", r.correctCount, DrawnCount(r.correctCount));
            NoteIfClamped(clamped, n, "answered", r.answeredCount, ShownCount(r.answeredCount));
            if (const auto step = MasteryStep(r.level, r.testsPassedBefore)) {
                NoteIfClamped(clamped, n, "mastery step", *step,
                              *DrawnMasteryStep(r.level, r.testsPassedBefore));
            }
        } else if (r.type == kTrainingSession) {
            NoteIfClamped(clamped, n, "correct", r.correctCount, DrawnCount(r.correctCount));
            NoteIfClamped(clamped, n, "goal", r.goal, DrawnCount(r.goal));
            NoteIfClamped(clamped, n, "seconds", r.duration, ShownCount(r.duration));
        } else if (r.type == kReviewSession) {
            NoteIfClamped(clamped, n, "seconds", r.duration, ShownCount(r.duration));
            NoteIfClamped(clamped, n, "mistakes listed", r.mistakesAtStart,
                          ShownCount(r.mistakesAtStart));
            NoteIfClamped(clamped, n, "problems completed", r.problemsCompleted,
                          ShownCount(r.problemsCompleted));
            NoteIfClamped(clamped, n, "mistakes left", r.mistakesLeft, ShownCount(r.mistakesLeft));
        }
    }
    return clamped;
}

} // namespace

bool TakesRecord(View view, const SessionRecord& record) {
    switch (view) {
    case View::TestScores:
    case View::Mastery:
    case View::TestReport:
        return record.type == kTestSession;
    case View::TrainingReport:
        return record.type == kTrainingSession || record.type == kReviewSession;
    case View::TrainingProgress:
        return record.type == kTrainingSession;
    }
    return false;
}

std::vector<SessionRecord> History(const CStudent& student) {
    std::vector<SessionRecord> records;
    const int count = student.GetSessionCount();
    records.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int index = 0; index < count; ++index) {
        records.push_back(student.GetSession(index));
    }
    return records;
}

std::vector<SessionRecord> RecordsFor(View view, std::span<const SessionRecord> history) {
    std::vector<SessionRecord> records;
    std::ranges::copy_if(history, std::back_inserter(records),
                         [view](const SessionRecord& record) { return TakesRecord(view, record); });
    return records;
}

bool IsPassed(const SessionRecord& test) {
    return test.correctCount == test.answeredCount &&
           (test.answeredCount == kWholeTest ||
            (test.answeredCount == kWholeDivisionTest && test.level == kDivision));
}

std::optional<int> MasteryStep(int level, int testsPassedBefore) {
    if (level < 1 || level > kLevels || testsPassedBefore < 0 ||
        testsPassedBefore > kTestsPerLevel) {
        return std::nullopt;
    }
    return kTestsPerLevel * level + testsPassedBefore - 2;
}

int DrawnCount(int value) {
    return std::clamp(value, 0, kMostCorrectDrawn);
}

int ShownCount(int value) {
    return std::max(value, 0);
}

std::optional<int> DrawnMasteryStep(int level, int testsPassedBefore) {
    const std::optional<int> step = MasteryStep(level, testsPassedBefore);
    return step ? std::optional(std::min(*step, kTopMasteryStep)) : std::nullopt;
}

std::string ClampedValuesText(std::span<const SessionRecord> history) {
    const std::vector<ClampedValue> clamped = ClampedValues(history);
    std::string text;
    for (std::size_t index = 0; index < std::min(clamped.size(), kClampedNamed); ++index) {
        const ClampedValue& value = clamped[index];
        text += (index == 0 ? "" : "; ") + Format("record %d: %s %d shown as %d", value.record,
                                                  std::string(value.field).c_str(), value.stored,
                                                  value.shown);
    }
    if (clamped.size() > kClampedNamed) {
        text += Format(" and %d more", static_cast<int>(clamped.size() - kClampedNamed));
    }
    return text;
}

int TrainingBarCategory(const SessionRecord& training) {
    if (training.flag != 0) {
        return kFlaggedTrainingBar;
    }
    return training.duration == kOneMinute ? kOneMinuteTrainingBar : kLongerTrainingBar;
}

std::string DurationText(int seconds) {
    if (seconds < kOneMinute) {
        return platform::SayCount(platform::CountedText("SessionHistory", "%n seconds"), seconds);
    }
    if (seconds < 2 * kOneMinute) {
        return platform::Say(platform::ShownText("SessionHistory", "1 minute"));
    }
    if (seconds < kOneHour) {
        return platform::SayCount(platform::CountedText("SessionHistory", "%n minutes"),
                                  seconds / kOneMinute);
    }
    return HoursText(Number(seconds / kOneHour), seconds);
}

std::string CumulativeText(std::int64_t seconds) {
    if (seconds < kOneHour) {
        return DurationText(static_cast<int>(seconds));
    }
    return HoursText(Format("%.2lld", static_cast<long long>(seconds / kOneHour)), seconds);
}

double ProblemsPerMinute(int correct, int seconds) {
    const double minutes = seconds > 0 ? seconds * (1.0 / kOneMinute) : 1.0;
    return correct / minutes;
}

std::string DateText(std::uint32_t time, char separator) {
    const std::time_t when = static_cast<std::time_t>(time);
    std::tm parts{};
    localtime_r(&when, &parts);
    return Format("%02d%c%02d%c%04d", parts.tm_mon + 1, separator, parts.tm_mday, separator,
                  parts.tm_year + 1900);
}

std::string OneDecimalText(double value) {
    return Format("%.1f", value);
}

std::vector<TestReportRow> TestReportRows(std::span<const SessionRecord> history,
                                          const ShownForms& forms) {
    std::vector<TestReportRow> rows;
    int number = 0;
    for (const SessionRecord& test : RecordsFor(View::TestReport, history)) {
        const bool passed = IsPassed(test);
        rows.push_back({.test = Number(++number),
                        .date = forms.date(test.time, kProgressDateSeparator),
                        .level = GetOperationName(test.level),
                        .score = Format("%d / %d", ShownCount(test.correctCount),
                                        ShownCount(test.answeredCount)),
                        .result = platform::Say(passed ? kPassed : kNotPassed),
                        .passed = passed});
    }
    std::ranges::reverse(rows);
    return rows;
}

std::vector<TrainingReportRow> TrainingReportRows(std::span<const SessionRecord> history,
                                                  char dateSeparator, const ShownForms& forms) {
    std::vector<TrainingReportRow> rows;
    int trainingNumber = 0;
    std::int64_t totalSeconds = 0;
    for (const SessionRecord& session : RecordsFor(View::TrainingReport, history)) {
        const int seconds = ShownCount(session.duration);
        totalSeconds += seconds;
        TrainingReportRow row{.date = forms.date(session.time, dateSeparator),
                              .duration = DurationText(seconds),
                              .cumulative = CumulativeText(totalSeconds)};
        if (session.type == kTrainingSession) {
            row.session = Number(++trainingNumber);
            row.level = GetOperationName(session.level);
            row.goal = NumberOrEmpty(ShownCount(session.goal));
            row.correct = Number(ShownCount(session.correctCount));
            row.perMinute = TrainingPerMinute(session, forms);
        } else {
            const int left = ShownCount(session.mistakesLeft);
            row.session = platform::Say(platform::ShownText("SessionHistory", "Review"));
            row.problems = Number(ShownCount(session.mistakesAtStart));
            row.attempts = Number(ShownCount(session.problemsCompleted));
            row.complete = platform::Say(left == 0 ? kComplete : kIncomplete);
            row.remaining = NumberOrEmpty(left);
        }
        rows.push_back(std::move(row));
    }
    std::ranges::reverse(rows);
    return rows;
}

} // namespace history
