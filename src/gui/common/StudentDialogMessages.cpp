#include "StudentDialogMessages.h"

#include "data/AccountRules.h"
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
