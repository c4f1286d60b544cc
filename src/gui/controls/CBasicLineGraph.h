#pragma once

#include "GraphCanvas.h"
#include "GraphLegend.h"
#include "GraphSeries.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <vector>

class QPushButton;

// Where the parts of a graph lie, worked out from its size and fonts on every paint.
struct GraphLayout {
    platform::GdiRect client;
    platform::GdiRect plot;
    int labelSize = 0;    // the y-label column's width, also the x-label row's height
    int yLabelHeight = 0; // the height of a y label
    int xTitleBand = 0;   // the band of the x title at the bottom
    int yTitleBand = 0;   // the band of the y title on the left
    int yTitleLength = 0; // the y title's length along the axis
    int frameTop = 0;     // the top of the frame, above the maximum's label; the legend above it
    double xStep = 0;     // pixels from one x position to the next
    double yScale = 0;    // pixels per unit up the y axis; 0 without a scale

    // Where the point at `offset` positions from the first one shown stands.
    int PointX(int offset) const;
    // The height of `value`; every value lies on the x axis without a scale.
    int ValueY(int value) const;
};

// Plots a series of whole numbers against their position, as a line or as bars (with an
// optional mark across each bar and a dotted goal line), with its own axes, numbered positions,
// a scaled y axis with labels and grid lines, titles, and "<" / ">" buttons that scroll through
// the series when it holds more values than fit.
//
// While drawing is off the graph collects points and paints nothing; while it is on every
// setter repaints at once, so a window turns it off while it adds many points.
//
// A long series is reachable: the buttons repeat while held, and with the focus on the graph
// Home and End show the first and the last positions, Page Up and Page Down a screenful earlier
// or later, the arrow keys one position. A small legend may stand above the plot, and an empty
// series may say so in the middle of it.
class CBasicLineGraph : public QWidget {
    Q_OBJECT
public:
    enum Style { kLine = 1, kBars = 2 };
    enum Flag : std::uint32_t {
        kFrame = 1,         // a frame around plot and labels, a line down the right edge
        kScrollButtons = 2, // the "<" and ">" buttons show
        kReserved = 4,      // set from the start; changes nothing
        kDrawing = 8,       // paint draws; setters repaint
        kMarksAndGoal = 16, // bar marks and the goal line
    };
    enum CommandId { kScrollBack = 1000, kScrollForward = 1001 };

    explicit CBasicLineGraph(QWidget* parent);

    void SetStyle(Style style);
    void ModifyFlags(std::uint32_t add, std::uint32_t remove);
    void SetRedraw(bool on);
    void SetXTitle(const QString& title);
    void SetYTitle(const QString& title);
    // Sizes in tenths of a point; below 8 points "Small Fonts" in whole points is used instead.
    void SetXLabelFont(int tenths, const QString& face);
    void SetYLabelFont(int tenths, const QString& face);
    // Intervals below 0 are ignored; a minor interval of 0 draws no minor grid lines or ticks.
    void SetMinorInterval(int interval);
    void SetMajorInterval(int interval);
    void SetGrid(bool on);
    void SetYScale(bool on);
    void SetXLabels(bool on);
    // Mode 1 numbers the positions 1, 2, 3, …; any mode shows 20 positions at a time.
    void SetLabelMode(int mode);
    void SetVisibleCount(int count);
    void SetMaximum(int maximum);
    // Does not repaint.
    void SetGoal(int goal);
    // Drawn above the plot, right-aligned; a goal-line sample only while a goal line shows.
    void SetLegend(std::vector<GraphLegendEntry> legend);
    // Said in the middle of the plot while there are no points.
    void SetEmptyText(const QString& text);
    // The graph in words, as a screen reader reads it (its accessible description): `about`, what
    // it plots, then the sentence of each point in view, `pointTexts` holding one per point in
    // the order they were added ("Test 3 of 12: 95 correct, not passed."); the empty text while
    // there are no points. Said again whenever the graph scrolls.
    void SetSpokenText(const QString& about, QStringList pointTexts);
    // Points, maximum and scroll position back to none; does not repaint.
    void Clear();
    // Always keeps the point; the newest point stays in view.
    bool AddPoint(int value, int mark, int category);
    void Show();
    void Hide();

    std::uint32_t Flags() const { return flags_; }
    const GraphSeries& Series() const { return series_; }
    QPushButton* ScrollButton(CommandId id) const;
    // As the last paint laid it out.
    const GraphLayout& Layout() const { return layout_; }

    // What a paint draws: nothing while drawing is off; otherwise lays the graph out, updates
    // the scroll buttons and draws titles, y axis, x axis and data.
    void Paint(GraphCanvas& canvas);

    // The colour class of bars that the windows use for a test not passed: a lighter green.
    static constexpr int kLightCategory = 4;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // The pen of a point's dot in a line graph.
    virtual platform::GdiPen PointPen(const GraphPoint& point) const;
    // Labels, grid lines and ticks up the y axis.
    virtual void DrawYAxis(GraphCanvas& canvas) const;
    // Whether DrawYAxis labels the maximum, whose label stands half above the plot.
    virtual bool LabelsMaximum() const { return yScaleOn_; }

    const QFont& YLabelFont() const { return yLabelFont_; }

private:
    void Redraw();
    void LayOut(GraphCanvas& canvas);
    void PlaceScrollButtons();
    void OnScroll(int positions);
    void ShowScrollPosition();
    void SaySpokenText();
    void DrawTitles(GraphCanvas& canvas) const;
    void DrawLegend(GraphCanvas& canvas) const;
    void DrawYLabel(GraphCanvas& canvas, int value, int centreY) const;
    void DrawXAxis(GraphCanvas& canvas) const;
    void DrawData(GraphCanvas& canvas) const;
    void DrawLines(GraphCanvas& canvas) const;
    void DrawBars(GraphCanvas& canvas) const;

    Style style_ = kLine;
    std::uint32_t flags_ = kScrollButtons | kReserved | kDrawing;
    QString xTitle_;
    QString yTitle_;
    QFont xLabelFont_;
    QFont yLabelFont_;
    QFont titleFont_;
    int minorInterval_ = 1;
    int majorInterval_ = 10;
    bool grid_ = true;
    bool yScaleOn_ = false;
    bool xLabelsOn_ = false;
    int labelMode_ = 1;
    int goal_ = 0;
    std::vector<GraphLegendEntry> legend_;
    QString emptyText_;
    QString about_;
    QStringList pointTexts_;
    GraphSeries series_;
    QPushButton* backButton_ = nullptr;
    QPushButton* forwardButton_ = nullptr;
    GraphLayout layout_;
};

// A label font: the face at `tenths` of a point, or "Small Fonts" in whole points below 8.
QFont GraphLabelFont(int tenths, const QString& face);

// The fill of bars of `category` (0 to 4); any other is drawn as category 0.
QColor GraphBarColour(int category);
