#pragma once

#include "data/ClassRoster.h"

#include <QFont>
#include <QTableWidget>
#include <vector>

// The teacher window's list of students: "Name" (list form) and "Level - Tests Passed", one row
// per student, with grid lines, whole rows selected one at a time, rows alternately grey and
// white. The rows stay in the order they were added.
class StudentListCtl final : public QTableWidget {
    Q_OBJECT
public:
    StudentListCtl(QWidget* parent, const QFont& headerFont, const QFont& rowFont, int rowHeight);

    void SetRows(const std::vector<data::RosterRow>& rows);
    void AddRow(const data::RosterRow& row);
    void SetRow(int row, const data::RosterRow& content);
    // The list-form name in `row`.
    std::string Name(int row) const;
    // The rows whose name is exactly `name` (list form), from the top.
    std::vector<int> RowsNamed(const std::string& name) const;
    // The selected row; -1 without a selection.
    int SelectedRow() const;
    // The whole name of `row` when its column is too narrow to show it, else nothing: what the
    // row's tooltip says.
    QString CutName(int row) const;

protected:
    bool viewportEvent(QEvent* event) override;
};
