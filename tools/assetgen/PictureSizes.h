// The sizes chosen for the pictures, worked out from the screens' layouts at 800 x 600.
// LayoutChecks verifies the drawn pictures against those layouts, so a change here that no
// longer fits fails the build.
#pragma once

#include "gui/teacher/TeacherGeometry.h"
#include "gui/training/TrainingGeometry.h"

#include <QSize>

namespace assetgen::sizes {

inline constexpr int kHeaderHeight = 40;
inline constexpr QSize kHeaderIcon{44, 40}; // title icons and the user icon, on the header bar
inline constexpr QSize kStatusIcon{40, 40}; // correct, missed, remaining beside the status text

// Home screen: the column of four tiles starts 30 px left of and 60 px above the screen.
inline constexpr int kHomeOffsetX = 30;
inline constexpr int kHomeOffsetY = 60;
inline constexpr int kHomeColumnWidth = 330; // 300 px visible
inline constexpr int kHomeTileHeight = 150;  // Testing is 60 px taller: its top is hidden
inline constexpr int kHomeLogoHeight = 380;  // 320 px visible
inline constexpr int kHomeSignOutHeight = 80;
inline constexpr QSize kHomeHelp{150, 64};

inline constexpr QSize kScreenButton{200, 50}; // Home, Begin, Print under the number pad
inline constexpr QSize kViewButton{190, 45};   // graph and report views
inline constexpr QSize kKindButton{60, 40};    // kind of fact in the training set-up
inline constexpr QSize kMyFactsButton{
    static_cast<int>(training_geometry::kMyFactsWidthInButtons * kKindButton.width()),
    kKindButton.height()};
inline constexpr QSize kTeacherButton{250, 44};

inline constexpr QSize kNumberKey{90, 56};
inline constexpr QSize kSmallKey{40, 40};
inline constexpr QSize kEnterKey{106, 110}; // centred on the ring of small keys

inline constexpr QSize kTestingCard{78, 116};
inline constexpr QSize kReviewCard{160, 200};
inline constexpr QSize kFeedback{196, 70};

inline constexpr QSize kBuddyFrame{568, 100};
inline constexpr QSize kWelcome{teacher_geometry::kWelcomeWidth, teacher_geometry::kWelcomeHeight};

} // namespace assetgen::sizes
