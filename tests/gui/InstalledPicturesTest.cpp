#include "GuiTestSupport.h"
#include "assetgen/PictureCatalog.h"
#include "platform/qt/ScreenBitmaps.h"

#include <gtest/gtest.h>
#include <string>

TEST(InstalledPicturesTest, EveryCataloguedPictureAndRollOverLoads) {
    platform::fakes::FakePlatform fakes;
    guitest::LinkInstalledGraphics(fakes);
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
