#pragma once

#include "data/FactFluency.h"
#include "data/StudentRecordFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace guitest {

// A record with password "pw", class key "Pat JonesUsers", this level and tests passed, and no
// history.
data::StudentRecord NewStudentRecord(std::int32_t level, std::int32_t testsPassed);

// Writes NewStudentRecord(level, testsPassed) with `sessions` for `name` (file form) into the
// data folder and loads it as the current student. Fails the test when it cannot be loaded.
void SignInStudent(const std::string& name, std::int32_t level, std::int32_t testsPassed,
                   const std::vector<SessionRecord>& sessions = {});

// The sessions of the record of `name` as it is on disk now.
std::vector<SessionRecord> StoredSessions(const std::string& name);

inline constexpr const char* kReviewStudent = "Pat Jones";

// A listed mistake: `a op b` with its correct answer, a wrong entered answer and the streak of
// right first tries so far.
Problem Mistake(int a, char op, int b, int streak = 0);

// Signs in kReviewStudent (Multiplication, one test passed) with `mistakes` as the mistake list.
void SignInWithMistakes(const std::vector<Problem>& mistakes);

// The current student's mistake file as it is now.
std::vector<Problem> StoredMistakes();

// How the files of `name` on disk rate `fact`: its first tries as written, and the mistake list.
data::Fluency WrittenFluencyOf(const std::string& name, const Problem& fact);
// The first tries at `fact` written for `name`; 0 when none are.
std::uint32_t WrittenFirstTries(const std::string& name, const Problem& fact);

} // namespace guitest
