#include "GuiTestSupport.h"
#include "gui/controls/CBasicLineGraph.h"
#include "gui/controls/CMasteryGraph.h"
#include "platform/qt/Fonts.h"

#include <QFontMetrics>
#include <QPushButton>
#include <algorithm>
#include <functional>

namespace {

using platform::GdiPen;
using platform::GdiRect;
using platform::PenStyle;

// Keeps every call a graph's paint makes.
class RecordingCanvas final : public GraphCanvas {
public:
    struct Line {
        GdiPen pen;
        QPoint from;
        QPoint to;
    };
    struct Text {
        QFont font;
        QString text;
        GdiRect rect;
    };
    struct Dot {
        GdiPen pen;
        QPoint at;
    };
    struct Fill {
        GdiRect rect;
        QColor colour;
    };

    QSize TextExtent(const QFont& font, const QString& text) override {
        const QFontMetrics metrics(font);
        return {metrics.horizontalAdvance(text), metrics.height()};
    }
    void Line(const GdiPen& pen, QPoint from, QPoint to) override {
        lines.push_back({pen, from, to});
    }
    void Dot(const GdiPen& pen, QPoint at) override { dots.push_back({pen, at}); }
    void Fill(const GdiRect& rect, QColor colour) override { fills.push_back({rect, colour}); }
    void Rectangle(const GdiPen&, std::optional<QColor> fill, const GdiRect& rect) override {
        if (fill) {
            fills.push_back({rect, *fill});
        }
    }
    void Text(const QFont& font, const QString& text, const GdiRect& rect, unsigned) override {
        texts.push_back({font, text, rect});
    }
    void TextUpwards(const QFont& font, const QString& text, QPoint) override {
        texts.push_back({font, text, {}});
    }

    std::vector<struct Line> lines;
    std::vector<struct Text> texts;
    std::vector<struct Dot> dots;
    std::vector<struct Fill> fills;
};

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

    // Bars with numbered positions and a y scale, as the progress window shows test scores.
    void MakeBarChart() {
        graph->SetStyle(CBasicLineGraph::kBars);
        graph->SetXLabels(true);
        graph->SetYScale(true);
    }

    RecordingCanvas Paint() {
        RecordingCanvas canvas;
        graph->Paint(canvas);
        return canvas;
    }

    // The texts whose rectangle `where` accepts, in drawing order.
    static std::vector<std::string> Texts(const RecordingCanvas& canvas,
                                          const std::function<bool(const GdiRect&)>& where) {
        std::vector<std::string> texts;
        for (const auto& text : canvas.texts) {
            if (where(text.rect)) {
                texts.push_back(text.text.toStdString());
            }
        }
        return texts;
    }

    std::vector<std::string> XLabels(const RecordingCanvas& canvas) const {
        const int bottom = graph->Layout().plot.bottom;
        return Texts(canvas, [bottom](const GdiRect& r) { return r.top == bottom; });
    }

    std::vector<std::string> YLabels(const RecordingCanvas& canvas) const {
        const int left = graph->Layout().plot.left;
        return Texts(canvas, [left](const GdiRect& r) { return r.right == left && r.top != 0; });
    }

    // Fills of the bars (not the white background nor the mastery rows).
    std::vector<GdiRect> Bars(const RecordingCanvas& canvas, QColor colour) const {
        std::vector<GdiRect> bars;
        for (const auto& fill : canvas.fills) {
            if (fill.colour == colour && fill.rect.bottom == graph->Layout().plot.bottom) {
                bars.push_back(fill.rect);
            }
        }
        return bars;
    }

    static std::vector<std::string> Numbers(int from, int to) {
        std::vector<std::string> numbers;
        for (int n = from; n <= to; ++n) {
            numbers.push_back(std::to_string(n));
        }
        return numbers;
    }

    bool BackEnabled() const {
        return graph->ScrollButton(CBasicLineGraph::kScrollBack)->isEnabled();
    }
    bool ForwardEnabled() const {
        return graph->ScrollButton(CBasicLineGraph::kScrollForward)->isEnabled();
    }

    platform::fakes::FakePlatform fakes;
    std::unique_ptr<CBasicLineGraph> graph;
};

} // namespace

