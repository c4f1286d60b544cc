#include "data/CTestData.h"

#include "DataTestSupport.h"

#include <algorithm>
#include <sstream>
#include <tuple>

namespace {

using Fact = std::tuple<int, int, int, int>; // a, b, operation, correct answer

Fact FactOf(const Problem& problem) {
    return {problem.firstOperand, problem.secondOperand, problem.operation, problem.correctAnswer};
}

class TestDataTest : public DataTest {
protected:
    void WriteLines(const std::string& fileName, const std::vector<std::string>& lines,
                    const std::string& lineEnd = "\r\n") {
        std::string text;
        for (const auto& line : lines) {
            text += line + lineEnd;
        }
        WriteFile(TestDataPath(fileName), BytesOf(text));
    }

    // The file's lines, each of which must end in CR LF.
    std::vector<std::string> CrLfLines(const std::string& fileName) {
        const std::string text = TextOf(ReadFile(TestDataPath(fileName)));
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            lines.push_back(text.substr(start, end - start));
        }
        EXPECT_EQ(start, text.size()) << "the file ends in CR LF";
        return lines;
    }

    std::vector<Fact> Facts(const CTestData& test) {
        std::vector<Fact> facts;
        for (int i = 0; i < test.GetCount(); ++i) {
            facts.push_back(FactOf(test.GetProblem(i)));
        }
        return facts;
    }
};

std::vector<std::string> DivisionLines() {
    std::vector<std::string> lines;
    for (int divisor = 1; divisor <= 9; ++divisor) {
        for (int quotient = 0; quotient <= 9; ++quotient) {
            lines.push_back(std::to_string(divisor * quotient) + " / " + std::to_string(divisor));
        }
    }
    return lines;
}

std::vector<std::string> NumberedAdditions(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back(std::to_string(i) + " + 1");
    }
    return lines;
}

std::vector<std::string> Sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace

TEST_F(TestDataTest, DivisionTestIsAPermutationOfItsNinetyLines) {
    WriteLines("division.txt", DivisionLines());
    CTestData test;
    ASSERT_TRUE(test.Load(5));
    ASSERT_EQ(test.GetCount(), 90);

    std::vector<Fact> expected;
    for (int divisor = 1; divisor <= 9; ++divisor) {
        for (int quotient = 0; quotient <= 9; ++quotient) {
            expected.emplace_back(divisor * quotient, divisor, kDividedBy, quotient);
        }
    }
    std::vector<Fact> loaded = Facts(test);
    EXPECT_NE(loaded, expected) << "shuffled";
    std::sort(loaded.begin(), loaded.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(test.GetAnsweredCount(), 0);
}

TEST_F(TestDataTest, LongFilesKeepEveryLineInANewOrderWithCrLfAndNoBlanks) {
    for (const int lineCount : {400, 700}) {
        std::vector<std::string> lines = NumberedAdditions(lineCount);
        std::vector<std::string> withBlanks;
        for (const auto& line : lines) {
            withBlanks.push_back(line);
            withBlanks.push_back("");
        }
        WriteLines("mixed.txt", withBlanks, "\n");

        CTestData test;
        ASSERT_TRUE(test.Load(6));
        ASSERT_EQ(test.GetCount(), 100);
        const std::vector<std::string> after = CrLfLines("mixed.txt");
        EXPECT_NE(after, lines);
        EXPECT_EQ(Sorted(after), Sorted(lines)) << lineCount << " lines";
        for (int i = 0; i < 100; ++i) {
            const Problem problem = test.GetProblem(i);
            EXPECT_EQ(std::to_string(problem.firstOperand) + " + 1", after[i])
                << "the test takes the first lines of the shuffled file";
        }
    }
}

TEST_F(TestDataTest, BlankLinesBetweenProblemsLeaveNoGaps) {
    std::vector<std::string> lines;
    for (int i = 0; i < 100; ++i) {
        lines.push_back(std::to_string(i) + "-0");
        lines.push_back(i % 2 == 0 ? "" : " \t ");
    }
    WriteLines("subtraction.txt", lines);
    CTestData test;
    ASSERT_TRUE(test.Load(2));
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(test.GetProblem(i).operation, kMinus) << i;
    }
}

