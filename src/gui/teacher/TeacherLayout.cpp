#include "TeacherLayout.h"

#include "TeacherGeometry.h"

TeacherLayout ComputeTeacherLayout(int width, int height, int buttonHeight, int bandHeight,
                                   int iconWidth) {
    const int column = static_cast<int>(teacher_geometry::kRightColumnShare * width);
    TeacherLayout layout;
    layout.topBand = {0, 0, width, bandHeight};
    layout.title = {iconWidth, 0, width - column - 4, bandHeight - 6};
    layout.welcomePanel = {1, bandHeight + 4, width - column, height - 3};
    using teacher_geometry::kClassBoxMargin;
    layout.classBox = {
        layout.welcomePanel.left + kClassBoxMargin, layout.welcomePanel.top + kClassBoxMargin,
        layout.welcomePanel.right - kClassBoxMargin,
        layout.welcomePanel.top + kClassBoxMargin + teacher_geometry::kClassBoxHeight};
    layout.welcomePicture = {layout.welcomePanel.left, layout.classBox.bottom,
                             layout.welcomePanel.right, layout.welcomePanel.bottom};
    layout.listPanel = {layout.welcomePanel.right + 4, bandHeight + 4, width,
                        height - teacher_geometry::kButtonBoxSteps * buttonHeight - 4};
    layout.buttonBox = {layout.welcomePanel.right + 3, layout.listPanel.bottom + 3, width + 1,
                        height + 1};
    layout.list = {layout.listPanel.left + 1, layout.listPanel.top + 1, layout.listPanel.right - 2,
                   layout.listPanel.bottom - 2};
    layout.buttonStep = buttonHeight;
    return layout;
}
