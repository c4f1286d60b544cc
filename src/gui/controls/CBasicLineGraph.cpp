#include "CBasicLineGraph.h"

#include "AccessibleObjects.h"
#include "platform/Display.h"
#include "platform/qt/Fonts.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <iterator>

namespace {

using platform::GdiPen;
using platform::GdiRect;
using platform::PenStyle;
namespace dt = platform::dt;

constexpr const char* kFace = "Book Antiqua";
constexpr int kTitleTenths = 120;
constexpr int kSmallestLabelTenths = 80;
constexpr int kShownPositions = 20;
// Layout fractions: the plot ends short of the right edge and starts below the top edge.
constexpr double kRightEnd = 0.9;
constexpr double kTopStart = 0.1;
// Label column and row are half as wide again as the widest y label.
constexpr double kLabelRoom = 1.5;
constexpr int kTickLength = 3;
constexpr double kSlack = 1e-9;
constexpr int kXTickReach = 2;
constexpr unsigned kCentred = dt::kSingleLine | dt::kCenter | dt::kVCenter;

const GdiPen kAxisPen{PenStyle::Solid, 1, Qt::black};
const GdiPen kLinePen{PenStyle::Solid, 2, Qt::black};
const GdiPen kPointPen{PenStyle::Solid, 8, QColor(0, 0, 180)};
const GdiPen kMarkPen{PenStyle::Solid, 1, Qt::black};
const GdiPen kGoalPen{PenStyle::Dot, 1, Qt::black};
const GdiPen kMajorGridPen{PenStyle::Solid, 1, QColor(225, 225, 225)};
const GdiPen kMinorGridPen{PenStyle::Dot, 1, QColor(225, 225, 225)};
const std::array<QColor, 5> kBarColours{QColor(0, 200, 0), QColor(185, 185, 185),
                                        QColor(45, 185, 114), QColor(0, 78, 150),
                                        QColor(170, 230, 170)};

// Labels are 12 points on the small screens the program was laid out for, 15 on larger ones.
int DefaultLabelTenths() {
    const int width = platform::GetScreenSize().width;
    return width == 640 || width == 800 ? 120 : 150;
}

bool IsMultiple(int value, int interval) {
    return interval >= 1 && value % interval == 0;
}

} // namespace

QColor GraphBarColour(int category) {
    return category >= 0 && category < static_cast<int>(kBarColours.size())
               ? kBarColours[static_cast<std::size_t>(category)]
               : kBarColours[0];
}

QFont GraphLabelFont(int tenths, const QString& face) {
    if (tenths < kSmallestLabelTenths) {
        return platform::MakeFont("Small Fonts", platform::TenthPointsToPixels(tenths / 10 * 10));
    }
    return platform::MakeFont(face, platform::TenthPointsToPixels(tenths));
}

// Truncated, with room for the rounding of the step: the last of n steps of (b − a) / n lands
// on b, not a pixel short.
int GraphLayout::PointX(int offset) const {
    return static_cast<int>(plot.left + static_cast<int>(xStep / 2) + offset * xStep + kSlack);
}

int GraphLayout::ValueY(int value) const {
    return static_cast<int>(plot.bottom - value * yScale + kSlack);
}

CBasicLineGraph::CBasicLineGraph(QWidget* parent)
    : QWidget(parent), xLabelFont_(GraphLabelFont(DefaultLabelTenths(), kFace)),
      yLabelFont_(xLabelFont_),
      titleFont_(platform::MakeFont(kFace, platform::TenthPointsToPixels(kTitleTenths))),
      backButton_(new QPushButton(QStringLiteral("<"), this)),
      forwardButton_(new QPushButton(QStringLiteral(">"), this)) {
    setFocusPolicy(Qt::StrongFocus);
    SetAccessibleRole(*this, QAccessible::Chart);
    for (QPushButton* button : {backButton_, forwardButton_}) {
        // Return presses them as Space does, outside a dialog too.
        button->setAutoDefault(true);
        button->setAutoRepeat(true);
    }
    backButton_->setAccessibleName(tr("Scroll back"));
    forwardButton_->setAccessibleName(tr("Scroll forward"));
    connect(backButton_, &QPushButton::clicked, this, [this] { OnScroll(-1); });
    connect(forwardButton_, &QPushButton::clicked, this, [this] { OnScroll(1); });
}

QPushButton* CBasicLineGraph::ScrollButton(CommandId id) const {
    return id == kScrollBack ? backButton_ : forwardButton_;
}

void CBasicLineGraph::Redraw() {
    if ((flags_ & kDrawing) != 0) {
        repaint();
    }
}

void CBasicLineGraph::SetStyle(Style style) {
    style_ = style;
    Redraw();
}

