#include "Button.h"
#include "Captions.h"
#include "PictureSizes.h"
#include "ScreenPictures.h"
#include "Style.h"

namespace assetgen {

namespace {

void addKeys(PictureSet& set, std::string_view folder, int last, QSize size, int fontPixels,
             bool round) {
    for (int value = 0; value <= last; ++value) {
        const QString label = QString::number(value);
        set.addButton(folder, std::to_string(value), [&](bool lit) {
            return paintButton({size.width(), size.height(), label, std::nullopt, style::kSky,
                                style::kPanel, fontPixels, round},
                               lit);
        });
    }
}

} // namespace

void addNumberPictures(PictureSet& set) {
    // One key per answer 0 to 18 for the standard pad.
    addKeys(set, "Numbers", 18, sizes::kNumberKey, 30, false);

    // Digits on a ring with Enter in the middle, for two-digit multiplication answers.
    addKeys(set, "Numbers/Small", 9, sizes::kSmallKey, 22, true);
    const QSize enter = sizes::kEnterKey;
    set.addButton("Numbers/Small", "Enter", [&](bool lit) {
        //: The key that sends a typed answer, in the middle of a ring of digits.
        return paintButton({enter.width(), enter.height(), PictureCaption::tr("Enter"),
                            std::nullopt, style::kLeaf, style::kPanel, 22, true},
                           lit);
    });
}

} // namespace assetgen
