#include "ReviewTestSupport.h"

#include "StudentSupport.h"
#include "data/CStudent.h"
#include "data/CUserManager.h"
#include "data/MistakeFile.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace reviewtest {

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

void SignInStudent(const std::vector<Problem>& mistakes) {
    std::filesystem::create_directories(
        std::filesystem::path(CUserManager::GetMistakeFilePath(kStudentName)).parent_path());
    ASSERT_TRUE(data::WriteMistakeList(CUserManager::GetMistakeFilePath(kStudentName), mistakes));
    guitest::SignInStudent(kStudentName, kMultiplication, 1);
}

std::vector<Problem> StoredMistakes() {
    return data::ReadMistakeList(CUserManager::GetMistakeFilePath(GetCurrentStudent().GetName()))
        .value_or(std::vector<Problem>{});
}

} // namespace reviewtest
