// The home screen is painted as one 800 x 600 scene and cut into the pictures that the screen
// places side by side, so the backdrop runs on seamlessly across picture edges.
#include "Button.h"
#include "Captions.h"
#include "FrogPainter.h"
#include "Logos.h"
#include "PictureSizes.h"
#include "Pond.h"
#include "ScreenPictures.h"
#include "Shapes.h"
#include "Style.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <optional>
#include <vector>

namespace assetgen {

namespace {

using namespace sizes;

struct HomePiece {
    std::string_view name;
    QRect place; // in screen coordinates; may start above or left of the screen
    std::optional<ButtonDesign> button;
    QRectF face; // where the button face sits, in screen coordinates
};

ButtonDesign design(const QString& label, Icon icon, const QColor& colour, int fontPixels) {
    return {0, 0, label, icon, colour, QColor(), fontPixels, false, true};
}

HomePiece tile(std::string_view name, const QString& label, QRect place, Icon icon,
               const QColor& colour) {
    const QRectF visible = place.intersected(QRect(0, 0, 800, 600));
    return {name, place, design(label, icon, colour, 34), visible.adjusted(12, 7, -8, -7)};
}

std::vector<HomePiece> homePieces() {
    const int left = -kHomeOffsetX;
    const int top = -kHomeOffsetY;
    const int column = kHomeColumnWidth;
    const int tileHeight = kHomeTileHeight;
    const int testingHeight = tileHeight + kHomeOffsetY;
    const int right = column - kHomeOffsetX;
    const int rightWidth = 800 - right;
    const int signOutTop = kHomeLogoHeight - kHomeOffsetY;
    const int makerTop = signOutTop + kHomeSignOutHeight;
    const QRect help(800 - kHomeHelp.width(), 600 - kHomeHelp.height(), kHomeHelp.width(),
                     kHomeHelp.height());
    const QRect signOut(right, signOutTop, rightWidth, kHomeSignOutHeight);
    return {
        //: The home screen's big buttons: a timed test, practice against a goal, the review of
        //: the child's mistakes and the child's progress.
        tile("Testing", PictureCaption::tr("Testing"), QRect(left, top, column, testingHeight),
             Icon::Clipboard, style::kSky),
        tile("Training", PictureCaption::tr("Training"),
             QRect(left, top + testingHeight, column, tileHeight), Icon::Stopwatch, style::kOrange),
        tile("Review", PictureCaption::tr("Review"),
             QRect(left, top + testingHeight + tileHeight, column, tileHeight), Icon::Frog,
             style::kLeaf),
        tile("Progress", PictureCaption::tr("Progress"),
             QRect(left, top + testingHeight + 2 * tileHeight, column, tileHeight), Icon::BarChart,
             style::kGrape),
        {"TallyhopLogoHome", QRect(right, top, rightWidth, kHomeLogoHeight), std::nullopt, {}},
        {"LogoutHome", signOut,
         design(PictureCaption::tr("Sign out"), Icon::Door, style::kCoral, 26),
         QRectF(signOut.center().x() - 115, signOut.top() + 10, 230, 60)},
        {"KorvanelogoHome", QRect(right, makerTop, rightWidth, 600 - makerTop), std::nullopt, {}},
        {"helpButton", help, design(PictureCaption::tr("Help"), Icon::Question, style::kSun, 26),
         QRectF(help).adjusted(6, 4, -8, -6)},
    };
}

void drawBackdrop(QPainter& p) {
    QLinearGradient sky(0, -kHomeOffsetY, 0, 600);
    sky.setColorAt(0.0, style::kSkyTop);
    sky.setColorAt(0.75, QColor(232, 244, 226));
    p.fillRect(QRect(-kHomeOffsetX, -kHomeOffsetY, 800 + kHomeOffsetX, 600 + kHomeOffsetY), sky);

    // Soft clouds over the logo.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (QPointF c : {QPointF(370, 28), QPointF(735, 44)}) {
        p.drawEllipse(c, 34, 14);
        p.drawEllipse(c + QPointF(22, -8), 22, 14);
        p.drawEllipse(c + QPointF(-20, -4), 18, 11);
    }

    // A meadow rolling across the bottom of the screen.
    QPainterPath hill;
    hill.moveTo(-kHomeOffsetX, 470);
    hill.cubicTo(200, 420, 520, 520, 800, 430);
    hill.lineTo(800, 600);
    hill.lineTo(-kHomeOffsetX, 600);
    hill.closeSubpath();
    QLinearGradient grass(0, 430, 0, 600);
    grass.setColorAt(0.0, style::kMeadow);
    grass.setColorAt(1.0, style::shade(style::kMeadow, -0.2));
    p.setBrush(grass);
    p.drawPath(hill);
}

void drawPondScene(QPainter& p) {
    drawPondWater(p, QRectF(320, 208, 460, 96));
    drawLilyPad(p, QPointF(400, 262), 70);
    drawWaterLily(p, QPointF(398, 254), 22);
    drawLilyPad(p, QPointF(500, 282), 56);
    drawLilyPad(p, QPointF(590, 250), 52);
    drawLilyPad(p, QPointF(700, 270), 96);
    drawFrog(p, QPointF(700, 272), 74, FrogPose::Sitting);
    drawTallyhopLogo(p, QPointF(550, 110), 72);
    //: The home screen's motto under the program's name.
    drawFittedText(p, QRectF(300, 158, 500, 32),
                   PictureCaption::tr("Hop to it – practise your number facts!"),
                   style::serif(22, false), style::kInk);
}

// The whole screen with one piece lit (or none), on a canvas that also holds the hidden margin.
QImage paintScene(std::string_view litPiece) {
    QImage scene = canvas(800 + kHomeOffsetX, 600 + kHomeOffsetY, style::kSkyTop);
    QPainter p;
    beginPainting(p, scene);
    p.translate(kHomeOffsetX, kHomeOffsetY);
    drawBackdrop(p);
    drawPondScene(p);
    drawKorvaneLogo(p, QPointF(500, 486), 64);
    for (const HomePiece& piece : homePieces()) {
        if (piece.button)
            drawButton(p, piece.face, *piece.button, piece.name == litPiece);
    }
    p.end();
    return scene;
}

QImage cut(const QImage& scene, const QRect& place) {
    return scene.copy(place.translated(kHomeOffsetX, kHomeOffsetY));
}

} // namespace

void addLoginPictures(PictureSet& set) {
    constexpr std::string_view folder = "Login";
    const QImage normal = paintScene({});
    for (const HomePiece& piece : homePieces()) {
        if (!piece.button) {
            set.add(folder, piece.name, cut(normal, piece.place));
            continue;
        }
        set.addButton(folder, piece.name, [&](bool lit) {
            return lit ? cut(paintScene(piece.name), piece.place) : cut(normal, piece.place);
        });
    }
}

} // namespace assetgen
