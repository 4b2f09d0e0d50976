#include "core/exchange/importformats.h"

#include "core/exchange/calendarexchange.h"
#include "core/exchange/icalendar.h"
#include "core/exchange/vcardreader.h"

namespace {

// "a", "a and b", "a, b and c".
QString listed(QStringList items, const QString& last)
{
    const QString tail = items.takeLast();
    return items.isEmpty() ? tail : items.join(QStringLiteral(", ")) + u' ' + last + u' ' + tail;
}

// "contacts (vCard)"
QString withName(const QString& text, const ImportFormat& format)
{
    return QStringLiteral("%1 (%2)").arg(text, format.name);
}

} // namespace

namespace ImportFormats {

const QList<ImportFormat>& all()
{
    static const QList<ImportFormat> formats = {
        {QStringLiteral("vCard"),
         QStringLiteral("a contacts file"),
         QStringLiteral("contacts"),
         QStringLiteral("the birthdays and anniversaries of contacts"),
         {QStringLiteral("vcf"), QStringLiteral("vcard")},
         VCardReader::looksLike,
         VCardReader::read},
        {QStringLiteral("iCalendar"),
         QStringLiteral("a calendar file"),
         QStringLiteral("calendars"),
         QStringLiteral("the all-day events of calendars"),
         {QStringLiteral("ics"), QStringLiteral("ical")},
         ICalendar::looksLike,
         CalendarExchange::importRead},
    };
    return formats;
}

const ImportFormat* detect(const QByteArray& data)
{
    for (const ImportFormat& format : all()) {
        if (format.looksLike(data))
            return &format;
    }
    return nullptr;
}

QString fileFilter()
{
    QStringList files;
    QStringList patterns;
    for (const ImportFormat& format : all()) {
        files << format.files;
        for (const QString& extension : format.extensions)
            patterns << QStringLiteral("*.") + extension;
    }
    QString kinds = listed(files, QStringLiteral("and"));
    kinds[0] = kinds[0].toUpper();
    return QStringLiteral("%1 (%2);;All files (*)").arg(kinds, patterns.join(u' '));
}

QString unknownFileText()
{
    QStringList files;
    for (const ImportFormat& format : all())
        files << withName(format.aFile, format);
    return QStringLiteral("It is neither %1.").arg(listed(files, QStringLiteral("nor")));
}

QString importHelp()
{
    QStringList contents;
    for (const ImportFormat& format : all())
        contents << withName(format.contents, format);
    return QStringLiteral("Import %1 from FILE and the files after it.")
        .arg(listed(contents, QStringLiteral("and")));
}

} // namespace ImportFormats
