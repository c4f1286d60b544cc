#pragma once

#include "platform/fakes/FakeServices.h"

#include <string>

namespace screenshots {

// Makes the fake base folder look like an installed program: the pictures, sounds, translations
// and test files
// of `programFolder`, and a data folder with a teacher and the student "Mary Ann Smith" (password
// "Hop2it", level 3, one test passed), who is signed in. False, with a message, when it cannot.
bool PrepareProgramFolder(const platform::fakes::FakePlatform& fakes,
                          const std::string& programFolder);

} // namespace screenshots
