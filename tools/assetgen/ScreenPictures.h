// One painter per screen folder; each adds that folder's pictures to the set.
#pragma once

#include "PictureSet.h"

namespace assetgen {

void addLoginPictures(PictureSet& set);
void addTeacherPictures(PictureSet& set);
void addTestingPictures(PictureSet& set);
void addReviewPictures(PictureSet& set);
void addBuddyFrames(PictureSet& set);
void addTrainingPictures(PictureSet& set);
void addProgressPictures(PictureSet& set);
void addNumberPictures(PictureSet& set);

} // namespace assetgen
