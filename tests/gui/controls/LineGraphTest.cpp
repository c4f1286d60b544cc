#include "GraphSupport.h"
#include "GuiTestSupport.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/CMasteryGraph.h"
#include "platform/qt/Fonts.h"

#include <QFontMetrics>
#include <QPushButton>
#include <algorithm>
#include <functional>

using namespace guitest;

namespace {

using platform::GdiPen;
using platform::GdiRect;
using platform::PenStyle;

const QColor kGreen(0, 200, 0);

class LineGraphTest : public testing::Test {
protected:
    LineGraphTest() {
        fakes.display.current = {800, 600};
        Make<CBasicLineGraph>();
    }

    template <typename Graph> Graph& Make() {
        graph = std::make_unique<Graph>(nullptr);
        graph->resize(600, 400);
        return static_cast<Graph&>(*graph);
    }

    // Bars with numbered positions and a y scale, as the progress window shows test scores, of
    // the values 1 … `count` (the values above 100 as their rest).
    void MakeBarChart(int count = 0) {
        graph->SetStyle(CBasicLineGraph::kBars);
        graph->SetXLabels(true);
        graph->SetYScale(true);
        graph->SetRedraw(false);
        for (int value = 1; value <= count; ++value) {
            graph->AddPoint(value % 100, 0, 0);
        }
        graph->SetRedraw(true);
    }

    RecordingCanvas Paint() {
        RecordingCanvas canvas;
        graph->Paint(canvas);
        return canvas;
    }

    std::vector<std::string> XLabels(const RecordingCanvas& canvas) const {
        return canvas.TextsWhere([this](const GdiRect& r) { return r.top == Plot().bottom; });
    }

    std::vector<std::string> YLabels(const RecordingCanvas& canvas) const {
        return canvas.TextsWhere(
            [this](const GdiRect& r) { return r.right == Plot().left && r.top != 0; });
    }

    // Fills of the bars (not the white background nor the mastery rows).
    std::vector<GdiRect> Bars(const RecordingCanvas& canvas, QColor colour) const {
        std::vector<GdiRect> bars;
        for (const auto& fill : canvas.fills) {
            if (fill.colour == colour && fill.rect.bottom == Plot().bottom) {
                bars.push_back(fill.rect);
            }
        }
        return bars;
    }

    // Lines of `style` in black across the plot at the height of `value`.
    int Across(const RecordingCanvas& canvas, int value, PenStyle style) const {
        const int y = graph->Layout().ValueY(value);
        return static_cast<int>(std::ranges::count_if(canvas.lines, [&](const auto& line) {
            return line.pen.style == style && line.pen.color == QColor(Qt::black) &&
                   line.from.y() == y && line.to.y() == y && line.to.x() > line.from.x();
        }));
    }

    static std::vector<std::string> Numbers(int from, int to) {
        std::vector<std::string> numbers;
        for (int n = from; n <= to; ++n) {
            numbers.push_back(std::to_string(n));
        }
        return numbers;
    }

    // Whether the back and the forward buttons are on.
    std::pair<bool, bool> Buttons() const {
        return {graph->ScrollButton(CBasicLineGraph::kScrollBack)->isEnabled(),
                graph->ScrollButton(CBasicLineGraph::kScrollForward)->isEnabled()};
    }

    const GdiRect& Plot() const { return graph->Layout().plot; }

    platform::fakes::FakePlatform fakes;
    std::unique_ptr<CBasicLineGraph> graph;
};

} // namespace

