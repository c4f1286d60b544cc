#include "SortingHeader.h"

#include "gui/controls/FocusMark.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

SortingHeader::SortingHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Column headings"));
    setAccessibleDescription(tr("Left and Right choose a column. Space or Return sorts by it."));
    WatchForKeyboardUse();
}

// The keyboard starts from the column the report is sorted by.
void SortingHeader::focusInEvent(QFocusEvent* event) {
    QHeaderView::focusInEvent(event);
    Choose(visualIndex(sortIndicatorSection()));
}

void SortingHeader::focusOutEvent(QFocusEvent* event) {
    QHeaderView::focusOutEvent(event);
    viewport()->update();
}

void SortingHeader::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        Choose(chosen_ - 1);
        break;
    case Qt::Key_Right:
        Choose(chosen_ + 1);
        break;
    case Qt::Key_Home:
        Choose(0);
        break;
    case Qt::Key_End:
        Choose(count() - 1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const int section = ChosenSection();
        const bool turnRound =
            section == sortIndicatorSection() && sortIndicatorOrder() == Qt::AscendingOrder;
        setSortIndicator(section, turnRound ? Qt::DescendingOrder : Qt::AscendingOrder);
        break;
    }
    default:
        QHeaderView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SortingHeader::Choose(int visualIndex) {
    chosen_ = std::clamp(visualIndex, 0, std::max(0, count() - 1));
    viewport()->update();
}

void SortingHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    if (hasFocus() && FocusMarksShown() && logicalIndex == ChosenSection()) {
        DrawFocusMark(*painter, rect);
    }
}
