#pragma once

#include "gui/common/HomeScreen.h"

#include <QImage>
#include <QWidget>
#include <array>

class CPictureButton;

// The home screen: one borderless window over the whole screen that lives until the program ends
// (destroying it ends the program). A signed-in student reaches every activity from its six
// picture buttons; it also runs the sign-in step.
class CMainWindow final : public QWidget, public IHomeScreen {
    Q_OBJECT
public:
    enum CommandId {
        kTesting = 1000,
        kTraining = 1001,
        kReview = 1002,
        kProgress = 1003,
        kSignOut = 1004,
        kHelp = 1005,
    };

    CMainWindow();

    // Shows the sign-in dialog over the home screen; Exit in it ends the program, a teacher gets
    // the teacher window in place of the home screen.
    void RunSignIn();

    QWidget* Window() override { return this; }
    void ShowHome() override;
    void SignOut() override { OnCommand(kSignOut); }
    void OpenMistakeReview() override;

    CPictureButton* Button(CommandId id) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateUIElements();
    void PositionUIElements();
    void OnEraseBkgnd(QPainter& painter);
    void OnCommand(int id);
    void OnTesting();
    void OnTraining();
    void OnReview();
    void OnProgress();
    void OnHelp();

    // Every element lies this much further left and up than its natural place.
    static constexpr int kOffsetX = 30;
    static constexpr int kOffsetY = 60;

    QImage makerLogo_;
    QImage productLogo_;
    std::array<CPictureButton*, 6> buttons_{};
};
