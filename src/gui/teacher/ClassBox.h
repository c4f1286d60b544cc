#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;

// The teacher screen's class box: the class being worked on, chosen from the teacher's classes
// ("Class" for a screen reader), and buttons to add a class, delete the chosen one and import a
// class list from a spreadsheet into it.
class ClassBox final : public QWidget {
    Q_OBJECT
public:
    explicit ClassBox(QWidget* parent, const QFont& font);

    // Lists `classes` (in the teacher record's order) with `chosen` chosen, without a signal.
    void SetClasses(const std::vector<std::string>& classes, const std::string& chosen);

    QComboBox* Chooser() const { return chooser_; }
    QPushButton* NewClassButton() const { return newClass_; }
    QPushButton* DeleteClassButton() const { return deleteClass_; }
    QPushButton* ImportButton() const { return import_; }

signals:
    void classChosen(const std::string& className);

private:
    QComboBox* chooser_ = nullptr;
    QPushButton* newClass_ = nullptr;
    QPushButton* deleteClass_ = nullptr;
    QPushButton* import_ = nullptr;
    std::vector<std::string> classes_;
};
