#pragma once

#include <QCoreApplication>
#include <QString>

// The program's name and its maker's, spelled here only: the settings and the per-user data
// folder are found by them, and the windows, messages, calendar export and web request show
// them.

inline QString organisationName()
{
    return QStringLiteral("Marrowfell");
}

inline QString programTitle()
{
    return QStringLiteral("Candlewatcher");
}

// "Marrowfell Candlewatcher": the tray icon's tip, the status bar and the web windows' titles.
inline QString fullProgramTitle()
{
    return organisationName() + u' ' + programTitle();
}

// The name, organisation and version on the application object, which QSettings and
// QStandardPaths follow: the program in the tray and the command line must find the same
// ones. Set before any application object exists.
inline void setProgramIdentity()
{
    QCoreApplication::setApplicationName(programTitle());
    QCoreApplication::setOrganizationName(organisationName());
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(CANDLEWATCHER_VERSION_MAJOR)
                                                .arg(CANDLEWATCHER_VERSION_MINOR)
                                                .arg(CANDLEWATCHER_VERSION_PATCH));
}
