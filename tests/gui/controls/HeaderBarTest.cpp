#include "gui/controls/HeaderBar.h"
#include "GuiTestSupport.h"
#include "StudentSupport.h"
#include "data/CStudent.h"
#include "gui/common/ScreenColours.h"

#include <QPainter>

using namespace guitest;

namespace {

const QColor kBar(10, 60, 120);
const QColor kIcon(200, 40, 40);
const QColor kUserIcon(40, 200, 40);

class HeaderBarTest : public testing::Test {
protected:
    HeaderBarTest() {
        // A narrow background shows whether the bar stretches it to the window's width.
        WritePicture(fakes, "Testing", "topBackground", {10, 40}, kBar);
        WritePicture(fakes, "Testing", "testingIcon", {50, 40}, kIcon);
        WritePicture(fakes, "Testing", "userIcon", {30, 30}, kUserIcon);
        SignInStudent("Mary Ann Smith", kMultiplication, 2);
    }

    // The bar drawn by `draw` onto a grey 800 x 60 picture.
    template <typename Draw> static QImage Render(Draw draw) {
        QImage image(800, 60, QImage::Format_RGB32);
        image.fill(kWindowColour);
        QPainter painter(&image);
        platform::GdiDc dc(painter);
        draw(dc);
        return image;
    }

    static bool HasWhite(const QImage& image, const platform::GdiRect& rect) {
        return CountColour(image, rect.ToQRect(), Qt::white) > 0;
    }

    platform::fakes::FakePlatform fakes;
};

} // namespace

TEST_F(HeaderBarTest, LevelTextNamesTheLevelAndTheTestsPassed) {
    EXPECT_EQ(LevelText(GetCurrentStudent()), QStringLiteral(" : Multiplication - 2 tests passed"));
    EXPECT_EQ(TestsPassedText(0), QStringLiteral("no tests passed"));
    EXPECT_EQ(TestsPassedText(1), QStringLiteral("1 test passed"));
}

// The icons and the user's name belong to the background; the level text ends at the column.
TEST_F(HeaderBarTest, BackgroundPartLeavesOutTitleAndLevelWhichTheWholeBarDraws) {
    HeaderBar bar(QStringLiteral("Review"));
    bar.Layout(800, 592);
    const CStudent& student = GetCurrentStudent();

    const QImage background = Render([&](platform::GdiDc& dc) { bar.DrawBackground(dc, student); });
    EXPECT_EQ(background.pixelColor(0, 0), kIcon);
    EXPECT_EQ(background.pixelColor(49, 39), kIcon);
    EXPECT_EQ(background.pixelColor(799, 39), kBar) << "stretched to the window's width";
    EXPECT_EQ(background.pixelColor(400, 45), kWindowColour) << "nothing below the bar";
    EXPECT_EQ(background.pixelColor(bar.UserRect().left - 30, 0), kUserIcon);
    EXPECT_EQ(background.pixelColor(bar.UserRect().left - 1, 29), kUserIcon);
    EXPECT_TRUE(HasWhite(background, bar.UserRect()));
    EXPECT_FALSE(HasWhite(background, bar.TitleRect()));
    EXPECT_FALSE(HasWhite(background, bar.LevelRect()));

    const QImage whole = Render([&](platform::GdiDc& dc) { bar.Draw(dc, student); });
    EXPECT_TRUE(HasWhite(whole, bar.TitleRect()));
    EXPECT_TRUE(HasWhite(whole, bar.LevelRect()));
}
