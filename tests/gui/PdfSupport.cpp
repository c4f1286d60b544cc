#include "PdfSupport.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>

namespace guitest {
namespace {

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

bool PdfPrinterSetup::Choose(QPrinter& printer) {
    ++choices;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(size);
    if (orientation) {
        printer.setPageOrientation(*orientation);
    }
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setResolution(72);
    return accept;
}

QString PdfInfo(const QString& path) {
    return RunTool("pdfinfo", {path});
}

int PdfPageCount(const QString& path) {
    const auto match = QRegularExpression(R"(Pages:\s+(\d+))").match(PdfInfo(path));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

std::vector<PdfWord> PdfWords(const QString& path, int page) {
    const QString html = RunTool("pdftotext", {"-f", QString::number(page), "-l",
                                               QString::number(page), "-bbox", path, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        words.push_back({match.captured(5), match.captured(1).toDouble(),
                         match.captured(2).toDouble(), match.captured(3).toDouble(),
                         match.captured(4).toDouble()});
    }
    return words;
}

bool PdfHasWord(const std::vector<PdfWord>& words, const QString& text) {
    return std::ranges::any_of(words, [&](const PdfWord& w) { return w.text.contains(text); });
}

QImage PdfPage(const QString& path, int page) {
    const QString prefix = path + "-page";
    RunTool("pdftoppm", {"-r", "72", "-f", QString::number(page), "-l", QString::number(page),
                         "-singlefile", "-png", path, prefix});
    return QImage(prefix + ".png");
}

int InkOutside(const QImage& page, const QRect& inside) {
    int ink = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            ink += !inside.contains(x, y) && page.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
        }
    }
    return ink;
}

} // namespace guitest
