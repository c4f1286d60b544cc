#include "gui/classreport/ClassReportWnd.h"
#include "GuiTestSupport.h"
#include "PdfSupport.h"
#include "SessionRecords.h"
#include "data/CStudent.h"
#include "data/CTeacher.h"
#include "data/CUserManager.h"
#include "data/StudentRecordFile.h"
#include "gui/classreport/ClassReportList.h"
#include "gui/progress/CStudentProgressWnd.h"
#include "gui/teacher/CTeacherWnd.h"
#include "platform/Files.h"
#include "platform/fakes/FakeFileDialogs.h"

#include <QFile>
#include <QHeaderView>
#include <filesystem>
#include <gmock/gmock.h>
#include <map>

using testing::ElementsAre;

namespace {

constexpr std::uint32_t kDay = 86'400;
constexpr int kMinutes = 5;
constexpr int kLastActive = 3;

// Times before the fake clock's now.
std::uint32_t DaysAgo(double days) {
    return static_cast<std::uint32_t>(1'700'000'000 - days * kDay);
}

SessionRecord Training(int seconds, std::uint32_t time) {
    SessionRecord record = testrecords::TrainingRecord(10, seconds);
    record.time = time;
    return record;
}

class ClassReportWndTest : public guitest::WindowTest<ClassReportWnd> {
protected:
    ClassReportWndTest() { fakes.clock.seconds = 1'700'000'000; }

    // The students with these sessions (file-form names), in a class of Class Teacher.
    void WriteClass(const std::vector<std::pair<std::string, std::vector<SessionRecord>>>& class_) {
        std::vector<StudentToAdd> students;
        for (const auto& [name, sessions] : class_) {
            students.push_back({name, "pw", 2, 1});
        }
        guitest::WriteDataFolder(fakes, students);
        for (const auto& [name, sessions] : class_) {
            const std::string path = CUserManager::GetInfoFilePath(name);
            auto record = data::ParseStudentRecord(*platform::ReadFileBytes(path));
            record->sessions = sessions;
            platform::WriteFileBytes(path, data::SerializeStudentRecord(*record));
        }
        ASSERT_TRUE(GetCurrentTeacher().Load("Class Teacher"));
        GetCurrentTeacher().SelectClass("Users");
    }

    void Open() { window = new ClassReportWnd(&opener); }

    ClassReportList& List() const { return *window->List(); }

    // The texts of `column` from the top row down.
    QStringList Column(int column) const {
        QStringList texts;
        for (int row = 0; row < List().RowCount(); ++row) {
            texts << List().RowTexts(row)[column];
        }
        return texts;
    }

    void ClickHeading(int column) {
        QHeaderView* header = List().header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    }

    void DoubleClickRow(int row) {
        QWidget* rows = List().viewport();
        const QPoint at = List().visualItemRect(List().topLevelItem(row)).center();
        QTest::mouseClick(rows, Qt::LeftButton, {}, at);
        QTest::mouseDClick(rows, Qt::LeftButton, {}, at);
    }

    std::string DataFile(const std::string& name) const { return fakes.Path("/Data/" + name); }

    // Every file of the data folder with its content.
    std::map<std::string, std::string> DataFolder() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(fakes.Path("/Data"))) {
            const std::string name = entry.path().filename().string();
            files[name] = guitest::ReadFile(fakes, "/Data/" + name);
        }
        return files;
    }

    QWidget opener;
};

} // namespace

// Figures sort as numbers and dates as dates, each heading both ways; the student column keeps
// the teacher's order.
TEST_F(ClassReportWndTest, EachColumnSortsByItsValueBothWays) {
    // Di's 12/01/2022 comes after the others' November 2023 dates as text, before them as a date.
    WriteClass({{"Ann Lee", {Training(540, DaysAgo(1))}},
                {"Bo Ng", {Training(6000, DaysAgo(400)), Training(6000, DaysAgo(2))}},
                {"Cy Park", {}},
                {"Di Ruiz", {Training(60, DaysAgo(348))}}});
    Open();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(Column(0), (QStringList{"Lee, Ann", "Ng, Bo", "Park, Cy", "Ruiz, Di"}));

    ClickHeading(kMinutes);
    EXPECT_EQ(Column(kMinutes), (QStringList{"0", "0", "9", "100"}));
    ClickHeading(kMinutes);
    EXPECT_EQ(Column(kMinutes), (QStringList{"100", "9", "0", "0"}));
    // The file and the paper list the students as the screen does.
    window->SetSaveFileDialog(
        std::make_unique<platform::fakes::FakeSaveFileDialog>(fakes.Path("/report.csv")));
    guitest::Click(window->Button(ClassReportWnd::kExportCsv));
    const QString pdf = QString::fromStdString(fakes.Path("/report.pdf"));
    window->SetPrinterSetup(
        std::make_unique<guitest::PdfPrinterSetup>(pdf, true, QPageSize(QPageSize::A4)));
    guitest::Click(window->Button(ClassReportWnd::kPrint));
    QStringList inFile;
    for (const QString& line : QString::fromStdString(guitest::ReadFile(fakes, "/report.csv"))
                                   .split(QStringLiteral("\r\n"))) {
        if (line.startsWith('"')) {
            inFile << line.section('"', 1, 1);
        }
    }
    std::map<double, QString> onPaper; // by the height on the page
    for (const guitest::PdfWord& word : guitest::PdfWords(pdf, 1)) {
        for (const QString& name : Column(0)) {
            if (word.text == name.section(' ', 0, 0)) {
                onPaper[word.top] = name;
            }
        }
    }
    QStringList paperOrder;
    for (const auto& [top, name] : onPaper) {
        paperOrder << name;
    }
    EXPECT_EQ(inFile, Column(0));
    EXPECT_EQ(paperOrder, Column(0));

    ClickHeading(kLastActive);
    EXPECT_EQ(Column(0), (QStringList{"Park, Cy", "Ruiz, Di", "Ng, Bo", "Lee, Ann"}))
        << "never, then the oldest date first";
    ClickHeading(0);
    EXPECT_EQ(Column(0), (QStringList{"Lee, Ann", "Ng, Bo", "Park, Cy", "Ruiz, Di"}));
    EXPECT_EQ(List().RowTexts(2)[8], "inactive");
}

