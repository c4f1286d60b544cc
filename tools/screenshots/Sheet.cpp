#include "Sheet.h"

#include "gui/common/ScreenColours.h"
#include "platform/qt/Fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace screenshots {
namespace {

constexpr int kMargin = 12;
constexpr int kGap = 6;

QFont CaptionFont() {
    return platform::MakeFont("DejaVu Sans", 12);
}

int CaptionHeight() {
    return QFontMetrics(CaptionFont()).height();
}

} // namespace

void Sheet::Add(const QString& caption, const QImage& picture) {
    const int width =
        std::max(picture.width(), QFontMetrics(CaptionFont()).horizontalAdvance(caption));
    if (next_.x() > 0 && next_.x() + width > width_ - 2 * kMargin) {
        NewRow();
    }
    tiles_.push_back({caption, picture, next_});
    next_.rx() += width + kMargin;
    rowHeight_ = std::max(rowHeight_, CaptionHeight() + picture.height());
}

void Sheet::NewRow() {
    if (next_.x() > 0) {
        next_ = QPoint(0, next_.y() + rowHeight_ + kMargin);
        rowHeight_ = 0;
    }
}

QImage Sheet::Render() const {
    const int height = next_.y() + rowHeight_ + 2 * kMargin;
    QImage sheet(width_, height, QImage::Format_RGB32);
    sheet.fill(kWindowColour);
    QPainter painter(&sheet);
    painter.setFont(CaptionFont());
    const int ascent = QFontMetrics(CaptionFont()).ascent();
    for (const Tile& tile : tiles_) {
        const QPoint at = tile.at + QPoint(kMargin, kMargin);
        painter.drawText(at + QPoint(0, ascent), tile.caption);
        painter.drawImage(at + QPoint(0, CaptionHeight()), tile.picture);
    }
    return sheet;
}

QImage SideBySide(const std::vector<QImage>& pictures) {
    int width = 0;
    int height = 0;
    for (const QImage& picture : pictures) {
        width += picture.width() + kGap;
        height = std::max(height, picture.height());
    }
    QImage row(std::max(width - kGap, 1), std::max(height, 1), QImage::Format_RGB32);
    row.fill(kWindowColour);
    QPainter painter(&row);
    int x = 0;
    for (const QImage& picture : pictures) {
        painter.drawImage(x, 0, picture);
        x += picture.width() + kGap;
    }
    return row;
}

QImage CentredOver(QImage screen, const QImage& picture) {
    QPainter painter(&screen);
    painter.drawImage(
        QPoint((screen.width() - picture.width()) / 2, (screen.height() - picture.height()) / 2),
        picture);
    return screen;
}

} // namespace screenshots
