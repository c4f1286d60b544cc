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

// How the files of `name` on disk rate `fact`: its first tries as written, and the mistake list.
data::Fluency WrittenFluencyOf(const std::string& name, const Problem& fact);
// The first tries at `fact` written for `name`; 0 when none are.
std::uint32_t WrittenFirstTries(const std::string& name, const Problem& fact);

} // namespace guitest
