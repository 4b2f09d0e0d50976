#include "ui/platform/notifier.h"

#ifdef CANDLEWATCHER_DBUS
#include "ui/platform/dbusnotifier.h"
#else
#include "ui/platform/traynotifier.h"
#endif

#include <QMetaObject>

void Notifier::answerLater(int request, bool accepted)
{
    QMetaObject::invokeMethod(
        this, [this, request, accepted] { Q_EMIT answered(request, accepted); },
        Qt::QueuedConnection);
}

std::unique_ptr<Notifier> createNotifier([[maybe_unused]] TrayIcon* tray)
{
#ifdef CANDLEWATCHER_DBUS
    return std::make_unique<DBusNotifier>();
#else
    return std::make_unique<TrayNotifier>(tray);
#endif
}