TEST_F(LineGraphTest, AThousandPointsAreAllKeptAndTheNewestStayInView) {
    MakeBarChart();
    graph->SetRedraw(false);
    for (int value = 1; value <= 1000; ++value) {
        ASSERT_TRUE(graph->AddPoint(value % 100, 0, 0));
    }
    graph->SetRedraw(true);
    EXPECT_EQ(graph->Series().Count(), 1000);
    EXPECT_EQ(XLabels(Paint()), Numbers(981, 1000));
}

// Twenty positions fit: the back button stays on, one point a step, until the oldest is in view,
// be it one step away (21 points) or two (22), and is off at once when all fit (20).
TEST_F(LineGraphTest, TheBackButtonReachesTheOldestPointAndIsOffThere) {
    for (const int count : {20, 21, 22}) {
        SCOPED_TRACE(count);
        Make<CBasicLineGraph>();
        MakeBarChart();
        for (int value = 1; value <= count; ++value) {
            graph->AddPoint(value, 0, 0);
        }
        for (int first = count - 19; first >= 1; --first) {
            const RecordingCanvas canvas = Paint();
            EXPECT_EQ(XLabels(canvas), Numbers(first, first + 19));
            const std::vector<GdiRect> bars = Bars(canvas, kGreen);
            ASSERT_EQ(bars.size(), 20u);
            EXPECT_EQ(bars.front().top, graph->Layout().ValueY(first) + 1);
            EXPECT_EQ(BackEnabled(), first > 1) << first;
            EXPECT_EQ(ForwardEnabled(), first < count - 19) << first;
            graph->ScrollButton(CBasicLineGraph::kScrollBack)->click();
        }
    }
}

// Holding a button repeats it; with the focus on the graph or on a button, Home and End reach the
// first and the last points at once, the page keys a screenful and the arrows one position.
TEST_F(LineGraphTest, KeysReachEveryPartOfALongSeriesAndTheButtonsRepeatWhileHeld) {
    MakeBarChart();
    graph->SetRedraw(false);
    QStringList spoken;
    for (int value = 1; value <= 1000; ++value) {
        graph->AddPoint(value % 100, 0, 0);
        spoken << QStringLiteral("P%1.").arg(value);
    }
    graph->SetSpokenText(QStringLiteral("About."), spoken);
    graph->SetRedraw(true);
    graph->show();
    QPushButton* back = graph->ScrollButton(CBasicLineGraph::kScrollBack);
    QPushButton* forward = graph->ScrollButton(CBasicLineGraph::kScrollForward);
    EXPECT_TRUE(back->autoRepeat() && forward->autoRepeat());
    EXPECT_EQ(back->accessibleName(), "Scroll back");
    EXPECT_EQ(forward->accessibleName(), "Scroll forward");
    EXPECT_EQ(graph->focusPolicy(), Qt::StrongFocus);

    struct Press {
        QWidget* to;
        Qt::Key key;
        int firstShown;
    };
    const Press presses[] = {
        {graph.get(), Qt::Key_Home, 1},     {graph.get(), Qt::Key_Left, 1},
        {graph.get(), Qt::Key_Right, 2},    {graph.get(), Qt::Key_PageDown, 22},
        {graph.get(), Qt::Key_End, 981},    {graph.get(), Qt::Key_PageDown, 981},
        {graph.get(), Qt::Key_PageUp, 961}, {back, Qt::Key_Home, 1},
        {forward, Qt::Key_End, 981},
    };
    for (const Press& press : presses) {
        QTest::keyClick(press.to, press.key);
        EXPECT_EQ(XLabels(Paint()).front(), std::to_string(press.firstShown)) << press.key;
        // A screen reader reads the points in view.
        const QStringList said = graph->accessibleDescription().split(' ');
        EXPECT_EQ(said.size(), 21);
        EXPECT_EQ(said.mid(0, 2),
                  (QStringList{"About.", QStringLiteral("P%1.").arg(press.firstShown)}));
    }
    EXPECT_TRUE(BackEnabled());
    EXPECT_FALSE(ForwardEnabled());
    QTest::keyClick(graph.get(), Qt::Key_Home);
    Paint();
    EXPECT_FALSE(BackEnabled());
    EXPECT_TRUE(ForwardEnabled());

    graph->Clear();
    graph->SetEmptyText(QStringLiteral("No tests yet"));
    graph->SetSpokenText(QStringLiteral("About."), {});
    EXPECT_EQ(graph->accessibleDescription(), "About. No tests yet.");
    graph->AddPoint(5, 0, 0);
    QTest::keyClick(graph.get(), Qt::Key_End);
    EXPECT_EQ(Bars(Paint(), kGreen).size(), 1u) << "a short series stays in view";
}