void CBasicLineGraph::ModifyFlags(std::uint32_t add, std::uint32_t remove) {
    flags_ = (flags_ | add | remove) ^ remove;
    Redraw();
}

void CBasicLineGraph::SetRedraw(bool on) {
    if (on) {
        flags_ |= kDrawing;
        Redraw();
    } else {
        flags_ &= ~std::uint32_t{kDrawing};
    }
}

void CBasicLineGraph::SetXTitle(const QString& title) {
    xTitle_ = title;
    Redraw();
}

void CBasicLineGraph::SetYTitle(const QString& title) {
    yTitle_ = title;
    Redraw();
}

void CBasicLineGraph::SetXLabelFont(int tenths, const QString& face) {
    xLabelFont_ = GraphLabelFont(tenths, face);
    Redraw();
}

void CBasicLineGraph::SetYLabelFont(int tenths, const QString& face) {
    yLabelFont_ = GraphLabelFont(tenths, face);
    Redraw();
}

void CBasicLineGraph::SetMinorInterval(int interval) {
    if (interval >= 0) {
        minorInterval_ = interval;
        Redraw();
    }
}

void CBasicLineGraph::SetMajorInterval(int interval) {
    if (interval >= 0) {
        majorInterval_ = interval;
        Redraw();
    }
}

void CBasicLineGraph::SetGrid(bool on) {
    grid_ = on;
    Redraw();
}

void CBasicLineGraph::SetYScale(bool on) {
    yScaleOn_ = on;
    Redraw();
}

void CBasicLineGraph::SetXLabels(bool on) {
    xLabelsOn_ = on;
    Redraw();
}

void CBasicLineGraph::SetLabelMode(int mode) {
    labelMode_ = mode;
    series_.SetVisibleCount(kShownPositions);
    Redraw();
}

void CBasicLineGraph::SetVisibleCount(int count) {
    if (count >= 0) {
        series_.SetVisibleCount(count);
        Redraw();
    }
}

void CBasicLineGraph::SetMaximum(int maximum) {
    if (maximum >= 0) {
        series_.SetMaximum(maximum);
        Redraw();
    }
}

void CBasicLineGraph::SetGoal(int goal) {
    goal_ = goal;
}

void CBasicLineGraph::SetLegend(std::vector<GraphLegendEntry> legend) {
    legend_ = std::move(legend);
    Redraw();
}

void CBasicLineGraph::SetEmptyText(const QString& text) {
    emptyText_ = text;
    Redraw();
}

void CBasicLineGraph::Clear() {
    series_.Clear();
}

bool CBasicLineGraph::AddPoint(int value, int mark, int category) {
    series_.Add({value, mark, category});
    return true;
}

void CBasicLineGraph::Show() {
    show();
    Redraw();
}

void CBasicLineGraph::Hide() {
    hide();
}

void CBasicLineGraph::OnScroll(int positions) {
    series_.Scroll(positions);
    ShowScrollPosition();
}

void CBasicLineGraph::ShowScrollPosition() {
    const GraphSeries::ScrollButtons buttons = series_.FitWindow();
    backButton_->setEnabled(buttons.back);
    forwardButton_->setEnabled(buttons.forward);
    Redraw();
    SaySpokenText();
}

void CBasicLineGraph::SetSpokenText(const QString& about, QStringList pointTexts) {
    about_ = about;
    pointTexts_ = std::move(pointTexts);
    SaySpokenText();
}

void CBasicLineGraph::SaySpokenText() {
    QStringList sentences{about_};
    if (series_.Count() == 0) {
        sentences << emptyText_ + QLatin1Char('.');
    }
    for (int index = series_.First(); index < series_.End() && index < pointTexts_.size();
         ++index) {
        sentences << pointTexts_[index];
    }
    setAccessibleDescription(sentences.join(QLatin1Char(' ')));
}

void CBasicLineGraph::keyPressEvent(QKeyEvent* event) {
    const int all = series_.Count();
    const int page = series_.VisibleCount();
    int positions = 0;
    switch (event->key()) {
    case Qt::Key_Home:
        positions = -all;
        break;
    case Qt::Key_End:
        positions = all;
        break;
    case Qt::Key_PageUp:
        positions = -page;
        break;
    case Qt::Key_PageDown:
        positions = page;
        break;
    case Qt::Key_Left:
        positions = -1;
        break;
    case Qt::Key_Right:
        positions = 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    series_.ScrollWithin(positions);
    ShowScrollPosition();
}

void CBasicLineGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    platform::GdiDc dc(painter);
    GdiGraphCanvas canvas(dc);
    Paint(canvas);
}

