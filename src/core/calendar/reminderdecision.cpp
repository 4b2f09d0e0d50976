#include "core/calendar/reminderdecision.h"

#include "core/calendar/occurrence.h"
#include "core/text/textconv.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

const QString lineBreak = QStringLiteral("\r\n");

// translate() fills in %Ln only for counts of 0 or more; a date stored in the future has
// negative years.
QString withYears(QString entry, int years)
{
    return entry.replace(QLatin1String("%Ln"), QLocale().toString(years));
}

enum class Listing { None, Soon, Today };

struct Classification
{
    Listing listing = Listing::None;
    int years = 0; // the Y of the entry text
};

// Where a record stands today. Day differences are 64-bit, so dates of any age work.
Classification classify(const RecordDates& dates, qint64 notify, QDate today)
{
    Classification result;
    if (!dates.next)
        return result;
    const Occurrence& next = dates.next->next;
    // Days beyond Notify are neither soon nor due; a negative Notify lies beyond today too.
    if (next.days > notify)
        return result;
    result.listing = next.days == 0 ? Listing::Today : Listing::Soon;
    // A stored date still ahead counts its years from this year (0 or less); an anniversary,
    // the age it brings. Only entries show them, and working out a year takes time.
    if (result.listing != Listing::None)
        result.years = next.stored ? today.year() - dates.date->year() : next.years;
    return result;
}

QString joined(const QStringList& entries, const QString& whenEmpty)
{
    return entries.isEmpty() ? whenEmpty : entries.join(lineBreak);
}

// Whether the notification window is due by the schedule, the last showing being known.
bool scheduleDue(const ReminderSettings& settings, const QDateTime& now, const QLocale& locale)
{
    if (settings.notifyEvery == QLatin1String("None"))
        return false;
    // A stamp that no longer reads counts as no showing at all.
    const std::optional<QDate> lastDate = TextConv::textToDate(settings.notifyDate, locale);
    if (!lastDate)
        return true;
    if (settings.notifyEvery == QLatin1String("Hour")) {
        const std::optional<QTime> lastTime = TextConv::textToTime(settings.notifyTime, locale);
        if (!lastTime)
            return true;
        return *lastDate != now.date() || lastTime->hour() != now.time().hour();
    }
    return *lastDate != now.date();
}

} // namespace

QString ReminderDecision::soonText() const
{
    return joined(soonEntries,
                  QCoreApplication::translate("ReminderDecision", "There are no events due"));
}

QString ReminderDecision::todayText() const
{
    return joined(todayEntries,
                  QCoreApplication::translate("ReminderDecision", "There are no events today"));
}

ReminderDecision reminderDecide(const QList<BirthdayRecord>& records, const QDateTime& now,
                                bool forceShow, bool firstCheckDone,
                                const ReminderSettings& settings, const QLocale& locale,
                                const QLocale& shownLocale)
{
    ReminderDecision decision;
    decision.firstCheckDone = firstCheckDone;
    const QDate today = now.date();
    const QTime alertTime = TextConv::textToTime(settings.alertTime, locale)
                                .value_or(Setting::defaultTime(Setting::alertTime));
    const bool alertTimeReached = now.time() >= alertTime;

    decision.coming = comingEvents(records, today, settings.leapDayRule, locale);
    // Soon entries with their days left, to be listed soonest first.
    QList<std::pair<qint64, QString>> soon;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const BirthdayRecord& record = records.at(i);
        const RecordDates& dates = decision.coming.records.at(i);
        const std::optional<int> notify =
            TextConv::textToWhole(record.value(BirthdayRecord::Notify), -32768, 32767, locale);
        if (!dates.date || !notify) {
            ++decision.skippedRecords;
            continue;
        }
        const Classification found = classify(dates, *notify, today);
        if (found.listing == Listing::None)
            continue;

        const QString& name = record.value(BirthdayRecord::Name);
        // A moving day's stored date is only its next day: it has no years to count.
        const bool showYears =
            record.value(BirthdayRecord::ShowYears) != QLatin1String("0") && !record.rule;
        if (found.listing == Listing::Soon) {
            // In the user's form, whatever form the file holds it in; a day without a year as
            // the list's Date column shows it.
            const QString dateText =
                record.isYearless()
                    ? TextConv::shownDayMonthText(record.rule->month, record.rule->day, shownLocale)
                    : TextConv::shownDateText(*dates.date, shownLocale);
            // One arg() call fills both at once: a name may itself hold "%1".
            soon.append({dates.next->next.days,
                         showYears
                             //: %1 is the event's name, %2 its date, %Ln the years since the
                             //: date (an age, or an anniversary's count: a wording for both).
                             //: The notification window cuts long names short: keep %1 first,
                             //: the rest in parentheses.
                             ? withYears(QCoreApplication::translate("ReminderDecision",
                                                                     "%1 (%2 - %Ln Years)", nullptr,
                                                                     found.years),
                                         found.years)
                                   .arg(name, dateText)
                             : name + QLatin1String(" (") + dateText + u')'});
            continue;
        }

        const QString& lastDateText = record.value(BirthdayRecord::LastDate);
        bool handledToday = false;
        if (!lastDateText.isEmpty()) {
            const std::optional<QDate> lastDate = TextConv::textToDate(lastDateText, locale);
            if (!lastDate) {
                ++decision.skippedRecords;
                continue;
            }
            handledToday = *lastDate == today;
        }
        decision.todayEntries.append(
            showYears
                //: %1 is the event's name, %Ln the years since its date: an age for a birthday,
                //: a count of years for an anniversary or any other event, so a wording that
                //: fits both (the list's "Age" column has a message of its own). The
                //: notification window cuts long names short: keep %1 first, the rest in
                //: parentheses.
                ? withYears(QCoreApplication::translate("ReminderDecision", "%1 (%Ln Years)",
                                                        nullptr, found.years),
                            found.years)
                      .arg(name)
                : name);
        if (!handledToday && alertTimeReached)
            decision.alerts.append(
                {record.key, name, record.value(BirthdayRecord::Alert) == QLatin1String("0")});
    }

    std::stable_sort(soon.begin(), soon.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [days, entry] : soon)
        decision.soonEntries.append(entry);

    if (decision.soonEntries.isEmpty() && decision.todayEntries.isEmpty())
        return decision;
    bool show = forceShow;
    if (!firstCheckDone) {
        decision.firstCheckDone = true;
        show = true;
    } else if (settings.notifyTime.isEmpty() || settings.notifyDate.isEmpty() ||
               scheduleDue(settings, now, locale)) {
        show = true;
    }
    decision.show = show;
    return decision;
}
