#include "cli/commandline.h"
#include "core/program/processsignals.h"
#include "ui/app/candlewatcherapp.h"

int main(int argc, char** argv)
{
    // First of all: a terminating signal during the start-up waits for the tray program's
    // handler, and a file grown to its size limit is a failed write, not the program's end.
    ProcessSignals::holdTermination();
    ProcessSignals::ignoreFileSizeLimit();
    // A request on the command line never loads a window or the tray.
    if (CommandLine::requested(argc, argv)) {
        ProcessSignals::releaseTermination();
        return CommandLine::run(argc, argv);
    }
    return runTrayProgram(argc, argv);
}
