#include "platform/autostart.h"

#include "core/program/programidentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Autostart {

namespace {

const QString entryName = QStringLiteral("autostart/candlewatcher.desktop");

// The user's entry, which the session takes in place of a system's of the same name.
QString userEntry()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(entryName);
}

// The first system entry, in the order of XDG_CONFIG_DIRS; empty where there is none.
QString systemEntry()
{
    const QStringList folders =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (qsizetype i = 1; i < folders.size(); ++i) {
        const QString path = QDir(folders[i]).filePath(entryName);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

// Whether the session starts what the entry names: not where it is hidden (the XDG way of
// deleting an entry of the system's) or turned off as GNOME's settings do.
bool starts(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    bool inEntry = false;
    bool on = true;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('[')) {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inEntry || equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed(), value = line.mid(equals + 1).trimmed();
        if ((key == "Hidden" && value == "true") ||
            (key == "X-GNOME-Autostart-enabled" && value == "false"))
            on = false;
    }
    return on;
}

// The program's path as an argument of Exec: quoted, with the characters the quotes reserve
// escaped, then written as the entry's string values are (a backslash doubled, "%" doubled).
QString execArgument(const QString& program)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    return quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("%%"));
}

QByteArray entry(bool hidden)
{
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=%1\n"
                                  "Exec=%2\n"
                                  "Icon=candlewatcher\n"
                                  "Terminal=false\n"
                                  "NoDisplay=true\n")
                       .arg(programTitle(), execArgument(QCoreApplication::applicationFilePath()));
    if (hidden)
        text += QStringLiteral("Hidden=true\n");
    return text.toUtf8();
}

} // namespace

bool isEnabled()
{
    const QString user = userEntry();
    if (QFileInfo::exists(user))
        return starts(user);
    const QString system = systemEntry();
    return !system.isEmpty() && starts(system);
}

bool setEnabled(bool enabled, QString* reason)
{
    const QString system = systemEntry();
    const QString user = userEntry();
    if (enabled == (!system.isEmpty() && starts(system))) {
        // The system's entry says it: the user's own goes.
        QFile file(user);
        if (!file.exists() || file.remove())
            return true;
        *reason = file.errorString();
        return false;
    }
    // One of the user's own: the program's, or the system's hidden.
    QDir().mkpath(QFileInfo(user).absolutePath());
    QSaveFile file(user);
    const QByteArray bytes = entry(!enabled);
    // Unbuffered: a write the disk refuses fails here, instead of a cut entry put in place.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(bytes) == bytes.size() && file.commit())
        return true;
    *reason = file.errorString();
    return false;
}

} // namespace Autostart
