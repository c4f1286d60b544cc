#include "data/FactGrid.h"
#include "DataTestSupport.h"
#include "data/OperationFacts.h"
#include "data/ProblemLine.h"

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
    for (const std::string& line : lines) {
        facts.push_back(Read(line));
    }
    return facts;
}

FactGrid GridOf(const Strings& lines) {
    return FactGrid(ReadAll(lines), {}, {});
}

// Every cell has a place of its own inside the grid, and the grid finds it there.
void ExpectEachFactOnceInside(const FactGrid& grid) {
    std::set<std::pair<int, int>> places;
    for (const data::FactCell& cell : grid.Cells()) {
        ASSERT_GE(cell.row, 0);
        ASSERT_LT(cell.row, grid.Rows());
        ASSERT_GE(cell.column, 0);
        ASSERT_LT(cell.column, grid.Columns());
        EXPECT_TRUE(places.emplace(cell.row, cell.column).second) << cell.row << "," << cell.column;
        EXPECT_EQ(grid.At(cell.row, cell.column), &cell);
    }
    EXPECT_EQ(grid.At(-1, 0), nullptr);
    EXPECT_EQ(grid.At(0, grid.Columns()), nullptr);
}

} // namespace

TEST_F(FactGridTest, EachInstalledFileFillsItsGridInItsOperationsPatternWithoutChangingIt) {
    InstallTestFiles();
    struct Expected {
        std::int32_t kind;
        const char* file;
        std::size_t facts;
        int rows;
        std::string at7And3; // the fact in row 7, column 3
        std::size_t cells;
    };
    // 6 x 0 reads as 0 x 6, so multiplication has nine facts fewer than lines; each of them
    // stands in both its cells, so every one of the 100 places is filled.
    const Expected kinds[] = {{kAddition, "addition.txt", 100, 10, "7 + 3", 100},
                              {kSubtraction, "subtraction.txt", 100, 10, "10 - 7", 100},
                              {kMultiplication, "multiplication.txt", 91, 10, "7 x 3", 100},
                              {kDivision, "division.txt", 90, 9, "24 / 8", 90}};
    for (const Expected& expected : kinds) {
        SCOPED_TRACE(expected.file);
        const Bytes before = ReadFile(TestDataPath(expected.file));
        const data::OperationFacts read = data::ReadOperationFacts(expected.kind);
        EXPECT_EQ(ReadFile(TestDataPath(expected.file)), before);
        EXPECT_EQ(read.fileName, expected.file);
        EXPECT_EQ(read.state, FactFileState::Read);
        ASSERT_EQ(read.facts.size(), expected.facts);

        const FactGrid grid(read.facts, {}, {});
        EXPECT_TRUE(grid.InPattern());
        EXPECT_EQ(grid.Rows(), expected.rows);
        EXPECT_EQ(grid.Columns(), 10);
        ExpectEachFactOnceInside(grid);
        EXPECT_EQ(grid.Cells().size(), expected.cells);
        EXPECT_EQ(grid.Counts().Total(), static_cast<int>(expected.facts));
        ASSERT_NE(grid.At(7, 3), nullptr);
        EXPECT_EQ(grid.At(7, 3)->fact, Read(expected.at7And3));
        EXPECT_EQ(grid.Counts().notSeen, static_cast<int>(expected.facts));
    }
}

TEST_F(FactGridTest, AFactFileReadsEachUsableFactOnceInItsOrder) {
    const Strings lines{"3 + 4", "   ", "seven + 2", "3 ? 4", "4 / 0", "2 + 2", "3+4", "12"};
    EXPECT_EQ(data::FactsOfLines(lines), ReadAll({"3 + 4", "2 + 2"}));

    EXPECT_EQ(data::ReadOperationFacts(kAddition).state, FactFileState::Missing);
    WriteFile(TestDataPath("addition.txt"), BytesOf("\r\nthree + four\r\n\r\n"));
    const data::OperationFacts damaged = data::ReadOperationFacts(kAddition);
    EXPECT_EQ(damaged.state, FactFileState::NoFacts);
    EXPECT_THAT(damaged.facts, IsEmpty());
    EXPECT_EQ(data::ReadOperationFacts(kMixed).fileName, "");

    const FactGrid empty(damaged.facts, {}, {});
    EXPECT_EQ(empty.Rows(), 0);
    EXPECT_EQ(empty.Counts().Total(), 0);
    EXPECT_EQ(empty.At(0, 0), nullptr);
}

TEST_F(FactGridTest, FactsOutsideTheUsualPatternStillGetACellEach) {
    // A two-digit fact widens the pattern by a row.
    const FactGrid wider = GridOf({"1 + 1", "1 + 2", "12 + 1", "2 + 2"});
    EXPECT_TRUE(wider.InPattern());
    EXPECT_EQ(wider.Rows(), 3);
    ExpectEachFactOnceInside(wider);

    const std::vector<Strings> offPattern{
        {"1 + 1", "2 x 2", "3 - 1"}, // several operations
        {"6 / 2", "7 / 2", "8 / 2"}, // 7 / 2 and 6 / 2 both give 3
    };
    for (const Strings& lines : offPattern) {
        const FactGrid grid = GridOf(lines);
        EXPECT_FALSE(grid.InPattern());
        EXPECT_EQ(grid.Cells().size(), lines.size());
        ExpectEachFactOnceInside(grid);
    }

    Strings manySums;
    for (int a = 0; a <= 20; ++a) {
        manySums.push_back(std::to_string(a) + " + " + std::to_string(a % 3));
    }
    const FactGrid tall = GridOf(manySums);
    EXPECT_FALSE(tall.InPattern()) << "21 rows are too many to read";
    EXPECT_LE(tall.Rows(), tall.Columns());
    ExpectEachFactOnceInside(tall);
}

