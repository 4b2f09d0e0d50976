#include "notifier.h"

#ifdef CANDLEWATCHER_DBUS
#include "dbusnotifier.h"
#else
#include "traynotifier.h"
#endif

std::unique_ptr<Notifier> notifierCreate([[maybe_unused]] TrayIcon* tray)
{
#ifdef CANDLEWATCHER_DBUS
    return std::make_unique<DBusNotifier>();
#else
    return std::make_unique<TrayNotifier>(tray);
#endif
}
