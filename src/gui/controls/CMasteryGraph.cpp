#include "CMasteryGraph.h"

#include "data/SessionHistory.h"
#include "platform/qt/Fonts.h"

#include <array>

namespace {

using platform::GdiPen;
using platform::PenStyle;

constexpr int kStepsPerLevel = 3;
constexpr int kRows = history::kTopMasteryStep;
constexpr int kSmallestLabelPixels = 8;
// The first four bands' operators; the fifth, Mixed, is named in words.
const std::array<QString, 4> kOperatorBands{QStringLiteral("+"), QStringLiteral("-"),
                                            QStringLiteral("x"), QString(QChar(0xF7))};
const QColor kGreyRow(235, 235, 235);
const GdiPen kRowPen{PenStyle::Solid, 1, QColor(200, 200, 200)};
const GdiPen kBandPen{PenStyle::Solid, 2, Qt::black};
const GdiPen kEdgePen{PenStyle::Solid, 1, Qt::black};
const GdiPen kOpenPen{PenStyle::Solid, 8, Qt::black};
const GdiPen kPassedPen{PenStyle::Solid, 8, QColor(0, 200, 0)};

} // namespace

CMasteryGraph::CMasteryGraph(QWidget* parent) : CBasicLineGraph(parent) {
}

bool CMasteryGraph::AddLevelPoint(int level, int testsPassedBefore, int category) {
    const std::optional<int> step = history::DrawnMasteryStep(level, testsPassedBefore);
    return step && AddPoint(*step, 0, category);
}

GdiPen CMasteryGraph::PointPen(const GraphPoint& point) const {
    return point.category != 0 ? kPassedPen : kOpenPen;
}

// Rows of one step from the bottom up, as many as fit, alternately white and grey; a bold line
// above each level's three rows, the level's sign beside them.
void CMasteryGraph::DrawYAxis(GraphCanvas& canvas) const {
    const GraphLayout& l = Layout();
    if (l.yScale <= 0) {
        return;
    }
    int rows = 0;
    while (rows < kRows && l.ValueY(rows + 1) >= l.plot.top) {
        ++rows;
        canvas.Rectangle(kRowPen, rows % 2 == 1 ? QColor(Qt::white) : kGreyRow,
                         {l.plot.left, l.ValueY(rows), l.plot.right + 1, l.ValueY(rows - 1) + 1});
    }
    for (int band = 0; band * kStepsPerLevel < rows; ++band) {
        const auto index = static_cast<std::size_t>(band);
        const QString label = index < kOperatorBands.size() ? kOperatorBands[index] : tr("mix");
        // Smaller where a longer language's word would not fit beside the rows.
        canvas.Text(platform::FontToFit(YLabelFont(), {label}, l.labelSize, kSmallestLabelPixels),
                    label,
                    {l.plot.left - l.labelSize, l.ValueY((band + 1) * kStepsPerLevel), l.plot.left,
                     l.ValueY(band * kStepsPerLevel)},
                    platform::dt::kSingleLine | platform::dt::kCenter | platform::dt::kVCenter);
    }
    for (int row = kStepsPerLevel; row < rows; row += kStepsPerLevel) {
        const int y = l.ValueY(row);
        canvas.Line(kBandPen, {l.plot.left - l.labelSize - 1, y}, {l.plot.right, y});
    }
    const int top = l.ValueY(rows);
    canvas.Line(kBandPen, {l.plot.left, top}, {l.plot.right, top});
    canvas.Line(kEdgePen, {l.plot.left, l.plot.bottom}, {l.plot.left, top});
    canvas.Line(kEdgePen, {l.plot.right, l.plot.bottom}, {l.plot.right, l.plot.top});
}
