#pragma once

#include "Problem.h"

#include <string_view>

namespace data {

// Reads a test-file line into `problem`: an operand, an operator character and an operand, each
// after optional blanks; the rest of the line is ignored. The operands are kept and the entered
// answer cleared; an operator of "+ - x /" also sets the operation and the correct answer, in
// 16-bit arithmetic (a product with a second operand of 0 reads as 0 x a). Any other operator,
// and a division by zero, leave the operation and the correct answer as they were. A line that
// cannot be read as two numbers around a character, or whose operands do not fit in 16 bits,
// leaves `problem` unchanged and gives false.
bool ReadProblemLine(std::string_view line, Problem& problem);

} // namespace data
