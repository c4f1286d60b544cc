#include "data/FactGrid.h"
#include "DataTestSupport.h"
#include "data/OperationFacts.h"
#include "data/ProblemLine.h"

#include <iterator>
#include <set>

namespace {

using data::FactFileState;
using data::FactGrid;
using data::Fluency;

class FactGridTest : public DataTest {};

Problem Read(const std::string& line) {
    Problem fact;
    EXPECT_TRUE(data::ReadProblemLine(line, fact)) << line;
    return fact;
}

std::vector<Problem> ReadAll(const Strings& lines) {
    std::vector<Problem> facts;
    std::ranges::transform(lines, std::back_inserter(facts), Read);
    return facts;
}

// Every cell has a place of its own inside the grid, and the grid finds it there.
void ExpectEachFactOnceInside(const FactGrid& grid) {
    std::set<std::pair<int, int>> places;
    for (const data::FactCell& cell : grid.Cells()) {
        ASSERT_TRUE(cell.row >= 0 && cell.row < grid.Rows() && cell.column >= 0 &&
                    cell.column < grid.Columns());
        EXPECT_TRUE(places.emplace(cell.row, cell.column).second) << cell.row << "," << cell.column;
        EXPECT_EQ(grid.At(cell.row, cell.column), &cell);
    }
    EXPECT_EQ(grid.At(-1, 0), nullptr);
    EXPECT_EQ(grid.At(0, grid.Columns()), nullptr);
}

} // namespace

// The files the build installs: CR LF lines, each operation's facts in its grid's pattern, and a
// mixed test of only the other files' facts.
TEST_F(FactGridTest, EachInstalledFileFillsItsGridInItsOperationsPatternWithoutChangingIt) {
    InstallTestFiles();
    struct Expected {
        std::int32_t kind;
        const char* file;
        std::size_t lines;
        std::size_t facts;
        int rows;
        std::string at7And3; // the fact in row 7, column 3
    };
    // 6 x 0 reads as 0 x 6, so multiplication has nine facts fewer than lines; each of them
    // stands in both its cells, so every one of the 100 places is filled.
    const Expected kinds[] = {{kAddition, "addition.txt", 100, 100, 10, "7 + 3"},
                              {kSubtraction, "subtraction.txt", 100, 100, 10, "10 - 7"},
                              {kMultiplication, "multiplication.txt", 100, 91, 10, "7 x 3"},
                              {kDivision, "division.txt", 90, 90, 9, "24 / 8"}};
    std::vector<Problem> all;
    for (const Expected& expected : kinds) {
        SCOPED_TRACE(expected.file);
        EXPECT_EQ(CrLfLines(TestDataPath(expected.file)).size(), expected.lines);
        const Bytes before = ReadFile(TestDataPath(expected.file));
        const data::OperationFacts read = data::ReadOperationFacts(expected.kind);
        EXPECT_EQ(ReadFile(TestDataPath(expected.file)), before);
        EXPECT_EQ(std::pair(read.fileName, read.state),
                  std::pair(std::string(expected.file), FactFileState::Read));
        ASSERT_EQ(read.facts.size(), expected.facts);
        all.insert(all.end(), read.facts.begin(), read.facts.end());

        const FactGrid grid(read.facts, {}, {});
        EXPECT_TRUE(grid.InPattern());
        EXPECT_EQ(std::pair(grid.Rows(), grid.Columns()), std::pair(expected.rows, 10));
        ExpectEachFactOnceInside(grid);
        EXPECT_EQ(grid.Cells().size(), static_cast<std::size_t>(10 * expected.rows));
        EXPECT_EQ(grid.Counts().notSeen, static_cast<int>(expected.facts));
        ASSERT_NE(grid.At(7, 3), nullptr);
        EXPECT_EQ(grid.At(7, 3)->fact, Read(expected.at7And3));
    }
    EXPECT_EQ(CrLfLines(TestDataPath("mixed.txt")).size(), 390u);
    CTestData mixed;
    ASSERT_TRUE(mixed.Load(6));
    for (int i = 0; i < mixed.GetCount(); ++i) {
        const Problem problem = mixed.GetProblem(i);
        EXPECT_TRUE(std::ranges::any_of(all, [&](auto& fact) { return IsSameFact(fact, problem); }))
            << problem.firstOperand << " " << problem.operation << " " << problem.secondOperand;
    }
}

