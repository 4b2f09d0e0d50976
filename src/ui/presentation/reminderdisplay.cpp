#include "ui/presentation/reminderdisplay.h"

namespace ReminderDisplays {

QString name(ReminderDisplay display)
{
    return display == ReminderDisplay::Notifications ? QStringLiteral("Notifications")
                                                     : QStringLiteral("Window");
}

ReminderDisplay automatic(bool windowPlaceable)
{
    return windowPlaceable ? ReminderDisplay::Window : ReminderDisplay::Notifications;
}

ReminderDisplay fromSetting(const QString& stored, bool windowPlaceable)
{
    if (stored == name(ReminderDisplay::Window))
        return ReminderDisplay::Window;
    if (stored == name(ReminderDisplay::Notifications))
        return ReminderDisplay::Notifications;
    return automatic(windowPlaceable);
}

} // namespace ReminderDisplays
