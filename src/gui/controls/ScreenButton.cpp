#include "ScreenButton.h"

#include "CPictureButton.h"
#include "data/Problem.h"

CPictureButton* MakeScreenButton(QWidget* window, const QString& name, int commandId,
                                 const char* folder, const char* picture,
                                 const QString& description) {
    auto* button = new CPictureButton;
    if (!button->Create(name, CPictureButton::Visibility::Visible, QRect(0, 0, 1, 1), window,
                        commandId)) {
        delete button;
        return nullptr;
    }
    button->LoadBitmaps(folder, picture);
    if (!description.isEmpty()) {
        button->setAccessibleDescription(description);
    }
    return button;
}

const char* KindButtonPicture(std::int32_t kind) {
    static constexpr std::array<const char*, 5> kPictures{"additionButton", "subtractionButton",
                                                          "multiplicationButton", "divisionButton",
                                                          "mixButton"};
    return kind >= kAddition && kind <= kMixed ? kPictures[static_cast<std::size_t>(kind - 1)] : "";
}
