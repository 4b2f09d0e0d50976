#pragma once

#include "core/sync/subscriptions.h"
#include "core/sync/syncplan.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class BirthdayStore;

// Carrying a sync plan out on the data file, and removing a subscription. Both keep the table
// in memory and in its file beside the data file in step with what was written.
namespace SyncRun {

struct Result
{
    int added = 0;
    int updated = 0;
    int removed = 0;
    int detached = 0;
    int leftOut = 0;    // dates the plan did not take (SyncPlan::Plan::leftOut)
    QStringList errors; // each with its reason, resources that did not read first; empty when
                        // everything was done

    // "2 added, 1 updated, 0 removed", the detached and left out when there are any, then the
    // first error.
    QString summary() const;
};

// Makes the day's backup before the first write (none: nothing is written), then adds, updates
// and removes the events one by one with the store's operations. An event changed here
// meanwhile is detached instead of written over. The first failed write stops the writing; the
// links then hold only what was written, and the resources not taken in whole are read again
// at the next sync, whose token stays the old one. Sets the source's last sync time and result
// and saves the table in SubscriptionFile::pathFor(store.dataPath()).
Result apply(BirthdayStore& store, SubscriptionTable& table, const QString& sourceId,
             const SyncPlan::Plan& plan, const QDateTime& now);

// A sync that brought nothing (the server down or refusing, a body too large): the source's
// last sync time and the message as its result, the table saved; the events stay as they were
// and the next sync tries again with the same token.
Result fetchFailed(BirthdayStore& store, SubscriptionTable& table, const QString& sourceId,
                   const QString& message, const QDateTime& now);

// Drops the source and its links. With removeEvents, its events still as the sync wrote them
// are deleted first, after the day's backup; events edited here are the user's and stay. When
// a delete fails the source stays, holding the links of the events not yet deleted.
Result unsubscribe(BirthdayStore& store, SubscriptionTable& table, const QString& sourceId,
                   bool removeEvents);

} // namespace SyncRun
