#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>

#include <cerrno>
#include <cstring>

QString SingleInstance::userId()
{
    return QString::number(::getuid());
}

namespace {

// The longest socket path the system takes: sockaddr_un's sun_path, less its closing NUL.
constexpr qsizetype socketPathLimit = sizeof(sockaddr_un::sun_path) - 1;

} // namespace

QString SingleInstance::listenerName(const QString& name, QString* error)
{
    const QString folder = privateFolder(error);
    if (folder.isEmpty())
        return {};
    const QString path = QDir(folder).filePath(name);
    if (QFile::encodeName(path).size() <= socketPathLimit)
        return path;
    // A folder path too long for a socket: the socket goes to a short folder of the user's own
    // in the temporary folder, made under a name nobody can take first (mkdtemp picks it and
    // makes it 0700) and remembered in the private folder, where only the user may write.
    const QString record = QDir(folder).filePath(QStringLiteral("socket-folder"));
    QFile kept(record);
    QString shortFolder;
    if (kept.open(QIODevice::ReadOnly))
        shortFolder = QFile::decodeName(kept.readAll().trimmed());
    if (shortFolder.isEmpty() || !folderProblem(shortFolder).isEmpty()) {
        QByteArray pattern = QFile::encodeName(
            QDir(QDir::tempPath())
                .filePath(QStringLiteral("candlewatcher-%1-XXXXXX").arg(userId())));
        QSaveFile save(record);
        if (!::mkdtemp(pattern.data()) || !save.open(QIODevice::WriteOnly) ||
            save.write(pattern) != pattern.size() || !save.commit()) {
            *error = tr("No folder for the single-copy socket in \"%1\" (%2); another running "
                        "copy will not be noticed.")
                         .arg(QDir::tempPath(), QString::fromLocal8Bit(std::strerror(errno)));
            return {};
        }
        shortFolder = QFile::decodeName(pattern);
    }
    const QString shortPath = QDir(shortFolder).filePath(name);
    if (QFile::encodeName(shortPath).size() <= socketPathLimit)
        return shortPath;
    *error = tr("The temporary folder's path \"%1\" is too long for the single-copy socket; "
                "another running copy will not be noticed.")
                 .arg(QDir::tempPath());
    return {};
}

QString SingleInstance::lockPathFor(const QString& listenerName)
{
    // Always in the private folder, so two starts that each made a short folder for their
    // socket still meet at one lock.
    QString error;
    return QDir(privateFolder(&error))
        .filePath(QFileInfo(listenerName).fileName() + QStringLiteral(".lock"));
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
    // Inside the user's own cache folder, where no other user can make it first (a folder in
    // the shared temporary folder could be).
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString own = QDir(cache).filePath(QStringLiteral("candlewatcher-runtime"));
    QDir().mkpath(cache);
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
