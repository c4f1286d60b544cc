#include "ScreenButton.h"

#include "CPictureButton.h"

CPictureButton* MakeScreenButton(QWidget* window, const char* caption, int commandId,
                                 const char* folder, const char* picture) {
    auto* button = new CPictureButton;
    if (!button->Create(QString::fromLatin1(caption), CPictureButton::Visibility::Visible,
                        QRect(0, 0, 1, 1), window, commandId)) {
        delete button;
        return nullptr;
    }
    button->LoadBitmaps(folder, picture);
    return button;
}
