#pragma once

namespace platform {

// Asks the desktop to open the installed help guide (base folder + "/Help Guide/HelpGuide.htm").
// Whether it could is the desktop's to tell the user.
void OpenHelpGuide();

} // namespace platform
