#include "QtShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

void QtShell::Open(const std::string& path) {
    // Whether a program could be found is not our concern: the desktop tells the user.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace platform
