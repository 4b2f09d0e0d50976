#include "nextevent.h"

#include "text/textconv.h"
#include "web/webtexts.h"

QString NextEvent::dateText(const QLocale& locale) const
{
    return TextConv::dateToText(next.date, locale);
}

QString NextEvent::inText() const
{
    return daysUntilText(next.days);
}

QString NextEvent::ageText() const
{
    return showAge ? QString::number(next.years) : QString();
}

std::optional<NextEvent> nextEvent(const BirthdayRecord& record, QDate today, LeapDayRule rule,
                                   const QLocale& locale)
{
    const std::optional<QDate> date =
        TextConv::textToDate(record.value(BirthdayRecord::Date), locale);
    if (!date)
        return std::nullopt;
    const bool recurs = record.value(BirthdayRecord::Recurs) == QLatin1String("1");
    const std::optional<Occurrence> next = nextOccurrence(*date, recurs, today, rule);
    if (!next)
        return std::nullopt;
    NextEvent event;
    event.key = record.key;
    event.name = record.value(BirthdayRecord::Name);
    event.next = *next;
    // The stored date itself is no anniversary: there is no age to tell yet.
    event.showAge = record.value(BirthdayRecord::ShowYears) == QLatin1String("1") && !next->stored;
    return event;
}

std::optional<NextEvent> soonestEvent(const QList<BirthdayRecord>& records, QDate today,
                                      LeapDayRule rule, const QLocale& locale)
{
    std::optional<NextEvent> soonest;
    for (const BirthdayRecord& record : records) {
        const std::optional<NextEvent> event = nextEvent(record, today, rule, locale);
        if (event && (!soonest || event->next.days < soonest->next.days))
            soonest = event;
    }
    return soonest;
}

QString trayTipText(const std::optional<NextEvent>& soonest)
{
    // Concatenated, not arg()-formatted: a name may itself hold "%1".
    QString tip = QStringLiteral("Marrowfell ") + WebTexts::programTitle();
    if (soonest)
        tip += QStringLiteral(" \u2014 next: ") + soonest->name + QLatin1String(", ") +
               soonest->inText();
    return tip;
}
