#pragma once

#include <QFont>
#include <QString>

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

} // namespace platform
