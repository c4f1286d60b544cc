#pragma once

#include <cstdint>
#include <string>

namespace guitest {

// Writes a record for `name` (file form) with this level and tests passed into the data folder
// and loads it as the current student. Fails the test when the record cannot be loaded.
void SignInStudent(const std::string& name, std::int32_t level, std::int32_t testsPassed);

} // namespace guitest