void CBasicLineGraph::Paint(GraphCanvas& canvas) {
    if ((flags_ & kDrawing) == 0) {
        return;
    }
    const bool buttonsShown = (flags_ & kScrollButtons) != 0;
    backButton_->setVisible(buttonsShown);
    forwardButton_->setVisible(buttonsShown);
    canvas.Fill(GdiRect::FromQRect(rect()), Qt::white);
    LayOut(canvas);
    DrawTitles(canvas);
    DrawLegend(canvas);
    DrawYAxis(canvas);
    DrawXAxis(canvas);
    DrawData(canvas);
    if (series_.Count() == 0 && !emptyText_.isEmpty()) {
        canvas.Text(titleFont_, emptyText_, layout_.plot, kCentred);
    }
}

void CBasicLineGraph::LayOut(GraphCanvas& canvas) {
    const QSize yLabel = canvas.TextExtent(yLabelFont_, QStringLiteral("999"));
    const QSize yTitle = canvas.TextExtent(titleFont_, yTitle_);
    GraphLayout& l = layout_;
    l.client = GdiRect::FromQRect(rect());
    l.labelSize = static_cast<int>(yLabel.width() * kLabelRoom);
    l.yLabelHeight = yLabel.height();
    l.xTitleBand = static_cast<int>(canvas.TextExtent(titleFont_, xTitle_).height() * kLabelRoom);
    l.yTitleBand = static_cast<int>(yTitle.height() * kLabelRoom);
    l.yTitleLength = yTitle.width();
    l.plot = {l.labelSize + l.yTitleBand, static_cast<int>(l.client.bottom * kTopStart),
              static_cast<int>(l.client.right * kRightEnd),
              l.client.bottom - l.labelSize - l.xTitleBand};
    // Room above the plot for the half of the maximum's label that stands above its height.
    l.frameTop = LabelsMaximum() ? l.plot.top - l.yLabelHeight / 2 - 2 : l.plot.top;
    const int visible = series_.VisibleCount();
    l.xStep = series_.Count() > 0 && visible > 0 ? double(l.plot.Width()) / visible : 0.0;
    l.yScale =
        yScaleOn_ && series_.Maximum() >= 1 ? double(l.plot.Height()) / series_.Maximum() : 0.0;
    PlaceScrollButtons();
    const GraphSeries::ScrollButtons buttons = series_.FitWindow();
    backButton_->setEnabled(buttons.back);
    forwardButton_->setEnabled(buttons.forward);
}

// Squares as wide as the label column, just below the x axis on either side of the plot.
void CBasicLineGraph::PlaceScrollButtons() {
    const GraphLayout& l = layout_;
    const int side = l.labelSize;
    backButton_->setGeometry(l.plot.left - 1 - side, l.plot.bottom + 1, side, side);
    forwardButton_->setGeometry(l.plot.right + 1, l.plot.bottom + 1, side, side);
}

void CBasicLineGraph::DrawTitles(GraphCanvas& canvas) const {
    const GraphLayout& l = layout_;
    canvas.Text(titleFont_, xTitle_,
                {l.plot.left, l.client.bottom - l.xTitleBand, l.plot.right, l.client.bottom},
                kCentred);
    const int titleBottom =
        static_cast<int>(l.plot.bottom - (l.plot.bottom - l.yTitleLength - l.plot.top) * 0.5);
    canvas.TextUpwards(titleFont_, yTitle_, QPoint(1, titleBottom));
}

void CBasicLineGraph::DrawLegend(GraphCanvas& canvas) const {
    const GraphLayout& l = layout_;
    const bool goalLine = (flags_ & kMarksAndGoal) != 0 && goal_ > 0;
    std::vector<GraphLegendEntry> shown;
    std::ranges::copy_if(legend_, std::back_inserter(shown), [goalLine](const auto& entry) {
        return goalLine || entry.sample != GraphLegendEntry::Sample::GoalLine;
    });
    DrawGraphLegend(canvas, xLabelFont_, shown, l.plot.right, l.frameTop / 2);
}

void CBasicLineGraph::DrawYLabel(GraphCanvas& canvas, int value, int centreY) const {
    const GraphLayout& l = layout_;
    const int top = centreY - l.yLabelHeight / 2;
    canvas.Text(yLabelFont_, QString::number(value),
                {l.plot.left - l.labelSize, top, l.plot.left, top + l.yLabelHeight},
                kCentred | dt::kNoClip);
}

