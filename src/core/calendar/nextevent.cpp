#include "core/calendar/nextevent.h"

#include "core/program/programidentity.h"
#include "core/text/textconv.h"

#include <QCoreApplication>

QString NextEvent::dateText(const QLocale& locale) const
{
    return yearless ? TextConv::shownDayMonthText(next.date.month(), next.date.day(), locale)
                    : TextConv::shownDateText(next.date, locale);
}

QString NextEvent::inText() const
{
    return daysUntilText(next.days);
}

QString NextEvent::ageText() const
{
    // An age, which some languages count with a word of their own ("42 歳", not the "42 年"
    // of the notification's years since the date).
    //: A person's age in the list's narrow "Age" column and the command line's lines: the
    //: number alone where the language needs no word (English "42"), else its age word.
    return showAge ? QCoreApplication::translate("NextEvent", "%Ln", "an age", next.years)
                   : QString();
}

namespace {

std::optional<NextEvent> nextEventOn(const BirthdayRecord& record, std::optional<QDate> date,
                                     QDate today, LeapDayRule rule)
{
    if (!date)
        return std::nullopt;
    const bool recurs = record.value(BirthdayRecord::Recurs) == QLatin1String("1");
    const std::optional<Occurrence> next = nextOccurrence(*date, recurs, today, rule, record.rule);
    if (!next)
        return std::nullopt;
    NextEvent event;
    event.key = record.key;
    event.name = record.value(BirthdayRecord::Name);
    event.next = *next;
    event.yearless = record.isYearless();
    // The stored date itself is no anniversary: there is no age to tell yet.
    event.showAge = record.value(BirthdayRecord::ShowYears) == QLatin1String("1") && !next->stored;
    return event;
}

} // namespace

std::optional<NextEvent> nextEvent(const BirthdayRecord& record, QDate today, LeapDayRule rule,
                                   const QLocale& locale)
{
    return nextEventOn(record, TextConv::textToDate(record.value(BirthdayRecord::Date), locale),
                       today, rule);
}

ComingEvents comingEvents(const QList<BirthdayRecord>& records, QDate today, LeapDayRule rule,
                          const QLocale& locale)
{
    ComingEvents coming{today, rule, {}};
    coming.records.reserve(records.size());
    for (const BirthdayRecord& record : records) {
        RecordDates dates;
        dates.date = TextConv::textToDate(record.value(BirthdayRecord::Date), locale);
        dates.next = nextEventOn(record, dates.date, today, rule);
        coming.records.append(std::move(dates));
    }
    return coming;
}

std::optional<NextEvent> ComingEvents::soonest() const
{
    const std::optional<NextEvent>* soonest = nullptr;
    for (const RecordDates& dates : records) {
        if (dates.next && (!soonest || dates.next->next.days < (*soonest)->next.days))
            soonest = &dates.next;
    }
    return soonest ? *soonest : std::nullopt;
}

QString trayTipText(const std::optional<NextEvent>& soonest)
{
    if (!soonest)
        return fullProgramTitle();
    // One arg() call fills all three at once: a name may itself hold "%1".
    //: The tray icon's tip: the program's title, the soonest event's name and when it is.
    return QCoreApplication::translate("NextEvent", "%1 \u2014 next: %2, %3")
        .arg(fullProgramTitle(), soonest->name, soonest->inText());
}
