#include "gui/classreport/ClassReportWnd.h"
#include "FolderContent.h"
#include "GuiTestSupport.h"
#include "PdfSupport.h"
#include "SessionRecords.h"
#include "StudentSupport.h"
#include "data/CStudent.h"
#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/ClassReport.h"
#include "data/MistakeFile.h"
#include "data/OperationFacts.h"
#include "gui/classreport/ClassReportList.h"
#include "gui/progress/CStudentProgressWnd.h"
#include "gui/teacher/CTeacherWnd.h"
#include "platform/Files.h"
#include "platform/fakes/FakeFileDialogs.h"

#include <QFile>
#include <QHeaderView>
#include <QRegularExpression>
#include <gmock/gmock.h>
#include <map>

using namespace guitest;

using testing::ElementsAre;
using namespace testrecords;

namespace {

// Times before the fake clock's now.
std::uint32_t DaysAgo(double days) {
    return static_cast<std::uint32_t>(1'700'000'000 - days * kDay);
}
SessionRecord DaysAgo(SessionRecord record, double days) {
    record.time = DaysAgo(days);
    return record;
}

// A student of the class with the records the report reads.
struct Student {
    std::string name; // file form
    int level = kAddition;
    int testsPassed = 0;
    std::vector<SessionRecord> sessions;
    int fluent = 0;   // the first facts of the level's test file, answered right and quick
    int mistakes = 0; // facts of no level the students are on
};

class ClassReportWndTest : public WindowTest<ClassReportWnd> {
protected:
    ClassReportWndTest() { fakes.clock.seconds = 1'700'000'000; }

    // The students in the class of Class Teacher, in this order.
    void WriteClass(const std::vector<Student>& class_) {
        std::vector<StudentToAdd> students;
        for (const Student& student : class_) {
            students.push_back({student.name, "pw", student.level, student.testsPassed});
        }
        WriteDataFolder(fakes, students);
        for (const Student& student : class_) {
            const std::string path = CUserManager::GetInfoFilePath(student.name);
            auto record = data::ParseStudentRecord(*platform::ReadFileBytes(path));
            record->sessions = student.sessions;
            platform::WriteFileBytes(path, data::SerializeStudentRecord(*record));
            data::FactFluency fluency;
            const std::vector<Problem> facts = data::ReadPractisedFacts(student.level);
            for (int fact = 0; fact < student.fluent; ++fact) {
                fluency.RecordFirstTry(facts.at(static_cast<std::size_t>(fact)), true, 1'200);
            }
            data::WriteFluencyFile(CUserManager::GetFluencyFilePath(student.name), fluency);
            std::vector<Problem> mistakes;
            for (int a = 0; a < student.mistakes; ++a) {
                mistakes.push_back(Mistake(a, 'x', 7));
            }
            data::WriteMistakeList(CUserManager::GetMistakeFilePath(student.name), mistakes);
        }
        ASSERT_TRUE(GetCurrentTeacher().Load("Class Teacher"));
        GetCurrentTeacher().SelectClass("Users");
    }

    void Open() { window = new ClassReportWnd(&opener); }

    ClassReportList& List() const { return *window->List(); }

    // The rows from the top down, each by the initial of the student's family name.
    std::string Order() const {
        std::string initials;
        for (const QString& name : ColumnTexts(List(), 0)) {
            initials += name.front().toLatin1();
        }
        return initials;
    }

    void ClickHeading(int column) {
        QHeaderView* header = List().header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    }

    void Print(QPageSize::PageSizeId size, QPageLayout::Orientation orientation, bool accept = true,
               const QString& path = {}) {
        window->SetPrinterSetup(std::make_unique<PdfPrinterSetup>(
            path.isEmpty() ? Pdf() : path, accept, QPageSize(size), orientation));
        guitest::Click(window->Button(ClassReportWnd::kPrint));
    }

    // Pixels inked in the margins of page `page` from the table's headings down (the page
    // header's rule ends in the caps of its thick pen).
    int InkBesideTheTable(int page) const {
        const QImage image = PdfPage(Pdf(), page);
        const std::vector<PdfWord> words = PdfWords(Pdf(), page);
        const auto heading =
            std::ranges::find_if(words, [](const PdfWord& word) { return word.text == "Student"; });
        EXPECT_NE(heading, words.end());
        const int top = heading == words.end() ? 0 : static_cast<int>(heading->top) - 12;
        const int height = image.height() - top;
        return InkOutside(image.copy(0, top, image.width(), height),
                          QRect(54, 0, image.width() - 108, height - 54));
    }

    QString Pdf() const { return QString::fromStdString(fakes.Path("/report.pdf")); }

    QWidget opener;
};

} // namespace

// Each heading sorts its column by the column's value, both ways: levels in the order of the
// levels (not of their names nor of the tests passed), dates as dates, figures as numbers, the
// fluent facts by their share of the level's facts (not their count). A record that cannot be
// read sorts first; the student column keeps the teacher's order. No two columns of the class
// sort alike but last active and minutes.
TEST_F(ClassReportWndTest, EachColumnSortsByItsValueBothWays) {
    WriteTestFile(fakes, "addition.txt", {"1 + 1", "1 + 2", "1 + 3", "1 + 4"});
    std::vector<std::string> subtractions = OneDigitFacts('-');
    std::vector<std::string> divisions = OneDigitFacts('/');
    subtractions.resize(10);
    divisions.resize(20);
    WriteTestFile(fakes, "subtraction.txt", subtractions);
    WriteTestFile(fakes, "division.txt", divisions);
    WriteClass({
        // Stuck: three tests failed since the last pass, one of them this week; 7 minutes.
        {"Al Ames",
         kAddition,
         1,
         {TestRecord(100, 100, 1, 0, DaysAgo(30)), TestRecord(50, 100, 1, 1, DaysAgo(20)),
          TestRecord(50, 100, 1, 1, DaysAgo(10)), TestRecord(50, 100, 1, 1, DaysAgo(3)),
          DaysAgo(TrainingRecord(10, 60), 2)},
         3},
        {"Bo Birch", kDivision, 0, {DaysAgo(ReviewRecord(3, 5, 3, 900), 1)}, 4, 3},
        // Inactive, on 12/01/2022: after the others' November 2023 dates as a text.
        {"Cy Cole", kSubtraction, 2, {DaysAgo(TrainingRecord(10, 60), 348)}, 5, 1},
        {"Di Dunn", kAddition, 0, {}, 0, 2},
    });
    platform::WriteFileBytes(CUserManager::GetInfoFilePath("Di Dunn"), {1, 2, 3});
    Open();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(Order(), "ABCD");
    const std::pair<int, std::string> orders[] = {{1, "DACB"}, {2, "DBAC"}, {3, "DCAB"},
                                                  {4, "DCBA"}, {5, "DCAB"}, {6, "DBCA"},
                                                  {7, "ACDB"}, {8, "BCDA"}, {0, "ABCD"}};
    for (const auto& [column, ascending] : orders) {
        SCOPED_TRACE(data::kClassReportColumns.at(static_cast<std::size_t>(column)).english);
        ClickHeading(column);
        EXPECT_EQ(Order(), ascending);
        ClickHeading(column);
        EXPECT_EQ(Order(), std::string(ascending.rbegin(), ascending.rend()));
    }
    // The file and the paper list the students as the screen does.
    window->SetSaveFileDialog(
        std::make_unique<platform::fakes::FakeSaveFileDialog>(fakes.Path("/report.csv")));
    guitest::Click(window->Button(ClassReportWnd::kExportCsv));
    Print(QPageSize::A4, QPageLayout::Landscape);
    std::string inFile;
    for (const QString& line :
         QString::fromStdString(ReadFile(fakes, "/report.csv")).split("\r\n").mid(1, 4)) {
        inFile += line.at(1).toLatin1();
    }
    std::map<double, char> onPaper; // by the height on the page
    for (const PdfWord& word : PdfWords(Pdf(), 1)) {
        if (ColumnTexts(List(), 0).indexOf(
                QRegularExpression(QRegularExpression::escape(word.text) + " .*")) >= 0) {
            onPaper[word.top] = word.text.front().toLatin1();
        }
    }
    std::string onPaperOrder;
    for (const auto& [top, initial] : onPaper) {
        onPaperOrder += initial;
    }
    EXPECT_EQ(inFile + " " + onPaperOrder, "DCBA DCBA");
}

// In and out as the teacher goes: the report over the hidden teacher window, a student's progress
// over the hidden report, each Home back one step. Looking changes no file; without a class list
// there is nothing to look at.
TEST_F(ClassReportWndTest, OpensFromTheTeacherWindowLeadsToProgressAndBackWithoutChangingAFile) {
    WriteClass({{"Ann Lee", kSubtraction, 1, {TrainingRecord(10, 60)}}, {"Bo Ng"}});
    QPointer<CTeacherWnd> teacher = new CTeacherWnd(home);
    const auto before = FolderContent(fakes.Path("/Data"));

    guitest::Click(teacher->Button(CTeacherWnd::kClassReport));
    window = FindTopLevel<ClassReportWnd>();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible() && !teacher->isVisible());
    EXPECT_EQ(List().RowCount(), 2);
    EXPECT_EQ(FolderContent(fakes.Path("/Data")), before);

    ClickHeading(3); // never active first: the double-click opens the row clicked
    const QPoint row = List().visualItemRect(List().topLevelItem(0)).center();
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, row);
    const QPointer<CStudentProgressWnd> progress(FindTopLevel<CStudentProgressWnd>());
    ASSERT_FALSE(progress.isNull());
    EXPECT_EQ(GetCurrentStudent().GetName(), "Bo Ng");
    EXPECT_FALSE(window->isVisible());
    guitest::Click(progress->Button(CStudentProgressWnd::kHome));
    CloseDeleted();
    EXPECT_TRUE(window->isVisible());

    guitest::Click(window->Button(ClassReportWnd::kHome));
    CloseDeleted();
    EXPECT_TRUE(window.isNull() && teacher->isVisible());

    // A class list gone since the teacher's screen opened: said so, and the screen stays.
    std::filesystem::remove(fakes.Path("/Data/Class TeacherUsers.nfo"));
    guitest::Click(teacher->Button(CTeacherWnd::kClassReport));
    CloseDeleted();
    EXPECT_TRUE(FindTopLevel<ClassReportWnd>() == nullptr && teacher->isVisible());
    EXPECT_THAT(Texts(), ElementsAre("The list of Class Teacher's class cannot be read. Please "
                                     "contact the system administrator; the error log says why."));
    delete teacher.data();
}

// A cancelled export or print writes nothing; where the file went, or why it could not go, is
// said, and so is a printer that cannot open.
TEST_F(ClassReportWndTest, ExportAndPrintSayWhereOrWhyNot) {
    WriteClass({{"Ann Lee"}});
    Open();
    const std::string path = fakes.Path("/report.csv");
    auto dialog = std::make_unique<platform::fakes::FakeSaveFileDialog>(path);
    auto* chooser = dialog.get();
    window->SetSaveFileDialog(std::move(dialog));

    guitest::Click(window->Button(ClassReportWnd::kExportCsv));
    ASSERT_EQ(chooser->requests.size(), 1u);
    EXPECT_EQ(chooser->requests[0].defaultName, "Class report 2003-03-07.csv");
    EXPECT_EQ(chooser->requests[0].filter, "CSV files (*.csv)");
    EXPECT_THAT(ReadFile(fakes, "/report.csv"), testing::StartsWith("\xEF\xBB\xBFStudent,"));

    chooser->answer = fakes.Path("/no such folder/report.csv");
    guitest::Click(window->Button(ClassReportWnd::kExportCsv));
    chooser->answer.reset();
    guitest::Click(window->Button(ClassReportWnd::kExportCsv)); // cancelled: writes nothing
    EXPECT_EQ(Boxes(fakes),
              (std::vector<Box>{
                  {"The class report was saved as " + path + ".", platform::MbIcon::Information},
                  {"The class report could not be saved as " + fakes.Path("/no such folder/") +
                       "report.csv: No such file or directory.",
                   platform::MbIcon::Exclamation}}));
    EXPECT_EQ(Logged("report.csv: No such file"), 1);

    fakes.messageBoxes.shown.clear();
    Print(QPageSize::A4, QPageLayout::Portrait, false);
    EXPECT_FALSE(QFile::exists(Pdf()));
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());

