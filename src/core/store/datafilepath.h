#pragma once

#include <QString>

// Decides where birthday.dat lives: beside the program when that folder already holds a
// birthday.dat (an older copy's, used where it is) or is marked portable by a file named
// "portable"; otherwise in the per-user data folder (created when needed).
// Returns the data file's full path.
QString dataFilePath(const QString& programDir, const QString& userDataDir);

// The same for the running program: its own folder and QStandardPaths::AppDataLocation.
QString dataFilePath();

// birthday.dat in the given folder, with exactly one separator between them ("/" gives
// "/birthday.dat", "C:/Tools/" gives "C:/Tools/birthday.dat").
QString dataFileIn(const QString& folder);
