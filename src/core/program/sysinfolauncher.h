#pragma once

#include <QString>
#include <QStringList>

// Finds and starts the platform's system information tool for the about box.
namespace SysInfoLauncher {

// The tools tried in order where there is no registry: KDE's info centre, HardInfo, GNOME's
// system monitor.
QStringList candidates();

// The full path of the tool to start, or an empty text when there is none. On Windows the
// MSINFO registry entries (read only), elsewhere the first candidate found on the PATH.
QString programFind();

// Starts the tool on its own; false when none was found or it could not be started.
bool programStart();

} // namespace SysInfoLauncher
