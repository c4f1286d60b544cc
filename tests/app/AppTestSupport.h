#pragma once

#include "platform/fakes/FakeServices.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

class CSignInDlg;

namespace apptest {

// The installed pictures and a data folder with a teacher and these students
// ("Mary Ann Smith:Hop2it"), in the fake base folder.
void InstallProgramFolder(const platform::fakes::FakePlatform& fakes,
                          const std::vector<std::string>& students);

// Runs `act` on the sign-in dialog as soon as it is up (from inside its modal loop).
void WhenSignInDialogIsUp(std::function<void(CSignInDlg&)> act);

// Chooses `listEntry`, types `password` and presses Sign In.
void SignIn(CSignInDlg& dialog, const QString& listEntry, const QString& password);

} // namespace apptest
