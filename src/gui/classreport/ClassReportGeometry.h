#pragma once

// The class report screen's bottom panel, shared with the picture generator: its buttons stand
// in a row, each centred in an equal share of the width, with a margin above and below them.
namespace class_report_geometry {

inline constexpr int kButtonsAcross = 3;
inline constexpr int kPanelMargin = 8;

} // namespace class_report_geometry
