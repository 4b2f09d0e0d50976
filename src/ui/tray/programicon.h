#pragma once

#include <QIcon>

// The program's icon (the candle) for the tray, the windows and the list. The sizes a start
// needs are drawn from the SVG when the program is built, so showing the icon and a reminder
// loads neither Qt Svg nor its icon engine; any other size, scale or mode is drawn from the
// SVG when asked for, exactly as before.
QIcon programIcon();
