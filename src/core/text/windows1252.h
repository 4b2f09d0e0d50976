#pragma once

#include <QByteArrayView>
#include <QString>

// Text in Windows-1252, the 8-bit character set of older Windows programs: one character a
// byte. The five bytes it leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the C1
// control of the same number, as Windows itself reads them, so every byte has a character.
QString fromWindows1252(QByteArrayView bytes);
