#include "StudentListCtl.h"

#include "ReportList.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>
#include <algorithm>

namespace {

QTableWidgetItem* Cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

StudentListCtl::StudentListCtl(QWidget* parent, const QFont& headerFont, const QFont& rowFont,
                               int rowHeight)
    : QTableWidget(0, 2, parent) {
    const QString levelHeading = tr("Level - Tests Passed");
    setHorizontalHeaderLabels({tr("Name"), levelHeading});
    horizontalHeader()->setFont(headerFont);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    setFont(rowFont);
    setShowGrid(true);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab makes a row current without choosing it: no student shows as chosen before one is
    // clicked, or taken with Space or the arrow keys. Tab goes on to the buttons, not along the
    // cells.
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    UseReportRowColours(*this);
    // The level column is as wide as its heading and a tenth more; the name column takes the
    // rest, so the list never scrolls sideways.
    setColumnWidth(
        1, static_cast<int>(1.1 * QFontMetrics(headerFont).horizontalAdvance(levelHeading)));
}

// A name listed twice (by hand) keeps one row each.
void StudentListCtl::UpdateRows(std::vector<data::RosterRow> rows) {
    for (int index = rowCount() - 1; index >= 0; --index) {
        const auto read = std::ranges::find(rows, Name(index), &data::RosterRow::name);
        if (read == rows.end()) {
            removeRow(index);
            continue;
        }
        SetRow(index, *read);
        rows.erase(read);
    }
    for (const data::RosterRow& row : rows) {
        AddRow(row);
    }
}

void StudentListCtl::AddRow(const data::RosterRow& row) {
    const int index = rowCount();
    insertRow(index);
    SetRow(index, row);
}

void StudentListCtl::SetRow(int row, const data::RosterRow& content) {
    setItem(row, 0, Cell(content.name));
    setItem(row, 1, Cell(content.standing));
}

std::string StudentListCtl::Name(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    return cell != nullptr ? cell->text().toStdString() : std::string();
}

int StudentListCtl::SelectedRow() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.front().topRow();
}

QString StudentListCtl::CutName(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    if (cell == nullptr) {
        return {};
    }
    // The cell's text margins, as the style draws them, on both sides.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int needed = QFontMetrics(font()).horizontalAdvance(cell->text()) + margin;
    return needed > columnWidth(0) ? cell->text() : QString();
}

bool StudentListCtl::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QTableWidget::viewportEvent(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString whole = index.isValid() && index.column() == 0 ? CutName(index.row()) : QString();
    if (whole.isEmpty()) {
        QToolTip::hideText();
        // The list's own tooltip (how to open a student's progress) elsewhere.
        return QTableWidget::viewportEvent(event);
    }
    QToolTip::showText(help->globalPos(), whole, viewport(), visualRect(index));
    return true;
}
