#pragma once

#include <QString>

// What the system says about the folder the program runs from. One implementation a platform
// (posix/programfolder.cpp, windows/programfolder.cpp).
namespace ProgramFolder {

// Whether the folder belongs to an installed program, shared by every user, that no user's
// data goes into however writable it is.
bool isInstalled(const QString& folder);

} // namespace ProgramFolder
