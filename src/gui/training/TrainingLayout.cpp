#include "TrainingLayout.h"
#include "TrainingGeometry.h"

namespace {

int Truncate(double value) {
    return static_cast<int>(value);
}

} // namespace

TrainingLayout ComputeTrainingLayout(int width, int height, int headerHeight, QSize cardSize) {
    const int cardHeight = Truncate(0.52 * height);
    const int columnRight = Truncate(0.7 * width);
    const int top = headerHeight + 3;
    TrainingLayout layout;
    layout.columnRight = columnRight;
    layout.cardArea = {1, top, columnRight - 1, top + cardHeight};
    layout.setupPanel = {columnRight + 1, top, width - 1, top + cardHeight};
    layout.padArea = {0, top + cardHeight + 2, columnRight, height};
    layout.buttonArea = {columnRight + 2, layout.padArea.top, width, height};
    const platform::GdiRect& area = layout.cardArea;
    layout.cardPlace = {
        Truncate((area.Width() - cardSize.width()) * 0.5 + area.left),
        Truncate((area.Height() - cardSize.height()) * 0.5 + 0.1 * area.Height() + area.top)};
    return layout;
}

SetupPanelLayout ComputeSetupPanel(const platform::GdiRect& panel, QSize letter, QSize kindButton) {
    const int cx = letter.width();
    const int cy = letter.height();
    const int m = Truncate(0.5 * cy);
    const int r = panel.Height() - 5 * m;
    const int left = panel.left + cx;
    const int right = panel.right - cx;
    SetupPanelLayout layout;
    auto& [kinds, length, goal] = layout.blocks;
    kinds = {left, panel.top + m, right, panel.top + m + Truncate(0.47 * r)};
    length = {left, kinds.bottom + m, right, kinds.bottom + m + Truncate(0.3 * r)};
    goal = {left, length.bottom + m, right, panel.bottom - m};

    // Texts are indented by a letter on both sides of their block.
    const auto textRow = [&](const platform::GdiRect& block, int lines) {
        return platform::GdiRect{block.left + cx, block.top, block.right - cx,
                                 block.top + lines * cy};
    };

    layout.kindTitle = textRow(kinds, 2);
    const int bw = kindButton.width();
    const int bh = kindButton.height();
    const int x0 =
        kinds.left + Truncate((kinds.Width() - training_geometry::kKindButtonsAcross * bw) * 0.5);
    const int y0 = layout.kindTitle.bottom + Truncate((kinds.Height() - 2 * (cy + bh)) * 0.5);
    layout.kindButtons = {QPoint(x0, y0),          QPoint(x0 + bw, y0),
                          QPoint(x0, y0 + bh),     QPoint(x0 + bw, y0 + bh),
                          QPoint(x0 + 2 * bw, y0), QPoint(x0 + 2 * bw, y0 + bh)};

    layout.lengthText = textRow(length, 2);
    const int d = Truncate((length.Width() - 16 * cx) * 0.5);
    const int listTop = length.top + Truncate(2.5 * cy);
    layout.lengthList = {length.left + 2 * cx + d, listTop, length.left + 6 * cx + d,
                         listTop + Truncate(5.3 * cy)};
    layout.minutesLabel = {length.left + 7 * cx + d, listTop, length.left + 14 * cx + d,
                           listTop + Truncate(1.3 * cy)};

    layout.goalText = textRow(goal, 3);
    // On the text's third line, at its right end, where the words leave it room.
    const int fieldRight = layout.goalText.right;
    layout.goalField = {fieldRight - 4 * cx, goal.top + 2 * cy, fieldRight,
                        goal.top + 2 * cy + Truncate(1.3 * cy)};
    return layout;
}
