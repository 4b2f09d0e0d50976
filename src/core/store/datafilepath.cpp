#include "core/store/datafilepath.h"

#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString dataFileName = QStringLiteral("birthday.dat");

// Whether a file can be created in the folder. Asking for the permission bits isn't enough:
// Windows reports folders such as Program Files as writable to Qt while refusing the write.
bool folderWritable(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("birthday.dat.probe-XXXXXX")));
    return probe.open();
}

} // namespace

QString dataFileIn(const QString& folder)
{
    QString path = QDir::fromNativeSeparators(folder);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return QDir::cleanPath(path + dataFileName);
}

QString dataFilePath(const QString& programDir, const QString& userDataDir)
{
    const QString besideProgram = dataFileIn(programDir);
    if (QFileInfo::exists(besideProgram) ||
        (!ProgramFolder::isInstalled(programDir) && folderWritable(programDir)))
        return besideProgram;
    // A failure here shows later, with its reason, when the store first writes the file.
    QDir().mkpath(userDataDir);
    return dataFileIn(userDataDir);
}

QString dataFilePath()
{
    return dataFilePath(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
