#include "ReportList.h"

#include "platform/Display.h"
#include "platform/qt/Fonts.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

// Every row as tall as the window asks for.
class FixedRowHeight final : public QStyledItemDelegate {
public:
    FixedRowHeight(QObject* parent, int height) : QStyledItemDelegate(parent), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

} // namespace

int ReportTextPoints() {
    return platform::GetScreenSize().width < 1024 ? 11 : 12;
}

void StyleAsReport(QTreeWidget& list, int rowHeight) {
    list.header()->setSectionsClickable(false);
    list.header()->setSectionsMovable(false);
    list.header()->setSectionResizeMode(QHeaderView::Fixed);
    list.setRootIsDecorated(false);
    list.setItemsExpandable(false);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setUniformRowHeights(true);
    list.setItemDelegate(new FixedRowHeight(&list, rowHeight));
    UseReportRowColours(list);
}

void UseReportRowColours(QAbstractItemView& list) {
    list.setAlternatingRowColors(true);
    QPalette colours = list.palette();
    colours.setColor(QPalette::Base, kReportGreyRow);
    colours.setColor(QPalette::AlternateBase, Qt::white);
    list.setPalette(colours);
}

ReportList::ReportList(QWidget* parent, std::span<const Column> columns, const QFont& rowFont,
                       const QFont& headerFont, int rowHeight)
    : QTreeWidget(parent) {
    QStringList titles;
    for (const Column& column : columns) {
        titles << tr(column.title);
    }
    setHeaderLabels(titles);
    for (int index = 0; index < static_cast<int>(columns.size()); ++index) {
        setColumnWidth(index, columns[static_cast<std::size_t>(index)].width);
    }
    headerItem()->setTextAlignment(0, Qt::AlignCenter);
    StyleAsReport(*this, rowHeight);
    setFont(rowFont);
    header()->setFont(headerFont);
}

void ReportList::AddRow(const QStringList& cells, QColor textColour) {
    auto* row = new QTreeWidgetItem(cells);
    row->setTextAlignment(0, Qt::AlignCenter);
    for (int column = 0; column < cells.size(); ++column) {
        row->setForeground(column, textColour);
    }
    addTopLevelItem(row);
    // A word longer than its column (a longer language) widens the column rather than being cut,
    // by the width the list itself needs to draw it whole; the last column takes what is left.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int column = 0; column + 1 < columnCount(); ++column) {
        const int needed = itemDelegate()->sizeHint(option, indexFromItem(row, column)).width();
        if (needed > columnWidth(column)) {
            setColumnWidth(column, needed);
        }
    }
}

QStringList ReportRowTexts(const QTreeWidget& list, int row) {
    QStringList texts;
    const QTreeWidgetItem* item = list.topLevelItem(row);
    for (int column = 0; item != nullptr && column < list.columnCount(); ++column) {
        texts << item->text(column);
    }
    return texts;
}

void ReportList::FillLastColumn() {
    int others = 0;
    for (int column = 0; column + 1 < columnCount(); ++column) {
        others += columnWidth(column);
    }
    setColumnWidth(columnCount() - 1, std::max(viewport()->width() - others, 0));
}

void ReportList::SetEmptyText(const QString& text) {
    emptyText_ = text;
    viewport()->update();
}

void ReportList::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    if (topLevelItemCount() == 0 && !emptyText_.isEmpty()) {
        QPainter painter(viewport());
        // As large as a graph's titles, whatever small face the rows use.
        painter.setFont(platform::MakeFont("Book Antiqua", platform::PointsToPixels(12)));
        painter.setPen(Qt::black);
        painter.drawText(viewport()->rect(), Qt::AlignCenter, emptyText_);
    }
}
