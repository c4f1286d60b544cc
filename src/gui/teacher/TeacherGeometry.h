#pragma once

// The teacher screen's proportions, shared with the picture generator: the right-hand column of
// the student list and its buttons, as a share of the screen's width, the height of the box of
// buttons under the list, the class box at the top of the panel left of it, and the welcome
// picture drawn for the rest of that panel.
namespace teacher_geometry {

// Wide enough for a name of thirty characters beside the level column.
inline constexpr double kRightColumnShare = 0.45;
// Six buttons with half a button's height above and below them, in buttons.
inline constexpr int kButtons = 6;
inline constexpr int kButtonBoxSteps = kButtons + 1;
// The class chooser above the buttons that add, delete and fill classes, and its margin.
inline constexpr int kClassBoxHeight = 80;
inline constexpr int kClassBoxMargin = 12;
inline constexpr int kWelcomeWidth = 420;
inline constexpr int kWelcomeHeight = 440;

} // namespace teacher_geometry
