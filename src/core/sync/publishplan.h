#pragma once

#include "core/exchange/calendarexchange.h"
#include "core/sync/subscriptions.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// What publishing the data file's events to a calendar takes: each record one resource
// <UID>.ics holding its event as the export writes it, so a published event and an exported
// one are the same event. Only what this program published is ever changed or deleted there.
namespace PublishPlan {

struct Step
{
    enum class Kind { Add, Change, Remove };

    Kind kind = Kind::Add;
    QString uid;
    QString href;
    QString etag;    // the condition of a change or a removal; empty: none
    QByteArray body; // what is put; empty for a removal
    QString hash;    // bodyHash(body)
};

struct Plan
{
    QList<Step> steps;
    QStringList leftOut; // names of the records whose date does not read
    int count(Step::Kind kind) const;
};

// A hash of an event's iCalendar text without its DTSTAMP, which changes with every export.
QString bodyHash(const QByteArray& ics);

// New events are added under calendarUrl, changed ones put again under their ETag, events
// gone from the records removed; unchanged ones are left alone. A published event whose
// record's date no longer reads stays as it is.
Plan make(const QString& calendarUrl, const QList<BirthdayRecord>& records,
          const CalendarExchange::ExportOptions& options, const QList<PublishedEvent>& published,
          const QLocale& locale);

// Removes every published event, as stopping to publish with its events deleted does.
Plan removeAll(const QList<PublishedEvent>& published);

// A step the server took, with the ETag it answered.
struct Done
{
    int step = 0;
    QString etag;
};

// Notes the steps done in the target's events; the others stay as they were.
void take(PublishTarget& target, const QList<Step>& steps, const QList<Done>& done);

} // namespace PublishPlan
