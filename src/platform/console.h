#pragma once

// The command line's console. A Windows program built for the desktop has none of its own, so
// what it prints would go nowhere: there it takes over the console of the program that started
// it (cmd.exe, PowerShell), unless its output was already redirected to a file or a pipe.
// Elsewhere the standard streams are the terminal's already. One implementation a platform
// (posix/console.cpp, windows/console.cpp).
namespace Console {

void attachToParent();

} // namespace Console
