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

    // Shows `rows` as read now: a row whose student is still listed keeps its place (and the
    // selection) and takes the new standing, a row whose student is not goes, and a student not
    // shown yet is added at the bottom. An empty list takes `rows` in their order.
    void UpdateRows(std::vector<data::RosterRow> rows);
    // The list-form name in `row`.
    std::string Name(int row) const;
    // The selected row; -1 without a selection.
    int SelectedRow() const;
    // The whole name of `row` when its column is too narrow to show it, else nothing: what the
    // row's tooltip says.
    QString CutName(int row) const;

protected:
    bool viewportEvent(QEvent* event) override;

private:
    void AddRow(const data::RosterRow& row);
    void SetRow(int row, const data::RosterRow& content);
};
