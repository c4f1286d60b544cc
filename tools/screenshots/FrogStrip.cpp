#include "Screenshots.h"
#include "Sheet.h"

#include "assetgen/PictureCatalog.h"
#include "platform/qt/ScreenBitmaps.h"

namespace screenshots {

// The buddy's 100 frames at half size, one hop (ten frames) to a row.
QImage RenderFrogStrip() {
    const QSize frame =
        platform::GetBitmapSize(platform::LoadScreenBitmap("Review\\Buddy", "frog0001"));
    Sheet sheet(assetgen::kBuddyFramesPerHop * (frame.width() / 2 + 12) + 24);
    for (int number = 1; number <= assetgen::kBuddyFrameCount; ++number) {
        const std::string name = assetgen::buddyFrameName(number);
        const QImage picture = platform::LoadScreenBitmap("Review\\Buddy", name);
        sheet.Add(
            QString::fromStdString(name),
            picture.scaled(picture.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return sheet.Render();
}

} // namespace screenshots
