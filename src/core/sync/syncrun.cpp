#include "core/sync/syncrun.h"

#include "core/store/birthdaystore.h"
#include "core/store/eventrulefile.h"

#include <QCoreApplication>
#include <QSet>

namespace {

using Kind = SyncPlan::Action::Kind;
using Outcome = BirthdayStore::Outcome;

// The source's links replaced by links, then the table saved.
void saveLinks(BirthdayStore& store, SubscriptionTable& table, const QString& sourceId,
               const QList<SyncLink>& links, SyncRun::Result& result)
{
    table.links.removeIf([&](const SyncLink& link) { return link.sourceId == sourceId; });
    table.links += links;
    const Expected<> saved =
        SubscriptionFile::save(SubscriptionFile::pathFor(store.dataPath()), table);
    if (!saved)
        result.errors.append(saved.error());
}

} // namespace

namespace SyncRun {

QString Result::summary() const
{
    QString text = QCoreApplication::translate("SyncRun", "%L1 added, %L2 updated, %L3 removed")
                       .arg(added)
                       .arg(updated)
                       .arg(removed);
    if (detached > 0)
        text += QCoreApplication::translate("SyncRun", ", %L1 detached").arg(detached);
    if (leftOut > 0)
        text += QCoreApplication::translate("SyncRun", ", %L1 left out").arg(leftOut);
    if (!errors.isEmpty())
        text += QStringLiteral("; ") + errors.first();
    return text;
}

Result apply(BirthdayStore& store, SubscriptionTable& table, const QString& sourceId,
             const SyncPlan::Plan& plan, const QDateTime& now)
{
    Result result;
    result.leftOut = int(plan.leftOut.size());
    result.errors = plan.unreadable;
    const Expected<> backedUp = plan.writes() ? store.backup() : Expected<>();
    bool stopped = !backedUp;
    if (stopped)
        result.errors.append(backedUp.error());
    QList<SyncLink> links;
    QSet<QString> retry; // resources of which a date was not written
    for (const SyncPlan::Action& action : plan.actions) {
        const bool write =
            action.kind == Kind::Add || action.kind == Kind::Update || action.kind == Kind::Remove;
        if (!write || stopped) {
            if (write)
                retry.insert((action.before ? action.before : action.after)->href);
            if (const std::optional<SyncLink>& link = write ? action.before : action.after)
                links.append(*link);
            result.detached += action.kind == Kind::Detach;
            continue;
        }
        Outcome outcome = Outcome::Failed;
        std::optional<SyncLink> link = action.after;
        if (action.kind == Kind::Add) {
            const Expected<int> key = store.addRecord(action.values);
            outcome = key ? Outcome::Done : Outcome::Failed;
            if (key)
                link->key = *key;
        } else if (action.kind == Kind::Update) {
            outcome = store.updateRecord(action.record, action.values);
        } else {
            outcome = store.deleteRecord(action.record);
        }
        // What the data file cannot hold goes beside it: a day that moves or has no year.
        if (outcome == Outcome::Done && action.kind != Kind::Remove && action.values.rule) {
            BirthdayRecord kept = action.values;
            if (action.kind == Kind::Add)
                kept.key = link->key;
            const Expected<> saved =
                EventRuleFile::setRule(EventRuleFile::pathFor(store.dataPath()), kept, kept.rule);
            if (!saved) {
                result.errors.append(saved.error());
                stopped = true;
            }
        }
        if (outcome == Outcome::Failed) {
            result.errors.append(store.errorString());
            stopped = true;
            retry.insert((action.before ? action.before : action.after)->href);
            link = action.before;
        } else if (outcome == Outcome::Changed) {
            // Edited or deleted here since it was read: the user's, as any edit makes it.
            ++result.detached;
            link = action.before;
            if (link)
                link->state = SyncLink::State::Detached;
            if (action.kind == Kind::Remove)
                link.reset();
        } else {
            result.added += action.kind == Kind::Add;
            result.updated += action.kind == Kind::Update;
            result.removed += action.kind == Kind::Remove;
        }
        if (link)
            links.append(*link);
    }
    for (SyncLink& link : links)
        if (retry.contains(link.href))
            link.etag.clear();
    if (SyncSource* source = table.source(sourceId)) {
        source->lastSync = now;
        source->lastResult = result.summary();
        if (!stopped)
            source->syncToken = plan.syncToken;
    }
    saveLinks(store, table, sourceId, links, result);
    if (SyncSource* source = table.source(sourceId))
        source->lastResult = result.summary(); // with the table's own failure, for the window
    return result;
}

Result fetchFailed(BirthdayStore& store, SubscriptionTable& table, const QString& sourceId,
                   const QString& message, const QDateTime& now)
{
    Result result;
    result.errors.append(message);
    if (SyncSource* source = table.source(sourceId)) {
        source->lastSync = now;
        source->lastResult = message;
    }
    saveLinks(store, table, sourceId, table.linksOf(sourceId), result);
    return result;
}

Result unsubscribe(BirthdayStore& store, SubscriptionTable& table, const QString& sourceId,
                   bool removeEvents)
{
    Result result;
    QList<SyncLink> left = table.linksOf(sourceId);
    if (removeEvents && !left.isEmpty()) {
        const Expected<> backedUp = store.backup();
        if (!backedUp) {
            result.errors.append(backedUp.error());
            return result;
        }
    }
    while (removeEvents && !left.isEmpty()) {
        const SyncLink& link = left.first();
        if (link.state == SyncLink::State::Linked) {
            BirthdayRecord expected = link.written;
            expected.key = link.key;
            const Outcome outcome = store.deleteRecord(expected);
            if (outcome == Outcome::Failed) {
                result.errors.append(store.errorString());
                saveLinks(store, table, sourceId, left, result);
                return result;
            }
            result.removed += outcome == Outcome::Done;
        }
        left.removeFirst();
    }
    table.sources.removeIf([&](const SyncSource& source) { return source.id == sourceId; });
    saveLinks(store, table, sourceId, {}, result);
    return result;
}

} // namespace SyncRun
