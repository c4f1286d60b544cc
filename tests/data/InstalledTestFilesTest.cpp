#include "DataTestSupport.h"

#include <set>

namespace {

using Facts = std::set<std::tuple<int, int, int>>; // a, operation, b

class InstalledTestFilesTest : public DataTest {
protected:
    InstalledTestFilesTest() {
        for (const auto& file :
             std::filesystem::directory_iterator(TALLYHOP_PROGRAM_DIR "/Test Data")) {
            std::filesystem::copy_file(file.path(), TestDataPath(file.path().filename()));
        }
    }
};

// The distinct facts of a whole test of file `fileNumber`, after checking each one's answer.
Facts LoadFacts(int fileNumber, int expectedCount) {
    CTestData test;
    EXPECT_TRUE(test.Load(fileNumber));
    EXPECT_EQ(test.GetCount(), expectedCount);
    Facts facts;
    for (int i = 0; i < test.GetCount(); ++i) {
        const Problem p = test.GetProblem(i);
        facts.emplace(p.firstOperand, p.operation, p.secondOperand);
        EXPECT_GE(p.correctAnswer, 0) << i;
    }
    return facts;
}

} // namespace

TEST_F(InstalledTestFilesTest, EachFileHoldsEveryOneDigitFactOfItsKindWithCrLf) {
    Facts additions, subtractions, products, quotients, all;
    for (int a = 0; a <= 9; ++a) {
        for (int b = 0; b <= 9; ++b) {
            additions.emplace(a, kPlus, b);
            subtractions.emplace(a + b, kMinus, b);
            products.emplace(b == 0 ? 0 : a, kTimes, b == 0 ? a : b); // 6 x 0 reads 0 x 6
            if (b > 0) {
                quotients.emplace(a * b, kDividedBy, b);
            }
        }
    }
    const std::tuple<int, std::size_t, const char*, const Facts&> files[] = {
        {1, 100, "addition.txt", additions},
        {2, 100, "subtraction.txt", subtractions},
        {3, 100, "multiplication.txt", products},
        {5, 90, "division.txt", quotients}};
    for (const auto& [number, count, file, facts] : files) {
        EXPECT_EQ(LoadFacts(number, static_cast<int>(count)), facts) << file;
        EXPECT_EQ(CrLfLines(TestDataPath(file)).size(), count) << file;
        all.insert(facts.begin(), facts.end());
    }
    const Facts mixed = LoadFacts(6, 100);
    EXPECT_TRUE(std::includes(all.begin(), all.end(), mixed.begin(), mixed.end()));
    EXPECT_EQ(CrLfLines(TestDataPath("mixed.txt")).size(), 390u);
}
