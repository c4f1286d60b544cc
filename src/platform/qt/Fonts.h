#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace platform {

// The installed face that stands in for a face named by its Windows name ("Verdana",
// "Book Antiqua", "Symbol", ...); other names are returned as they are.
QString SubstituteFace(const QString& face);

// Registers every substitution with Qt, once at start-up, so widgets given a Windows face name
// get the right font too.
void InstallFontSubstitutions();

// Character heights as Windows computes them at 96 dots per inch, whatever the screen's dpi.
int PointsToPixels(int points);
int TenthPointsToPixels(int tenths);

// A font of the given character height in pixels. Weight on the 100 … 900 scale (400 normal,
// 700 bold). Hinting is off so text measures the same on every screen.
QFont MakeFont(const QString& face, int pixelHeight, int weight = 400, bool italic = false);

// `font`, made smaller where the widest of `texts` (the blanks around it aside) would not fit
// `width` pixels, but no smaller than `smallestPixels`: a longer language or a long name is drawn
// smaller rather than cut. Texts that fit keep the font as it is.
QFont FontToFit(const QFont& font, const QStringList& texts, int width, int smallestPixels);

} // namespace platform
