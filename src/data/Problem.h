#pragma once

#include <cstddef>
#include <cstdint>

namespace data {
class ArchiveReader;
class ArchiveWriter;
} // namespace data

// The kind of facts a test or training session practises; also a student's level.
enum OperationKind : std::int32_t {
    kAddition = 1,
    kSubtraction = 2,
    kMultiplication = 3,
    kDivision = 4,
    kMixed = 5,
};

// The operation code stored inside a problem; 4 is not assigned.
enum ProblemOperation : std::int32_t {
    kNoOperation = 0,
    kPlus = 1,
    kMinus = 2,
    kTimes = 3,
    kDividedBy = 5,
};

// 0xFFFF in a 16-bit field: no value (an empty field, or no answer entered yet).
inline constexpr std::int16_t kNoValue = -1;

// One fact with its answers; the empty problem has no value in any field and no operation.
struct Problem {
    std::int16_t firstOperand = kNoValue;
    std::int16_t secondOperand = kNoValue;
    std::int32_t operation = kNoOperation;
    std::int16_t enteredAnswer = kNoValue;
    std::int16_t correctAnswer = kNoValue;
    std::int16_t missCount = kNoValue;     // mistake list only
    std::int16_t correctStreak = kNoValue; // mistake list only

    bool operator==(const Problem&) const = default;
};

// Stored size of a problem: 16 bytes, fields in declaration order.
inline constexpr std::size_t kProblemSize = 16;

// Operands, operation and correct answer agree; the answers given and the counts do not matter.
bool IsSameFact(const Problem& left, const Problem& right);

void WriteProblem(data::ArchiveWriter& writer, const Problem& problem);
Problem ReadProblem(data::ArchiveReader& reader);
