#pragma once

#include "platform/qt/GdiDc.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QString>

class CStudent;

// The screen icon and the face of a header bar's texts.
struct HeaderLook {
    const char* iconFolder = "Testing";
    const char* iconName = "testingIcon";
    const char* face = "Verdana";
    int titleWeight = 700; // 400 normal, 700 bold
};

// The strip across the top of the testing, training, review and progress screens: the screen's
// icon and title, the student's level and standing, and "User: " with the student's name. Its
// pictures are "topBackground" and "userIcon" of the screen folder "Testing", whichever screen
// shows it, and the screen's icon ("testingIcon" of "Testing" unless the look names another).
class HeaderBar {
    Q_DECLARE_TR_FUNCTIONS(HeaderBar)

public:
    // Loads the pictures and creates the fonts; the bar has no place until Layout.
    explicit HeaderBar(QString title, const HeaderLook& look = {});

    // Across a window `windowWidth` wide. The level text ends at `columnRight`; the user text
    // starts 2 pixels past it, leaving room for the screen icon's width before it.
    void Layout(int windowWidth, int columnRight);

    const platform::GdiRect& Rect() const { return rect_; }
    const platform::GdiRect& TitleRect() const { return titleRect_; }
    const platform::GdiRect& LevelRect() const { return levelRect_; }
    const platform::GdiRect& UserRect() const { return userRect_; }
    // The height of "topBackground" (0 without it); screens start their content below it.
    int Height() const;
    // The width of the screen's icon.
    int IconWidth() const;

    // The pictures and the user text: what a screen's background erase repaints of the bar.
    void DrawBackground(platform::GdiDc& dc, const CStudent& student) const;
    // The whole bar: the background part, the title and the level text.
    void Draw(platform::GdiDc& dc, const CStudent& student) const;
    // The whole bar for a screen of someone else's: `userName` after "User: " and `detail` after
    // the title.
    void Draw(platform::GdiDc& dc, const QString& userName, const QString& detail) const;

private:
    void DrawBackground(platform::GdiDc& dc, const QString& userName) const;

    QString title_;
    QImage background_;
    QImage icon_;
    QImage userIcon_;
    QFont textFont_;
    QFont titleFont_;
    platform::GdiRect rect_;
    platform::GdiRect titleRect_;
    platform::GdiRect levelRect_;
    platform::GdiRect userRect_;
};

// A text on a header picture: white, transparent, one line, vertically centred, left-aligned;
// drawn smaller where it would not fit `rect` (a long name, a longer language).
void DrawHeaderText(platform::GdiDc& dc, const QFont& font, const QString& text,
                    platform::GdiRect rect);

// "no tests passed", "1 test passed", "2 tests passed" (and "%d tests passed" for any other
// count, which the student record never holds).
QString TestsPassedText(int testsPassed);

// " : <level name> - <tests passed text>", the text after the title.
QString LevelText(const CStudent& student);
