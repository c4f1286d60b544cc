#include "GuiTestSupport.h"
#include "PdfSupport.h"
#include "StudentSupport.h"
#include "data/CStudent.h"
#include "gui/review/PrintMistakes.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>

using namespace guitest;

namespace {

// A 6.75 × 8.75 inch page at 72 dots per inch, so one device pixel is one PDF point and the
// last cell of a row and the last row of a page land exactly on their limits: 7 cells a row,
// left edges 54, 108 … 378 (= R − w); 5 rows a page, tops 126, 216 … 486 (= B − h).
constexpr int kCellsPerRow = 7;
constexpr int kRowsPerPage = 5;
constexpr int kFirstRowTop = 126;
constexpr int kCellHeight = 90;

class MistakeSheetTest : public testing::Test {
protected:
    QString PdfPath() const { return QString::fromStdString(fakes.Path("/sheet.pdf")); }

    // Prints the student's list through Print Mistakes onto the test page.
    void PrintList(const std::vector<Problem>& mistakes) {
        SignInWithMistakes(mistakes);
        PdfPrinterSetup setup = Setup(true);
        PrintMistakes(GetCurrentStudent(), setup);
    }

    PdfPrinterSetup Setup(bool accept) const {
        return PdfPrinterSetup(PdfPath(), accept, QPageSize(QSizeF(6.75, 8.75), QPageSize::Inch));
    }

    int PageCount() const { return PdfPageCount(PdfPath()); }
    std::vector<PdfWord> Words(int page) const { return PdfWords(PdfPath(), page); }
    QImage Page(int page) const { return PdfPage(PdfPath(), page); }

    // Framed cells in the row whose top is `rowTop`: the dark frame edges met just under the
    // top edge, where no fact is written, less one (neighbours share an edge).
    static int CellsInRow(const QImage& page, int rowTop) {
        int edges = 0;
        bool inEdge = false;
        for (int x = 0; x < page.width(); ++x) {
            const bool dark = qGray(page.pixel(x, rowTop + 6)) < 100;
            edges += dark && !inEdge ? 1 : 0;
            inEdge = dark;
        }
        return std::max(edges - 1, 0);
    }

    static int RowTop(int row) { return kFirstRowTop + row * kCellHeight; }

    platform::fakes::FakePlatform fakes;
};

std::vector<Problem> Additions(int count) {
    std::vector<Problem> facts;
    for (int i = 0; i < count; ++i) {
        facts.push_back(Mistake(i % 10, '+', i / 10));
    }
    return facts;
}

} // namespace

TEST_F(MistakeSheetTest, SortedFactsInFramedCellsWithoutAnyAnswer) {
    // Listed division first; neither the entered answers (5, 2) nor the correct ones (6, 7) show.
    Problem division = Mistake(54, '/', 9);
    division.enteredAnswer = 5;
    Problem addition = Mistake(4, '+', 3);
    addition.enteredAnswer = 2;
    PrintList({division, addition});

    EXPECT_EQ(PageCount(), 1);
    EXPECT_TRUE(PdfInfo(PdfPath()).contains(
        QRegularExpression(R"(Title:\s+Tallyhop - Mistake sheet for Pat Jones\n)")));
    const QImage page = Page(1);
    EXPECT_EQ(CellsInRow(page, RowTop(0)), 2);
    EXPECT_EQ(CellsInRow(page, RowTop(1)), 0);

    const std::vector<PdfWord> words = Words(1);
    const auto at = [&](const char* text) {
        return std::ranges::find_if(words, [&](const PdfWord& w) { return w.text.contains(text); });
    };
    ASSERT_TRUE(at("4") != words.end() && at("54") != words.end());
    EXPECT_LT(at("4")->left, at("54")->left) << "addition before division";
    EXPECT_NEAR(at("4")->top, at("54")->top, kCellHeight / 2);
    for (const char* answer : {"2", "5", "6", "7"}) {
        EXPECT_FALSE(std::ranges::any_of(words, [&](const PdfWord& w) { return w.text == answer; }))
            << answer;
    }
}

// Rows break only past the right limit and pages only past the bottom limit; every page, of an
// empty list too, has the whole header.
TEST_F(MistakeSheetTest, FullRowsAndPagesThenANewPageWithTheWholeHeader) {
    for (const auto& [count, pages] : {std::pair{kCellsPerRow * kRowsPerPage + 1, 2}, {0, 1}}) {
        SCOPED_TRACE(count);
        PrintList(Additions(count));
        ASSERT_EQ(PageCount(), pages);
        const QImage first = Page(1);
        EXPECT_EQ(CellsInRow(first, RowTop(0)), std::min(count, kCellsPerRow));
        EXPECT_EQ(CellsInRow(first, RowTop(kRowsPerPage - 1)), count == 0 ? 0 : kCellsPerRow);
        const QImage last = Page(pages);
        EXPECT_EQ(CellsInRow(last, RowTop(0)), count == 0 ? 0 : 1);
        EXPECT_EQ(CellsInRow(last, RowTop(1)), 0);
        const std::vector<PdfWord> words = Words(pages);
        for (const char* text :
             {"Tallyhop\u2122", "Review", "Sheet", "Pat", "Jones", "03/07/2003"}) {
            EXPECT_TRUE(PdfHasWord(words, text)) << text;
        }
    }
}

TEST_F(MistakeSheetTest, CancelPrintsNothingAndAPrinterThatCannotOpenIsLoggedAndReported) {
    SignInWithMistakes({Mistake(4, '+', 3)});
    PdfPrinterSetup cancelled = Setup(false);
    PrintMistakes(GetCurrentStudent(), cancelled);
    EXPECT_EQ(cancelled.choices, 1);
    EXPECT_FALSE(QFile::exists(PdfPath()));
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());

    PdfPrinterSetup unwritable = Setup(true);
    unwritable.path = QString::fromStdString(fakes.Path("/no such folder/sheet.pdf"));
    PrintMistakes(GetCurrentStudent(), unwritable);
    ASSERT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{
                  "An error occurred while printing.\nCheck your printer settings and try again."});
    EXPECT_EQ(Logged(fakes, "Failed CreatePrinterDC()"), 1);
}
