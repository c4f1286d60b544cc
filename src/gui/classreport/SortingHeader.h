#pragma once

#include <QHeaderView>

// The class report's headings, which sort by the keyboard too: Tab reaches them, Left and Right
// (Home and End) choose a heading, which carries the focus mark, and Space or Return sorts by it
// as a click does (the sorted column's heading turns the order round).
class SortingHeader final : public QHeaderView {
    Q_OBJECT
public:
    explicit SortingHeader(QWidget* parent);

    // The logical index of the heading chosen with the keyboard.
    int ChosenSection() const { return logicalIndex(chosen_); }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    void Choose(int visualIndex);

    int chosen_ = 0; // visual index
};