// Every position is numbered. Twenty fit: the back button stays on, one point a step, until the
// oldest is in view, be it one step away (21 points) or two (22), and is off at once when all fit.
TEST_F(LineGraphTest, TheBackButtonStepsToTheOldestPointAndIsOffThere) {
    for (const int count : {3, 20, 21, 22}) {
        SCOPED_TRACE(count);
        Make<CBasicLineGraph>();
        MakeBarChart(count);
        for (int first = std::max(count - 19, 1); first >= 1; --first) {
            const RecordingCanvas canvas = Paint();
            EXPECT_EQ(XLabels(canvas), Numbers(first, first + 19));
            const std::vector<GdiRect> bars = Bars(canvas, kGreen);
            ASSERT_EQ(bars.size(), static_cast<std::size_t>(std::min(count, 20)));
            EXPECT_EQ(bars.front().top, graph->Layout().ValueY(first) + 1);
            EXPECT_EQ(Buttons(), std::pair(first > 1, first < count - 19)) << first;
            graph->ScrollButton(CBasicLineGraph::kScrollBack)->click();
        }
    }
    graph->Clear();
    EXPECT_TRUE(XLabels(Paint()).empty()) << "an empty graph has no positions";
}

// A thousand points are all kept, the newest in view. Holding a button repeats it; with the focus
// on the graph or on a button, Home and End reach the first and the last points at once, the page
// keys a screenful and the arrows one position.
TEST_F(LineGraphTest, KeysReachEveryPartOfALongSeriesAndTheButtonsRepeatWhileHeld) {
    MakeBarChart(1000);
    EXPECT_EQ(graph->Series().Count(), 1000);
    EXPECT_EQ(XLabels(Paint()), Numbers(981, 1000));
    QStringList spoken;
    for (int value = 1; value <= 1000; ++value) {
        spoken << QStringLiteral("P%1.").arg(value);
    }
    graph->SetSpokenText(QStringLiteral("About."), spoken);
    graph->show();
    QPushButton* back = graph->ScrollButton(CBasicLineGraph::kScrollBack);
    QPushButton* forward = graph->ScrollButton(CBasicLineGraph::kScrollForward);
    EXPECT_TRUE(back->autoRepeat() && forward->autoRepeat());
    EXPECT_EQ(back->accessibleName() + forward->accessibleName(), "Scroll backScroll forward");

    const std::tuple<QWidget*, Qt::Key, int> presses[] = {
        {graph.get(), Qt::Key_Home, 1},     {graph.get(), Qt::Key_Left, 1},
        {graph.get(), Qt::Key_Right, 2},    {graph.get(), Qt::Key_PageDown, 22},
        {graph.get(), Qt::Key_End, 981},    {graph.get(), Qt::Key_PageDown, 981},
        {graph.get(), Qt::Key_PageUp, 961}, {back, Qt::Key_Home, 1},
        {forward, Qt::Key_End, 981},
    };
    for (const auto& [to, key, firstShown] : presses) {
        QTest::keyClick(to, key);
        EXPECT_EQ(XLabels(Paint()).front(), std::to_string(firstShown)) << key;
        // A screen reader reads the points in view.
        const QStringList said = graph->accessibleDescription().split(' ');
        EXPECT_EQ(said.size(), 21);
        EXPECT_EQ(said.mid(0, 2), (QStringList{"About.", QStringLiteral("P%1.").arg(firstShown)}));
    }

    graph->Clear();
    graph->SetEmptyText(QStringLiteral("No tests yet"));
    graph->SetSpokenText(QStringLiteral("About."), {});
    EXPECT_EQ(graph->accessibleDescription(), "About. No tests yet.");
    graph->AddPoint(5, 0, 0);
    QTest::keyClick(graph.get(), Qt::Key_End);
    EXPECT_EQ(Bars(Paint(), kGreen).size(), 1u) << "a short series stays in view";
}

