#pragma once

// Main: fixes the data file's place, loads the main window hidden, puts the icon in the tray
// and runs until the main window unloads. Returns the program's exit code.
int candlewatcherMain(int argc, char** argv);
