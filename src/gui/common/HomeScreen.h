#pragma once

class QWidget;

// What the activity windows know of the home screen that opens them: they are opened with it as
// their parent, hide it while they cover the screen, and show it again when they close.
class IHomeScreen {
public:
    virtual ~IHomeScreen() = default;
    // The home screen's own window (the owner of message boxes while no activity is open).
    virtual QWidget* Window() = 0;
    // Shows the home screen again and makes it the application's main window.
    virtual void ShowHome() = 0;
    // The Sign out button's handler: the sign-in dialog again.
    virtual void SignOut() = 0;
    // Opens the mistake review, where the testing and training windows go instead of starting
    // when a review is due; they have closed themselves already. The review shows the home
    // screen again when it ends.
    virtual void OpenMistakeReview() = 0;
};