// The small legend above the plot, right to left; the dotted goal line's sample only while the
// line is drawn.
TEST_F(LineGraphTest, TheLegendStandsAboveThePlotAndAnEmptySeriesSaysSo) {
    MakeBarChart();
    using enum GraphLegendEntry::Sample;
    const QColor oneMinute(45, 185, 114);
    const QColor fourMinutes(0, 78, 150);
    graph->SetLegend({{Bar, oneMinute, "1 minute"},
                      {Bar, fourMinutes, "4 minutes"},
                      {Mark, oneMinute, "goal"},
                      {GoalLine, Qt::black, "current goal"}});
    graph->SetEmptyText("No training sessions yet");
    graph->SetMaximum(100);
    const auto aboveThePlot = [this](const GdiRect& r) {
        return r.bottom > 0 && r.bottom <= Plot().top;
    };
    const auto inThePlot = [this](const GdiRect& r) {
        return r == Plot();
    };
    RecordingCanvas canvas = Paint();
    EXPECT_EQ(canvas.TextsWhere(aboveThePlot),
              (std::vector<std::string>{"goal", "4 minutes", "1 minute"}));
    EXPECT_EQ(canvas.TextsWhere(inThePlot), std::vector<std::string>{"No training sessions yet"});
    int left = Plot().right + 1;
    for (const auto& text : canvas.texts) {
        if (aboveThePlot(text.rect)) {
            EXPECT_LT(text.rect.right, left) << "right to left, none over another";
            left = text.rect.left;
        }
    }
    EXPECT_GT(left, Plot().left);
    EXPECT_EQ(canvas.FillsWhere(aboveThePlot), (std::vector{oneMinute, fourMinutes, oneMinute}))
        << "a bar with its mark, and two bars";

    graph->ModifyFlags(CBasicLineGraph::kMarksAndGoal, 0);
    graph->SetGoal(30);
    graph->AddPoint(20, 30, 2);
    canvas = Paint();
    EXPECT_EQ(canvas.TextsWhere(aboveThePlot),
              (std::vector<std::string>{"current goal", "goal", "4 minutes", "1 minute"}));
    EXPECT_TRUE(canvas.TextsWhere(inThePlot).empty()) << "points to show";
}

// The label before the maximum goes only when it would touch the maximum's label; minor
// intervals tick the axis, 0 draws no minor lines and a negative one is ignored.
TEST_F(LineGraphTest, LabelsAndTicksFollowTheIntervals) {
    graph->SetYScale(true);
    graph->SetMajorInterval(10);
    graph->AddPoint(95, 0, 0);
    const std::vector<std::string> crowded{"10", "20", "30", "40", "50", "60", "70", "80", "95"};
    EXPECT_EQ(YLabels(Paint()), crowded);
    graph->resize(600, 1400);
    std::vector<std::string> roomy = crowded;
    roomy.insert(roomy.end() - 1, "90");
    EXPECT_EQ(YLabels(Paint()), roomy);
    graph->ModifyFlags(CBasicLineGraph::kFrame, 0);
    graph->SetMaximum(100);
    const std::vector<std::string> labels = YLabels(Paint());
    EXPECT_EQ(std::ranges::count(labels, "100"), 1) << "the maximum is labelled once, at the top";
    EXPECT_EQ(labels.back(), "100");
    // Every label stands at its value's height inside the frame, the maximum too, with its tick.
    const RecordingCanvas framed = Paint();
    for (const auto& text : framed.texts) {
        if (text.rect.right == Plot().left && text.rect.top != 0) {
            EXPECT_EQ((text.rect.top + text.rect.bottom) / 2,
                      graph->Layout().ValueY(text.text.toInt()))
                << text.text.toStdString();
            EXPECT_GT(text.rect.top, graph->Layout().frameTop) << text.text.toStdString();
        }
    }
    const QPoint maximumTick(Plot().left - 3, graph->Layout().ValueY(100));
    EXPECT_TRUE(std::ranges::any_of(framed.lines,
                                    [&](const auto& line) { return line.to == maximumTick; }));

    Make<CBasicLineGraph>();
    graph->SetYScale(true);
    graph->SetMinorInterval(5);
    graph->AddPoint(20, 0, 0);
    const auto ticks = [this](const RecordingCanvas& canvas, PenStyle style, int from, int to) {
        return std::ranges::count_if(canvas.lines, [&](const auto& line) {
            return line.pen.style == style && line.from.x() == Plot().left + from &&
                   line.to.x() == Plot().left + to;
        });
    };
    RecordingCanvas canvas = Paint();
    EXPECT_EQ(ticks(canvas, PenStyle::Dot, 1, Plot().Width()), 4) << "minor lines";
    EXPECT_EQ(ticks(canvas, PenStyle::Solid, 0, -3), 4) << "ticks";
    for (const int ignored : {0, -1}) {
        graph->SetMinorInterval(ignored);
        canvas = Paint();
        EXPECT_EQ(ticks(canvas, PenStyle::Dot, 1, Plot().Width()), 0) << ignored;
        EXPECT_EQ(ticks(canvas, PenStyle::Solid, 0, -3), 0) << ignored;
    }
    EXPECT_EQ(YLabels(canvas), (std::vector<std::string>{"10", "20"}));
}

