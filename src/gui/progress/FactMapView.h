#pragma once

#include "FactMapLayout.h"

#include "data/FactFluency.h"
#include "data/FactGrid.h"
#include "data/Problem.h"

#include <QFont>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

class CPictureButton;
class FactSummaryTile;

// The facts of one operation as a grid, each on the colour of how well the student knows it,
// with a button for each of the four operations and for Mixed, a legend with the counts, and as
// a cell's tooltip its median time, its number of tries and the date of the last. Mixed shows the
// four operations' counts side by side instead, each opening its grid. The facts come from the
// installed test files, which it reads without changing them; it never writes anything.
class FactMapView final : public QWidget {
    Q_OBJECT
public:
    explicit FactMapView(QWidget* parent);

    // A student's first tries and mistake list, shown on the operation of `level` (a kind; the
    // summary for Mixed).
    void ShowStudent(std::int32_t level, data::FactFluency fluency, std::vector<Problem> mistakes);
    // Reads the facts of `kind` (kAddition … kDivision) afresh and shows them; for kMixed, those
    // of all four, counted side by side.
    void ShowOperation(std::int32_t kind);

    std::int32_t Operation() const { return operation_; }
    // The grid shown; empty on the Mixed summary.
    const data::FactGrid& Grid() const { return grid_; }
    CPictureButton* KindButton(std::int32_t kind) const;
    // The Mixed summary's tile of `kind` (kAddition … kDivision).
    FactSummaryTile* SummaryTile(std::int32_t kind) const;
    // The counts shown: the grid's, or on the summary all four operations' together.
    data::FluencyCounts Counts() const;
    // "Addition: 42 of 100 fluent".
    QString Headline() const;
    // What a screen reader reads of the map (its description): the headline, then the facts of
    // each colour in words ("Missed: 7 plus 8, 6 plus 9.").
    QString SpokenMap() const;
    // Why the grid is empty ("" while it shows facts).
    const QString& Message() const { return message_; }
    const FactMapLayout& Layout() const { return layout_; }
    const QFont& CellFont() const { return cellFont_; }
    // What the tooltip says at `point`: the fact under it with its answer and usual time.
    QString ToolTipAt(QPoint point) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Relayout();
    void FitCellFont();
    void ShowSummary();

    std::array<CPictureButton*, 5> kindButtons_{};
    std::array<FactSummaryTile*, 4> tiles_{};
    std::int32_t operation_ = kAddition;
    data::FactFluency fluency_;
    std::vector<Problem> mistakes_;
    data::FactGrid grid_;
    QString message_;
    FactMapLayout layout_;
    QFont cellFont_;
    QFont headlineFont_;
    QFont legendFont_;
    QFont noteFont_;
};
