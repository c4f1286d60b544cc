#pragma once

#include "GuiTestSupport.h"

class CSignInDlg;

namespace apptest {

// The installed pictures and a data folder with the teacher and these students.
void InstallProgramFolder(const platform::fakes::FakePlatform& fakes,
                          const std::vector<StudentToAdd>& students);

// Chooses `listEntry`, types `password` and presses Sign In.
void SignIn(CSignInDlg& dialog, const QString& listEntry, const QString& password);

} // namespace apptest
