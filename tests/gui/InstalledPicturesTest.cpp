#include "GuiTestSupport.h"
#include "assetgen/PictureCatalog.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QRect>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class InstalledPicturesTest : public testing::Test {
protected:
    InstalledPicturesTest() { guitest::LinkInstalledGraphics(fakes); }

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
    const auto size = [](const char* name) {
        return platform::GetBitmapSize(platform::LoadScreenBitmap("Login", name));
    };
    const QPoint offset(-30, -60);
    std::vector<QRect> tiles;
    for (const char* name : {"Testing", "Training", "Review", "Progress"}) {
        const int top = tiles.empty() ? offset.y() : tiles.back().bottom() + 1;
        tiles.emplace_back(QPoint(offset.x(), top), size(name));
    }
    const QRect logo(offset + QPoint(tiles[0].width(), 0), size("TallyhopLogoHome"));
    const QRect signOut(QPoint(tiles[3].right() + 1, logo.bottom() + 1), size("LogoutHome"));
    tiles.insert(
        tiles.end(),
        {logo, signOut, QRect(QPoint(logo.left(), signOut.bottom() + 1), size("KorvanelogoHome"))});
    const QRect help(QPoint(800, 600) -
                         QPoint(size("helpButton").width(), size("helpButton").height()),
                     size("helpButton"));

    int gaps = 0;
    int overlaps = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const auto cover =
                std::ranges::count_if(tiles, [&](const QRect& t) { return t.contains(x, y); });
            gaps += cover == 0 && !help.contains(x, y) ? 1 : 0;
            overlaps += cover > 1 && !help.contains(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(gaps, 0);
    EXPECT_EQ(overlaps, 0);
    for (const QRect& tile : tiles) {
        EXPECT_TRUE(tile.right() < 800 && tile.bottom() < 600)
            << "cut off: " << tile.x() << "," << tile.y();
    }
}
