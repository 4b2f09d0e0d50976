#pragma once

// The process's own handling of the signals that would end it. Where the system has no such
// signals these do nothing.
namespace ProcessSignals {

// Holds SIGTERM, SIGINT and SIGHUP back from the very start: a signal sent while the program
// is still starting waits until its handler is in place (releaseTermination), then ends the
// program cleanly, instead of killing it by the signal's default action.
void holdTermination();
// Lets the held signals through: at once for the command line, after the tray program has
// its handler.
void releaseTermination();

// A write beyond the file size limit (ulimit -f) fails with "File too large" and is reported
// as a full disk is, instead of killing the program by SIGXFSZ.
void ignoreFileSizeLimit();

} // namespace ProcessSignals
