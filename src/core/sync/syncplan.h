#pragma once

#include "core/events/birthdayrecord.h"
#include "core/sync/remotechanges.h"
#include "core/sync/subscriptions.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// What one sync of a source does to the events, worked out without touching the data file: the
// fetched resources are read as contacts or calendar events with the import's readers and rules
// and set against the source's links and the records as they are now.
//
// - A date new to the source is added; beyond the room left in the data file it is left out and
//   taken at a later sync. An event no source links to with the same name and day (imported
//   from a file before) is linked instead, and follows the source from then on.
// - A linked event still as the sync wrote it follows the source: updated when its name, date
//   or repeat changed there, removed when the resource is gone or no longer has that date. Its
//   Notify and Alert stay as they are: the reminders are the user's.
// - An event edited here is detached: never written again, the link kept so the date is not
//   added anew. An event deleted here is remembered and not added again while the source keeps
//   that date; either is forgotten once the source no longer has it.
// - A resource that does not read changes nothing and is read again at the next sync.
// A resource with an empty body whose ETag is the one its links hold is unchanged: the client
// need not fetch it again (SyncPlan::knownEtags).
namespace SyncPlan {

struct Action
{
    enum class Kind { Add, Update, Remove, Detach, Keep };
    Kind kind = Kind::Keep;
    std::optional<SyncLink> before; // as the table holds it; none for a date new to the source
    std::optional<SyncLink> after;  // once the action is done; none when the link goes
    BirthdayRecord record;          // Update, Remove: the record as read, which the write expects
    BirthdayRecord values;          // Add, Update: what is written

    // The event as it will be: what is written, or else the record as it is (an event linked
    // as it stands, one kept or removed).
    const BirthdayRecord& shown() const;
    QString name() const;
};

struct Plan
{
    // One action for each link of the source and each date new to it.
    QList<Action> actions;
    // Dates not taken, "name: reason" (a refused calendar rule, an unreadable date, no room);
    // contacts without any date are not listed.
    QStringList leftOut;
    // Resources that did not read, "href: reason"; their events stay as they were.
    QStringList unreadable;
    // The token to keep once the plan is carried out: the source's new one, or its old one when
    // something is left for the next sync, so a delta brings it again.
    QString syncToken;

    int count(Action::Kind kind) const;
    // Whether carrying it out writes to the data file.
    bool writes() const;
};

// links: the whole table's. records: all the data file's, as readAllRecords gives them, their
// dates not in ISO form read with locale (the store's date locale). today: what a date without
// a year is given, and when a repeat has ended.
Plan make(const SyncSource& source, const RemoteChanges& changes, const QList<SyncLink>& links,
          const QList<BirthdayRecord>& records, QDate today, const QLocale& locale = QLocale());

// href -> ETag of the resources every date of which is taken in, for the client's comparison.
QHash<QString, QString> knownEtags(const QList<SyncLink>& links);

} // namespace SyncPlan
