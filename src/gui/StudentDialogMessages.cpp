#include "StudentDialogMessages.h"

#include "platform/Services.h"

void ShowStudentDialogMessage(QWidget* owner, const std::string& text) {
    platform::GetMessageBoxes().Show(
        {.text = text, .icon = platform::MbIcon::Exclamation, .owner = owner});
}
