#pragma once

// The training set-up's kind buttons, shared with the picture generator. The first block keeps
// the room of three and a half buttons across: the four operations in two columns, Mixed and My
// Facts above each other in the third, My Facts wide enough for its words.
namespace training_geometry {

inline constexpr double kKindButtonsAcross = 3.5;
// My Facts is one and a half kind buttons wide: it ends where the block's room ends.
inline constexpr double kMyFactsWidthInButtons = 1.5;

} // namespace training_geometry