// The small legend above the plot; the dotted goal line's sample only while the line is drawn.
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
    const auto legend = [this](const RecordingCanvas& canvas) {
        const int top = graph->Layout().plot.top;
        return Texts(canvas, [top](const GdiRect& r) { return r.bottom > 0 && r.bottom <= top; });
    };
    RecordingCanvas canvas = Paint();
    EXPECT_EQ(legend(canvas), (std::vector<std::string>{"goal", "4 minutes", "1 minute"}));
    EXPECT_EQ(Texts(canvas, [this](const GdiRect& r) { return r == graph->Layout().plot; }),
              std::vector<std::string>{"No training sessions yet"});
    int left = graph->Layout().plot.right + 1;
    for (const auto& text : canvas.texts) {
        if (text.rect.bottom > 0 && text.rect.bottom <= graph->Layout().plot.top) {
            EXPECT_LT(text.rect.right, left) << "right to left, none over another";
            left = text.rect.left;
        }
    }
    EXPECT_GT(left, graph->Layout().plot.left);
    const auto swatches = [&](QColor colour) {
        return std::count_if(canvas.fills.begin(), canvas.fills.end(), [&](const auto& fill) {
            return fill.colour == colour && fill.rect.bottom <= graph->Layout().plot.top;
        });
    };
    EXPECT_EQ(swatches(oneMinute), 2) << "a bar, and a bar with its mark";
    EXPECT_EQ(swatches(fourMinutes), 1);

    graph->ModifyFlags(CBasicLineGraph::kMarksAndGoal, 0);
    graph->SetGoal(30);
    graph->AddPoint(20, 30, 2);
    canvas = Paint();
    EXPECT_EQ(legend(canvas),
              (std::vector<std::string>{"current goal", "goal", "4 minutes", "1 minute"}));
    EXPECT_TRUE(
        Texts(canvas, [this](const GdiRect& r) { return r == graph->Layout().plot; }).empty())
        << "points to show";
}

TEST_F(LineGraphTest, FewerPointsThanPositionsNumberEveryPositionAndDisableBothButtons) {
    MakeBarChart();
    for (const int value : {3, 7, 5}) {
        graph->AddPoint(value, 0, 1);
    }
    const RecordingCanvas canvas = Paint();
    EXPECT_EQ(XLabels(canvas), Numbers(1, 20));
    EXPECT_EQ(Bars(canvas, QColor(185, 185, 185)).size(), 3u);
    EXPECT_FALSE(BackEnabled());
    EXPECT_FALSE(ForwardEnabled());

    graph->Clear();
    EXPECT_TRUE(XLabels(Paint()).empty()) << "an empty graph has no positions";
}

TEST_F(LineGraphTest, TheLabelBeforeTheMaximumGoesOnlyWhenItWouldTouchTheMaximumsLabel) {
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
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels.back(), "100");
    EXPECT_EQ(std::count(labels.begin(), labels.end(), "100"), 1)
        << "the maximum is labelled once, at the top";
    // Every label stands at its value's height inside the frame, the maximum too, with its tick.
    const GraphLayout& layout = graph->Layout();
    const RecordingCanvas canvas = Paint();
    for (const auto& text : canvas.texts) {
        if (text.rect.right == layout.plot.left && text.rect.top != 0) {
            EXPECT_EQ((text.rect.top + text.rect.bottom) / 2, layout.ValueY(text.text.toInt()))
                << text.text.toStdString();
            EXPECT_GT(text.rect.top, layout.frameTop) << text.text.toStdString();
        }
    }
    const QPoint maximumTick(layout.plot.left - 3, layout.ValueY(100));
    EXPECT_TRUE(std::ranges::any_of(canvas.lines,
                                    [&](const auto& line) { return line.to == maximumTick; }));
}

