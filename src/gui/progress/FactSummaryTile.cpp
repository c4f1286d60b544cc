#include "FactSummaryTile.h"

#include "FactMapColours.h"
#include "gui/common/ScreenColours.h"
#include "gui/controls/KeyboardNavigation.h"
#include "platform/qt/Fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>

namespace {

struct CountRow {
    data::Fluency fluency;
    int data::FluencyCounts::*count;
    const char* label;
};

constexpr std::array<CountRow, 4> kRows{{{data::Fluency::Fluent, &data::FluencyCounts::fluent,
                                          QT_TRANSLATE_NOOP("FactSummaryTile", "%1 fluent")},
                                         {data::Fluency::Slow, &data::FluencyCounts::slow,
                                          QT_TRANSLATE_NOOP("FactSummaryTile", "%1 slow")},
                                         {data::Fluency::Missed, &data::FluencyCounts::missed,
                                          QT_TRANSLATE_NOOP("FactSummaryTile", "%1 missed")},
                                         {data::Fluency::NotSeen, &data::FluencyCounts::notSeen,
                                          QT_TRANSLATE_NOOP("FactSummaryTile", "%1 not tried")}}};

const QColor kTitleColour(0, 78, 152);
constexpr int kSmallestPixels = 8;

} // namespace

FactSummaryTile::FactSummaryTile(QWidget* parent, const QString& name)
    : QAbstractButton(parent), name_(name) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(tr("Show the %1 facts").arg(name));
    setAccessibleDescription(tr("Shows the %1 facts").arg(name));
}

void FactSummaryTile::Show(const data::FluencyCounts& counts, const QString& problem) {
    counts_ = counts;
    problem_ = problem;
    setAccessibleName(Summary());
    update();
}

void FactSummaryTile::SetFonts(const QFont& title, const QFont& text) {
    titleFont_ = title;
    textFont_ = text;
    update();
}

QString FactSummaryTile::Summary() const {
    if (counts_.Total() == 0) {
        return tr("%1: no facts to show").arg(name_);
    }
    return tr("%1: %2 of %3 fluent").arg(name_).arg(counts_.fluent).arg(counts_.Total());
}

// Title and count of fluent facts at the top, the colours' bar below them, then one line a colour.
void FactSummaryTile::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const bool lit = hasFocus() || underMouse();
    painter.setPen(QPen(lit ? kTitleColour : kSetupBlockColour, lit ? 3 : 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(face, 8, 8);

    const int margin = std::max(6, width() / 14);
    const QRect inner = rect().adjusted(margin, margin / 2, -margin, -margin / 2);
    const int line = inner.height() / 9;
    painter.setFont(platform::FontToFit(titleFont_, {name_}, inner.width(), kSmallestPixels));
    painter.setPen(kTitleColour);
    painter.drawText(QRect(inner.left(), inner.top(), inner.width(), 2 * line), Qt::AlignCenter,
                     name_);
    // Every line of text in one size, made smaller where one would not fit (beside its swatch).
    const QString fluentLine = tr("%1 of %2 fluent").arg(counts_.fluent).arg(counts_.Total());
    const QString showLine = tr("Show the facts \u203a");
    QStringList countLines;
    for (const CountRow& row : kRows) {
        countLines << tr(row.label).arg(counts_.*row.count);
    }
    const QFont centred =
        platform::FontToFit(textFont_, {fluentLine, showLine}, inner.width(), kSmallestPixels);
    const QFont beside = platform::FontToFit(
        textFont_, countLines, inner.width() - line * 3 / 4 - margin / 2, kSmallestPixels);
    painter.setFont(centred.pixelSize() < beside.pixelSize() ? centred : beside);
    painter.drawText(QRect(inner.left(), inner.top() + 8 * line, inner.width(), line),
                     Qt::AlignCenter, showLine);
    painter.setPen(kFactInkColour);
    if (counts_.Total() == 0) {
        painter.drawText(inner.adjusted(0, 2 * line, 0, 0), Qt::AlignCenter | Qt::TextWordWrap,
                         problem_);
        return;
    }
    painter.drawText(QRect(inner.left(), inner.top() + 2 * line, inner.width(), line),
                     Qt::AlignCenter, fluentLine);

    const QRect bar(inner.left(), inner.top() + 3 * line + line / 4, inner.width(), line / 2);
    int left = bar.left();
    int counted = 0;
    for (const CountRow& row : kRows) {
        counted += counts_.*row.count;
        const int right = bar.left() + bar.width() * counted / counts_.Total();
        painter.fillRect(QRect(left, bar.top(), right - left, bar.height()),
                         FluencyColour(row.fluency));
        left = right;
    }

    for (std::size_t index = 0; index < kRows.size(); ++index) {
        const int top = inner.top() + (4 + static_cast<int>(index)) * line + line / 4;
        const QRect swatch(inner.left(), top + line / 8, line * 3 / 4, line * 3 / 4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(FluencyColour(kRows[index].fluency));
        painter.drawRoundedRect(swatch, 3, 3);
        painter.setPen(kFactInkColour);
        painter.drawText(QRect(swatch.right() + margin / 2, top, inner.width(), line),
                         Qt::AlignVCenter | Qt::AlignLeft,
                         countLines[static_cast<qsizetype>(index)]);
    }
}

void FactSummaryTile::keyPressEvent(QKeyEvent* event) {
    if (!ClickOnReturn(*this, *event)) {
        QAbstractButton::keyPressEvent(event);
    }
}
