#include "databasedefine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

static const char* const dataFileName = "birthday.dat";

QString databaseDefine(const QString& programDir, const QString& userDataDir)
{
    const QDir program(programDir);
    const QString besideProgram = program.filePath(dataFileName);
    if (QFileInfo::exists(besideProgram) || QFileInfo(programDir).isWritable())
        return QDir::cleanPath(besideProgram);
    QDir().mkpath(userDataDir);
    return QDir::cleanPath(QDir(userDataDir).filePath(dataFileName));
}

QString databaseDefine()
{
    return databaseDefine(QCoreApplication::applicationDirPath(),
                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
