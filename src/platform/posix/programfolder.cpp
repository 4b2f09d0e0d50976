#include "platform/programfolder.h"

#include <QDir>
#include <QFileInfo>

namespace ProgramFolder {

// An installed tree has the program in bin/ beside share/applications/candlewatcher.desktop;
// root can write to it, and the data still never goes there.
bool isInstalled(const QString& folder)
{
    return QFileInfo::exists(
        QDir(folder).filePath(QStringLiteral("../share/applications/candlewatcher.desktop")));
}

} // namespace ProgramFolder
