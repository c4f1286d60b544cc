#pragma once

#include "data/ClassReport.h"

#include <QFont>
#include <QStringList>
#include <QTreeWidget>
#include <string>
#include <vector>

// The class report on screen: one row per student in the report's columns, alternately grey and
// white, sorted by the column whose heading is clicked (again: the other way round). Figures sort
// as numbers, "Last active" by date ("never" first), the level by its order and the students in
// the order of the teacher's list; a student's whole name is in the tooltip of the name.
class ClassReportList final : public QTreeWidget {
    Q_OBJECT
public:
    ClassReportList(QWidget* parent, const QFont& rowFont, const QFont& headerFont, int rowHeight);

    // The columns' headings, on two lines where the words are many, and how their texts are
    // aligned (figures centred): the printed table shows them the same way.
    static QStringList Headings();
    static Qt::Alignment Alignment(int column);

    // Shows `rows` in the teacher's order.
    void SetRows(const std::vector<data::ClassReportRow>& rows);
    int RowCount() const { return topLevelItemCount(); }
    // The places in the rows given to SetRows of the rows shown, from the top down: the order
    // the teacher chose.
    std::vector<std::size_t> ShownOrder() const;
    QStringList RowTexts(int row) const;
    // The file-form name of the student shown in `row`.
    std::string Name(int row) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // An empty class says where students come from.
    void paintEvent(QPaintEvent* event) override;

private:
    // Every column as wide as its texts; the students' names take what the others leave.
    void FitColumns();
};
