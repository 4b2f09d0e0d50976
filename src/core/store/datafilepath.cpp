#include "core/store/datafilepath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString dataFileName = QStringLiteral("birthday.dat");

// A program folder that holds this file keeps its data beside the program, as the portable zip
// does; it is the user's choice, so it is not second-guessed.
const QString portableMarker = QStringLiteral("portable");

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
    // Never merely because the folder is writable: a build folder or an unpacked download is
    // deleted or replaced as a whole, and the events with it.
    const QString besideProgram = dataFileIn(programDir);
    if (QFileInfo::exists(besideProgram) ||
        QFileInfo::exists(QDir(programDir).filePath(portableMarker)))
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
