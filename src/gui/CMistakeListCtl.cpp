#include "CMistakeListCtl.h"

#include "ListRowColours.h"
#include "data/CStudent.h"
#include "platform/qt/Fonts.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace {

constexpr int kMastered = 3; // right first tries in a row that take a fact off the list

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

bool IsEmptyProblem(const Problem& fact) {
    return fact.firstOperand == kNoValue && fact.secondOperand == kNoValue &&
           fact.correctAnswer == kNoValue && fact.operation == kNoOperation;
}

QChar OperatorCharacter(std::int32_t operation) {
    switch (operation) {
    case kPlus:
        return '+';
    case kMinus:
        return '-';
    case kTimes:
        return 'x';
    case kDividedBy:
        return '/';
    default:
        return ' ';
    }
}

} // namespace

QString ProblemText(const Problem& fact) {
    return QStringLiteral("%1 %2 %3")
        .arg(fact.firstOperand)
        .arg(OperatorCharacter(fact.operation))
        .arg(fact.secondOperand);
}

CMistakeListCtl::CMistakeListCtl(QWidget* parent, int rowTenths, int headerTenths, int rowHeight)
    : QTreeWidget(parent) {
    setColumnCount(2);
    setHeaderLabels({QStringLiteral("Problem"), QStringLiteral("Remaining")});
    header()->setSectionsClickable(false);
    header()->setSectionResizeMode(QHeaderView::Fixed);
    header()->setFont(
        platform::MakeFont("Book Antiqua", platform::TenthPointsToPixels(headerTenths)));
    setFont(platform::MakeFont("Book Antiqua", platform::TenthPointsToPixels(rowTenths)));
    // The two columns share the width; a vertical scroll bar must not bring a horizontal one.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformRowHeights(true);
    setItemDelegate(new FixedRowHeight(this, rowHeight));
    // The current card's row stays marked while the pad has the focus.
    UseListRowColours(*this);
}

void CMistakeListCtl::FitColumns() {
    const int columnWidth = (contentsRect().width() - 2) / 2;
    setColumnWidth(0, columnWidth);
    setColumnWidth(1, columnWidth);
}

void CMistakeListCtl::Fill(CStudent& student) {
    setUpdatesEnabled(false);
    clear();
    const int count = student.GetMistakeCount();
    for (int index = 0; index < count; ++index) {
        const Problem fact = student.GetMistake(index);
        if (!IsEmptyProblem(fact)) {
            addTopLevelItem(new QTreeWidgetItem(
                {ProblemText(fact), QString::number(kMastered - fact.correctStreak)}));
        }
    }
    setUpdatesEnabled(true);
}

void CMistakeListCtl::SelectFact(const Problem& fact) {
    const QList<QTreeWidgetItem*> rows = findItems(ProblemText(fact), Qt::MatchExactly, 0);
    if (!rows.isEmpty()) {
        scrollToItem(rows.front());
        setCurrentItem(rows.front());
    }
}
