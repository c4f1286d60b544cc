#include "DataTestSupport.h"

namespace {

void WriteLines(const std::string& fileName, const Strings& lines,
                const std::string& lineEnd = "\r\n") {
    std::string text;
    for (const auto& line : lines) {
        text += line + lineEnd;
    }
    WriteFile(TestDataPath(fileName), BytesOf(text));
}

bool SameLinesInAnotherOrder(const Strings& after, const Strings& before) {
    return after != before &&
           std::is_permutation(after.begin(), after.end(), before.begin(), before.end());
}

// The first problem of a test loaded from an addition file of the one line `line`.
Problem FirstOfOneLine(const std::string& line) {
    WriteLines("addition.txt", {line});
    CTestData test;
    EXPECT_TRUE(test.Load(1));
    EXPECT_EQ(test.GetProblem(1), Problem{}) << "one line, the rest empty";
    return test.GetProblem(0);
}

} // namespace

using TestDataTest = DataTest;

TEST_F(TestDataTest, DivisionTestIsAPermutationOfItsNinetyLines) {
    Strings lines;
    for (int divisor = 1; divisor <= 9; ++divisor) {
        for (int quotient = 0; quotient <= 9; ++quotient) {
            lines.push_back(std::to_string(divisor * quotient) + " / " + std::to_string(divisor));
        }
    }
    WriteLines("division.txt", lines);
    CTestData test;
    ASSERT_TRUE(test.Load(5));
    ASSERT_EQ(test.GetCount(), 90);
    Strings loaded;
    for (int i = 0; i < 90; ++i) {
        const Problem p = test.GetProblem(i);
        EXPECT_EQ(p, Fact(p.firstOperand, p.secondOperand, kDividedBy));
        loaded.push_back(std::to_string(p.firstOperand) + " / " + std::to_string(p.secondOperand));
    }
    EXPECT_TRUE(SameLinesInAnotherOrder(loaded, lines));
    EXPECT_EQ(CrLfLines(TestDataPath("division.txt")), loaded) << "the file in its new order";
}

TEST_F(TestDataTest, LongFilesKeepEveryLineInANewOrderWithCrLfAndNoBlanks) {
    // 400 lines with CR LF, 700 (more than any table holds) with LF only, each with blanks between.
    for (const auto& [lineCount, lineEnd] : {std::pair(400, "\r\n"), std::pair(700, "\n")}) {
        Strings lines, withBlanks;
        for (int i = 0; i < lineCount; ++i) {
            lines.push_back(std::to_string(i) + " + 1");
            withBlanks.insert(withBlanks.end(), {lines.back(), ""});
        }
        WriteLines("mixed.txt", withBlanks, lineEnd);
        CTestData test;
        ASSERT_TRUE(test.Load(6));
        ASSERT_EQ(test.GetCount(), 100);
        const Strings after = CrLfLines(TestDataPath("mixed.txt"));
        EXPECT_TRUE(SameLinesInAnotherOrder(after, lines)) << lineCount << " lines";
        for (int i = 0; i < 100; ++i) {
            EXPECT_EQ(std::to_string(test.GetProblem(i).firstOperand) + " + 1", after[i])
                << "the test takes the first lines of the shuffled file";
        }
    }
}

TEST_F(TestDataTest, BlankLinesBetweenProblemsLeaveNoGaps) {
    Strings lines;
    for (int i = 0; i < 100; ++i) {
        lines.insert(lines.end(), {std::to_string(i) + "-0", i % 2 == 0 ? "" : " \t "});
    }
    WriteLines("subtraction.txt", lines);
    CTestData test;
    ASSERT_TRUE(test.Load(2));
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(test.GetProblem(i).operation, kMinus) << i;
    }
}

