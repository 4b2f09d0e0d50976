#include "core/program/sysinfolauncher.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace SysInfoLauncher {

QStringList candidates()
{
    return {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo"),
            QStringLiteral("gnome-system-monitor")};
}

#ifdef Q_OS_WIN
// A string value under HKEY_LOCAL_MACHINE. QSettings opens the key for reading only, which
// ordinary users are allowed to do.
static QString machineValue(const QString& key, const QString& value)
{
    const QSettings settings(QStringLiteral("HKEY_LOCAL_MACHINE\\") + key, QSettings::NativeFormat);
    const QVariant read = settings.value(value);
    return read.typeId() == QMetaType::QString ? read.toString() : QString();
}
#endif

QString programFind()
{
#ifdef Q_OS_WIN
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
#else
    for (const QString& name : candidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return QString();
#endif
}

bool programStart()
{
    const QString program = programFind();
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, {});
}

} // namespace SysInfoLauncher
