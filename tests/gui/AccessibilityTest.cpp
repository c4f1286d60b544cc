#include "GuiTestSupport.h"
#include "StudentSupport.h"
#include "gui/controls/SpokenName.h"
#include "gui/review/CMistakeReviewWnd.h"

#include <QCoreApplication>
#include <algorithm>

using guitest::SpokenControl;

TEST(SpokenNameTest, WindowClassIsDroppedAndRunTogetherWordsAreSpokenApart) {
    EXPECT_EQ(SpokenName("CTestingWndBegin"), "Begin");
    EXPECT_EQ(SpokenName("CMistakeReviewWndPrintMistakes"), "Print mistakes");
    EXPECT_EQ(SpokenName("CTrainingWndViewSessionGraph"), "View session graph");
    for (const char* plain : {"Testing", "Current Progress", "7", "Enter", "Wnd", "CD Player"}) {
        EXPECT_EQ(SpokenName(plain), plain);
    }
}

using ReviewScreenAccessibilityTest = guitest::WindowTest<CMistakeReviewWnd>;

TEST_F(ReviewScreenAccessibilityTest, ButtonsListAndPadAreNamedInPlainWords) {
    guitest::SignInWithMistakes({guitest::Mistake(7, '+', 5)});
    window = new CMistakeReviewWnd(home);
    QCoreApplication::processEvents();
    const std::vector<SpokenControl> controls = guitest::SpokenControls(*window);
    const QStringList names = guitest::ButtonNames(controls);
    for (const QString& name : names) {
        EXPECT_TRUE(guitest::IsPlainWords(name)) << '"' << name.toStdString() << '"';
    }
    for (const char* wanted : {"Begin", "Print mistakes", "Home", "Enter", "18"}) {
        EXPECT_TRUE(names.contains(wanted)) << wanted;
    }
    for (const QString described : {"Mistake list", "Print mistakes"}) {
        EXPECT_TRUE(std::ranges::any_of(controls, [&](const SpokenControl& control) {
            return control.name == described && !control.description.isEmpty();
        })) << described.toStdString();
    }
}
