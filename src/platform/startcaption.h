#pragma once

#include <QString>

// The caption of the Notification choice that shows the window only when the program starts
// (the preferences' optNone): on Windows the program starts with the system, so the choice is
// named after it; elsewhere the program need not, and the choice says what it means there.
// One implementation a platform (posix/startcaption.cpp, windows/startcaption.cpp).
QString atStartOnlyCaption();
