#include "GuiTestSupport.h"
#include "ReviewTestSupport.h"
#include "StudentSupport.h"
#include "gui/CMistakeReviewWnd.h"
#include "gui/CTestingWnd.h"
#include "gui/SpokenName.h"

#include <QCoreApplication>
#include <algorithm>

using guitest::ButtonNames;
using guitest::IsPlainWords;
using guitest::SpokenControl;

namespace {

std::vector<std::string> Strings(const QStringList& names) {
    std::vector<std::string> strings;
    for (const QString& name : names) {
        strings.push_back(name.toStdString());
    }
    return strings;
}

// Every button of the window reads as plain words; returns their names.
std::vector<std::string> CheckedButtonNames(QWidget& window) {
    const QStringList names = ButtonNames(guitest::SpokenControls(window));
    for (const QString& name : names) {
        EXPECT_TRUE(IsPlainWords(name)) << '"' << name.toStdString() << '"';
    }
    return Strings(names);
}

void ExpectAmong(const std::vector<std::string>& names, const std::vector<std::string>& wanted) {
    for (const std::string& name : wanted) {
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    }
}

std::vector<std::string> PadKeyNames() {
    std::vector<std::string> names{"Enter"};
    for (int key = 0; key <= 18; ++key) {
        names.push_back(std::to_string(key));
    }
    return names;
}

} // namespace

TEST(SpokenNameTest, WindowClassIsDroppedAndRunTogetherWordsAreSpokenApart) {
    EXPECT_EQ(SpokenName("CTestingWndBegin"), "Begin");
    EXPECT_EQ(SpokenName("CMistakeReviewWndPrintMistakes"), "Print mistakes");
    EXPECT_EQ(SpokenName("CTrainingWndViewSessionGraph"), "View session graph");
    for (const char* plain : {"Testing", "Current Progress", "7", "Enter", "Wnd", "CD Player"}) {
        EXPECT_EQ(SpokenName(plain), plain);
    }
}

TEST(PlainWordsTest, RunTogetherOrEmptyNamesAreNotPlainWords) {
    for (const char* plain : {"Begin", "Print mistakes", "Sign In", "18"}) {
        EXPECT_TRUE(IsPlainWords(plain)) << plain;
    }
    for (const char* code : {"", "SignInDlg", "CTestingWndHome", "Sign  in", " Home"}) {
        EXPECT_FALSE(IsPlainWords(code)) << code;
    }
}

using TestingScreenAccessibilityTest = guitest::WindowTest<CTestingWnd>;

TEST_F(TestingScreenAccessibilityTest, EveryButtonAndPadKeyIsNamedInPlainWords) {
    guitest::SignInStudent("Mary Ann Smith", 1, 0);
    window = new CTestingWnd(home);
    const auto names = CheckedButtonNames(*window);
    ExpectAmong(names, {"Begin", "Home"});
    ExpectAmong(names, PadKeyNames());
}

using ReviewScreenAccessibilityTest = guitest::WindowTest<CMistakeReviewWnd>;

TEST_F(ReviewScreenAccessibilityTest, ButtonsListAndPadAreNamedInPlainWords) {
    reviewtest::SignInStudent({reviewtest::Mistake(7, '+', 5)});
    window = new CMistakeReviewWnd(home);
    QCoreApplication::processEvents();
    const auto names = CheckedButtonNames(*window);
    ExpectAmong(names, {"Begin", "Print mistakes", "Home"});
    ExpectAmong(names, PadKeyNames());

    const auto controls = guitest::SpokenControls(*window);
    const auto list = std::find_if(controls.begin(), controls.end(),
                                   [](const SpokenControl& c) { return c.name == "Mistake list"; });
    ASSERT_NE(list, controls.end());
    EXPECT_FALSE(list->description.isEmpty());
    for (const SpokenControl& control : controls) {
        if (control.role == QAccessible::Button && control.name == "Print mistakes") {
            EXPECT_FALSE(control.description.isEmpty());
        }
    }
}