TEST_F(TestDataTest, LinesAreReadAsTheirOperatorSaysAndUnreadableOnesGiveNoProblem) {
    // A line whose operator is not known, or that would divide by zero, keeps its operands only.
    const auto operandsOnly = [](std::int16_t a, std::int16_t b) {
        return Problem{.firstOperand = a, .secondOperand = b};
    };
    const std::pair<std::string, Problem> cases[] = {
        {"6 x 0", Fact(0, 6, kTimes)},
        {"\t7 +\t5 trailing words", Fact(7, 5, kPlus)},
        {"12-4", Fact(12, 4, kMinus)},
        {"81 / 9", Fact(81, 9, kDividedBy)},
        {"-7 / 2", Fact(-7, 2, kDividedBy)},
        {"200 x 200", Fact(200, 200, kTimes)}, // the answer wraps in 16 bits
        {"5 * 3", operandsOnly(5, 3)},
        {"5 / 0", operandsOnly(5, 0)},
    };
    for (const auto& [line, problem] : cases) {
        EXPECT_EQ(FirstOfOneLine(line), problem) << line;
    }
    // Operands beyond 16 bits and lines without a second operand cannot be read.
    for (const std::string line : {"40000 + 1", "7 +", "x"}) {
        EXPECT_EQ(FirstOfOneLine(line), Problem{}) << line;
    }
}

TEST_F(TestDataTest, ReadingGoesOnPastAnUnknownOperatorButStopsAtAnUnreadableLine) {
    Strings lines(99, "1 + 1");
    lines.push_back("5 * 3");
    WriteLines("addition.txt", lines);
    CTestData test;
    ASSERT_TRUE(test.Load(1));
    int facts = 0;
    for (int i = 0; i < test.GetCount(); ++i) {
        facts += test.GetProblem(i) == Fact(1, 1) ? 1 : 0;
    }
    EXPECT_EQ(facts, 99) << "every line after the odd one is read";

    lines.back() = "1 + 40000";
    WriteLines("addition.txt", lines);
    ASSERT_TRUE(test.Load(1));
    const auto after = CrLfLines(TestDataPath("addition.txt"));
    const auto stop = std::find(after.begin(), after.end(), "1 + 40000") - after.begin();
    for (int i = 0; i < test.GetCount(); ++i) {
        EXPECT_EQ(test.GetProblem(i), i < stop ? Fact(1, 1) : Problem{}) << i;
    }
}

TEST_F(TestDataTest, LoadFillsAWholeTestAfreshOrChangesNothing) {
    WriteLines("multiplication.txt", {"2 x 2"});
    CTestData test;
    ASSERT_TRUE(test.Load(4)) << "file 4 is the multiplication file too";
    test.SetAnswer(99, 5);
    ASSERT_TRUE(test.Load(3));
    EXPECT_EQ(test.GetAnsweredCount(), 0) << "nothing left from the last test";

    EXPECT_FALSE(test.Load(1)) << "no addition file";
    EXPECT_FALSE(test.Load(0));
    EXPECT_FALSE(test.Load(7));
    EXPECT_EQ(test.GetCount(), 100);
    EXPECT_EQ(test.GetProblem(0), Fact(2, 2, kTimes));
}

TEST_F(TestDataTest, AnswersAreCountedAnEmptyProblemCountsAsCorrectAndOutsideIsLogged) {
    CTestData test;
    for (const Problem& problem : {Fact(7, 5), Fact(3, 3, kTimes), Problem{}}) {
        test.SetProblem(test.GetCount(), problem);
    }
    test.SetProblem(4, Problem{}); // beyond the end: ignored
    ASSERT_EQ(test.GetCount(), 3);
    EXPECT_TRUE(test.SetAnswer(0, 12));
    EXPECT_FALSE(test.SetAnswer(1, 6));
    EXPECT_EQ(std::tuple(test.GetCorrectCount(), test.GetWrongCount(), test.GetAnsweredCount()),
              std::tuple(2, 1, 2))
        << "7 + 5 and the empty problem are correct";
    EXPECT_EQ(test.GetProblem(1).enteredAnswer, 6);
    EXPECT_THAT(ErrorRecords(), IsEmpty());
    EXPECT_EQ(test.GetProblem(3), Problem{});
    EXPECT_EQ(test.GetProblem(-1), Problem{});
    EXPECT_EQ(ErrorRecords(), Strings(2, "GetProblem Line 0 : index out of bounds"));
}
