#pragma once

#include <QString>

// Finds and starts the platform's system information tool for the about box.
namespace SysInfoLauncher {

// The full path of the tool to start, or an empty text when there is none: on Windows where
// the MSINFO registry entries (read only) say, elsewhere the first of KDE's info centre,
// HardInfo and GNOME's system monitor found on the PATH. One implementation a platform
// (posix/sysinfolauncher.cpp, windows/sysinfolauncher.cpp).
QString programFind();

// Starts the tool on its own; false when none was found or it could not be started.
bool programStart();

} // namespace SysInfoLauncher
