#include "StudentDialogMessages.h"

#include "data/AccountRules.h"
#include "platform/Services.h"

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
