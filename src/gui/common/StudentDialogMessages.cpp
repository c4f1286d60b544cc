#include "StudentDialogMessages.h"

#include "data/AccountRules.h"
#include "data/SchoolSettings.h"
#include "platform/Services.h"

#include <QCoreApplication>

void ShowStudentDialogMessage(QWidget* owner, const char* text) {
    ShowStudentDialogMessage(owner, std::string(text));
}

void ShowStudentDialogMessage(QWidget* owner, const std::string& text) {
    platform::GetMessageBoxes().Show(
        {.text = text, .icon = platform::MbIcon::Exclamation, .owner = owner});
}

std::string DeleteQuestion(const std::string& name) {
    return "Are you sure that you want to delete " + name + "'s account? " + name +
           "'s records, mistakes and progress will be deleted for good.";
}

std::string UnreadableRecordMessage(const std::string& name) {
    return "The records of " + name +
           " cannot be read. Please contact the system administrator; the error log says why.";
}

std::string RefusedNameMessage(const std::string& name) {
    return "Invalid character(s) in name. A name cannot hold " +
           data::DescribeRefusedCharacter(data::RefusedNameCharacter(name)) + ".";
}

std::string ClassFullMessage(int classSize) {
    if (classSize == data::kDefaultClassSize) {
        return "You may not have more than 8 users at a time.";
    }
    return QCoreApplication::translate("StudentDialogMessages",
                                       "You may not have more than %1 students in a class.")
        .arg(classSize)
        .toStdString();
}

std::string NameRefusalMessage(data::StudentInfoRefusal refusal, const std::string& name) {
    switch (refusal) {
    case data::StudentInfoRefusal::NoName:
        return "Please enter a name.";
    case data::StudentInfoRefusal::NameTooLong:
        // The box takes no more, so this comes only from text put there by other means.
        return "The name has more than " + std::to_string(data::kNameLimit) + " characters.";
    case data::StudentInfoRefusal::InvalidCharacter:
    case data::StudentInfoRefusal::NameNotStorable:
        return RefusedNameMessage(name);
    default:
        return "The name is already taken, please enter a different name.";
    }
}

QString RosterProblemsMessage(const std::string& fileName,
                              const std::vector<data::RosterProblem>& problems) {
    constexpr std::size_t kShown = 12;
    QString text =
        problems.size() == 1
            ? QCoreApplication::translate("StudentDialogMessages",
                                          "No student was added, because %1 has this problem:")
            : QCoreApplication::translate("StudentDialogMessages",
                                          "No student was added, because %1 has these problems:");
    text = text.arg(QString::fromStdString(fileName));
    for (std::size_t index = 0; index < problems.size() && index < kShown; ++index) {
        text += QChar('\n') + QString::fromStdString(data::RosterProblemText(problems[index]));
    }
    if (problems.size() > kShown) {
        text += QChar('\n') +
                QCoreApplication::translate("StudentDialogMessages", "\u2026 and %1 more.")
                    .arg(problems.size() - kShown);
    }
    return text;
}
