#pragma once

#include "core/comments/webtexts.h"

#include <QCoreApplication>

// The program's name, organisation and version, which the settings and the per-user data
// folder follow: the program in the tray and the command line must find the same ones. Set
// before any application object exists.
inline void programIdentitySet()
{
    QCoreApplication::setApplicationName(WebTexts::programTitle());
    QCoreApplication::setOrganizationName(QStringLiteral("Marrowfell"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(CANDLEWATCHER_VERSION_MAJOR)
                                                .arg(CANDLEWATCHER_VERSION_MINOR)
                                                .arg(CANDLEWATCHER_VERSION_PATCH));
}
