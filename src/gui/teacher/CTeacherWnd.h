#pragma once

#include "TeacherLayout.h"
#include "platform/OpenFileDialog.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

class CPictureButton;
class ClassBox;
class IHomeScreen;
class StudentListCtl;

// The teacher's screen: the students of the chosen class with their levels (the first class when
// it opens), the class box to choose another class, to add and delete classes and to import a
// class list, and buttons to add, change and delete students, to see the class report, to read
// the help guide and to sign out (Home). Double-clicking a student opens that student's progress.
//
// Opened over the hidden home screen after a teacher signs in; Home shows the home screen again,
// deletes this window and runs the home screen's sign-out, so a teacher always leaves through the
// sign-in dialog. A window that cannot be built says so and deletes itself without showing.
class CTeacherWnd final : public QWidget {
    Q_OBJECT
public:
    enum CommandId {
        kHome = 1000,
        kAddStudent = 1001,
        kEditStudentInfo = 1002,
        kDeleteStudent = 1003,
        kStudentList = 1004,
        kHelp = 1005,
        kClassReport = 1006,
        kNewClass = 1007,
        kDeleteClass = 1008,
        kImportStudents = 1009,
    };

    explicit CTeacherWnd(IHomeScreen& home);

    CPictureButton* Button(CommandId id) const;
    StudentListCtl* StudentList() const { return list_; }
    ClassBox* Classes() const { return classBox_; }
    // Import Students asks through this dialog which file to read (the desktop's by default).
    void SetOpenFileDialog(std::unique_ptr<platform::IOpenFileDialog> dialog);
    const TeacherLayout& Layout() const { return layout_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool CreateUIElements();
    void PositionUIElements();
    void FillList();
    bool ReadList();
    void ReportCreationFailure();
    void EraseBackground(platform::GdiDc& dc);

    void OnCommand(int id);
    void OnHome();
    void OnAddStudent();
    void OnEditStudentInfo();
    void OnDeleteStudent();
    void OnClassReport();
    void OnClassChosen(const std::string& className);
    void OnNewClass();
    void OnDeleteClass();
    void OnImportStudents();
    void OnStudentDoubleClicked(int row);

    IHomeScreen& homeScreen_;
    TeacherLayout layout_;
    QImage topBackground_;
    QImage userIcon_;
    QImage classesIcon_;
    QImage welcomeBackground_;
    QFont titleFont_;
    std::array<CPictureButton*, 6> buttons_{};
    StudentListCtl* list_ = nullptr;
    ClassBox* classBox_ = nullptr;
    std::unique_ptr<platform::IOpenFileDialog> openFileDialog_;
};