TEST_F(LineGraphTest, MinorIntervalsTickTheAxisAndZeroDrawsNoMinorLines) {
    graph->SetYScale(true);
    graph->SetMinorInterval(5);
    graph->AddPoint(20, 0, 0);
    auto minorLines = [this](const RecordingCanvas& canvas, PenStyle style) {
        const int left = graph->Layout().plot.left;
        return std::count_if(canvas.lines.begin(), canvas.lines.end(), [&](const auto& line) {
            return line.pen.style == style && line.from.x() == left + (style == PenStyle::Dot);
        });
    };
    auto ticks = [this](const RecordingCanvas& canvas) {
        const int left = graph->Layout().plot.left;
        return std::count_if(canvas.lines.begin(), canvas.lines.end(),
                             [&](const auto& line) { return line.to.x() == left - 3; });
    };
    RecordingCanvas canvas = Paint();
    EXPECT_EQ(minorLines(canvas, PenStyle::Dot), 4);
    EXPECT_EQ(ticks(canvas), 4);

    graph->SetMinorInterval(0);
    canvas = Paint();
    EXPECT_EQ(minorLines(canvas, PenStyle::Dot), 0);
    EXPECT_EQ(ticks(canvas), 0);
    EXPECT_EQ(YLabels(canvas), (std::vector<std::string>{"10", "20"}));

    graph->SetMinorInterval(-1);
    EXPECT_EQ(ticks(Paint()), 0) << "a negative interval is ignored";
}

TEST_F(LineGraphTest, SmallLabelSizesUseSmallFontsInWholePoints) {
    MakeBarChart();
    graph->AddPoint(1, 0, 0);
    graph->SetXLabelFont(75, QStringLiteral("Book Antiqua"));
    graph->SetYLabelFont(79, QStringLiteral("Book Antiqua"));
    graph->SetYScale(true);
    const RecordingCanvas canvas = Paint();
    const QFont smallFonts = platform::MakeFont("Small Fonts", platform::TenthPointsToPixels(70));
    for (const auto& text : canvas.texts) {
        if (text.text == "1" || text.text == "20") {
            EXPECT_EQ(text.font.families(), smallFonts.families()) << text.text.toStdString();
            EXPECT_EQ(text.font.pixelSize(), smallFonts.pixelSize()) << "7 points";
        }
    }
    EXPECT_EQ(GraphLabelFont(80, QStringLiteral("Book Antiqua")).families(),
              platform::MakeFont("Book Antiqua", 11).families());
}

TEST_F(LineGraphTest, MarksAndTheDottedGoalLineNeedTheirFlag) {
    MakeBarChart();
    graph->SetGoal(30);
    graph->AddPoint(50, 40, 2);
    graph->AddPoint(60, 0, 3);
    auto horizontalAt = [this](const RecordingCanvas& canvas, int value, PenStyle style) {
        const int y = graph->Layout().ValueY(value);
        return std::count_if(canvas.lines.begin(), canvas.lines.end(), [&](const auto& line) {
            return line.pen.style == style && line.pen.color == QColor(Qt::black) &&
                   line.from.y() == y && line.to.y() == y && line.to.x() > line.from.x();
        });
    };
    RecordingCanvas canvas = Paint();
    EXPECT_EQ(horizontalAt(canvas, 40, PenStyle::Solid), 0);
    EXPECT_EQ(horizontalAt(canvas, 30, PenStyle::Dot), 0);

    graph->ModifyFlags(CBasicLineGraph::kMarksAndGoal, 0);
    canvas = Paint();
    EXPECT_EQ(horizontalAt(canvas, 40, PenStyle::Solid), 1) << "the first bar's mark";
    EXPECT_EQ(horizontalAt(canvas, 0, PenStyle::Solid), 1) << "the x axis only: mark 0 is none";
    ASSERT_EQ(horizontalAt(canvas, 30, PenStyle::Dot), 1);
    const GdiRect bar = Bars(canvas, QColor(45, 185, 114)).at(0);
    const auto mark = std::find_if(canvas.lines.begin(), canvas.lines.end(), [&](const auto& l) {
        return l.from.y() == graph->Layout().ValueY(40) && l.to.x() > l.from.x() &&
               l.pen.color == QColor(Qt::black);
    });
    EXPECT_EQ(mark->from.x(), bar.left);
    EXPECT_LT(mark->to.x(), bar.right) << "the mark stays inside its bar";
    EXPECT_EQ(Bars(canvas, QColor(0, 78, 150)).size(), 1u);

    graph->SetGoal(0);
    EXPECT_EQ(horizontalAt(Paint(), 30, PenStyle::Dot), 0) << "no goal";
}