TEST_F(TestDataTest, LinesAreReadAsTheirOperatorSays) {
    struct Case {
        std::string line;
        Fact fact;
    };
    const Case cases[] = {
        {"6 x 0", {0, 6, kTimes, 0}},        {"\t7 +\t5 trailing words", {7, 5, kPlus, 12}},
        {"12-4", {12, 4, kMinus, 8}},        {"81 / 9", {81, 9, kDividedBy, 9}},
        {"-7 / 2", {-7, 2, kDividedBy, -3}}, {"3 x 4", {3, 4, kTimes, 12}},
    };
    for (const Case& c : cases) {
        WriteLines("addition.txt", {c.line});
        CTestData test;
        ASSERT_TRUE(test.Load(1));
        const Problem problem = test.GetProblem(0);
        EXPECT_EQ(FactOf(problem), c.fact) << c.line;
        EXPECT_EQ(problem.enteredAnswer, kNoValue);
        EXPECT_EQ(test.GetProblem(1), Problem{}) << "one line, the rest empty";
    }
}

TEST_F(TestDataTest, UnreadableLineEndsTheTestThere) {
    // A division by zero, operands or answers beyond 16 bits and unknown operators are never
    // turned into a problem.
    for (const std::string bad : {"5 / 0", "40000 + 1", "200 x 200", "5 * 3", "7 +"}) {
        WriteLines("multiplication.txt", {bad});
        CTestData test;
        ASSERT_TRUE(test.Load(4)) << "file 4 is the multiplication file too";
        EXPECT_EQ(test.GetCount(), 100);
        EXPECT_EQ(test.GetProblem(0), Problem{}) << bad;
    }
}

TEST_F(TestDataTest, ReloadClearsWhatTheLastTestLeft) {
    WriteLines("addition.txt", NumberedAdditions(100));
    CTestData test;
    ASSERT_TRUE(test.Load(1));
    test.SetAnswer(99, 5);
    WriteLines("addition.txt", {"1 + 1"});
    ASSERT_TRUE(test.Load(1));
    EXPECT_EQ(test.GetProblem(99), Problem{});
    EXPECT_EQ(test.GetAnsweredCount(), 0);
}

TEST_F(TestDataTest, MissingFileOrUnknownNumberChangesNothing) {
    WriteLines("addition.txt", {"2 + 2"});
    CTestData test;
    ASSERT_TRUE(test.Load(1));
    EXPECT_FALSE(test.Load(3)) << "no multiplication file";
    EXPECT_FALSE(test.Load(0));
    EXPECT_FALSE(test.Load(7));
    EXPECT_EQ(test.GetCount(), 100);
    EXPECT_EQ(FactOf(test.GetProblem(0)), Fact(2, 2, kPlus, 4));
}

TEST_F(TestDataTest, AnswersAreCountedAndAnEmptyProblemCountsAsCorrect) {
    CTestData test;
    test.SetProblem(
        0, {.firstOperand = 7, .secondOperand = 5, .operation = kPlus, .correctAnswer = 12});
    test.SetProblem(
        1, {.firstOperand = 3, .secondOperand = 3, .operation = kTimes, .correctAnswer = 9});
    test.SetProblem(2, Problem{});
    test.SetProblem(4, Problem{}); // beyond the end: ignored
    ASSERT_EQ(test.GetCount(), 3);

    EXPECT_TRUE(test.SetAnswer(0, 12));
    EXPECT_FALSE(test.SetAnswer(1, 6));
    EXPECT_EQ(test.GetCorrectCount(), 2) << "7 + 5 and the empty problem";
    EXPECT_EQ(test.GetWrongCount(), 1);
    EXPECT_EQ(test.GetAnsweredCount(), 2);
    EXPECT_EQ(test.GetProblem(1).enteredAnswer, 6);
}

TEST_F(TestDataTest, ProblemOutsideTheSetIsEmptyAndLogged) {
    CTestData test;
    test.SetProblem(
        0, {.firstOperand = 1, .secondOperand = 1, .operation = kPlus, .correctAnswer = 2});
    EXPECT_EQ(test.GetProblem(1), Problem{});
    EXPECT_EQ(test.GetProblem(-1), Problem{});
    EXPECT_EQ(ErrorRecords(),
              std::vector<std::string>(2, "GetProblem Line 0 : index out of bounds"));
}
