#include "EventLoops.h"

#include <QCoreApplication>

namespace platform {

void LeaveEveryEventLoop() {
    // exit(), unlike quit(), also ends nested loops and does not depend on exec() having begun.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

} // namespace platform
