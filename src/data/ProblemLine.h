#pragma once

#include "Problem.h"

#include <optional>
#include <string_view>

namespace data {

// A test-file line: an operand, one of "+ - x /" and an operand, each after optional blanks;
// the rest of the line is ignored. The problem has its correct answer and no entered answer; a
// product with a second operand of 0 reads as 0 x a. Nothing comes back for a line that is not
// such a problem, for a division by zero, and for operands or answers beyond 16 bits.
std::optional<Problem> ParseProblemLine(std::string_view line);

} // namespace data
