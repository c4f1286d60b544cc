#pragma once

namespace platform {

// Asks the desktop to open the installed help guide: the program language's own (base folder +
// "/Help Guide/<code>/HelpGuide.htm") where there is one, else the English one (base folder +
// "/Help Guide/HelpGuide.htm"). Whether it could is the desktop's to tell the user.
void OpenHelpGuide();

} // namespace platform
