#include "ListRowColours.h"

#include <QAbstractItemView>
#include <QColor>
#include <QPalette>

namespace {

const QColor kGreyRow(235, 235, 235);

} // namespace

void UseListRowColours(QAbstractItemView& list) {
    list.setAlternatingRowColors(true);
    QPalette colours = list.palette();
    colours.setColor(QPalette::Base, kGreyRow);
    colours.setColor(QPalette::AlternateBase, Qt::white);
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    }
    list.setPalette(colours);
}
