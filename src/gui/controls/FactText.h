#pragma once

#include "data/Problem.h"

#include <QString>

// The sign of an operation as it is printed: a real minus, times and division sign rather than a
// hyphen, an x and a slash; a blank for no operation.
QString OperatorSign(std::int32_t operation);

// "7 × 8": the fact without its answer.
QString FactText(const Problem& fact);

// "7 plus 8", "12 minus 5", "6 times 7", "42 divided by 6": the fact as a screen reader says it.
QString SpokenFact(const Problem& fact);