// In and out as the teacher goes: the report over the hidden teacher window, a student's progress
// over the hidden report, each Home back one step. Looking changes no file; without a class list
// there is nothing to look at.
TEST_F(ClassReportWndTest, OpensFromTheTeacherWindowLeadsToProgressAndBackWithoutChangingAFile) {
    WriteClass({{"Ann Lee", {Training(60, DaysAgo(1))}}, {"Bo Ng", {}}});
    guitest::FakeHome home;
    QPointer<CTeacherWnd> teacher = new CTeacherWnd(home);
    // What the teacher window's own loading left, less the files a student's first load makes.
    std::filesystem::remove(DataFile("Bo Ng.mtk"));
    std::filesystem::remove(DataFile("Bo Ng.opt"));
    const auto before = DataFolder();

    guitest::Click(teacher->Button(CTeacherWnd::kClassReport));
    window = guitest::FindTopLevel<ClassReportWnd>();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(teacher->isVisible());
    EXPECT_EQ(List().RowCount(), 2);
    EXPECT_EQ(DataFolder(), before);

    DoubleClickRow(1);
    const QPointer<CStudentProgressWnd> progress(guitest::FindTopLevel<CStudentProgressWnd>());
    ASSERT_FALSE(progress.isNull());
    EXPECT_EQ(GetCurrentStudent().GetName(), "Bo Ng");
    EXPECT_FALSE(window->isVisible());
    guitest::Click(progress->Button(CStudentProgressWnd::kHome));
    CloseDeleted();
    EXPECT_TRUE(window->isVisible());

    guitest::Click(window->Button(ClassReportWnd::kHome));
    CloseDeleted();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(teacher->isVisible());

    // A class list gone since the teacher's screen opened: said so, and the screen stays.
    std::filesystem::remove(DataFile("Class TeacherUsers.nfo"));
    guitest::Click(teacher->Button(CTeacherWnd::kClassReport));
    CloseDeleted();
    EXPECT_EQ(guitest::FindTopLevel<ClassReportWnd>(), nullptr);
    EXPECT_TRUE(teacher->isVisible());
    EXPECT_THAT(fakes.messageBoxes.Texts(),
                ElementsAre("The list of Class Teacher's class cannot be read. Please contact the "
                            "system administrator; the error log says why."));
    delete teacher.data();
}

TEST_F(ClassReportWndTest, ExportWritesTheChosenFileAndSaysWhereOrWhyNot) {
    WriteClass({{"Ann Lee", {}}});
    Open();
    const std::string path = fakes.Path("/report.csv");
    auto dialog = std::make_unique<platform::fakes::FakeSaveFileDialog>(path);
    auto* chooser = dialog.get();
    window->SetSaveFileDialog(std::move(dialog));

    guitest::Click(window->Button(ClassReportWnd::kExportCsv));
    ASSERT_EQ(chooser->requests.size(), 1u);
    EXPECT_EQ(chooser->requests[0].defaultName, "Class report 2003-03-07.csv");
    EXPECT_EQ(chooser->requests[0].filter, "CSV files (*.csv)");
    EXPECT_THAT(guitest::ReadFile(fakes, "/report.csv"),
                testing::StartsWith("\xEF\xBB\xBFStudent,"));
    EXPECT_THAT(fakes.messageBoxes.Texts(),
                ElementsAre("The class report was saved as " + path + "."));

    chooser->answer = fakes.Path("/no such folder/report.csv");
    guitest::Click(window->Button(ClassReportWnd::kExportCsv));
    EXPECT_EQ(fakes.messageBoxes.Texts().back(), "The class report could not be saved as " +
                                                     *chooser->answer +
                                                     ": No such file or directory.");
    EXPECT_EQ(fakes.messageBoxes.shown.back().icon, platform::MbIcon::Exclamation);
    EXPECT_EQ(guitest::CountRecords(guitest::ReadErrorLog(fakes), "report.csv: No such file"), 1);

    chooser->answer.reset();
    guitest::Click(window->Button(ClassReportWnd::kExportCsv));
    EXPECT_EQ(fakes.messageBoxes.shown.size(), 2u) << "a cancelled dialog writes nothing";
}

