#include "ui/platform/notifier.h"

#ifdef CANDLEWATCHER_DBUS
#include "ui/platform/dbusnotifier.h"
#else
#include "ui/platform/traynotifier.h"
#endif

std::unique_ptr<Notifier> createNotifier([[maybe_unused]] TrayIcon* tray)
{
#ifdef CANDLEWATCHER_DBUS
    return std::make_unique<DBusNotifier>();
#else
    return std::make_unique<TrayNotifier>(tray);
#endif
}
