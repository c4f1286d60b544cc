#include "ReviewHandOver.h"

#include "HomeScreen.h"

// The review window is not part of the program yet: until it is, the student goes back to the
// home screen rather than being left without a window.
void HandOverToMistakeReview(IHomeScreen& home) {
    home.ShowHome();
}