    Print(QPageSize::A4, QPageLayout::Portrait, true,
          QString::fromStdString(fakes.Path("/no such folder/report.pdf")));
    EXPECT_THAT(Texts(), ElementsAre("An error occurred while printing.\nCheck your printer "
                                     "settings and try again."));
    EXPECT_EQ(Logged("Failed CreatePrinterDC()"), 1);
}

// Eight students with names of thirty characters fit one page of A4 upright and of Letter
// across, under the teacher (and a class the teacher named) and the date, and nothing, the table's
// border and fill neither, reaches into the margins. A page too small for them all goes on with the
// header and the headings again.
TEST_F(ClassReportWndTest, PrintsTheTableOnOnePageOfA4OrLetterForEightStudentsInsideTheMargins) {
    std::vector<Student> class_;
    for (const char* name :
         {"Maximiliana Alexandra Rodrigue", "Christopher Montgomery-Smythe", "Anna-Lena Zimmermann",
          "Oluwaseun Adebayo-Williams", "Bartholomew Fitzgerald", "Siobhán Ní Bhraonáin",
          "Jean-Baptiste Lefèvre", "Wei Zhang"}) {
        class_.push_back({name, kAddition, 0, {TrainingRecord(10, 60)}});
    }
    WriteClass(class_);
    std::filesystem::remove(fakes.Path("/Data/Wei Zhang.nfo"));
    Open();
    for (const auto& [size, orientation] : {std::pair{QPageSize::A4, QPageLayout::Portrait},
                                            std::pair{QPageSize::Letter, QPageLayout::Landscape},
                                            std::pair{QPageSize::A6, QPageLayout::Landscape}}) {
        SCOPED_TRACE(QPageSize(size).name().toStdString());
        Print(size, orientation);
        const bool small = size == QPageSize::A6;
        ASSERT_EQ(PdfPageCount(Pdf()), small ? 2 : 1);
        const std::vector<PdfWord> words = PdfWords(Pdf(), small ? 2 : 1);
        for (const char* text :
             {"Class", "Report", "Teacher", "03/07/2003", "Needs",
              small ? "Zimmermann," : "Bhraonáin,", small ? "Class" : "cannot"}) {
            EXPECT_TRUE(PdfHasWord(words, QString::fromUtf8(text))) << text;
        }
        EXPECT_FALSE(PdfHasWord(words, "Users")) << "the first class goes unnamed";
        EXPECT_EQ(PdfHasWord(words, "Rodrigue,"), !small) << "on the first page only";
        for (int page = 1; page <= PdfPageCount(Pdf()); ++page) {
            EXPECT_EQ(InkBesideTheTable(page), 0) << "page " << page;
        }
        QFile::remove(Pdf());
    }
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
}
