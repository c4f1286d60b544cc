#include "DataTestSupport.h"
#include "data/OperationFacts.h"

namespace {

class InstalledTestFilesTest : public DataTest {
protected:
    InstalledTestFilesTest() { InstallTestFiles(); }
};

} // namespace

// Which facts each single-operation file holds is the fact grid's to check.
TEST_F(InstalledTestFilesTest, EachFileHasCrLfLinesAndTheMixedTestDrawsOnlyOnTheOthersFacts) {
    const std::pair<const char*, std::size_t> files[] = {{"addition.txt", 100},
                                                         {"subtraction.txt", 100},
                                                         {"multiplication.txt", 100},
                                                         {"division.txt", 90},
                                                         {"mixed.txt", 390}};
    for (const auto& [file, lineCount] : files) {
        EXPECT_EQ(CrLfLines(TestDataPath(file)).size(), lineCount) << file;
    }
    std::vector<Problem> all;
    for (const std::int32_t kind : {kAddition, kSubtraction, kMultiplication, kDivision}) {
        const auto facts = data::ReadOperationFacts(kind).facts;
        all.insert(all.end(), facts.begin(), facts.end());
    }
    CTestData mixed;
    ASSERT_TRUE(mixed.Load(6));
    for (int i = 0; i < mixed.GetCount(); ++i) {
        const Problem problem = mixed.GetProblem(i);
        EXPECT_TRUE(std::ranges::any_of(
            all, [&problem](const Problem& fact) { return IsSameFact(fact, problem); }))
            << problem.firstOperand << " " << problem.operation << " " << problem.secondOperand;
    }
}
