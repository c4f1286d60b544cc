#include "CMistakeListCtl.h"

#include "ReportList.h"
#include "data/CStudent.h"
#include "platform/qt/Fonts.h"

#include <QHeaderView>

namespace {

constexpr int kMastered = 3; // right first tries in a row that take a fact off the list
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
    setHeaderLabels({tr("Problem"), tr("Remaining")});
    StyleAsReport(*this, rowHeight);
    setAccessibleName(tr("Mistake list"));
    setAccessibleDescription(
        tr("Each fact still to master and how many right answers it still needs"));
    header()->setFont(
        platform::MakeFont("Book Antiqua", platform::TenthPointsToPixels(headerTenths)));
    setFont(platform::MakeFont("Book Antiqua", platform::TenthPointsToPixels(rowTenths)));
    // The two columns share the width; a vertical scroll bar must not bring a horizontal one.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = palette();
    // The current card's row stays marked while the pad has the focus.
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    }
    setPalette(colours);
}

// The viewport is the client area without a vertical scroll bar, so a list that starts to scroll
// refits its columns beside the bar instead of under it.
void CMistakeListCtl::FitColumns() {
    const int columnWidth = viewport()->width() / 2;
    setColumnWidth(0, columnWidth);
    setColumnWidth(1, columnWidth);
}

void CMistakeListCtl::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    FitColumns();
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