TEST_F(FactGridTest, ACellTakesItsColourFromTheFirstTriesAndTheMistakeList) {
    const Strings lines{"2 + 3", "4 + 4", "5 + 1", "6 + 2", "7 + 0", "9 + 9"};
    data::FactFluency fluency;
    fluency.RecordFirstTry(Read("2 + 3"), true, 2000);
    fluency.RecordFirstTry(Read("4 + 4"), true, 4000);
    fluency.RecordFirstTry(Read("5 + 1"), true, 1000);
    fluency.RecordFirstTry(Read("5 + 1"), false, 1000);
    fluency.RecordFirstTry(Read("6 + 2"), true, 1500);
    fluency.RecordFirstTry(Read("3 x 4"), true, 1500); // a fact of another file
    Problem listed = Fact(6, 2);
    listed.missCount = 2;
    listed.enteredAnswer = 9;
    const std::vector<Problem> mistakes{listed, Fact(7, 0)};

    const FactGrid grid(ReadAll(lines), fluency, mistakes);
    const auto cell = [&](const std::string& line) {
        const auto& cells = grid.Cells();
        return *std::find_if(cells.begin(), cells.end(),
                             [&](const data::FactCell& c) { return c.fact == Read(line); });
    };
    EXPECT_EQ(cell("2 + 3").fluency, Fluency::Fluent);
    EXPECT_EQ(cell("2 + 3").medianMs, 2000u);
    EXPECT_EQ(cell("4 + 4").fluency, Fluency::Slow);
    EXPECT_EQ(cell("5 + 1").fluency, Fluency::Missed) << "the last first try was wrong";
    EXPECT_FALSE(cell("5 + 1").listed);
    EXPECT_EQ(cell("6 + 2").fluency, Fluency::Missed) << "on the list, however quick";
    EXPECT_TRUE(cell("6 + 2").listed);
    EXPECT_EQ(cell("7 + 0").fluency, Fluency::Missed) << "listed before any timing";
    EXPECT_EQ(cell("7 + 0").medianMs, std::nullopt);
    EXPECT_EQ(cell("9 + 9").fluency, Fluency::NotSeen);
    EXPECT_EQ(grid.Counts(),
              (data::FluencyCounts{.fluent = 1, .slow = 1, .missed = 3, .notSeen = 1}));
}

// A child looks for 6 x 0 in row 6, column 0, and for 0 x 6 in row 0, column 6: the one fact
// stands in both, however the file writes it, and counts once.
TEST_F(FactGridTest, AProductWithZeroStandsInBothItsCellsAndCountsOnce) {
    data::FactFluency fluency;
    fluency.RecordFirstTry(Read("6 x 0"), true, 900, 1'157'112'000);
    struct Case {
        const char* what;
        Strings lines;
    };
    const Case files[] = {{"both orders", {"0 x 0", "0 x 6", "6 x 0", "6 x 1"}},
                          {"only 6 x 0", {"0 x 0", "6 x 0", "6 x 1"}},
                          {"only 0 x 6", {"0 x 0", "0 x 6", "6 x 1"}}};
    for (const Case& file : files) {
        SCOPED_TRACE(file.what);
        const FactGrid grid(data::FactsOfLines(file.lines), fluency, {});
        ASSERT_TRUE(grid.InPattern());
        ASSERT_EQ(std::pair(grid.Rows(), grid.Columns()), std::pair(2, 3)) << "rows 0, 6";
        ExpectEachFactOnceInside(grid);
        struct Place {
            int row;
            int column;
            int first; // the operands the cell reads
            int second;
            Fluency fluency;
        };
        const Place places[] = {{0, 0, 0, 0, Fluency::NotSeen},
                                {0, 2, 0, 6, Fluency::Fluent},
                                {1, 0, 6, 0, Fluency::Fluent},
                                {1, 1, 6, 1, Fluency::NotSeen}};
        for (const Place& place : places) {
            const data::FactCell* cell = grid.At(place.row, place.column);
            ASSERT_NE(cell, nullptr) << place.row << "," << place.column;
            const std::pair<int, int> operands(cell->fact.firstOperand, cell->fact.secondOperand);
            EXPECT_EQ(operands, std::pair(place.first, place.second));
            EXPECT_EQ(cell->fact.correctAnswer, place.first * place.second);
            EXPECT_EQ(cell->fluency, place.fluency) << place.first << " x " << place.second;
        }
        EXPECT_EQ(grid.At(1, 0)->tries, 1u);
        EXPECT_EQ(grid.At(1, 0)->lastTried, 1'157'112'000u);
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
