#include "SessionRecords.h"

namespace testrecords {
namespace {

std::int16_t Short(int value) {
    return static_cast<std::int16_t>(value);
}

} // namespace

SessionRecord TestRecord(int correct, int answered, int level, int testsPassedBefore,
                         std::uint32_t time) {
    SessionRecord record;
    record.type = kTestSession;
    record.time = time;
    record.correctCount = Short(correct);
    record.answeredCount = Short(answered);
    record.level = Short(level);
    record.testsPassedBefore = Short(testsPassedBefore);
    return record;
}

SessionRecord TrainingRecord(int correct, int seconds, int goal, int kind, int flag) {
    SessionRecord record = TestRecord(correct, correct, kind);
    record.type = kTrainingSession;
    record.duration = Short(seconds);
    record.goal = Short(goal);
    record.flag = static_cast<std::uint8_t>(flag);
    return record;
}

SessionRecord ReviewRecord(int atStart, int completed, int left, int seconds) {
    SessionRecord record = TestRecord(-1, -1);
    record.type = kReviewSession;
    record.duration = Short(seconds);
    record.mistakesAtStart = Short(atStart);
    record.problemsCompleted = Short(completed);
    record.mistakesLeft = Short(left);
    return record;
}

} // namespace testrecords
