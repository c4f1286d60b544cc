#pragma once

#include "data/Problem.h"

#include <QString>
#include <QTreeWidget>

class CStudent;

// The review window's list of the student's mistakes: one row per fact, "Problem" ("7 x 8") and
// "Remaining" (right first tries still needed to master it). Rows alternate grey and white; the
// current card's row is selected and kept in view.
class CMistakeListCtl final : public QTreeWidget {
    Q_OBJECT
public:
    // `rowTenths`, `headerTenths`: font sizes in tenths of a point; `rowHeight` in pixels.
    CMistakeListCtl(QWidget* parent, int rowTenths, int headerTenths, int rowHeight);

    // One row per mistake in list order; empty problems have no row.
    void Fill(CStudent& student);
    // The first row showing `fact`, selected, focused and scrolled into view.
    void SelectFact(const Problem& fact);
    int RowCount() const { return topLevelItemCount(); }
    // Two columns sharing the width beside any scroll bar.
    void FitColumns();

protected:
    // The viewport's resizes: the scroll bar came or went.
    void resizeEvent(QResizeEvent* event) override;
};

// "7 x 8": the operands around the operator's character (+, -, x, /; a blank for none).
QString ProblemText(const Problem& fact);
