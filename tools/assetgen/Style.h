// The one palette and the two type faces every picture uses, so all screens look alike.
#pragma once

#include <QColor>
#include <QFont>

namespace assetgen::style {

// Surfaces the screens paint themselves; pictures blend into them at their edges.
inline const QColor kWindow{171, 171, 171};
inline const QColor kPanel{238, 238, 238};
inline const QColor kSetupBlock{200, 200, 200};
inline const QColor kWhite{255, 255, 255};

// Header bar: a deep leaf green that carries white text.
inline const QColor kHeaderTop{70, 150, 88};
inline const QColor kHeaderBottom{38, 104, 58};

// Button colours, one per kind of action.
inline const QColor kSky{52, 132, 206};    // testing, printing, editing
inline const QColor kOrange{242, 140, 40}; // training
inline const QColor kLeaf{64, 163, 84};    // review, begin, adding
inline const QColor kGrape{138, 96, 192};  // progress
inline const QColor kCoral{230, 92, 74};   // home, sign out, deleting
inline const QColor kSun{255, 196, 48};    // help, highlights
inline const QColor kTeal{30, 150, 150};   // mixed facts
inline const QColor kBerry{200, 70, 140};  // the child's own facts

// Ink.
inline const QColor kInk{44, 52, 74};        // dark text on light faces
inline const QColor kGlow{255, 214, 64};     // ring around a lit button
inline const QColor kKeyFace{255, 244, 204}; // number keys
inline const QColor kCardFace{255, 252, 240};

// The frog and its pond.
inline const QColor kFrog{92, 176, 70};
inline const QColor kFrogDark{50, 120, 48};
inline const QColor kFrogBelly{204, 232, 140};
inline const QColor kWater{96, 170, 210};
inline const QColor kWaterDeep{60, 132, 186};
inline const QColor kPad{70, 150, 60};
inline const QColor kPadDark{44, 112, 44};
inline const QColor kSkyTop{190, 226, 246};
inline const QColor kMeadow{150, 200, 100};

QFont sans(int pixelSize);             // DejaVu Sans Bold: labels children read
QFont serif(int pixelSize, bool bold); // P052: the logos' display face

// A colour moved toward white (amount > 0) or black (amount < 0), amount in 0..1.
QColor shade(const QColor& colour, double amount);

} // namespace assetgen::style
