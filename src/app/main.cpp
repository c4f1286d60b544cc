#include "CMainWindow.h"
#include "CTallyhopApp.h"
#include "RealPlatform.h"
#include "ShutdownSignals.h"
#include "platform/qt/Fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    RealPlatform platform;
    platform::InstallFontSubstitutions();
    CTallyhopApp app(platform::InstanceLock::DefaultPath(), [] { return new CMainWindow(); });
    ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &ShutdownSignals::shutdownRequested, [&app] {
        if (CMainWindow* home = app.MainWindow()) {
            home->close();
        }
    });
    return app.Run();
}
