// The parts of the platform layer that Qt already covers everywhere.
#include "platform.h"

#include <QSystemTrayIcon>

namespace platform {

bool hasNotificationArea()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace platform
