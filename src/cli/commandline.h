#pragma once

#include "cli/synccommand.h"

// The command line: what is coming up, importing contacts and calendars, exporting a calendar.
// It runs on a QCoreApplication, before and apart from the program in the tray, so a script's
// call needs no display, starts fast and works while a copy runs in the tray.
namespace CommandLine {

// Whether the arguments ask for the command line: any argument but Qt's own window-system
// options (-platform, -session as the session manager restarts the program, ...).
bool requested(int argc, char** argv);

// Runs the request; the exit status: 0 done, 1 failed (a file not read or written, nothing to
// import, the data file refused, a sync failed), 2 usage error (nothing done).
int run(int argc, char** argv, const SyncServices& sync = {});

} // namespace CommandLine
