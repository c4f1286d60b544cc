#include "OperationFacts.h"

#include "CTestData.h"
#include "FactFluency.h"
#include "ProblemLine.h"
#include "TestFileShuffle.h"

#include <set>

namespace data {

std::vector<Problem> FactsOfLines(std::span<const std::string> lines) {
    std::vector<Problem> facts;
    std::set<FactKey> seen;
    for (const std::string& line : lines) {
        Problem fact;
        if (ReadProblemLine(line, fact) && fact.operation != kNoOperation &&
            seen.insert(KeyOf(fact)).second) {
            facts.push_back(fact);
        }
    }
    return facts;
}

OperationFacts ReadOperationFacts(std::int32_t kind) {
    if (kind < kAddition || kind > kDivision) {
        return {};
    }
    const int fileNumber = TestFileNumber(kind);
    OperationFacts read{.fileName = TestFileName(fileNumber)};
    const auto lines = ReadTestFileLines(InstalledTestFilePath(fileNumber));
    if (!lines) {
        return read;
    }
    read.facts = FactsOfLines(*lines);
    read.state = read.facts.empty() ? FactFileState::NoFacts : FactFileState::Read;
    return read;
}

std::vector<Problem> ReadPractisedFacts(std::int32_t kind) {
    if (kind != kMixed) {
        return ReadOperationFacts(kind).facts;
    }
    std::vector<Problem> facts;
    for (std::int32_t operation = kAddition; operation <= kDivision; ++operation) {
        const std::vector<Problem> own = ReadOperationFacts(operation).facts;
        facts.insert(facts.end(), own.begin(), own.end());
    }
    return facts;
}

} // namespace data
