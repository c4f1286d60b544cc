// Every picture the program loads, by screen folder and name. The generator draws exactly these,
// and tests can check that each one exists in an installed program folder.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace assetgen {

struct PictureEntry {
    std::string_view folder; // below Graphics/800x600, '/' between levels
    std::string_view name;   // file name without ".bmp"
    bool hasRollOver;        // a button: "<name>Roll" exists beside it
};

inline constexpr std::string_view kResolutionFolder = "800x600";
inline constexpr std::string_view kRollSuffix = "Roll";

inline constexpr std::array kPictures = std::to_array<PictureEntry>({
    {"Login", "KorvanelogoHome", false},
    {"Login", "TallyhopLogoHome", false},
    {"Login", "Testing", true},
    {"Login", "Training", true},
    {"Login", "Review", true},
    {"Login", "Progress", true},
    {"Login", "LogoutHome", true},
    {"Login", "helpButton", true},

    {"Teacher", "welcomeBackground", false},
    {"Teacher", "classesIcon", false},
    {"Teacher", "homeButton", true},
    {"Teacher", "addUserButton", true},
    {"Teacher", "editUserInfoButton", true},
    {"Teacher", "deleteUserButton", true},
    {"Teacher", "helpButton", true},
    {"Teacher", "signOutButton", true},
    {"Teacher", "classReportButton", true},
    {"Teacher", "exportButton", true},
    {"Teacher", "printReportButton", true},

    {"Testing", "topBackground", false},
    {"Testing", "testingIcon", false},
    {"Testing", "userIcon", false},
    {"Testing", "correctIcon", false},
    {"Testing", "missedIcon", false},
    {"Testing", "remaining", false},
    {"Testing", "flashCardBackground", false},
    {"Testing", "homeButton", true},
    {"Testing", "beginButton", true},

    {"Review", "flashCardBackground", false},
    {"Review", "correctText", false},
    {"Review", "correctanswerText", false},
    {"Review", "tryagainText", false},
    {"Review", "almostText", false},
    {"Review", "printMistakesButton", true},

    {"Training", "trainingIcon", false},
    {"Training", "additionButton", true},
    {"Training", "subtractionButton", true},
    {"Training", "multiplicationButton", true},
    {"Training", "divisionButton", true},
    {"Training", "mixButton", true},
    {"Training", "myFactsButton", true},
    {"Training", "viewReport", true},

    {"Progress", "progressIcon", false},
    {"Progress", "masteryGraphButton", true},
    {"Progress", "currentProgressButton", true},
    {"Progress", "viewTestReport", true},
    {"Progress", "factMapButton", true},

    {"Numbers", "0", true},
    {"Numbers", "1", true},
    {"Numbers", "2", true},
    {"Numbers", "3", true},
    {"Numbers", "4", true},
    {"Numbers", "5", true},
    {"Numbers", "6", true},
    {"Numbers", "7", true},
    {"Numbers", "8", true},
    {"Numbers", "9", true},
    {"Numbers", "10", true},
    {"Numbers", "11", true},
    {"Numbers", "12", true},
    {"Numbers", "13", true},
    {"Numbers", "14", true},
    {"Numbers", "15", true},
    {"Numbers", "16", true},
    {"Numbers", "17", true},
    {"Numbers", "18", true},

    {"Numbers/Small", "0", true},
    {"Numbers/Small", "1", true},
    {"Numbers/Small", "2", true},
    {"Numbers/Small", "3", true},
    {"Numbers/Small", "4", true},
    {"Numbers/Small", "5", true},
    {"Numbers/Small", "6", true},
    {"Numbers/Small", "7", true},
    {"Numbers/Small", "8", true},
    {"Numbers/Small", "9", true},
    {"Numbers/Small", "Enter", true},
});

// The review buddy's animation: frames "frog0001" to "frog0100"; ten frames make one hop.
inline constexpr std::string_view kBuddyFolder = "Review/Buddy";
inline constexpr int kBuddyFrameCount = 100;
inline constexpr int kBuddyFramesPerHop = 10;

inline std::string buddyFrameName(int frame) {
    char name[16];
    std::snprintf(name, sizeof name, "frog%04d", frame);
    return name;
}

} // namespace assetgen
