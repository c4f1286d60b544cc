#include "SetupText.h"

#include <QPainter>
#include <QTextLayout>

void SetupText::paintEvent(QPaintEvent*) {
    QString lines = text();
    lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(lines, font());
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    const int lineHeight = QFontMetrics(font()).height();
    int count = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, count++ * lineHeight));
    }
    layout.endLayout();
    const int spare = height() - count * lineHeight;
    const int top = (alignment() & Qt::AlignVCenter) != 0  ? spare / 2
                    : (alignment() & Qt::AlignBottom) != 0 ? spare
                                                           : 0;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    layout.draw(&painter, QPointF(0, top));
}
