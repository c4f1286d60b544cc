// A test file as any bytes: the shuffle and the loading of one test.
#include "FuzzSupport.h"

#include "data/CTestData.h"

#include "platform/Files.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartInput();
    WriteInputFile("/Test Data/division.txt", {data, size});
    CTestData test;
    // A file too short for a test loads nothing; otherwise every problem is a fact.
    const bool loaded = test.Load(5);
    Require(test.GetCount() == (loaded ? 90 : 0),
            "a division test has all its 90 problems or none");
    for (int i = 0; i < test.GetCount(); ++i) {
        const Problem problem = test.GetProblem(i);
        Require(problem.operation != kNoOperation, "every problem of a test is a fact");
        Require(problem.operation != kDividedBy || problem.secondOperand != 0,
                "no problem divides by zero");
        test.SetAnswer(i, problem.correctAnswer);
    }
    Require(test.GetCorrectCount() == test.GetCount(), "every right answer counts");

    const auto after = platform::ReadFileBytes(FuzzPath("/Test Data/division.txt"));
    Require(after.has_value(), "the shuffled file is still there");
    const auto lineEnds = std::count(after->begin(), after->end(), '\n');
    const auto carriageReturns = std::count(after->begin(), after->end(), '\r');
    Require(carriageReturns >= lineEnds, "every shuffled line ends in CR LF");
    return 0;
}
