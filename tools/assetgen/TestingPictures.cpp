#include "Button.h"
#include "Captions.h"
#include "FlashCard.h"
#include "Header.h"
#include "PictureSizes.h"
#include "ScreenPictures.h"
#include "Shapes.h"
#include "Style.h"

namespace assetgen {

namespace {

// A white status icon on a coloured disc, for the white status box.
QImage paintStatusIcon(Icon icon, const QColor& colour) {
    QImage image = canvas(sizes::kStatusIcon.width(), sizes::kStatusIcon.height(), style::kWhite);
    QPainter painter;
    beginPainting(painter, image);
    const QRectF disc = QRectF(image.rect()).adjusted(2, 2, -2, -2);
    drawIconDisc(painter, icon, disc, colour);
    painter.end();
    return image;
}

} // namespace

void addTestingPictures(PictureSet& set) {
    constexpr std::string_view folder = "Testing";
    set.add(folder, "topBackground", paintHeaderBackground());
    set.add(folder, "testingIcon", paintHeaderBadge(Icon::Clipboard, style::kSky));
    set.add(folder, "userIcon", paintHeaderBadge(Icon::User, style::kSun));
    set.add(folder, "correctIcon", paintStatusIcon(Icon::Check, style::kLeaf));
    set.add(folder, "missedIcon", paintStatusIcon(Icon::Cross, style::kCoral));
    set.add(folder, "remaining", paintStatusIcon(Icon::Hourglass, style::kSky));
    set.add(folder, "flashCardBackground", paintFlashCard(sizes::kTestingCard));

    const QSize size = sizes::kScreenButton;
    set.addButton(folder, "homeButton", [&](bool lit) {
        return paintButton({size.width(), size.height(), PictureCaption::tr("Home"), Icon::House,
                            style::kCoral, style::kPanel, 24},
                           lit);
    });
    set.addButton(folder, "beginButton", [&](bool lit) {
        return paintButton({size.width(), size.height(), PictureCaption::tr("Begin"), Icon::Play,
                            style::kLeaf, style::kPanel, 24},
                           lit);
    });
}

} // namespace assetgen
