#include "ClassReportList.h"
#include "SortingHeader.h"

#include "data/CUserManager.h"
#include "gui/common/LanguageForms.h"
#include "gui/controls/ReportList.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <array>

namespace {

constexpr int kSortKey = Qt::UserRole;
constexpr int kNeedsAttention = 8;
const QColor kAttentionText(128, 0, 0);

// The headings on screen, on two lines where the words are many.
struct Column {
    const char* heading;
    Qt::Alignment alignment;
};
constexpr Qt::Alignment kText = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kFigure = Qt::AlignCenter;
constexpr std::array<Column, 9> kColumns{
    {{QT_TRANSLATE_NOOP("ClassReportList", "Student"), kText},
     {QT_TRANSLATE_NOOP("ClassReportList", "Level"), kText},
     {QT_TRANSLATE_NOOP("ClassReportList", "Tests\npassed"), kFigure},
     {QT_TRANSLATE_NOOP("ClassReportList", "Last\nactive"), kFigure},
     {QT_TRANSLATE_NOOP("ClassReportList", "Sessions\nthis week"), kFigure},
     {QT_TRANSLATE_NOOP("ClassReportList", "Minutes\nthis week"), kFigure},
     {QT_TRANSLATE_NOOP("ClassReportList", "Fluent\nfacts"), kFigure},
     {QT_TRANSLATE_NOOP("ClassReportList", "Mistakes\nto review"), kFigure},
     {QT_TRANSLATE_NOOP("ClassReportList", "Needs\nattention"), kText}}};
// Room beside a column's widest text.
constexpr int kPadding = 12;

// What a column sorts by: figures by their value, texts by themselves. A figure that could not be
// read sorts first.
std::array<QVariant, 9> SortKeys(const data::ClassReportRow& row, int order) {
    std::array<QVariant, 9> keys;
    keys.fill(-1.0);
    keys[0] = static_cast<double>(order);
    if (row.standing) {
        const data::ClassReportRow::Standing& standing = *row.standing;
        keys[1] = static_cast<double>(standing.level);
        keys[2] = static_cast<double>(standing.testsPassed);
        keys[3] = standing.lastActive ? static_cast<double>(*standing.lastActive) : -1.0;
        keys[4] = static_cast<double>(standing.sessionsThisWeek);
        keys[5] = static_cast<double>(standing.minutesThisWeek);
    }
    if (row.fluentFacts && row.fluentFacts->facts > 0) {
        // The share of the level's facts known; of equal shares, more facts first.
        keys[6] = row.fluentFacts->fluent / static_cast<double>(row.fluentFacts->facts) +
                  row.fluentFacts->fluent * 1e-6;
    }
    if (row.mistakes) {
        keys[7] = static_cast<double>(*row.mistakes);
    }
    keys[kNeedsAttention] = QString::fromStdString(data::AttentionText(row));
    return keys;
}

class ReportRow final : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget()->sortColumn();
        const QVariant mine = data(column, kSortKey);
        const QVariant theirs = other.data(column, kSortKey);
        if (mine.typeId() == QMetaType::QString) {
            return mine.toString() < theirs.toString();
        }
        return mine.toDouble() < theirs.toDouble();
    }
};

} // namespace

ClassReportList::ClassReportList(QWidget* parent, const QFont& rowFont, const QFont& headerFont,
                                 int rowHeight)
    : QTreeWidget(parent) {
    setHeader(new SortingHeader(this));
    setHeaderLabels(Headings());
    for (int index = 0; index < columnCount(); ++index) {
        headerItem()->setTextAlignment(index, Alignment(index));
    }
    StyleAsReport(*this, rowHeight);
    setFont(rowFont);
    header()->setFont(headerFont);
    // Unlike the other reports, the headings sort.
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    setSortingEnabled(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(header(), &QHeaderView::sortIndicatorChanged, this, [this] { FitColumns(); });
    sortByColumn(0, Qt::AscendingOrder);
}

QStringList ClassReportList::Headings() {
    QStringList headings;
    for (const Column& column : kColumns) {
        headings << tr(column.heading);
    }
    return headings;
}

Qt::Alignment ClassReportList::Alignment(int column) {
    return kColumns.at(static_cast<std::size_t>(column)).alignment;
}

void ClassReportList::SetRows(const std::vector<data::ClassReportRow>& rows) {
    setSortingEnabled(false);
    clear();
    for (std::size_t order = 0; order < rows.size(); ++order) {
        const data::ClassReportRow& row = rows[order];
        QStringList texts;
        for (const std::string& cell : data::ClassReportCells(row, LanguageForms())) {
            texts << QString::fromStdString(cell);
        }
        auto* item = new ReportRow(texts);
        const auto keys = SortKeys(row, static_cast<int>(order));
        for (int column = 0; column < columnCount(); ++column) {
            item->setData(column, kSortKey, keys[static_cast<std::size_t>(column)]);
            item->setTextAlignment(column, Alignment(column));
        }
        item->setToolTip(0, texts[0]);
        item->setForeground(kNeedsAttention, kAttentionText);
        addTopLevelItem(item);
    }
    sortByColumn(0, Qt::AscendingOrder);
    setSortingEnabled(true);
    FitColumns();
}

QStringList ClassReportList::RowTexts(int row) const {
    return ReportRowTexts(*this, row);
}

std::vector<std::size_t> ClassReportList::ShownOrder() const {
    std::vector<std::size_t> order;
    for (int row = 0; row < RowCount(); ++row) {
        order.push_back(static_cast<std::size_t>(topLevelItem(row)->data(0, kSortKey).toDouble()));
    }
    return order;
}

std::string ClassReportList::Name(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    std::string name = item != nullptr ? item->text(0).toStdString() : std::string();
    CUserManager::ConvertName(name, false);
    return name;
}

// Every column but the student's as wide as its widest text or heading, the sorted one with room
// for the sort arrow too; the names take the rest.
void ClassReportList::FitColumns() {
    const QFontMetrics rowMetrics(font());
    const QFontMetrics headingMetrics(header()->font());
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header());
    const int arrow = style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header()) + margin;
    const QStringList headings = Headings();
    int used = 0;
    for (int column = 1; column < columnCount(); ++column) {
        int width = 0;
        for (const QString& line : headings[column].split('\n')) {
            width = std::max(width, headingMetrics.horizontalAdvance(line) + kPadding);
        }
        for (int row = 0; row < RowCount(); ++row) {
            width = std::max(width, rowMetrics.horizontalAdvance(topLevelItem(row)->text(column)) +
                                        kPadding);
        }
        width += column == header()->sortIndicatorSection() ? arrow : 0;
        setColumnWidth(column, width);
        used += width;
    }
    setColumnWidth(0, std::max(viewport()->width() - used, 0));
}

void ClassReportList::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    FitColumns();
}

void ClassReportList::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    if (RowCount() == 0) {
        QPainter painter(viewport());
        painter.drawText(viewport()->rect(), Qt::AlignCenter,
                         tr("No students yet: Add Student on the class screen adds them."));
    }
}