// Without a maximum every value lies on the x axis.
TEST_F(LineGraphTest, ALineGraphJoinsItsPointsAndDotsEachOne) {
    for (const int value : {2, 8, 4}) {
        graph->AddPoint(value, 0, 0);
    }
    graph->SetYScale(true);
    RecordingCanvas canvas = Paint();
    ASSERT_EQ(canvas.dots.size(), 3u);
    const auto joins = std::count_if(canvas.lines.begin(), canvas.lines.end(),
                                     [](const auto& line) { return line.pen.width == 2; });
    EXPECT_EQ(joins, 2);
    EXPECT_EQ(canvas.dots[1].at.y(), graph->Layout().ValueY(8));
    EXPECT_LT(canvas.dots[0].at.x(), canvas.dots[1].at.x());
    EXPECT_EQ(canvas.dots[0].pen.color, QColor(0, 0, 180));

    graph->SetMaximum(0);
    canvas = Paint();
    for (const auto& dot : canvas.dots) {
        EXPECT_EQ(dot.at.y(), graph->Layout().plot.bottom);
    }
    EXPECT_TRUE(YLabels(canvas).empty());
}

TEST_F(LineGraphTest, WhileDrawingIsOffNothingIsDrawn) {
    graph->AddPoint(4, 0, 0);
    graph->SetRedraw(false);
    const RecordingCanvas off = Paint();
    EXPECT_TRUE(off.lines.empty() && off.fills.empty() && off.texts.empty());
    graph->SetRedraw(true);
    EXPECT_FALSE(Paint().fills.empty());
}

TEST_F(LineGraphTest, TheWidgetPaintsBarsAGoalAndItsScrollButtons) {
    MakeBarChart();
    graph->ModifyFlags(CBasicLineGraph::kFrame | CBasicLineGraph::kMarksAndGoal, 0);
    graph->SetGoal(50);
    graph->SetMaximum(100);
    for (int value = 10; value <= 100; value += 10) {
        graph->AddPoint(value, 0, 0);
    }
    graph->show();
    const QImage shot = guitest::Snapshot(*graph);
    const GraphLayout& layout = graph->Layout();
    EXPECT_GT(guitest::CountColour(shot, layout.plot.ToQRect(), kGreen), 1000);
    const int goalY = layout.ValueY(50);
    const QRect goalRow(layout.plot.left, goalY, layout.plot.Width(), 1);
    const int black = guitest::CountColour(shot, goalRow, Qt::black);
    EXPECT_GT(black, layout.plot.Width() / 4) << "the goal line shows outside the bars";
    EXPECT_LT(black, layout.plot.Width() * 3 / 4) << "and it is dotted";
    EXPECT_TRUE(graph->ScrollButton(CBasicLineGraph::kScrollBack)->isVisible());

    graph->ModifyFlags(0, CBasicLineGraph::kScrollButtons);
    guitest::Snapshot(*graph);
    EXPECT_FALSE(graph->ScrollButton(CBasicLineGraph::kScrollBack)->isVisible());
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
    EXPECT_EQ(mastery.Series().Count(), 3);
    EXPECT_EQ(mastery.Series().Point(1).value, 15);
    EXPECT_EQ(mastery.Series().Point(2).value, 15);
    EXPECT_EQ(mastery.Series().Maximum(), 15);

    const RecordingCanvas canvas = Paint();
    ASSERT_EQ(canvas.dots.size(), 3u);
    EXPECT_EQ(canvas.dots[0].pen.color, QColor(Qt::black));
    EXPECT_EQ(canvas.dots[0].at.y(), mastery.Layout().ValueY(1));
    EXPECT_EQ(canvas.dots[1].pen.color, kGreen);
    EXPECT_EQ(canvas.dots[1].at.y(), mastery.Layout().ValueY(15));
    EXPECT_EQ(YLabels(canvas), (std::vector<std::string>{"+", "-", "x", "\u00F7", "mix"}));
    const auto greyRows =
        std::count_if(canvas.fills.begin(), canvas.fills.end(),
                      [](const auto& f) { return f.colour == QColor(235, 235, 235); });
    EXPECT_EQ(greyRows, 7) << "every other one of 15 rows";

    mastery.show();
    const QImage shot = guitest::Snapshot(mastery);
    EXPECT_GT(guitest::CountColour(shot, shot.rect(), kGreen), 30) << "a round dot 8 pixels wide";
}
