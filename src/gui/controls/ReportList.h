#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTreeWidget>
#include <span>

// The grey of every other row, the first one included.
inline const QColor kReportGreyRow(235, 235, 235);

// The texts of `row` of `list`, column by column.
QStringList ReportRowTexts(const QTreeWidget& list, int row);

// The text size of the lists, in points: 11 below 1024 pixels across, 12 from there.
int ReportTextPoints();

// Rows of a fixed height in alternating colours (grey first, then white), whole rows selected,
// a header that cannot be clicked or dragged: how every list of the program's screens looks.
void StyleAsReport(QTreeWidget& list, int rowHeight);

// The rows' colours alone, for a list of another kind: grey first, then white.
void UseReportRowColours(QAbstractItemView& list);

// A report of past sessions, one row per session: columns with their starting widths, the first
// one centred, the last one stretched over what the others leave.
class ReportList final : public QTreeWidget {
    Q_OBJECT
public:
    struct Column {
        const char* title; // marked QT_TRANSLATE_NOOP("ReportList", …)
        int width;
    };

    ReportList(QWidget* parent, std::span<const Column> columns, const QFont& rowFont,
               const QFont& headerFont, int rowHeight);

    // Appends a row below the others, its text in `textColour`.
    void AddRow(const QStringList& cells, QColor textColour = Qt::black);
    int RowCount() const { return topLevelItemCount(); }
    QStringList RowTexts(int row) const { return ReportRowTexts(*this, row); }
    // The last column takes the width the others leave.
    void FillLastColumn();
    // Said in the middle of the list while it has no rows.
    void SetEmptyText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString emptyText_;
};
