#include "core/calendar/missedevents.h"

#include "core/text/textconv.h"

#include <QCoreApplication>

#include <algorithm>

namespace MissedEvents {

namespace {

std::optional<QDateTime> stampRead(const QString& stored)
{
    const QDateTime stamp = QDateTime::fromString(stored, Qt::ISODate);
    return stamp.isValid() ? std::optional<QDateTime>(stamp) : std::nullopt;
}

} // namespace

QString stampText(const QDateTime& now)
{
    return now.toString(Qt::ISODate);
}

bool stampDue(const QString& stored, const QDateTime& now)
{
    const std::optional<QDateTime> stamp = stampRead(stored);
    return !stamp || stamp->date() != now.date();
}

bool clockJumped(const QDateTime& previousCheck, const QDateTime& now)
{
    return previousCheck.isValid() && previousCheck.secsTo(now) > clockJumpSeconds;
}

QList<Missed> since(const QList<BirthdayRecord>& records, const QString& lastCheck,
                    const QDateTime& now, LeapDayRule rule, const QLocale& locale,
                    const QLocale& shownLocale)
{
    QList<Missed> missed;
    const std::optional<QDateTime> stamp = stampRead(lastCheck);
    if (!stamp)
        return missed;
    const QDate today = now.date();
    const QDate first = std::max(stamp->date(), today.addDays(-maxDays));
    const QDate last = today.addDays(-1); // today belongs to the ordinary check
    if (first > last)
        return missed;

    for (const BirthdayRecord& record : records) {
        const std::optional<QDate> date =
            TextConv::textToDate(record.value(BirthdayRecord::Date), locale);
        if (!date)
            continue;
        const bool recurs = record.value(BirthdayRecord::Recurs) == QLatin1String("1");
        const std::optional<QDate> handled =
            TextConv::textToDate(record.value(BirthdayRecord::LastDate), locale);
        const QString& name = record.value(BirthdayRecord::Name);
        const bool showYears = record.value(BirthdayRecord::ShowYears) != QLatin1String("0");
        for (const QDate day : occurrencesBetween(*date, recurs, first, last, rule)) {
            if (handled && *handled == day)
                continue;
            const QString dayText = shownLocale.toString(day, QStringLiteral("ddd d MMM"));
            // One arg() call fills both at once: a name may itself hold "%1".
            const QString entry =
                showYears
                    //: %1 is the event's name, %2 the missed day.
                    ? QCoreApplication::translate("MissedEvents", "%1 (%2 - %Ln Years)", nullptr,
                                                  day.year() - date->year())
                          .arg(name, dayText)
                    : name + QLatin1String(" (") + dayText + u')';
            missed.append({record.key, day, entry,
                           record.value(BirthdayRecord::Alert) == QLatin1String("0")});
        }
    }
    std::stable_sort(missed.begin(), missed.end(),
                     [](const Missed& a, const Missed& b) { return a.day < b.day; });
    return missed;
}

} // namespace MissedEvents
