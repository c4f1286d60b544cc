#include "GuiTestSupport.h"

#include <QSignalSpy>

using namespace guitest;

namespace {

const QColor kNormal(200, 40, 40);
const QColor kLit(250, 220, 60);

class PictureButtonTest : public testing::Test {
protected:
    PictureButtonTest() {
        for (const char* name : {"Testing", "Review"}) {
            WritePicture(fakes, "Login", name, {60, 30}, kNormal);
            WritePicture(fakes, "Login", std::string(name) + "Roll", {60, 30}, kLit);
        }
        screen.resize(300, 200);
    }

    // A visible button at (x, y) showing the pictures `name` of "Login".
    CPictureButton& AddButton(const char* name, int x, int y, int id) {
        auto* button = new CPictureButton();
        EXPECT_TRUE(button->Create(name, CPictureButton::Visibility::Visible, QRect(x, y, 1, 1),
                                   &screen, id));
        EXPECT_TRUE(button->LoadBitmaps("Login", name));
        return *button;
    }

    static QColor Shown(CPictureButton& button) { return Snapshot(button).pixelColor(5, 5); }

    void ShowScreen() {
        screen.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    }

    platform::fakes::FakePlatform fakes;
    QWidget screen;
};

} // namespace

TEST_F(PictureButtonTest, ReloadingResizesToThePictureInPlaceAndAMissingPictureKeepsTheSize) {
    CPictureButton& button = AddButton("Testing", 17, 23, 1000);
    EXPECT_EQ(button.geometry(), QRect(17, 23, 60, 30));

    WritePicture(fakes, "Numbers", "7", {90, 56}, Qt::blue);
    WritePicture(fakes, "Numbers", "7Roll", {90, 56}, Qt::cyan);
    ASSERT_TRUE(button.LoadBitmaps("Numbers", "7"));
    EXPECT_EQ(button.geometry(), QRect(17, 23, 90, 56));
    EXPECT_EQ(Shown(button), QColor(Qt::blue));
    button.SetHighlight(true);
    EXPECT_EQ(Shown(button), QColor(Qt::cyan)) << "the roll-over picture was replaced too";

    EXPECT_FALSE(button.LoadBitmaps("Login", "Nothing"));
    EXPECT_EQ(button.size(), QSize(90, 56));
    EXPECT_FALSE(button.ShowsRollOver()) << "the old pictures are gone";
    CPictureButton orphan;
    EXPECT_FALSE(orphan.Create("Testing", CPictureButton::Visibility::Visible, QRect(0, 0, 1, 1),
                               nullptr, 1000));
}

// Without a roll-over picture the look never changes, but clicks arrive.
TEST_F(PictureButtonTest, MovingOntoTheNeighbourLightsOnlyTheNeighbour) {
    WritePicture(fakes, "Login", "helpButton", {40, 20}, kNormal);
    CPictureButton& testing = AddButton("Testing", 0, 0, 1000);
    CPictureButton& review = AddButton("Review", 0, 30, 1002);
    CPictureButton& help = AddButton("helpButton", 100, 100, 1005);
    ShowScreen();
    QSignalSpy commands(&help, &CPictureButton::commandClicked);
    QTest::mouseMove(&screen, QPoint(30, 15));
    EXPECT_EQ(std::pair(Shown(testing), Shown(review)), std::pair(kLit, kNormal));
    QTest::mouseMove(&screen, QPoint(30, 45));
    EXPECT_EQ(std::pair(Shown(testing), Shown(review)), std::pair(kNormal, kLit));
    QTest::mouseMove(&screen, QPoint(110, 110));
    help.SetHighlight(true);
    EXPECT_EQ(std::tuple(Shown(testing), Shown(review), Shown(help)),
              std::tuple(kNormal, kNormal, kNormal));
    QTest::mouseClick(&help, Qt::LeftButton);
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.at(0).at(0).toInt(), 1005);
}

// Lit while pressed and while the mouse is over it enabled, also when it was enabled again under
// the resting mouse; a chosen option stays lit while the mouse leaves and while locked.
TEST_F(PictureButtonTest,
       PressedIsLitDisabledIsNormalAndAForcedHighlightSurvivesLeavingAndLocking) {
    CPictureButton& button = AddButton("Testing", 0, 0, 1000);
    QSignalSpy commands(&button, &CPictureButton::commandClicked);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button.ShowsRollOver());
    EXPECT_TRUE(commands.isEmpty()) << "a command comes with the release";
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(commands.count(), 1);
    ShowScreen();
    QTest::mouseMove(&screen, QPoint(30, 15));
    ASSERT_EQ(Shown(button), kLit);
    button.setEnabled(false);
    EXPECT_EQ(Shown(button), kNormal);
    button.setEnabled(true);
    EXPECT_EQ(Shown(button), kLit) << "enabled again under the resting mouse";
    button.setEnabled(false);
    QTest::mouseMove(&screen, QPoint(200, 150));
    button.setEnabled(true);
    EXPECT_EQ(Shown(button), kNormal) << "the mouse left while it was disabled";

    QTest::mouseMove(&screen, QPoint(31, 16));
    button.SetHighlight(true);
    QTest::mouseMove(&screen, QPoint(200, 150));
    EXPECT_EQ(Shown(button), kLit);
    button.setEnabled(false);
    EXPECT_EQ(Shown(button), kLit);
    button.SetHighlight(false);
    EXPECT_EQ(Shown(button), kNormal);
}

// Once a key is pressed the focused button is ringed dark and white just inside the part of it
// that its window shows; a mouse press takes the mark away, the picture never changes.
TEST_F(PictureButtonTest, TheFocusMarkRingsThePartSeenWhileTheKeyboardIsInUse) {
    CPictureButton& inside = AddButton("Testing", 100, 100, 1000);
    CPictureButton& past = AddButton("Review", -20, -10, 1002);
    ShowScreen();
    screen.activateWindow();
    QEvent pointerLeaves(QEvent::Leave); // it starts in the corner, over the one reaching past it
    QCoreApplication::sendEvent(&past, &pointerLeaves);
    for (const auto& [button, seen] :
         {std::pair{&inside, QRect(0, 0, 60, 30)}, std::pair{&past, QRect(20, 10, 40, 20)}}) {
        SCOPED_TRACE(button->CommandId());
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Shift);
        const QImage marked = guitest::Snapshot(*button);
        const int middle = seen.center().y();
        EXPECT_LT(marked.pixelColor(seen.left() + 1, middle).lightness(), 40);
        EXPECT_GT(marked.pixelColor(seen.left() + 4, middle).lightness(), 230);
        EXPECT_EQ(marked.pixelColor(seen.center()), kNormal);
        QTest::mouseClick(&screen, Qt::LeftButton, {}, QPoint(250, 180));
        EXPECT_EQ(guitest::Snapshot(*button).pixelColor(seen.left() + 1, middle), kNormal);
    }
}
