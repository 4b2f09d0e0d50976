#include "cli/upcoming.h"

#include "cli/output.h"
#include "core/calendar/clock.h"
#include "core/calendar/nextevent.h"
#include "core/settings/settingsstore.h"
#include "core/store/birthdaystore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace CommandLine {

namespace {

// "Sun 8 Dec   in 2 days  Anna Schmidt (42)": the list's "In" and "Age" columns, all in the
// program's language, as the list is ("So. 8 Dez.  in 2 Tagen" in German); scripts read the
// JSON, whose dates and keys never change with the language. The date and the days are padded
// to the longest of the list, so the names start in one column.
QString upcomingLines(const QList<NextEvent>& events, const QLocale& shown)
{
    QList<QStringList> rows;
    qsizetype dateWidth = 0;
    qsizetype inWidth = 0;
    for (const NextEvent& event : events) {
        QString name = event.name;
        const QString age = event.ageText();
        if (!age.isEmpty())
            name += QStringLiteral(" (") + age + u')';
        rows.append(
            {shown.toString(event.next.date, QStringLiteral("ddd d MMM")), event.inText(), name});
        dateWidth = std::max(dateWidth, rows.last().at(0).size());
        inWidth = std::max(inWidth, rows.last().at(1).size());
    }
    QString text;
    for (const QStringList& row : rows)
        text += row.at(0).leftJustified(dateWidth) + QStringLiteral("  ") +
                row.at(1).leftJustified(inWidth) + QStringLiteral("  ") + row.at(2) + u'\n';
    return text;
}

QJsonObject upcomingObject(const NextEvent& event)
{
    return QJsonObject{
        {QStringLiteral("name"), event.name},
        // A day without a year as vCard and ISO 8601 write one: "--04-15".
        {QStringLiteral("date"), event.yearless ? event.next.date.toString(u"--MM-dd")
                                                : event.next.date.toString(Qt::ISODate)},
        {QStringLiteral("days"), event.next.days},
        {QStringLiteral("years"), event.showAge ? QJsonValue(event.next.years) : QJsonValue()},
        {QStringLiteral("key"), event.key},
    };
}

} // namespace

int listUpcoming(BirthdayStore& store, SettingsStore& settings, const Clock& clock, qint64 days,
                 bool json, const QLocale& shown)
{
    const Expected<QList<BirthdayRecord>> records = store.readAllRecords();
    if (!records)
        return fail(records.error());
    const LeapDayRule rule = LeapDayRules::fromName(settings.read(Setting::leapDayEvents));
    const ComingEvents coming = comingEvents(*records, clock.today(), rule, store.dateLocale());
    QList<NextEvent> found;
    QStringList unreadable;
    for (qsizetype i = 0; i < records->size(); ++i) {
        const RecordDates& dates = coming.records.at(i);
        if (!dates.date)
            unreadable << records->at(i).value(BirthdayRecord::Name);
        else if (dates.next && dates.next->next.days <= days)
            found.append(*dates.next);
    }
    std::stable_sort(found.begin(), found.end(), [](const NextEvent& a, const NextEvent& b) {
        return a.next.days < b.next.days;
    });
    printUnreadable(unreadable);

    if (!json) {
        if (found.isEmpty())
            print(stdout,
                  //: %Ln is the number of days looked ahead.
                  QCoreApplication::translate("CommandLine", "No events in the next %Ln days.\n",
                                              nullptr, int(days)));
        else
            print(stdout, upcomingLines(found, shown));
        return Done;
    }
    QJsonArray list;
    for (const NextEvent& event : found)
        list.append(upcomingObject(event));
    print(stdout, QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented)));
    return Done;
}

} // namespace CommandLine
