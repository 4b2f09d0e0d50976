#include "platform/autostart.h"

#include "core/program/programidentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace Autostart {

namespace {

// The user's own list of the programs Windows starts at login, which the user may write.
const QString runKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");

} // namespace

bool isEnabled()
{
    const QSettings run(runKey, QSettings::NativeFormat);
    return !run.value(programTitle()).toString().isEmpty();
}

bool setEnabled(bool enabled, QString* reason)
{
    QSettings run(runKey, QSettings::NativeFormat);
    if (enabled)
        run.setValue(programTitle(), QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(
                                         QCoreApplication::applicationFilePath())));
    else
        run.remove(programTitle());
    run.sync();
    if (run.status() == QSettings::NoError)
        return true;
    reason->clear(); // the registry's own reason does not come through QSettings
    return false;
}

} // namespace Autostart
