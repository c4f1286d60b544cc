#include "StudentDialogMessages.h"

#include "data/AccountRules.h"
#include "data/SchoolSettings.h"
#include "platform/Services.h"

#include <QCoreApplication>

namespace {

QString Say(const char* english) {
    return QCoreApplication::translate("StudentDialogMessages", english);
}

} // namespace

QString ContactAdministrator() {
    return Say(
        QT_TRANSLATE_NOOP("StudentDialogMessages", "Please contact the system administrator."));
}

void ShowStudentDialogMessage(QWidget* owner, const QString& text) {
    ShowStudentDialogMessage(owner, text.toStdString());
}

void ShowStudentDialogMessage(QWidget* owner, const std::string& text) {
    platform::GetMessageBoxes().Show(
        {.text = text, .icon = platform::MbIcon::Exclamation, .owner = owner});
}

std::string DeleteQuestion(const std::string& name) {
    return Say(QT_TRANSLATE_NOOP("StudentDialogMessages",
                                 "Are you sure that you want to delete %1's account? %1's "
                                 "records, mistakes and progress will be deleted for good."))
        .arg(QString::fromStdString(name))
        .toStdString();
}

std::string UnreadableRecordMessage(const std::string& name) {
    return Say(QT_TRANSLATE_NOOP("StudentDialogMessages",
                                 "The records of %1 cannot be read. Please contact the system "
                                 "administrator; the error log says why."))
        .arg(QString::fromStdString(name))
        .toStdString();
}

std::string RefusedNameMessage(const std::string& name) {
    return Say(QT_TRANSLATE_NOOP("StudentDialogMessages",
                                 "Invalid character(s) in name. A name cannot hold %1."))
        .arg(QString::fromStdString(
            data::DescribeRefusedCharacter(data::RefusedNameCharacter(name))))
        .toStdString();
}

std::string ClassFullMessage(int classSize) {
    if (classSize == data::kDefaultClassSize) {
        return Say(QT_TRANSLATE_NOOP("StudentDialogMessages",
                                     "You may not have more than 8 users at a time."))
            .toStdString();
    }
    return QCoreApplication::translate("StudentDialogMessages",
                                       "You may not have more than %1 students in a class.")
        .arg(classSize)
        .toStdString();
}

std::string NameRefusalMessage(data::StudentInfoRefusal refusal, const std::string& name) {
    switch (refusal) {
    case data::StudentInfoRefusal::NoName:
        return Say(QT_TRANSLATE_NOOP("StudentDialogMessages", "Please enter a name."))
            .toStdString();
    case data::StudentInfoRefusal::NameTooLong:
        // The box takes no more, so this comes only from text put there by other means.
        return Say(QT_TRANSLATE_NOOP("StudentDialogMessages",
                                     "The name has more than %1 characters."))
            .arg(data::kNameLimit)
            .toStdString();
    case data::StudentInfoRefusal::InvalidCharacter:
    case data::StudentInfoRefusal::NameNotStorable:
        return RefusedNameMessage(name);
    default:
        return Say(QT_TRANSLATE_NOOP("StudentDialogMessages",
                                     "The name is already taken, please enter a different name."))
            .toStdString();
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
