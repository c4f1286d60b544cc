#pragma once

#include "Problem.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace data {

enum class FactFileState { Read, Missing, NoFacts };

// The facts one kind of test is drawn from.
struct OperationFacts {
    std::string fileName; // "addition.txt" …; empty for a kind without a file of its own
    FactFileState state = FactFileState::Missing;
    std::vector<Problem> facts; // each fact once, in the order of the file
};

// The facts of the installed test file of `kind` (kAddition … kDivision), read without changing
// the file (a test shuffles it; looking must not). Mixed, and any other kind, has none.
OperationFacts ReadOperationFacts(std::int32_t kind);

// The facts a session of `kind` practises, read as ReadOperationFacts does: its own test file's,
// and for Mixed those of all four operations.
std::vector<Problem> ReadPractisedFacts(std::int32_t kind);

// The facts of test-file lines: blank lines, lines that cannot be read and lines that make no
// fact (an unknown operator, a division by zero) are skipped; a repeated fact counts once.
std::vector<Problem> FactsOfLines(std::span<const std::string> lines);

} // namespace data
