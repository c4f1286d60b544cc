#include "CMainWindow.h"
#include "CTallyhopApp.h"
#include "RealPlatform.h"
#include "ShutdownSignals.h"
#include "gui/controls/AccessibleObjects.h"
#include "platform/qt/EventLoops.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageSetup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    RealPlatform platform;
    platform::InstallFontSubstitutions();
    InstallAccessibleObjects();
    const platform::LanguageSetup language;
    CTallyhopApp app([] { return new CMainWindow(); });
    ShutdownSignals shutdownSignals;
    // Leaves every event loop, a dialog's too, so shutdown runs and the display is put back.
    QObject::connect(&shutdownSignals, &ShutdownSignals::shutdownRequested,
                     platform::LeaveEveryEventLoop);
    return app.Run();
}
