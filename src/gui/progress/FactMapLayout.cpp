#include "FactMapLayout.h"

#include <algorithm>

namespace {

// The legend takes a little over a quarter of the width.
constexpr double kLegendShare = 0.27;
// Cells are never more than three times as wide as high, nor higher than wide.
constexpr int kWidestCell = 3;

} // namespace

QRect FactMapLayout::CellRect(int row, int column) const {
    return {grid.left() + column * cell.width(), grid.top() + row * cell.height(),
            cell.width() - gap, cell.height() - gap};
}

std::optional<QPoint> FactMapLayout::CellAt(QPoint point) const {
    if (!grid.contains(point) || cell.isEmpty()) {
        return std::nullopt;
    }
    const int column = (point.x() - grid.left()) / cell.width();
    const int row = (point.y() - grid.top()) / cell.height();
    if (!CellRect(row, column).contains(point)) {
        return std::nullopt;
    }
    return QPoint(column, row);
}

FactMapLayout ComputeFactMapLayout(QSize view, QSize kindButton, int rows, int columns) {
    FactMapLayout layout;
    const int margin = std::max(4, view.height() / 60);
    layout.band = QRect(0, 0, view.width(), kindButton.height() + 2 * margin);
    for (std::size_t index = 0; index < layout.kindButtons.size(); ++index) {
        layout.kindButtons[index] =
            QPoint(margin + static_cast<int>(index) * (kindButton.width() + margin), margin);
    }
    const int headlineLeft = layout.kindButtons.back().x() + kindButton.width() + 3 * margin;
    layout.headline =
        QRect(headlineLeft, 0, view.width() - margin - headlineLeft, layout.band.height());

    const int bodyTop = layout.band.bottom() + 1 + margin;
    const int bodyHeight = view.height() - margin - bodyTop;
    const int legendWidth = static_cast<int>(kLegendShare * view.width());
    const QRect legend(view.width() - margin - legendWidth, bodyTop, legendWidth, bodyHeight);
    layout.gridArea = QRect(margin, bodyTop, legend.left() - 2 * margin, bodyHeight);

    const int rowHeight = std::min(bodyHeight / 4, 2 * kindButton.height());
    const int side = rowHeight * 7 / 10;
    const int textLeft = legend.left() + side + side / 4;
    for (std::size_t index = 0; index < layout.legend.size(); ++index) {
        const int top = bodyTop + static_cast<int>(index) * rowHeight;
        LegendRow& row = layout.legend[index];
        row.swatch = QRect(legend.left(), top + (rowHeight - side) / 2, side, side);
        row.label = QRect(textLeft, top, legend.right() + 1 - textLeft, rowHeight / 2);
        row.note =
            QRect(textLeft, top + rowHeight / 2, row.label.width(), rowHeight - rowHeight / 2);
    }

    if (rows <= 0 || columns <= 0) {
        layout.grid = QRect(layout.gridArea.center(), QSize(0, 0));
        return layout;
    }
    const int widthEach = layout.gridArea.width() / columns;
    const int heightEach = layout.gridArea.height() / rows;
    layout.cell =
        QSize(std::min(widthEach, kWidestCell * heightEach), std::min(heightEach, widthEach));
    layout.gap = std::max(2, layout.cell.height() / 12);
    const QSize block(columns * layout.cell.width(), rows * layout.cell.height());
    layout.grid = QRect(layout.gridArea.left() + (layout.gridArea.width() - block.width()) / 2,
                        layout.gridArea.top() + (layout.gridArea.height() - block.height()) / 2,
                        block.width(), block.height());
    return layout;
}
