#include "Button.h"
#include "Captions.h"
#include "FlashCard.h"
#include "PictureSizes.h"
#include "ScreenPictures.h"
#include "Shapes.h"
#include "Style.h"

namespace assetgen {

namespace {

// A feedback word beside the card: a coloured disc with an icon, and a short word.
QImage paintFeedback(Icon icon, const QColor& colour, const QString& word) {
    const QSize size = sizes::kFeedback;
    QImage image = canvas(size.width(), size.height(), style::kWhite);
    QPainter painter;
    beginPainting(painter, image);
    const qreal side = size.height() - 12;
    const QRectF disc(4, 6, side, side);
    drawIconDisc(painter, icon, disc, colour);
    const QRectF text(disc.right() + 6, 0, size.width() - disc.right() - 8, size.height());
    drawFittedText(painter, text, word, style::sans(30), style::shade(colour, -0.25));
    painter.end();
    return image;
}

} // namespace

void addReviewPictures(PictureSet& set) {
    constexpr std::string_view folder = "Review";
    set.add(folder, "flashCardBackground", paintFlashCard(sizes::kReviewCard));
    //: Beside a flash card: a right answer, a first wrong try, a second wrong try (the right
    //: answer is shown next), and the label before the right answer.
    set.add(folder, "correctText",
            paintFeedback(Icon::Check, style::kLeaf, PictureCaption::tr("Great!")));
    set.add(folder, "tryagainText",
            paintFeedback(Icon::Retry, style::kOrange, PictureCaption::tr("Try again")));
    set.add(folder, "almostText",
            paintFeedback(Icon::Star, style::kGrape, PictureCaption::tr("Almost!")));
    set.add(folder, "correctanswerText",
            paintFeedback(Icon::Bulb, style::kSky, PictureCaption::tr("Answer:")));

    const QSize size = sizes::kScreenButton;
    set.addButton(folder, "printMistakesButton", [&](bool lit) {
        return paintButton({size.width(), size.height(), PictureCaption::tr("Print"), Icon::Printer,
                            style::kSky, style::kPanel, 24},
                           lit);
    });
}

} // namespace assetgen
