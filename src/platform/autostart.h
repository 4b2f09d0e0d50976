#pragma once

#include <QString>

// Whether the program starts with this user's session, and the user's choice of it. One
// implementation a platform: linux/autostart.cpp (the XDG autostart entry, the user's own in
// $XDG_CONFIG_HOME/autostart over the system's in $XDG_CONFIG_DIRS/autostart, which the
// package installs), windows/autostart.cpp (the program's value under the user's Run key).
namespace Autostart {

bool isEnabled();
// Has the program start with the user's session, or no longer. False where that could not be
// recorded, with the system's reason in `reason` where it gave one.
bool setEnabled(bool enabled, QString* reason);

} // namespace Autostart
