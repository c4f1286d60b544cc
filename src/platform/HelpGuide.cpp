#include "HelpGuide.h"

#include "BaseFolder.h"
#include "Files.h"
#include "Services.h"

namespace platform {

void OpenHelpGuide() {
    GetShell().Open(ResolveInstalledPath(GetBaseFolder() + "/Help Guide/HelpGuide.htm"));
}

} // namespace platform
