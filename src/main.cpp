#include "cli/commandline.h"
#include "ui/app/candlewatcherapp.h"

int main(int argc, char** argv)
{
    // A request on the command line never loads a window or the tray.
    if (CommandLine::requested(argc, argv))
        return CommandLine::run(argc, argv);
    return runTrayProgram(argc, argv);
}
