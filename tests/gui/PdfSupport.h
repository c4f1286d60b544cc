#pragma once

#include "gui/common/PrinterSetup.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <optional>
#include <vector>

namespace guitest {

// The printer set-up answered with a PDF file at `path` on a page of `size` without margins, at
// 72 dots per inch, so that one device pixel is one PDF point; `accept` false: the user cancels.
struct PdfPrinterSetup final : IPrinterSetup {
    PdfPrinterSetup(QString path, bool accept, QPageSize size,
                    std::optional<QPageLayout::Orientation> orientation = std::nullopt)
        : path(std::move(path)), accept(accept), size(std::move(size)), orientation(orientation) {}

    bool Choose(QPrinter& printer) override;

    QString path;
    bool accept;
    QPageSize size;
    std::optional<QPageLayout::Orientation> orientation; // none: as the program proposes
    int choices = 0;
};

// A word of a PDF page and its box, in points from the page's top-left corner.
struct PdfWord {
    QString text;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// What pdfinfo says of the file.
QString PdfInfo(const QString& path);
int PdfPageCount(const QString& path);
// The words of page `page` (from 1), in reading order.
std::vector<PdfWord> PdfWords(const QString& path, int page);
bool PdfHasWord(const std::vector<PdfWord>& words, const QString& text);
// Page `page` as a picture at 72 dots per inch, through a PNG file beside `path`.
QImage PdfPage(const QString& path, int page);
// How many pixels of `page` outside `inside` are not white.
int InkOutside(const QImage& page, const QRect& inside);

} // namespace guitest
