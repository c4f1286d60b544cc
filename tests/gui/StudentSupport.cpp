#include "StudentSupport.h"

#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "data/MistakeFile.h"
#include "platform/Files.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace guitest {

data::StudentRecord NewStudentRecord(std::int32_t level, std::int32_t testsPassed) {
    return {
        .password = "pw", .classKey = "Pat JonesUsers", .level = level, .testsPassed = testsPassed};
}

void SignInStudent(const std::string& name, std::int32_t level, std::int32_t testsPassed,
                   const std::vector<SessionRecord>& sessions) {
    const std::filesystem::path path = CUserManager::GetInfoFilePath(name);
    std::filesystem::create_directories(path.parent_path());
    data::StudentRecord record = NewStudentRecord(level, testsPassed);
    record.sessions = sessions;
    ASSERT_TRUE(platform::WriteFileBytes(path.string(), data::SerializeStudentRecord(record)));
    ASSERT_TRUE(GetCurrentStudent().Load(name));
}

std::vector<SessionRecord> StoredSessions(const std::string& name) {
    const auto bytes = platform::ReadFileBytes(CUserManager::GetInfoFilePath(name));
    return data::ParseStudentRecord(bytes.value())->sessions;
}

Problem Mistake(int a, char op, int b, int streak) {
    const int correct = op == '+' ? a + b : op == '-' ? a - b : op == 'x' ? a * b : a / b;
    Problem fact;
    fact.firstOperand = static_cast<std::int16_t>(a);
    fact.secondOperand = static_cast<std::int16_t>(b);
    fact.operation = op == '+' ? kPlus : op == '-' ? kMinus : op == 'x' ? kTimes : kDividedBy;
    fact.correctAnswer = static_cast<std::int16_t>(correct);
    fact.enteredAnswer = static_cast<std::int16_t>(correct + 1);
    fact.missCount = 1;
    fact.correctStreak = static_cast<std::int16_t>(streak);
    return fact;
}

void SignInWithMistakes(const std::vector<Problem>& mistakes) {
    std::filesystem::create_directories(
        std::filesystem::path(CUserManager::GetMistakeFilePath(kReviewStudent)).parent_path());
    ASSERT_TRUE(data::WriteMistakeList(CUserManager::GetMistakeFilePath(kReviewStudent), mistakes));
    SignInStudent(kReviewStudent, kMultiplication, 1);
}

std::vector<Problem> StoredMistakes() {
    return data::ReadMistakeList(CUserManager::GetMistakeFilePath(GetCurrentStudent().GetName()))
        .value_or(std::vector<Problem>{});
}

data::Fluency WrittenFluencyOf(const std::string& name, const Problem& fact) {
    const auto written = data::ReadFluencyFile(CUserManager::GetFluencyFilePath(name));
    CStudent student;
    EXPECT_TRUE(student.Load(name));
    return data::FluencyOf(written.fluency.Find(data::KeyOf(fact)), student.IsMistake(fact));
}

std::uint32_t WrittenFirstTries(const std::string& name, const Problem& fact) {
    const auto written = data::ReadFluencyFile(CUserManager::GetFluencyFilePath(name));
    const data::FactTimes* times = written.fluency.Find(data::KeyOf(fact));
    return times == nullptr ? 0 : times->shown;
}

} // namespace guitest
