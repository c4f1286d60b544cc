#include "Button.h"
#include "Captions.h"
#include "FrogPainter.h"
#include "Header.h"
#include "Logos.h"
#include "PictureSizes.h"
#include "ScreenPictures.h"
#include "Shapes.h"
#include "Style.h"

namespace assetgen {

namespace {

void drawChalkboard(QPainter& p, const QRectF& board) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 110, 64));
    p.drawRoundedRect(board, 12, 12);
    p.setBrush(QColor(46, 92, 70));
    p.drawRoundedRect(board.adjusted(10, 10, -10, -10), 6, 6);
    p.setPen(QColor(250, 250, 240));
    p.setFont(style::sans(40));
    p.drawText(board.adjusted(10, 0, -60, 0), Qt::AlignCenter, QStringLiteral("3 + 4 = 7"));
    drawFrog(p, board.bottomRight() + QPointF(-42, -12), 54, FrogPose::Sitting);
}

void drawHint(QPainter& p, qreal top, Icon icon, const QColor& colour, const QString& text) {
    const QRectF disc(40, top, 44, 44);
    drawIconDisc(p, icon, disc, colour);
    drawFittedText(p, QRectF(100, top - 8, sizes::kWelcome.width() - 110, 60), text,
                   style::serif(18, false), style::kInk, Qt::AlignVCenter | Qt::TextWordWrap);
}

QImage paintWelcome() {
    const QSize size = sizes::kWelcome;
    QImage image = canvas(size.width(), size.height(), style::kWhite);
    QPainter p;
    beginPainting(p, image);
    // Below the class box, so a little shorter than the panel.
    drawTallyhopLogo(p, QPointF(size.width() / 2.0, 48), 54);
    //: The title of the teacher's screen, above the hints to its buttons.
    drawFittedText(p, QRectF(0, 86, size.width(), 44), PictureCaption::tr("Welcome, teacher!"),
                   style::serif(30, true), style::kInk);
    drawChalkboard(p, QRectF((size.width() - 300) / 2.0, 138, 300, 112));
    drawHint(p, 272, Icon::AddUser, style::kLeaf,
             PictureCaption::tr("Add Student gives a child a name and a password."));
    drawHint(p, 328, Icon::Pencil, style::kSky,
             PictureCaption::tr("Edit Student changes a password or a level."));
    drawHint(p, 384, Icon::BarChart, style::kGrape,
             PictureCaption::tr("Double-click a name to see that child's progress."));
    p.end();
    return image;
}

} // namespace

void addTeacherPictures(PictureSet& set) {
    constexpr std::string_view folder = "Teacher";
    set.add(folder, "welcomeBackground", paintWelcome());
    set.add(folder, "classesIcon", paintHeaderBadge(Icon::Classes, style::kTeal));

    struct TeacherButton {
        std::string_view name;
        QString label;
        Icon icon;
        QColor colour;
    };
    const TeacherButton buttons[] = {
        {"homeButton", PictureCaption::tr("Home"), Icon::House, style::kCoral},
        {"addUserButton", PictureCaption::tr("Add Student"), Icon::AddUser, style::kLeaf},
        {"editUserInfoButton", PictureCaption::tr("Edit Student"), Icon::Pencil, style::kSky},
        {"deleteUserButton", PictureCaption::tr("Delete Student"), Icon::Trash,
         style::shade(style::kCoral, -0.2)},
        {"classReportButton", PictureCaption::tr("Class Report"), Icon::Table, style::kGrape},
        {"helpButton", PictureCaption::tr("Help"), Icon::Question, style::kSun},
        {"signOutButton", PictureCaption::tr("Sign out"), Icon::Door, style::kCoral},
    };
    const QSize size = sizes::kTeacherButton;
    for (const TeacherButton& button : buttons) {
        set.addButton(folder, button.name, [&](bool lit) {
            return paintButton({size.width(), size.height(), button.label, button.icon,
                                button.colour, style::kPanel, 22},
                               lit);
        });
    }

    // Under the class report, beside the activity screens' Home.
    const TeacherButton reportButtons[] = {
        {"exportButton", PictureCaption::tr("Export CSV…"), Icon::Export, style::kLeaf},
        {"printReportButton", PictureCaption::tr("Print…"), Icon::Printer, style::kSky},
    };
    const QSize screenSize = sizes::kScreenButton;
    for (const TeacherButton& button : reportButtons) {
        set.addButton(folder, button.name, [&](bool lit) {
            return paintButton({screenSize.width(), screenSize.height(), button.label, button.icon,
                                button.colour, style::kPanel, 24},
                               lit);
        });
    }
}

} // namespace assetgen
