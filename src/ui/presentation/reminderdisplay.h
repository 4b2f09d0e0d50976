#pragma once

#include <QString>

// How reminders reach the user: the program's own windows (the notification window above the
// tray and the alert dialog), or the desktop's notifications.
enum class ReminderDisplay { Window, Notifications };

namespace ReminderDisplays {

// The stored texts of the setting ShowRemindersAs; when it is absent the program decides by
// the desktop.
QString name(ReminderDisplay display);

// The automatic choice: the window where it can be placed above a tray, notifications where
// it cannot (on Wayland a program cannot place its own window; without a tray there is no
// clock to place it by).
ReminderDisplay automatic(bool windowPlaceable);
// The stored choice, "Window" or "Notifications" exactly; anything else is the automatic one.
ReminderDisplay fromSetting(const QString& stored, bool windowPlaceable);

} // namespace ReminderDisplays