TEST_F(LineGraphTest, SmallLabelSizesUseSmallFontsInWholePoints) {
    MakeBarChart(1);
    graph->SetXLabelFont(75, QStringLiteral("Book Antiqua"));
    graph->SetYLabelFont(79, QStringLiteral("Book Antiqua"));
    const QFont smallFonts = platform::MakeFont("Small Fonts", platform::TenthPointsToPixels(70));
    for (const auto& text : Paint().texts) {
        if (text.text == "1" || text.text == "20") {
            EXPECT_EQ(text.font.families(), smallFonts.families()) << text.text.toStdString();
            EXPECT_EQ(text.font.pixelSize(), smallFonts.pixelSize()) << "7 points";
        }
    }
    EXPECT_EQ(GraphLabelFont(80, QStringLiteral("Book Antiqua")).families(),
              platform::MakeFont("Book Antiqua", 11).families());
}

// Drawn by the widget too, the goal line dotted; the scroll buttons go with their flag.
TEST_F(LineGraphTest, MarksAndTheDottedGoalLineNeedTheirFlag) {
    MakeBarChart();
    graph->SetGoal(30);
    graph->AddPoint(50, 40, 2);
    graph->AddPoint(60, 0, 3);
    RecordingCanvas canvas = Paint();
    EXPECT_EQ(Across(canvas, 40, PenStyle::Solid) + Across(canvas, 30, PenStyle::Dot), 0);

    graph->ModifyFlags(CBasicLineGraph::kMarksAndGoal, 0);
    canvas = Paint();
    EXPECT_EQ(Across(canvas, 40, PenStyle::Solid), 1) << "the first bar's mark";
    EXPECT_EQ(Across(canvas, 0, PenStyle::Solid), 1) << "the x axis only: mark 0 is none";
    ASSERT_EQ(Across(canvas, 30, PenStyle::Dot), 1);
    const GdiRect bar = Bars(canvas, QColor(45, 185, 114)).at(0);
    const auto mark = std::ranges::find_if(canvas.lines, [&](const auto& l) {
        return l.from.y() == graph->Layout().ValueY(40) && l.to.x() > l.from.x() &&
               l.pen.color == QColor(Qt::black);
    });
    EXPECT_EQ(mark->from.x(), bar.left);
    EXPECT_LT(mark->to.x(), bar.right) << "the mark stays inside its bar";
    EXPECT_EQ(Bars(canvas, QColor(0, 78, 150)).size(), 1u);
    graph->show();
    const QImage shot = Snapshot(*graph);
    EXPECT_GT(CountColour(shot, Plot().ToQRect(), QColor(45, 185, 114)), 500) << "the widget";
    const QRect goalRow(Plot().left, graph->Layout().ValueY(30), Plot().Width(), 1);
    const int black = CountColour(shot, goalRow, Qt::black);
    EXPECT_GT(black, Plot().Width() / 4) << "the goal line shows outside the bars";
    EXPECT_LT(black, Plot().Width() * 3 / 4) << "and it is dotted";
    EXPECT_TRUE(graph->ScrollButton(CBasicLineGraph::kScrollBack)->isVisible());
    graph->ModifyFlags(0, CBasicLineGraph::kScrollButtons);
    Snapshot(*graph);
    EXPECT_FALSE(graph->ScrollButton(CBasicLineGraph::kScrollBack)->isVisible());

    graph->SetGoal(0);
    EXPECT_EQ(Across(Paint(), 0, PenStyle::Dot), 0) << "no goal, no line on the axis";
}

