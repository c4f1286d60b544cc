#pragma once

class CPictureButton;
class QWidget;

// A visible picture button of `window` showing `picture` of `folder` ("<picture>Roll" lit), its
// clicks reported with `commandId`; nothing when the button cannot be created.
CPictureButton* MakeScreenButton(QWidget* window, const char* caption, int commandId,
                                 const char* folder, const char* picture);
