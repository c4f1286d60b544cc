#include "GraphLegend.h"

#include <algorithm>
#include <ranges>

namespace {

using platform::GdiPen;
using platform::GdiRect;
using platform::PenStyle;
namespace dt = platform::dt;

const GdiPen kMarkPen{PenStyle::Solid, 1, Qt::black};
const GdiPen kGoalPen{PenStyle::Dot, 1, Qt::black};
constexpr int kDotWidth = 8;

// How wide a sample is for text of `height`.
int SampleWidth(GraphLegendEntry::Sample sample, int height) {
    return sample == GraphLegendEntry::Sample::GoalLine ? 2 * height : height * 2 / 3;
}

void DrawSample(GraphCanvas& canvas, const GraphLegendEntry& entry, const GdiRect& place) {
    const int middle = (place.top + place.bottom) / 2;
    switch (entry.sample) {
    case GraphLegendEntry::Sample::Bar:
        canvas.Fill(place, entry.colour);
        break;
    case GraphLegendEntry::Sample::Mark:
        canvas.Fill(place, entry.colour);
        canvas.Line(kMarkPen, {place.left, place.top + place.Height() / 3},
                    {place.right - 1, place.top + place.Height() / 3});
        break;
    case GraphLegendEntry::Sample::Dot:
        canvas.Dot({PenStyle::Solid, kDotWidth, entry.colour},
                   {(place.left + place.right) / 2, middle});
        break;
    case GraphLegendEntry::Sample::GoalLine:
        canvas.Line(kGoalPen, {place.left, middle}, {place.right, middle});
        break;
    }
}

} // namespace

void DrawGraphLegend(GraphCanvas& canvas, const QFont& font,
                     std::span<const GraphLegendEntry> entries, int right, int centreY) {
    const int height = canvas.TextExtent(font, QStringLiteral("Xg")).height();
    const int gap = std::max(3, height / 3);
    const int top = centreY - height / 2;
    int x = right;
    for (const GraphLegendEntry& entry : std::ranges::reverse_view(entries)) {
        const int textWidth = canvas.TextExtent(font, entry.text).width();
        canvas.Text(font, entry.text, {x - textWidth, top, x, top + height},
                    dt::kSingleLine | dt::kVCenter | dt::kNoClip);
        x -= textWidth + gap;
        const int sampleWidth = SampleWidth(entry.sample, height);
        DrawSample(canvas, entry, {x - sampleWidth, top + 2, x, top + height - 2});
        x -= sampleWidth + 3 * gap;
    }
}
