// The review buddy: a frog crossing a pond on ten lily pads, one hop per mastered fact.
// Frames 10k+1 to 10k+10 carry it from pad k (k = 0 is the near bank's stone) to pad k+1.
#include "FrogPainter.h"
#include "Icons.h"
#include "PictureCatalog.h"
#include "PictureSizes.h"
#include "Pond.h"
#include "ScreenPictures.h"
#include "Shapes.h"
#include "Style.h"

#include <QLinearGradient>

namespace assetgen {

namespace {

constexpr int kPads = 10;
constexpr qreal kPadY = 80;
constexpr qreal kPadWidth = 44;
constexpr qreal kFrogWidth = 34;
constexpr qreal kHopHeight = 30;

qreal padX(int pad) {
    const qreal first = 26;
    const qreal last = sizes::kBuddyFrame.width() - 30;
    return first + (last - first) * pad / kPads;
}

struct HopStep {
    qreal progress; // 0 on the start pad, 1 on the next
    FrogPose pose;
};

// Sit, crouch, six frames in the air, land crouched, sit.
constexpr HopStep kHop[kBuddyFramesPerHop] = {
    {0.0, FrogPose::Sitting},  {0.0, FrogPose::Crouching}, {0.14, FrogPose::Leaping},
    {0.3, FrogPose::Leaping},  {0.46, FrogPose::Leaping},  {0.62, FrogPose::Leaping},
    {0.78, FrogPose::Leaping}, {0.92, FrogPose::Leaping},  {1.0, FrogPose::Crouching},
    {1.0, FrogPose::Sitting},
};

void drawBackground(QPainter& p, int reachedPads) {
    const QSizeF size = sizes::kBuddyFrame;
    QLinearGradient sky(0, 0, 0, 30);
    sky.setColorAt(0, style::kSkyTop);
    sky.setColorAt(1, style::shade(style::kSkyTop, 0.4));
    p.fillRect(QRectF(0, 0, size.width(), 30), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(style::kMeadow);
    p.drawRect(QRectF(0, 24, size.width(), 10));
    // Reeds along the far bank.
    p.setPen(QPen(style::shade(style::kMeadow, -0.3), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 24; ++i) {
        const qreal x = 8 + i * 24 + (i % 3) * 5;
        p.drawLine(QPointF(x, 30), QPointF(x + (i % 2 ? 3 : -2), 16 + (i % 4) * 2));
    }
    QLinearGradient water(0, 32, 0, size.height());
    water.setColorAt(0, style::shade(style::kWater, 0.2));
    water.setColorAt(1, style::kWaterDeep);
    p.fillRect(QRectF(0, 32, size.width(), size.height() - 32), water);

    // The start stone, the pads, a flower on every pad already reached, a star at the far end.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 142, 130));
    p.drawEllipse(QRectF(padX(0) - 22, kPadY - 8, 44, 18));
    for (int pad = 1; pad <= kPads; ++pad) {
        drawLilyPad(p, QPointF(padX(pad), kPadY + 2), pad == kPads ? kPadWidth + 8 : kPadWidth);
        if (pad <= reachedPads)
            drawWaterLily(p, QPointF(padX(pad) + 14, kPadY + 1), 12);
    }
    drawIcon(p, Icon::Star, QRectF(padX(kPads) - 8, 36, 16, 16), style::kSun, style::kSun);
}

void drawRipple(QPainter& p, QPointF centre) {
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, kPadWidth * 0.7, 6);
    p.drawEllipse(centre, kPadWidth * 0.9, 9);
}

QImage paintFrame(int frame) {
    const int hop = (frame - 1) / kBuddyFramesPerHop;
    const HopStep& step = kHop[(frame - 1) % kBuddyFramesPerHop];
    QImage image = canvas(sizes::kBuddyFrame.width(), sizes::kBuddyFrame.height(), Qt::white);
    QPainter p;
    beginPainting(p, image);
    const bool landed = step.progress >= 1.0;
    drawBackground(p, landed ? hop + 1 : hop);
    const qreal x = padX(hop) + (padX(hop + 1) - padX(hop)) * step.progress;
    const qreal lift = 4 * kHopHeight * step.progress * (1 - step.progress);
    if (step.pose == FrogPose::Crouching)
        drawRipple(p, QPointF(x, kPadY + 4));
    drawFrog(p, QPointF(x, kPadY - lift), kFrogWidth, step.pose);
    p.end();
    return image;
}

} // namespace

void addBuddyFrames(PictureSet& set) {
    for (int frame = 1; frame <= kBuddyFrameCount; ++frame)
        set.add(kBuddyFolder, buddyFrameName(frame), paintFrame(frame));
}

} // namespace assetgen