void CBasicLineGraph::DrawYAxis(GraphCanvas& canvas) const {
    const GraphLayout& l = layout_;
    const bool framed = (flags_ & kFrame) != 0;
    canvas.Line(kAxisPen, {l.plot.left, l.plot.bottom}, {l.plot.left, l.plot.top - 1});
    if (yScaleOn_) {
        const int maximum = series_.Maximum();
        // The last label before the maximum goes when it would touch the maximum's own label.
        const int gap = majorInterval_ >= 1 ? maximum % majorInterval_ : 0;
        const bool crowded = gap * l.yScale < l.yLabelHeight;
        const int last = l.yScale > 0 ? maximum : 0;
        for (int value = 1; value <= last; ++value) {
            const int y = l.ValueY(value);
            if (IsMultiple(value, majorInterval_)) {
                if (value != maximum - gap || !crowded) {
                    DrawYLabel(canvas, value, y);
                }
                canvas.Line(kMajorGridPen, {l.plot.left + 1, y}, {l.plot.right, y});
            }
            if (IsMultiple(value, minorInterval_)) {
                if (grid_) {
                    canvas.Line(kMinorGridPen, {l.plot.left + 1, y}, {l.plot.right, y});
                }
                canvas.Line(kAxisPen, {l.plot.left, y}, {l.plot.left - kTickLength, y});
            }
        }
        if (maximum > 0) {
            DrawYLabel(canvas, maximum, l.ValueY(maximum));
        }
    }
    if (framed) {
        canvas.Line(kAxisPen, {l.plot.right, l.plot.bottom}, {l.plot.right, l.plot.top});
    }
}

void CBasicLineGraph::DrawXAxis(GraphCanvas& canvas) const {
    const GraphLayout& l = layout_;
    canvas.Line(kAxisPen, {l.plot.left, l.plot.bottom}, {l.plot.right, l.plot.bottom});
    if (!xLabelsOn_ || labelMode_ != 1 || l.xStep <= 0) {
        return;
    }
    // Every position across the width is numbered, also those past the last point.
    int number = series_.First() + 1;
    for (double x = l.plot.left + l.xStep / 2; x <= l.plot.right; x += l.xStep, ++number) {
        const int at = static_cast<int>(x);
        canvas.Line(kAxisPen, {at, l.plot.bottom - kXTickReach}, {at, l.plot.bottom + kXTickReach});
        const int half = static_cast<int>(l.xStep / 2);
        canvas.Text(xLabelFont_, QString::number(number),
                    {at - half, l.plot.bottom, at + half, l.plot.bottom + l.labelSize},
                    kCentred | dt::kNoClip);
    }
}

void CBasicLineGraph::DrawData(GraphCanvas& canvas) const {
    if (style_ == kBars) {
        DrawBars(canvas);
    } else {
        DrawLines(canvas);
    }
    if ((flags_ & kFrame) != 0) {
        const GraphLayout& l = layout_;
        canvas.Rectangle(kAxisPen, std::nullopt,
                         {l.plot.left - l.labelSize - 2, l.frameTop, l.plot.right + l.labelSize + 2,
                          l.plot.bottom + l.labelSize + 2});
    }
}

void CBasicLineGraph::DrawLines(GraphCanvas& canvas) const {
    const GraphLayout& l = layout_;
    const int first = series_.First();
    const int end = series_.End();
    auto at = [&](int index) {
        return QPoint(l.PointX(index - first), l.ValueY(series_.Point(index).value));
    };
    for (int index = first; index + 1 < end; ++index) {
        canvas.Line(kLinePen, at(index), at(index + 1));
    }
    for (int index = first; index < end; ++index) {
        canvas.Dot(PointPen(series_.Point(index)), at(index));
    }
}

void CBasicLineGraph::DrawBars(GraphCanvas& canvas) const {
    const GraphLayout& l = layout_;
    const bool marked = (flags_ & kMarksAndGoal) != 0;
    for (int index = series_.First(); index < series_.End(); ++index) {
        const GraphPoint& point = series_.Point(index);
        const double centre = l.PointX(index - series_.First());
        const int left = static_cast<int>(centre - l.xStep / 4);
        const int right = static_cast<int>(centre + l.xStep / 4);
        // Down to the x axis, not over it.
        canvas.Fill({left, l.ValueY(point.value) + 1, right - 1, l.plot.bottom},
                    GraphBarColour(point.category));
        if (marked && point.mark != 0) {
            const int y = l.ValueY(point.mark);
            canvas.Line(kMarkPen, {left, y}, {right - 2, y});
        }
    }
    if (marked && goal_ > 0) {
        const int y = l.ValueY(goal_);
        canvas.Line(kGoalPen, {l.plot.left, y}, {l.plot.right, y});
    }
}

platform::GdiPen CBasicLineGraph::PointPen(const GraphPoint&) const {
    return kPointPen;
}
