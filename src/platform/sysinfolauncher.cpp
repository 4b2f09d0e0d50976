#include "platform/sysinfolauncher.h"

#include <QProcess>

namespace SysInfoLauncher {

bool programStart()
{
    const QString program = programFind();
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, {});
}

} // namespace SysInfoLauncher
