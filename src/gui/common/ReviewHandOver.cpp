#include "ReviewHandOver.h"

#include "gui/review/CMistakeReviewWnd.h"

// The window shows and deletes itself; nobody keeps a pointer to it.
void HandOverToMistakeReview(IHomeScreen& home) {
    new CMistakeReviewWnd(home);
}
