#pragma once

#include "gui/common/HomeScreen.h"

#include <QWidget>

namespace gui::fakes {

// A home screen that stays where it is: for tools and measurements that open one activity window
// on its own, with a real parent window and nothing to show again.
class StillHome final : public IHomeScreen {
public:
    QWidget* Window() override { return &window_; }
    void ShowHome() override {}
    void SignOut() override {}
    void OpenMistakeReview() override {}

private:
    QWidget window_;
};

} // namespace gui::fakes
