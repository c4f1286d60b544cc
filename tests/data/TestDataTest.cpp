#include "DataTestSupport.h"

#include "data/ProblemLine.h"

#include <regex>

namespace {

void WriteLines(const std::string& fileName, const Strings& lines,
                const std::string& lineEnd = "\r\n") {
    std::string text;
    for (const auto& line : lines) {
        text += line + lineEnd;
    }
    WriteFile(TestDataPath(fileName), BytesOf(text));
}

// The error records with their line numbers left out.
Strings ErrorRecordsWithoutLines() {
    Strings records = ErrorRecords();
    for (std::string& record : records) {
        record = std::regex_replace(record, std::regex("Line [0-9]+"), "Line #");
    }
    return records;
}

// The error record of a file that cannot fill a test.
std::string TooFewRecord(const std::string& fileName, int usable, int needed) {
    return "Ctestdata Line # :   " + TestDataPath(fileName) + " holds " + std::to_string(usable) +
           " usable problems; a test needs " + std::to_string(needed) + ".";
}

} // namespace

using TestDataTest = DataTest;

TEST_F(TestDataTest, FilesKeepEveryLineInANewOrderWithCrLfAndATestTakesTheFirstFacts) {
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
        EXPECT_NE(after, lines) << lineCount << " lines";
        EXPECT_TRUE(std::is_permutation(after.begin(), after.end(), lines.begin(), lines.end()));
        for (int i = 0; i < 100; ++i) {
            EXPECT_EQ(std::to_string(test.GetProblem(i).firstOperand) + " + 1", after[i]);
        }
    }
    Strings lines; // lines of blanks between the problems leave no gaps
    for (int i = 0; i < 100; ++i) {
        lines.insert(lines.end(), {std::to_string(i) + "-0", i % 2 == 0 ? "" : " \t "});
    }
    WriteLines("subtraction.txt", lines);
    CTestData test;
    ASSERT_TRUE(test.Load(2));
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(test.GetProblem(i).operation, kMinus) << i;
    }
    EXPECT_THAT(ErrorRecords(), IsEmpty()) << "a blank line is no line without a fact";
}

TEST_F(TestDataTest, LinesAreReadAsTheirOperatorSaysAndUnreadableOnesGiveNoProblem) {
    // A line whose operator is not known, or that would divide by zero, keeps its operands only;
    // operands beyond 16 bits and lines without a second operand cannot be read; a product wraps.
    const auto operandsOnly = [](std::int16_t a, std::int16_t b) {
        return Problem{.firstOperand = a, .secondOperand = b};
    };
    const std::pair<std::string, Problem> cases[] = {{"6 x 0", Fact(0, 6, kTimes)},
                                                     {"\t7 +\t5 trailing words", Fact(7, 5, kPlus)},
                                                     {"12-4", Fact(12, 4, kMinus)},
                                                     {"81 / 9", Fact(81, 9, kDividedBy)},
                                                     {"-7 / 2", Fact(-7, 2, kDividedBy)},
                                                     {"200 x 200", Fact(200, 200, kTimes)},
                                                     {"5 * 3", operandsOnly(5, 3)},
                                                     {"5 / 0", operandsOnly(5, 0)},
                                                     {"40000 + 1", Problem{}},
                                                     {"7 +", Problem{}},
                                                     {"x", Problem{}}};
    for (const auto& [line, problem] : cases) {
        Problem read;
        data::ReadProblemLine(line, read);
        EXPECT_EQ(read, problem) << line;
    }
}

// A test must be made of facts: an empty problem would count as a right answer nobody gave.
TEST_F(TestDataTest, AFileThatCannotFillATestWithFactsLoadsNothingAndSaysWhy) {
    CTestData test;
    WriteLines("multiplication.txt", Strings(100, "2 x 2"));
    ASSERT_TRUE(test.Load(4)) << "file 4 is the multiplication file too";
    test.SetAnswer(99, 5);
    ASSERT_TRUE(test.Load(3));
    EXPECT_EQ(test.GetAnsweredCount(), 0) << "nothing left from the last test";
    EXPECT_THAT(ErrorRecords(), IsEmpty());

    for (const int lineCount : {0, 20, 99}) {
        WriteLines("addition.txt", Strings(static_cast<std::size_t>(lineCount), "1 + 1"));
        EXPECT_FALSE(test.Load(1)) << lineCount << " lines";
        EXPECT_EQ(ErrorRecordsWithoutLines().back(), TooFewRecord("addition.txt", lineCount, 100));
    }
    WriteLines("division.txt", Strings(89, "8 / 2"));
    EXPECT_FALSE(test.Load(5));
    EXPECT_EQ(ErrorRecordsWithoutLines().back(), TooFewRecord("division.txt", 89, 90));
    for (const std::string noFact : {"5 * 3", "1 + 40000"}) { // passed over, counting for nothing
        Strings lines(99, "1 + 1");
        lines.push_back(noFact);
        WriteLines("addition.txt", lines);
        EXPECT_FALSE(test.Load(1)) << noFact;
        EXPECT_EQ(ErrorRecordsWithoutLines().back(), TooFewRecord("addition.txt", 99, 100));
    }
    EXPECT_FALSE(test.Load(0));
    EXPECT_FALSE(test.Load(7));
    std::filesystem::remove(TestDataPath("addition.txt"));
    EXPECT_FALSE(test.Load(1)) << "no addition file";
    EXPECT_EQ(test.GetCount(), 100) << "every failed load left the last test as it was";
    EXPECT_EQ(test.GetProblem(0), Fact(2, 2, kTimes));

    WriteLines("addition.txt", Strings(100, "1 + 1"));
    EXPECT_TRUE(test.Load(1)) << "a full file loads as ever";
    WriteLines("division.txt", Strings(90, "8 / 2"));
    EXPECT_TRUE(test.Load(5));
}

// Wherever the shuffle puts them, lines without a fact never cost a test its cards: each one met
// before the test is full is named in the error log as it is passed over.
TEST_F(TestDataTest, LinesWithoutAFactArePassedOverWhileEnoughFactsFillTheTest) {
    const std::string fact = "3 x 4";
    Strings lines(100, fact);
    lines.insert(lines.begin() + 50, {"5 ? 3", "7 / 0", "x", "1 + 40000", "4 % 2"});
    for (int load = 0; load < 20; ++load) {
        SCOPED_TRACE(load);
        std::filesystem::remove(fakes.Path("/Error Log.txt"));
        WriteLines("mixed.txt", lines);
        CTestData test;
        ASSERT_TRUE(test.Load(6));
        for (int i = 0; i < test.GetCount(); ++i) {
            ASSERT_EQ(test.GetProblem(i), Fact(3, 4, kTimes)) << i;
        }
        Strings passedOver;
        const Strings shuffled = CrLfLines(TestDataPath("mixed.txt"));
        const auto lastFact = std::find_end(shuffled.begin(), shuffled.end(), &fact, &fact + 1);
        for (auto line = shuffled.begin(); line != lastFact; ++line) {
            if (*line != fact) {
                passedOver.push_back("Ctestdata Line # :   " + TestDataPath("mixed.txt") +
                                     ": the line \"" + *line +
                                     "\" holds no fact and is passed over.");
            }
        }
        EXPECT_EQ(ErrorRecordsWithoutLines(), passedOver);
    }
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
