#pragma once

class IHomeScreen;

// Opens the mistake review window with the home screen as its parent: where the testing and
// training windows go instead of starting when a review is due. They have closed themselves
// already; the review window shows the home screen again when it ends.
void HandOverToMistakeReview(IHomeScreen& home);
