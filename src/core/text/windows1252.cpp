#include "core/text/windows1252.h"

namespace {

// The bytes 0x80..0x9F; all other bytes are the Latin-1 character of the same number.
constexpr char16_t highCharacters[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString fromWindows1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const quint8 b = quint8(c);
        text.append(b >= 0x80 && b <= 0x9F ? QChar(highCharacters[b - 0x80]) : QChar(b));
    }
    return text;
}
