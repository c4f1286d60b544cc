#include "GuiTestSupport.h"
#include "assetgen/PictureCatalog.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QRect>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class InstalledPicturesTest : public testing::Test {
protected:
    InstalledPicturesTest() { guitest::LinkInstalledGraphics(fakes); }

    QSize SizeOf(const char* name) const {
        return platform::GetBitmapSize(platform::LoadScreenBitmap("Login", name));
    }

    platform::fakes::FakePlatform fakes;
};

} // namespace

TEST_F(InstalledPicturesTest, EveryCataloguedPictureAndRollOverLoads) {
    for (const assetgen::PictureEntry& entry : assetgen::kPictures) {
        const std::string name(entry.name);
        EXPECT_FALSE(platform::LoadScreenBitmap(entry.folder, name).isNull())
            << entry.folder << "/" << name;
        if (entry.hasRollOver) {
            EXPECT_FALSE(platform::LoadScreenBitmap(entry.folder, name + "Roll").isNull())
                << entry.folder << "/" << name << "Roll";
        }
    }
    for (int frame = 1; frame <= assetgen::kBuddyFrameCount; ++frame) {
        EXPECT_FALSE(
            platform::LoadScreenBitmap("Review\\Buddy", assetgen::buddyFrameName(frame)).isNull())
            << frame;
    }
    EXPECT_EQ(guitest::ReadErrorLog(fakes), "");
}

// The home screen paints nothing but its pictures: placed 30 px left and 60 px up, they must
// cover the 800 x 600 screen exactly once, except where Help lies over the corner, and
// only the offsets may push a picture off the screen.
TEST_F(InstalledPicturesTest, HomeScreenPicturesTileTheScreenUnderTheOffsets) {
    const int dx = -30;
    const int dy = -60;
    const QSize testing = SizeOf("Testing");
    const QSize training = SizeOf("Training");
    const QSize review = SizeOf("Review");
    const QSize progress = SizeOf("Progress");
    const QSize logo = SizeOf("TallyhopLogoHome");
    const QSize signOut = SizeOf("LogoutHome");
    const QSize maker = SizeOf("KorvanelogoHome");
    const QSize help = SizeOf("helpButton");

    const QRect testingRect(QPoint(dx, dy), testing);
    const QRect trainingRect(QPoint(dx, testingRect.bottom() + 1), training);
    const QRect reviewRect(QPoint(dx, trainingRect.bottom() + 1), review);
    const QRect progressRect(QPoint(dx, reviewRect.bottom() + 1), progress);
    const QRect helpRect(QPoint(800 - help.width(), 600 - help.height()), help);
    const std::vector<QRect> tiles = {
        testingRect,
        trainingRect,
        reviewRect,
        progressRect,
        QRect(QPoint(testing.width() + dx, dy), logo),
        QRect(QPoint(progress.width() + dx, logo.height() + dy), signOut),
        QRect(QPoint(testing.width() + dx, dy + logo.height() + signOut.height()), maker),
    };

    std::vector<int> cover(800 * 600, 0);
    for (const QRect& tile : tiles) {
        EXPECT_TRUE(tile.right() < 800 && tile.bottom() < 600)
            << "cut off: " << tile.x() << "," << tile.y();
        const QRect visible = tile & QRect(0, 0, 800, 600);
        for (int y = visible.top(); y <= visible.bottom(); ++y) {
            for (int x = visible.left(); x <= visible.right(); ++x) {
                ++cover[y * 800 + x];
            }
        }
    }
    int gaps = 0;
    int overlaps = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const int count = cover[y * 800 + x] + (helpRect.contains(x, y) ? 1 : 0);
            gaps += count == 0 ? 1 : 0;
            overlaps += count > 1 && !helpRect.contains(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(gaps, 0);
    EXPECT_EQ(overlaps, 0);
}
