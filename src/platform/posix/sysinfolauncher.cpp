#include "platform/sysinfolauncher.h"

#include <QStandardPaths>
#include <QStringList>

namespace SysInfoLauncher {

namespace {

// The tools tried in order: KDE's info centre, HardInfo, GNOME's system monitor.
QStringList candidates()
{
    return {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo"),
            QStringLiteral("gnome-system-monitor")};
}

} // namespace

QString programFind()
{
    for (const QString& name : candidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

} // namespace SysInfoLauncher
