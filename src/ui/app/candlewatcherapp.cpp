#include "candlewatcherapp.h"

#include "app/clock.h"
#include "store/databasedefine.h"

#include <QApplication>

int candlewatcherMain(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("Candlewatcher");
    app.setOrganizationName("Marrowfell");
    const QString dataPath = databaseDefine();
    Q_UNUSED(dataPath); // TODO(tray): the window and the tray icon come with the entry issue
    return 0;
}
