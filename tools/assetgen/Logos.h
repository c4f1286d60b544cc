// The product logo and the maker's logo.
#pragma once

#include <QPainter>
#include <QPointF>

namespace assetgen {

// "Tallyhop" in playful coloured letters with the frog mark before it, centred on centre.
// letterHeight is the font's pixel size.
void drawTallyhopLogo(QPainter& painter, QPointF centre, int letterHeight);

// "Korvane Learning" with its round mark, centred on centre; markSize is the mark's diameter.
void drawKorvaneLogo(QPainter& painter, QPointF centre, int markSize);

} // namespace assetgen
