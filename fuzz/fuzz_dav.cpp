// Treats its input as a server's answer, both as a DAV multistatus and as a published
// calendar: neither reader may crash, a refusal must say why, and the calendar's pieces must
// each be a calendar of their own under a name no other piece has.

#include "core/sync/calendarfeed.h"
#include "core/sync/davxml.h"

#include <QSet>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    if (!parseMultistatus(input, &error) && error.isEmpty())
        std::abort();
    error.clear();
    const auto pieces = splitCalendarFeed(input, QStringLiteral("/f.ics"), &error);
    if (!pieces) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    QSet<QString> hrefs;
    for (const RemoteResource& piece : *pieces) {
        if (!piece.body.startsWith("BEGIN:VCALENDAR\r\n") ||
            !piece.body.endsWith("END:VCALENDAR\r\n") || piece.etag.isEmpty() ||
            hrefs.contains(piece.href))
            std::abort();
        hrefs.insert(piece.href);
    }
    return 0;
}
