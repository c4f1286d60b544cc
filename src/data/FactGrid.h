#pragma once

#include "FactFluency.h"
#include "Problem.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace data {

// One fact of the grid, where it sits and how well the student knows it.
struct FactCell {
    Problem fact;
    int row = 0;
    int column = 0;
    Fluency fluency = Fluency::NotSeen;
    std::optional<std::uint32_t> medianMs; // of the right first tries; none without one
    bool listed = false;                   // on the mistake list
    std::uint32_t tries = 0;               // first tries
    std::uint32_t lastTried = 0;           // seconds since 1970; 0 = not known
    // The second cell of a product with 0, in the other order (6 x 0 beside 0 x 6): drawn and
    // told like the first, counted once.
    bool mirrored = false;
};

struct FluencyCounts {
    int fluent = 0;
    int slow = 0;
    int missed = 0;
    int notSeen = 0;

    int Total() const { return fluent + slow + missed + notSeen; }
    bool operator==(const FluencyCounts&) const = default;
};

// The facts of one test file in rows and columns a child reads at a glance: sums and products by
// first operand (rows) and second operand (columns); differences and quotients by the number
// taken away or divided by (rows) and the answer (columns), so each grid is as dense as the
// addition table it undoes. A product with 0 is one fact however its line is written, and it
// stands in both cells a child may look for it in (row 6, column 0 and row 0, column 6). Facts
// that do not fit that pattern (several operations, two facts on one place, more than
// kMaxPatternLines rows or columns) are laid out in reading order instead, so every fact still
// has its own cell.
class FactGrid {
public:
    static constexpr int kMaxPatternLines = 12;

    FactGrid() = default;
    FactGrid(std::span<const Problem> facts, const FactFluency& fluency,
             std::span<const Problem> mistakes);

    int Rows() const { return rows_; }
    int Columns() const { return columns_; }
    // Whether the facts follow their operation's pattern (false: reading order).
    bool InPattern() const { return inPattern_; }
    // Every cell, a product with 0 in the pattern twice.
    const std::vector<FactCell>& Cells() const { return cells_; }
    // The cell at this place; none for a place no fact takes, or outside the grid.
    const FactCell* At(int row, int column) const;
    // By fact: a product with 0 counts once.
    FluencyCounts Counts() const;

private:
    bool PlaceInPattern();
    void PlaceInReadingOrder();

    std::vector<FactCell> cells_;
    std::vector<int> cellAt_; // index into cells_ per place, row by row; -1 for none
    int rows_ = 0;
    int columns_ = 0;
    bool inPattern_ = false;
};

} // namespace data
