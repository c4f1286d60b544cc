#include "HelpGuide.h"

#include "BaseFolder.h"
#include "Files.h"
#include "Language.h"
#include "Services.h"

namespace platform {

void OpenHelpGuide() {
    const std::string folder = GetBaseFolder() + "/Help Guide/";
    const std::string& code = ProgramLanguage().code;
    if (!code.empty()) {
        const std::string translated = ResolveInstalledPath(folder + code + "/HelpGuide.htm");
        if (FileExists(translated)) {
            GetShell().Open(translated);
            return;
        }
    }
    GetShell().Open(ResolveInstalledPath(folder + "HelpGuide.htm"));
}

} // namespace platform
