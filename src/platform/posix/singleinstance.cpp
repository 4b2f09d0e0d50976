#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

QString SingleInstance::userId()
{
    return QString::number(::getuid());
}

QString SingleInstance::listenerName(const QString& name, QString* error)
{
    const QString folder = privateFolder(error);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(name);
}

QString SingleInstance::lockPathFor(const QString& listenerName)
{
    return listenerName + QStringLiteral(".lock");
}

QString SingleInstance::privateFolder(QString* error)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString problems;
    if (!runtime.isEmpty()) {
        const QString problem = folderProblem(runtime);
        if (problem.isEmpty())
            return runtime;
        problems = QStringLiteral("\"%1\" %2").arg(runtime, problem);
    }
    // Another user may have made it first: then it is not ours, and is not used.
    const QString own =
        QDir(QDir::tempPath()).filePath(QStringLiteral("candlewatcher-") + userId());
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    const QString problem = folderProblem(own);
    if (problem.isEmpty())
        return own;
    if (!problems.isEmpty())
        problems += QStringLiteral("; ");
    problems += QStringLiteral("\"%1\" %2").arg(own, problem);
    *error = tr("No private folder for the lock file (%1); another running copy "
                "will not be noticed.")
                 .arg(problems);
    return {};
}

QString SingleInstance::folderProblem(const QString& folder)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return tr("cannot be read: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    if (S_ISLNK(info.st_mode))
        return tr("is a symbolic link");
    if (!S_ISDIR(info.st_mode))
        return tr("is not a folder");
    if (info.st_uid != ::getuid())
        return tr("belongs to another user");
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return tr("is open to other users");
    return {};
}
