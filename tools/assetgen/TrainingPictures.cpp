#include "Button.h"
#include "Captions.h"
#include "Header.h"
#include "PictureSizes.h"
#include "ScreenPictures.h"
#include "Style.h"

namespace assetgen {

namespace {

struct KindButton {
    std::string_view name;
    QString glyphs;
    QColor colour;
    int fontPixels;
};

} // namespace

void addTrainingPictures(PictureSet& set) {
    constexpr std::string_view folder = "Training";
    set.add(folder, "trainingIcon", paintHeaderBadge(Icon::Stopwatch, style::kOrange));

    // The operation signs themselves: a child picks the kind of fact by its sign.
    const KindButton kinds[] = {
        {"additionButton", QStringLiteral("+"), style::kLeaf, 34},
        {"subtractionButton", QStringLiteral("\u2212"), style::kSky, 34},
        {"multiplicationButton", QStringLiteral("\u00d7"), style::kOrange, 34},
        {"divisionButton", QStringLiteral("\u00f7"), style::kGrape, 34},
        {"mixButton", QStringLiteral("+\u2212\u00d7\u00f7"), style::kTeal, 17},
    };
    const QSize kind = sizes::kKindButton;
    // Signs, not words: each is read by its shape, so Mixed's row of four may be smaller.
    constexpr int kSmallestSign = 13;
    for (const KindButton& button : kinds) {
        set.addButton(folder, button.name, [&](bool lit) {
            return paintButton({kind.width(), kind.height(), button.glyphs, std::nullopt,
                                button.colour, style::kSetupBlock, button.fontPixels, false, false,
                                kSmallestSign},
                               lit);
        });
    }

    // The child's own facts have no sign of their own: the button says it in words.
    const QSize myFacts = sizes::kMyFactsButton;
    set.addButton(folder, "myFactsButton", [&](bool lit) {
        //: Training on the facts this child does not know yet; a small button, keep it short.
        return paintButton({myFacts.width(), myFacts.height(), PictureCaption::tr("My Facts"),
                            std::nullopt, style::kBerry, style::kSetupBlock, 17},
                           lit);
    });

    const QSize view = sizes::kViewButton;
    set.addButton(folder, "viewReport", [&](bool lit) {
        return paintButton({view.width(), view.height(), PictureCaption::tr("Report"), Icon::List,
                            style::kGrape, style::kPanel, 22},
                           lit);
    });
}

} // namespace assetgen