TEST_F(FactGridTest, AFactFileReadsEachUsableFactOnceInItsOrderAndFactsOffThePatternGetACell) {
    const Strings lines{"3 + 4", "   ", "seven + 2", "3 ? 4", "4 / 0", "2 + 2", "3+4", "12"};
    EXPECT_EQ(data::FactsOfLines(lines), ReadAll({"3 + 4", "2 + 2"}));
    EXPECT_EQ(data::ReadOperationFacts(kAddition).state, FactFileState::Missing);
    WriteFile(TestDataPath("addition.txt"), BytesOf("\r\nthree + four\r\n\r\n"));
    const data::OperationFacts damaged = data::ReadOperationFacts(kAddition);
    EXPECT_EQ(damaged.state, FactFileState::NoFacts);
    EXPECT_THAT(damaged.facts, IsEmpty());
    EXPECT_EQ(data::ReadOperationFacts(kMixed).fileName, "");
    const FactGrid empty(damaged.facts, {}, {});
    EXPECT_EQ(std::pair(empty.Rows(), empty.Counts().Total()), std::pair(0, 0));
    EXPECT_EQ(empty.At(0, 0), nullptr);

    Strings manySums;
    for (int a = 0; a <= 20; ++a) {
        manySums.push_back(std::to_string(a) + " + " + std::to_string(a % 3));
    }
    struct Case {
        Strings lines;
        bool inPattern;
        int rows;
    };
    const Case cases[] = {
        {{"1 + 1", "1 + 2", "12 + 1", "2 + 2"}, true, 3}, // a two-digit fact widens it by a row
        {{"1 + 1", "2 x 2", "3 - 1"}, false, 0},          // several operations
        {{"6 / 2", "7 / 2", "8 / 2"}, false, 0},          // 7 / 2 and 6 / 2 both give 3
        {manySums, false, 0},                             // 21 rows are too many to read
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.back());
        const FactGrid grid(ReadAll(c.lines), {}, {});
        EXPECT_EQ(grid.InPattern(), c.inPattern);
        EXPECT_EQ(grid.Cells().size(), c.lines.size());
        EXPECT_TRUE(c.inPattern ? grid.Rows() == c.rows : grid.Rows() <= grid.Columns());
        ExpectEachFactOnceInside(grid);
    }
}

// A child looks for 6 x 0 in row 6, column 0, and for 0 x 6 in row 0, column 6: the one fact
// stands in both, however the file writes it, and counts once.
TEST_F(FactGridTest, AProductWithZeroStandsInBothItsCellsAndCountsOnce) {
    data::FactFluency fluency;
    fluency.RecordFirstTry(Read("6 x 0"), true, 900, 1'157'112'000);
    const Strings files[] = {{"0 x 0", "0 x 6", "6 x 0", "6 x 1"},
                             {"0 x 0", "6 x 0", "6 x 1"},
                             {"0 x 0", "0 x 6", "6 x 1"}};
    for (const Strings& lines : files) {
        SCOPED_TRACE(testing::PrintToString(lines));
        const FactGrid grid(data::FactsOfLines(lines), fluency, {});
        ASSERT_TRUE(grid.InPattern());
        ASSERT_EQ(std::pair(grid.Rows(), grid.Columns()), std::pair(2, 3)) << "rows 0, 6";
        ExpectEachFactOnceInside(grid);
        // Row, column, the operands the cell reads and its colour.
        const std::tuple<int, int, int, int, Fluency> places[] = {{0, 0, 0, 0, Fluency::NotSeen},
                                                                  {0, 2, 0, 6, Fluency::Fluent},
                                                                  {1, 0, 6, 0, Fluency::Fluent},
                                                                  {1, 1, 6, 1, Fluency::NotSeen}};
        for (const auto& [row, column, first, second, fluencyThere] : places) {
            const data::FactCell* cell = grid.At(row, column);
            ASSERT_NE(cell, nullptr) << row << "," << column;
            EXPECT_EQ(std::tuple(cell->fact.firstOperand, cell->fact.secondOperand,
                                 cell->fact.correctAnswer, cell->fluency),
                      std::tuple(first, second, first * second, fluencyThere));
        }
        EXPECT_EQ(std::pair(grid.At(1, 0)->tries, grid.At(1, 0)->lastTried),
                  std::pair(1u, 1'157'112'000u));
        EXPECT_EQ(grid.At(0, 1), nullptr) << "0 x 1 is not in the file";
        EXPECT_EQ(grid.Counts(), (data::FluencyCounts{.fluent = 1, .notSeen = 2}));
    }

    // Two facts of their own for the two orders (not read from lines) keep a cell each.
    Problem sixTimesZero = Read("6 x 1");
    sixTimesZero.secondOperand = 0;
    sixTimesZero.correctAnswer = 0;
    const FactGrid apart(std::vector{Read("0 x 6"), sixTimesZero}, {}, {});
    EXPECT_TRUE(apart.InPattern());
    EXPECT_EQ(apart.Cells().size(), 2u);
    EXPECT_EQ(apart.Counts().Total(), 2);
}
