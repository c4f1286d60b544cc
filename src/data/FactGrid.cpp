#include "FactGrid.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace data {
namespace {

struct Place {
    int row;
    int column;
};

Place PatternPlace(const Problem& fact) {
    if (fact.operation == kMinus || fact.operation == kDividedBy) {
        return {fact.secondOperand, fact.correctAnswer};
    }
    return {fact.firstOperand, fact.secondOperand};
}

// A product with 0 is read as 0 x a; its second cell reads a x 0 (0 x 0 has one cell).
bool HasMirror(const Problem& fact) {
    return fact.operation == kTimes && fact.firstOperand == 0;
}

FactCell MirrorOf(const FactCell& cell) {
    FactCell mirror = cell;
    std::swap(mirror.fact.firstOperand, mirror.fact.secondOperand);
    mirror.mirrored = true;
    return mirror;
}

// The position of `value` among the sorted distinct `values`.
int IndexOf(const std::vector<int>& values, int value) {
    return static_cast<int>(std::lower_bound(values.begin(), values.end(), value) - values.begin());
}

} // namespace

FactGrid::FactGrid(std::span<const Problem> facts, const FactFluency& fluency,
                   std::span<const Problem> mistakes) {
    std::set<FactKey> listed;
    for (const Problem& mistake : mistakes) {
        listed.insert(KeyOf(mistake));
    }
    for (const Problem& fact : facts) {
        const FactTimes* times = fluency.Find(KeyOf(fact));
        const bool onList = listed.contains(KeyOf(fact));
        cells_.push_back({.fact = fact,
                          .fluency = FluencyOf(times, onList),
                          .medianMs = times != nullptr ? MedianMs(*times) : std::nullopt,
                          .listed = onList,
                          .tries = times != nullptr ? times->shown : 0,
                          .lastTried = times != nullptr ? times->lastTried : 0});
    }
    if (!PlaceInPattern()) {
        PlaceInReadingOrder();
    }
    cellAt_.assign(static_cast<std::size_t>(rows_ * columns_), -1);
    for (std::size_t index = 0; index < cells_.size(); ++index) {
        const FactCell& cell = cells_[index];
        cellAt_[static_cast<std::size_t>(cell.row * columns_ + cell.column)] =
            static_cast<int>(index);
    }
}

bool FactGrid::PlaceInPattern() {
    if (cells_.empty()) {
        return false;
    }
    const std::int32_t operation = cells_.front().fact.operation;
    std::vector<FactCell> placed = cells_;
    std::set<FactKey> facts;
    for (const FactCell& cell : cells_) {
        if (cell.fact.operation != operation) {
            return false;
        }
        facts.insert(KeyOf(cell.fact));
    }
    for (const FactCell& cell : cells_) {
        // Facts that hold 6 x 0 as a fact of its own (not read from a line) keep its cell.
        if (HasMirror(cell.fact) && !facts.contains(KeyOf(MirrorOf(cell).fact))) {
            placed.push_back(MirrorOf(cell));
        }
    }
    std::set<int> rowValues;
    std::set<int> columnValues;
    for (const FactCell& cell : placed) {
        const Place place = PatternPlace(cell.fact);
        rowValues.insert(place.row);
        columnValues.insert(place.column);
    }
    if (rowValues.size() > kMaxPatternLines || columnValues.size() > kMaxPatternLines) {
        return false;
    }
    const std::vector<int> rows(rowValues.begin(), rowValues.end());
    const std::vector<int> columns(columnValues.begin(), columnValues.end());
    std::set<std::pair<int, int>> taken;
    for (FactCell& cell : placed) {
        const Place place = PatternPlace(cell.fact);
        cell.row = IndexOf(rows, place.row);
        cell.column = IndexOf(columns, place.column);
        if (!taken.emplace(cell.row, cell.column).second) {
            return false;
        }
    }
    cells_ = std::move(placed);
    rows_ = static_cast<int>(rows.size());
    columns_ = static_cast<int>(columns.size());
    inPattern_ = true;
    return true;
}

// At least ten facts a row, more for a long file so the grid stays about square.
void FactGrid::PlaceInReadingOrder() {
    std::stable_sort(cells_.begin(), cells_.end(), [](const FactCell& left, const FactCell& right) {
        return KeyOf(left.fact) < KeyOf(right.fact);
    });
    const int count = static_cast<int>(cells_.size());
    columns_ = std::max(10, static_cast<int>(std::ceil(std::sqrt(count))));
    rows_ = (count + columns_ - 1) / columns_;
    for (int index = 0; index < count; ++index) {
        cells_[static_cast<std::size_t>(index)].row = index / columns_;
        cells_[static_cast<std::size_t>(index)].column = index % columns_;
    }
    inPattern_ = false;
}

const FactCell* FactGrid::At(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) {
        return nullptr;
    }
    const int index = cellAt_[static_cast<std::size_t>(row * columns_ + column)];
    return index < 0 ? nullptr : &cells_[static_cast<std::size_t>(index)];
}

FluencyCounts FactGrid::Counts() const {
    FluencyCounts counts;
    for (const FactCell& cell : cells_) {
        if (cell.mirrored) {
            continue;
        }
        switch (cell.fluency) {
        case Fluency::Fluent:
            ++counts.fluent;
            break;
        case Fluency::Slow:
            ++counts.slow;
            break;
        case Fluency::Missed:
            ++counts.missed;
            break;
        case Fluency::NotSeen:
            ++counts.notSeen;
            break;
        }
    }
    return counts;
}

} // namespace data
