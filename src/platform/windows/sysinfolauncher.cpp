#include "platform/sysinfolauncher.h"

#include <QFileInfo>
#include <QSettings>
#include <QVariant>

namespace SysInfoLauncher {

namespace {

// A string value under HKEY_LOCAL_MACHINE. QSettings opens the key for reading only, which
// ordinary users are allowed to do.
QString machineValue(const QString& key, const QString& value)
{
    const QSettings settings(QStringLiteral("HKEY_LOCAL_MACHINE\\") + key, QSettings::NativeFormat);
    const QVariant read = settings.value(value);
    return read.typeId() == QMetaType::QString ? read.toString() : QString();
}

} // namespace

QString programFind()
{
    const QString path = machineValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                      QStringLiteral("PATH"));
    if (!path.isEmpty())
        return path;
    const QString folder = machineValue(
        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"));
    if (!folder.isEmpty()) {
        const QString program = folder + QStringLiteral("\\MSINFO32.EXE");
        if (QFileInfo::exists(program))
            return program;
    }
    return QString();
}

} // namespace SysInfoLauncher