// Eight students with names of thirty characters fit one page of A4 upright and of Letter
// across, inside the margins, under the teacher (and a class the teacher named) and the date.
TEST_F(ClassReportWndTest, PrintsTheTableOnOnePageOfA4OrLetterForEightStudents) {
    const std::vector<std::string> names = {
        "Maximiliana Alexandra Rodrigue", "Christopher Montgomery-Smythe",
        "Anna-Lena Zimmermann",           "Oluwaseun Adebayo-Williams",
        "Bartholomew Fitzgerald",         "Siobhán Ní Bhraonáin",
        "Jean-Baptiste Lefèvre",          "Wei Zhang"};
    std::vector<std::pair<std::string, std::vector<SessionRecord>>> class_;
    for (const std::string& name : names) {
        class_.push_back({name, {Training(60, DaysAgo(1))}});
    }
    WriteClass(class_);
    std::filesystem::remove(DataFile("Wei Zhang.nfo"));
    Open();
    const QString pdf = QString::fromStdString(fakes.Path("/report.pdf"));
    for (const auto& [size, orientation] : {std::pair{QPageSize::A4, QPageLayout::Portrait},
                                            std::pair{QPageSize::Letter, QPageLayout::Landscape}}) {
        auto setup =
            std::make_unique<guitest::PdfPrinterSetup>(pdf, true, QPageSize(size), orientation);
        window->SetPrinterSetup(std::move(setup));
        guitest::Click(window->Button(ClassReportWnd::kPrint));

        const QSizeF page = QPageSize(size).size(QPageSize::Point);
        const double width = orientation == QPageLayout::Portrait ? page.width() : page.height();
        ASSERT_EQ(guitest::PdfPageCount(pdf), 1) << QPageSize(size).name().toStdString();
        const std::vector<guitest::PdfWord> words = guitest::PdfWords(pdf, 1);
        for (const char* text :
             {"Class", "Report", "Teacher", "03/07/2003", "Needs", "Rodrigue,",
              "Montgomery-Smythe,", "Bhraonáin,", "Zhang,", "cannot"}) {
            EXPECT_TRUE(guitest::PdfHasWord(words, QString::fromUtf8(text))) << text;
        }
        EXPECT_FALSE(guitest::PdfHasWord(words, "Users")) << "the first class goes unnamed";
        for (const guitest::PdfWord& word : words) {
            EXPECT_GE(word.left, 0.75 * 72 - 1) << word.text.toStdString();
            EXPECT_LE(word.right, width - 0.75 * 72 + 1) << word.text.toStdString();
        }
        QFile::remove(pdf);
    }
    // A page too small for them all goes on with the header and the headings again.
    window->SetPrinterSetup(std::make_unique<guitest::PdfPrinterSetup>(
        pdf, true, QPageSize(QPageSize::A6), QPageLayout::Landscape));
    guitest::Click(window->Button(ClassReportWnd::kPrint));
    ASSERT_EQ(guitest::PdfPageCount(pdf), 2);
    const std::vector<guitest::PdfWord> second = guitest::PdfWords(pdf, 2);
    for (const char* text : {"Report", "03/07/2003", "Needs", "Zimmermann,"}) {
        EXPECT_TRUE(guitest::PdfHasWord(second, text)) << text;
    }
    EXPECT_FALSE(guitest::PdfHasWord(second, "Rodrigue,")) << "on the first page only";
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
}

TEST_F(ClassReportWndTest, APrintCancelledPrintsNothingAndAPrinterThatCannotOpenIsReported) {
    WriteClass({{"Ann Lee", {}}});
    Open();
    const QString pdf = QString::fromStdString(fakes.Path("/report.pdf"));
    window->SetPrinterSetup(
        std::make_unique<guitest::PdfPrinterSetup>(pdf, false, QPageSize(QPageSize::A4)));
    guitest::Click(window->Button(ClassReportWnd::kPrint));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());

    window->SetPrinterSetup(std::make_unique<guitest::PdfPrinterSetup>(
        QString::fromStdString(fakes.Path("/no such folder/report.pdf")), true,
        QPageSize(QPageSize::A4)));
    guitest::Click(window->Button(ClassReportWnd::kPrint));
    EXPECT_THAT(fakes.messageBoxes.Texts(),
                ElementsAre("An error occurred while printing.\nCheck your printer settings and "
                            "try again."));
    EXPECT_EQ(guitest::CountRecords(guitest::ReadErrorLog(fakes), "Failed CreatePrinterDC()"), 1);
}
