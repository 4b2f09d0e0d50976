#include "core/sync/calendarfeed.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QMap>
#include <QUrl>

namespace {

// One content line as written (folded lines kept whole) and its name, upper case.
struct ContentLine
{
    QByteArray text;
    QByteArray name;
    QByteArray value; // unfolded
};

QList<ContentLine> contentLines(const QByteArray& ics)
{
    QList<ContentLine> lines;
    for (QByteArray raw : ics.split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        if ((raw.startsWith(' ') || raw.startsWith('\t')) && !lines.isEmpty()) {
            lines.last().text += "\r\n" + raw;
            lines.last().value += raw.mid(1);
        } else if (!raw.trimmed().isEmpty()) {
            lines.append({raw, {}, raw});
        }
    }
    for (ContentLine& line : lines) {
        qsizetype end = 0;
        while (end < line.value.size() && line.value[end] != ':' && line.value[end] != ';')
            ++end;
        line.name = line.value.left(end).trimmed().toUpper();
        const qsizetype colon = line.value.indexOf(':');
        line.value = colon < 0 ? QByteArray() : line.value.mid(colon + 1).trimmed();
    }
    return lines;
}

QByteArray hex(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

} // namespace

std::optional<QList<RemoteResource>> splitCalendarFeed(const QByteArray& ics,
                                                       const QString& feedPath, QString* error)
{
    const QList<ContentLine> lines = contentLines(ics);
    if (lines.isEmpty() || lines.first().name != "BEGIN" ||
        lines.first().value.toUpper() != "VCALENDAR") {
        *error = QCoreApplication::translate("CalendarFeed",
                                             "not an iCalendar file (no BEGIN:VCALENDAR)");
        return std::nullopt;
    }
    QByteArray header; // the calendar's own properties
    QByteArray timeZones;
    // By UID as text, in UID order (a stable listing): UIDs that are not valid UTF-8 and read
    // as the same text go together, as they would share a name.
    QMap<QString, QByteArray> events;
    QList<QByteArray> open; // the components around the current line
    QByteArray component;   // the text of the current top-level component
    QByteArray uid;
    bool ended = false;
    for (const ContentLine& line : lines) {
        if (ended) {
            *error = QCoreApplication::translate("CalendarFeed", "text after END:VCALENDAR");
            return std::nullopt;
        }
        const QByteArray text = line.text + "\r\n";
        if (line.name == "BEGIN") {
            open.append(line.value.toUpper());
            if (open.size() == 2) {
                component.clear();
                uid.clear();
            }
        }
        if (open.size() >= 2) {
            component += text;
            if (open.size() == 2 && line.name == "UID")
                uid = line.value;
        } else if (line.name != "BEGIN" && line.name != "END") {
            header += text;
        }
        if (line.name == "END") {
            if (open.isEmpty() || open.last() != line.value.toUpper()) {
                *error = QCoreApplication::translate("CalendarFeed",
                                                     "END:%1 does not close the open component")
                             .arg(QString::fromUtf8(line.value));
                return std::nullopt;
            }
            open.removeLast();
            ended = open.isEmpty();
            if (open.size() == 1 && line.value.toUpper() == "VTIMEZONE")
                timeZones += component;
            else if (open.size() == 1 && line.value.toUpper() == "VEVENT")
                events[QString::fromUtf8(uid.isEmpty() ? hex(component) : uid)] += component;
        }
    }
    if (!ended) {
        *error = QCoreApplication::translate("CalendarFeed",
                                             "the calendar is cut short (no END:VCALENDAR)");
        return std::nullopt;
    }
    QList<RemoteResource> pieces;
    for (auto it = events.cbegin(); it != events.cend(); ++it) {
        const QByteArray body =
            "BEGIN:VCALENDAR\r\n" + header + timeZones + it.value() + "END:VCALENDAR\r\n";
        pieces.append({feedPath + u'#' + QString::fromLatin1(QUrl::toPercentEncoding(it.key())),
                       QString::fromLatin1(hex(body)), body});
    }
    return pieces;
}
