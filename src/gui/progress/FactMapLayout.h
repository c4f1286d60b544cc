#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

// One line of the legend: a swatch of the colour (with its count on it), the label beside it and
// a note under the label.
struct LegendRow {
    QRect swatch;
    QRect label;
    QRect note;
};

// Where the fact map puts things, from its own size: a band across the top with the four kind
// buttons and the headline, the grid of cells below it on the left, the legend on the right.
struct FactMapLayout {
    QRect band;
    std::array<QPoint, 5> kindButtons; // Addition, Subtraction, Multiplication, Division, Mixed
    QRect headline;
    QRect gridArea; // what the grid may take; the message of an empty grid goes here
    QRect grid;     // the cells' block, centred in gridArea
    QSize cell;     // a cell with the gap after it
    int gap = 0;
    std::array<LegendRow, 4> legend; // Fluent, Slow, Missed, Not seen

    // The cell's coloured face.
    QRect CellRect(int row, int column) const;
    // The row (y) and column (x) of the cell whose face holds `point`; none between cells.
    std::optional<QPoint> CellAt(QPoint point) const;
};

// `rows` and `columns` of the grid; with none of either, the grid is empty.
FactMapLayout ComputeFactMapLayout(QSize view, QSize kindButton, int rows, int columns);
