#pragma once

#include "data/Problem.h"

#include <string>
#include <vector>

namespace reviewtest {

inline constexpr const char* kStudentName = "Pat Jones";

// A listed mistake: `a op b` with its correct answer, a wrong entered answer and the streak of
// right first tries so far.
Problem Mistake(int a, char op, int b, int streak = 0);

// Signs in the student kStudentName (Multiplication, one test passed) with `mistakes` as the
// mistake list.
void SignInStudent(const std::vector<Problem>& mistakes);

// The current student's mistake file as it is now.
std::vector<Problem> StoredMistakes();

} // namespace reviewtest
