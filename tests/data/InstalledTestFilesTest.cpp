#include "data/CTestData.h"

#include "DataTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <tuple>

namespace {

class InstalledTestFilesTest : public DataTest {
protected:
    InstalledTestFilesTest() {
        for (const auto& file :
             std::filesystem::directory_iterator(TALLYHOP_PROGRAM_DIR "/Test Data")) {
            std::filesystem::copy_file(file.path(), TestDataPath(file.path().filename()));
        }
    }

    // The distinct facts of a whole test of file `fileNumber`, after checking each one's answer.
    std::set<std::tuple<int, int, int>> LoadFacts(int fileNumber, int expectedCount) {
        CTestData test;
        EXPECT_TRUE(test.Load(fileNumber));
        EXPECT_EQ(test.GetCount(), expectedCount);
        std::set<std::tuple<int, int, int>> facts;
        for (int i = 0; i < test.GetCount(); ++i) {
            const Problem p = test.GetProblem(i);
            facts.emplace(p.firstOperand, p.operation, p.secondOperand);
            EXPECT_GE(p.correctAnswer, 0) << i;
        }
        return facts;
    }
};

int CrLfLineCount(const Bytes& bytes) {
    int lines = 0;
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        lines += bytes[i - 1] == '\r' && bytes[i] == '\n';
    }
    EXPECT_EQ(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')),
              static_cast<std::size_t>(lines));
    return lines;
}

} // namespace

TEST_F(InstalledTestFilesTest, EachFileHoldsEveryOneDigitFactOfItsKind) {
    std::set<std::tuple<int, int, int>> additions, subtractions, products, quotients;
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
    EXPECT_EQ(LoadFacts(1, 100), additions);
    EXPECT_EQ(LoadFacts(2, 100), subtractions);
    EXPECT_EQ(LoadFacts(3, 100), products);
    EXPECT_EQ(LoadFacts(5, 90), quotients);
}

TEST_F(InstalledTestFilesTest, MixedHoldsThemAllWithCrLf) {
    LoadFacts(6, 100);
    EXPECT_EQ(CrLfLineCount(ReadFile(TestDataPath("mixed.txt"))), 390);
    EXPECT_EQ(CrLfLineCount(ReadFile(TestDataPath("division.txt"))), 90);
}
