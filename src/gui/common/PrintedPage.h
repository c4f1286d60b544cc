#pragma once

#include "platform/qt/GdiDc.h"

#include <QFont>
#include <QString>

class QPaintDevice;

// What every printed page shares. Everything is measured in the printer's own pixels, so a page
// looks the same on any printer.

// The page inside margins of three quarters of an inch, in device pixels.
struct PageFrame {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int dotsPerInchDown = 0; // sizes the fonts
};

PageFrame MeasurePageFrame(const QPaintDevice& device);

// A font of `points` as the printer measures them.
QFont PrinterFont(const QString& face, int points, const PageFrame& frame);

// The header at the top of a page: the program's name and `title` in a band ruled off below, and
// under it, right-aligned, `who` the page is for over today's date. Leaves the 3-pixel black pen
// of the rule selected. Returns where the header ends.
int DrawPageHeader(platform::GdiDc& dc, const PageFrame& frame, const QString& who,
                   const QString& title);
