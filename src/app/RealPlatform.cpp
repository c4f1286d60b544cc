#include "RealPlatform.h"

#include "platform/qt/EventLoops.h"
#include "platform/qt/VirtualDisplay.h"
#include "platform/qt/X11Display.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace {

std::unique_ptr<platform::IDisplay> OpenDisplay() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto x11 = platform::X11Display::Open()) {
            return x11;
        }
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return std::make_unique<platform::VirtualDisplay>(
        platform::ScreenSize{screen->size().width(), screen->size().height()}, screen->depth());
}

// Message boxes without a title of their own carry the executable's name.
std::string ProgramName(platform::IProcess& process) {
    return QFileInfo(QString::fromStdString(process.ExecutablePath()))
        .completeBaseName()
        .toStdString();
}

} // namespace

RealPlatform::RealPlatform()
    : process_(platform::LeaveEveryEventLoop), messageBoxes_(ProgramName(process_)),
      display_(OpenDisplay()) {
    scope_.emplace(platform::Services{&clock_, &messageBoxes_, display_.get(), &sound_, &shell_,
                                      &keyboard_, &process_});
}

RealPlatform::~RealPlatform() = default;
