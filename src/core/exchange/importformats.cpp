#include "core/exchange/importformats.h"

#include "core/exchange/calendarexchange.h"
#include "core/exchange/icalendar.h"
#include "core/exchange/vcardreader.h"

#include <QCoreApplication>

namespace {

// "a", "a and b", "a, b and c": `last` joins the last two ("%1 and %2"), ", " the others.
QString listed(QStringList items, const QString& last)
{
    const QString tail = items.takeLast();
    //: Joins the items of a list but its last two.
    return items.isEmpty()
               ? tail
               : last.arg(items.join(QCoreApplication::translate("ImportFormats", ", ")), tail);
}

// "contacts (vCard)": a text of the table in the user's language, and the format's name.
QString withName(const QString& text, const ImportFormat& format)
{
    return QStringLiteral("%1 (%2)").arg(
        QCoreApplication::translate("ImportFormats", text.toUtf8().constData()), format.name);
}

} // namespace

namespace ImportFormats {

const QList<ImportFormat>& all()
{
    static const QList<ImportFormat> formats = {
        {QStringLiteral("vCard"),
         QStringLiteral(QT_TRANSLATE_NOOP("ImportFormats", "a contacts file")),
         QStringLiteral(QT_TRANSLATE_NOOP("ImportFormats", "contacts")),
         QStringLiteral(
             QT_TRANSLATE_NOOP("ImportFormats", "the birthdays and anniversaries of contacts")),
         {QStringLiteral("vcf"), QStringLiteral("vcard")},
         VCardReader::looksLike,
         VCardReader::read},
        {QStringLiteral("iCalendar"),
         QStringLiteral(QT_TRANSLATE_NOOP("ImportFormats", "a calendar file")),
         QStringLiteral(QT_TRANSLATE_NOOP("ImportFormats", "calendars")),
         QStringLiteral(QT_TRANSLATE_NOOP("ImportFormats", "the all-day events of calendars")),
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
        files << QCoreApplication::translate("ImportFormats", format.files.toUtf8().constData());
        for (const QString& extension : format.extensions)
            patterns << QStringLiteral("*.") + extension;
    }
    //: The last two items of a list.
    QString kinds = listed(files, QCoreApplication::translate("ImportFormats", "%1 and %2"));
    kinds[0] = kinds[0].toUpper();
    //: The file dialog's filters, separated by ";;": keep the ";;" and the "(*)".
    return QCoreApplication::translate("ImportFormats", "%1 (%2);;All files (*)")
        .arg(kinds, patterns.join(u' '));
}

QString unknownFileText()
{
    QStringList files;
    for (const ImportFormat& format : all())
        files << withName(format.aFile, format);
    //: %1 lists the kinds of file, joined by "%1 nor %2".
    return QCoreApplication::translate("ImportFormats", "It is neither %1.")
        //: The last two items of the list after "It is neither".
        .arg(listed(files, QCoreApplication::translate("ImportFormats", "%1 nor %2")));
}

QString importHelp()
{
    QStringList contents;
    for (const ImportFormat& format : all())
        contents << withName(format.contents, format);
    //: The --import option's description; FILE is the option's value, as in the usage line.
    return QCoreApplication::translate("ImportFormats",
                                       "Import %1 from FILE and the files after it.")
        .arg(listed(contents, QCoreApplication::translate("ImportFormats", "%1 and %2")));
}

} // namespace ImportFormats