// While drawing is off nothing is drawn. Without a maximum every value lies on the x axis.
TEST_F(LineGraphTest, ALineGraphJoinsItsPointsAndDotsEachOne) {
    for (const int value : {2, 8, 4}) {
        graph->AddPoint(value, 0, 0);
    }
    graph->SetYScale(true);
    graph->SetRedraw(false);
    const RecordingCanvas off = Paint();
    EXPECT_TRUE(off.lines.empty() && off.fills.empty() && off.texts.empty());
    graph->SetRedraw(true);
    RecordingCanvas canvas = Paint();
    ASSERT_EQ(canvas.dots.size(), 3u);
    EXPECT_EQ(std::ranges::count_if(canvas.lines, [](const auto& l) { return l.pen.width == 2; }),
              2);
    EXPECT_EQ(canvas.dots[1].from.y(), graph->Layout().ValueY(8));
    EXPECT_LT(canvas.dots[0].from.x(), canvas.dots[1].from.x());
    EXPECT_EQ(canvas.dots[0].pen.color, QColor(0, 0, 180));

    graph->SetMaximum(0);
    canvas = Paint();
    for (const auto& dot : canvas.dots) {
        EXPECT_EQ(dot.from.y(), Plot().bottom);
    }
    EXPECT_TRUE(YLabels(canvas).empty());
}

TEST_F(LineGraphTest, LevelPointsStandOnTheirMasteryStepGreenWhenPassed) {
    auto& mastery = Make<CMasteryGraph>();
    mastery.SetYScale(true);
    mastery.SetMaximum(15);
    EXPECT_TRUE(mastery.AddLevelPoint(1, 0, 0));
    EXPECT_TRUE(mastery.AddLevelPoint(5, 2, 1));
    EXPECT_FALSE(mastery.AddLevelPoint(7, 0, 1));
    EXPECT_FALSE(mastery.AddLevelPoint(2, 4, 1));
    EXPECT_TRUE(mastery.AddLevelPoint(6, 1, 0)) << "never recorded: drawn on the top band";
    const GraphSeries& series = mastery.Series();
    EXPECT_EQ(
        std::tuple(series.Count(), series.Point(1).value, series.Point(2).value, series.Maximum()),
        std::tuple(3, 15, 15, 15));

    const RecordingCanvas canvas = Paint();
    ASSERT_EQ(canvas.dots.size(), 3u);
    EXPECT_EQ(canvas.dots[0].pen.color, QColor(Qt::black));
    EXPECT_EQ(canvas.dots[0].from.y(), mastery.Layout().ValueY(1));
    EXPECT_EQ(canvas.dots[1].pen.color, kGreen);
    EXPECT_EQ(canvas.dots[1].from.y(), mastery.Layout().ValueY(15));
    EXPECT_EQ(YLabels(canvas), (std::vector<std::string>{"+", "-", "x", "\u00F7", "mix"}));
    EXPECT_EQ(std::ranges::count_if(
                  canvas.fills, [](const auto& f) { return f.colour == QColor(235, 235, 235); }),
              7)
        << "every other one of 15 rows";

    mastery.show();
    const QImage shot = Snapshot(mastery);
    EXPECT_GT(CountColour(shot, shot.rect(), kGreen), 30) << "a round dot 8 pixels wide";
}
