#include "HeaderBar.h"

#include "data/CStudent.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/ScreenBitmaps.h"

#include <QFontMetrics>
#include <utility>

namespace {

constexpr const char* kFolder = "Testing";
constexpr int kHeaderPoints = 11;
// The texts stop short of the bar's lower edge, where its picture has its shadow.
constexpr int kTextBottomMargin = 6;
const QColor kHeaderTextColour(255, 255, 255);

// Header texts stay this tall at least, however long.
constexpr int kSmallestHeaderPixels = 9;

} // namespace

void DrawHeaderText(platform::GdiDc& dc, const QFont& font, const QString& text,
                    platform::GdiRect rect) {
    const QFont oldFont =
        dc.SelectFont(platform::FontToFit(font, {text}, rect.Width(), kSmallestHeaderPixels));
    const platform::BkMode oldMode = dc.SetBkMode(platform::BkMode::Transparent);
    const QColor oldColour = dc.SetTextColor(kHeaderTextColour);
    dc.DrawText(text, rect, platform::dt::kSingleLine | platform::dt::kVCenter);
    dc.SetTextColor(oldColour);
    dc.SetBkMode(oldMode);
    dc.SelectFont(oldFont);
}

HeaderBar::HeaderBar(QString title, const HeaderLook& look)
    : title_(std::move(title)), background_(platform::LoadScreenBitmap(kFolder, "topBackground")),
      icon_(platform::LoadScreenBitmap(look.iconFolder, look.iconName)),
      userIcon_(platform::LoadScreenBitmap(kFolder, "userIcon")),
      textFont_(platform::MakeFont(look.face, platform::PointsToPixels(kHeaderPoints))),
      titleFont_(platform::MakeFont(look.face, platform::PointsToPixels(kHeaderPoints),
                                    look.titleWeight)) {
}

int HeaderBar::IconWidth() const {
    return platform::GetBitmapSize(icon_).width();
}

int HeaderBar::Height() const {
    return platform::GetBitmapSize(background_).height();
}

void HeaderBar::Layout(int windowWidth, int columnRight) {
    const int textBottom = Height() - kTextBottomMargin;
    const int titleWidth = QFontMetrics(titleFont_).horizontalAdvance(title_);
    rect_ = {0, 0, windowWidth, Height()};
    titleRect_ = {IconWidth(), 0, IconWidth() + titleWidth, textBottom};
    levelRect_ = {titleRect_.right, 0, columnRight, textBottom};
    userRect_ = {columnRight + 2 + IconWidth(), 0, windowWidth, textBottom};
}

void HeaderBar::DrawBackground(platform::GdiDc& dc, const CStudent& student) const {
    DrawBackground(dc, QString::fromStdString(student.GetName()));
}

void HeaderBar::DrawBackground(platform::GdiDc& dc, const QString& userName) const {
    dc.StretchImage(rect_, background_);
    platform::DrawBitmap(dc, icon_, 0, 0);
    DrawHeaderText(dc, textFont_, tr("User: %1").arg(userName) + QStringLiteral("  "), userRect_);
    platform::DrawBitmap(dc, userIcon_, userRect_.left - platform::GetBitmapSize(userIcon_).width(),
                         0);
}

void HeaderBar::Draw(platform::GdiDc& dc, const CStudent& student) const {
    Draw(dc, QString::fromStdString(student.GetName()), LevelText(student));
}

void HeaderBar::Draw(platform::GdiDc& dc, const QString& userName, const QString& detail) const {
    DrawBackground(dc, userName);
    DrawHeaderText(dc, titleFont_, title_, titleRect_);
    DrawHeaderText(dc, textFont_, detail, levelRect_);
}

QString TestsPassedText(int testsPassed) {
    switch (testsPassed) {
    case 0:
        return HeaderBar::tr("no tests passed");
    case 1:
        return HeaderBar::tr("1 test passed");
    default:
        return HeaderBar::tr("%n tests passed", nullptr, testsPassed);
    }
}

QString LevelText(const CStudent& student) {
    return HeaderBar::tr(" : %1 - %2")
        .arg(QString::fromStdString(student.GetLevelName()),
             TestsPassedText(student.GetTestsPassed()));
}
