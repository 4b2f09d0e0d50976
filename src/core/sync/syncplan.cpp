#include "core/sync/syncplan.h"

#include "core/exchange/importplan.h"
#include "core/text/textconv.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

using Action = SyncPlan::Action;
using Kind = Action::Kind;
using Item = ImportPlan::Item;

bool taken(Item::Status status)
{
    // Duplicates inside one resource are still dates of their own; a yearly event whose repeats
    // end is taken while they last.
    return status == Item::Status::New || status == Item::Status::AlreadyThere ||
           status == Item::Status::Ending || status == Item::Status::NoRoom;
}

// What the date makes of the linked record: the source's name, date and repeat, the record's
// reminders. A date without a year keeps the year it was given, so the new year changes nothing.
BirthdayRecord followed(const Item& item, const BirthdayRecord& stored)
{
    BirthdayRecord values = item.record;
    values.key = stored.key;
    for (auto field : {BirthdayRecord::Notify, BirthdayRecord::Alert, BirthdayRecord::LastDate})
        values.setValue(field, stored.value(field));
    const QDate was = QDate::fromString(stored.value(BirthdayRecord::Date), Qt::ISODate);
    if (!item.entry.hasYear && was.month() == item.entry.date.month() &&
        was.day() == item.entry.date.day())
        values.setValue(BirthdayRecord::Date, stored.value(BirthdayRecord::Date));
    return values;
}

// The import's rule for an event already in the list: the same name and the same day.
QString sameEvent(const QString& name, QDate date)
{
    return name.trimmed().toCaseFolded() +
           QStringLiteral("\n%1-%2").arg(date.month()).arg(date.day());
}

class Planner
{
public:
    Planner(const QString& sourceId, const QList<SyncLink>& links,
            const QList<BirthdayRecord>& records, const QLocale& locale)
        : m_room(ImportPlan::roomLeft(records))
    {
        for (const BirthdayRecord& record : records)
            m_records.insert(record.key, record);
        QSet<int> linked;
        for (const SyncLink& link : links) {
            linked.insert(link.key);
            if (link.sourceId == sourceId)
                append(local(link));
        }
        for (const BirthdayRecord& record : records) {
            const auto date = TextConv::textToDate(record.value(BirthdayRecord::Date), locale);
            if (date && !linked.contains(record.key))
                m_unlinked.insert(sameEvent(record.value(BirthdayRecord::Name), *date), record);
        }
    }

    // A resource that the source lists now; an empty set of its dates when it is gone.
    void resource(const RemoteResource& resource, const SyncSource& source, QDate today)
    {
        m_listed.insert(resource.href);
        if (resource.body.isEmpty() && !resource.etag.isEmpty())
            for (qsizetype i : m_byHref.value(resource.href))
                if (const auto& before = m_plan.actions[i].before;
                    before && before->etag == resource.etag)
                    return;
        const ImportFile file = ImportPlan::readData(resource.body);
        if (!file.error.isEmpty()) {
            m_plan.unreadable.append(resource.href + QStringLiteral(": ") + file.error);
            return;
        }
        QSet<qsizetype> matched;
        bool partial = false;
        for (const Item& item : ImportPlan::plan(file.entries, {}, today)) {
            if (!taken(item.status)) {
                if (item.status != Item::Status::NoDate)
                    m_plan.leftOut.append(item.entry.name + QStringLiteral(": ") + item.reason);
                continue;
            }
            SyncLink link;
            link.sourceId = source.id;
            link.href = resource.href;
            link.uid = item.entry.uid;
            link.anniversary = item.entry.anniversary;
            link.etag = resource.etag;
            const qsizetype index = find(link, matched);
            const QString same = sameEvent(item.entry.name, item.entry.date);
            if (index >= 0) {
                matched.insert(index);
                follow(m_plan.actions[index], item, resource.etag);
            } else if (m_unlinked.contains(same)) {
                // Taken in before from a file: linked as it is rather than added twice.
                Action adopt;
                adopt.record = m_unlinked.take(same);
                link.key = adopt.record.key;
                link.written = adopt.record;
                link.written.setValue(BirthdayRecord::LastDate, QString());
                adopt.after = link;
                follow(adopt, item, resource.etag);
                matched.insert(append(adopt));
            } else if (m_room > 0) {
                --m_room;
                link.written = item.record;
                Action add;
                add.kind = Kind::Add;
                add.after = link;
                add.values = item.record;
                matched.insert(append(add));
            } else {
                partial = m_incomplete = true;
                m_plan.leftOut.append(item.entry.name +
                                      QCoreApplication::translate("SyncPlan", ": no room: ") +
                                      ImportPlan::limitText());
            }
        }
        for (qsizetype i : m_byHref.value(resource.href)) {
            Action& action = m_plan.actions[i];
            if (!action.after)
                continue;
            if (!matched.contains(i))
                gone(action);
            else if (partial)
                action.after->etag.clear(); // read it whole again next time
        }
    }

    void removed(const QString& href)
    {
        for (qsizetype i : m_byHref.value(href))
            if (m_plan.actions[i].after)
                gone(m_plan.actions[i]);
    }

    bool listed(const QString& href) const { return m_listed.contains(href); }
    // Whether a date was left for lack of room.
    bool incomplete() const { return m_incomplete; }

    SyncPlan::Plan take() { return std::move(m_plan); }

private:
    qsizetype append(const Action& action)
    {
        m_plan.actions.append(action);
        m_byHref[action.after->href].append(m_plan.actions.size() - 1);
        return m_plan.actions.size() - 1;
    }

    // The link as the records show it now, before the source is looked at.
    Action local(const SyncLink& link)
    {
        Action action;
        action.before = action.after = link;
        if (link.state != SyncLink::State::Linked)
            return action;
        const auto stored = m_records.constFind(link.key);
        if (stored == m_records.cend()) {
            action.after->state = SyncLink::State::Deleted;
            action.after->key = -1;
            return action;
        }
        action.record = *stored;
        if (!link.unedited(*stored)) {
            action.kind = Kind::Detach;
            action.after->state = SyncLink::State::Detached;
        }
        return action;
    }

    // The link of the same date; of two alike (a resource of contacts without UIDs), the first
    // not matched yet.
    qsizetype find(const SyncLink& link, const QSet<qsizetype>& matched) const
    {
        for (qsizetype i : m_byHref.value(link.href))
            if (m_plan.actions[i].after && m_plan.actions[i].after->sameDate(link) &&
                !matched.contains(i))
                return i;
        return -1;
    }

    void follow(Action& action, const Item& item, const QString& etag)
    {
        const BirthdayRecord values = followed(item, action.record);
        // Already what the source's new version gives, the links still of the old: a sync
        // that wrote it could not save its links (a full disk). In step, not edited here.
        if (action.kind == Kind::Detach && action.before->etag != etag) {
            SyncLink taken = *action.before;
            taken.written = values;
            taken.written.setValue(BirthdayRecord::LastDate, QString());
            if (taken.unedited(action.record)) {
                action.kind = Kind::Keep;
                action.after = taken;
            }
        }
        action.after->etag = etag;
        if (action.kind != Kind::Keep || action.after->state != SyncLink::State::Linked)
            return;
        if (!action.after->unedited(values)) {
            action.kind = Kind::Update;
            action.values = values;
            action.after->written = values;
            action.after->written.setValue(BirthdayRecord::LastDate, QString());
        }
    }

    // The source no longer has the date: its event goes unless edited or deleted here.
    static void gone(Action& action)
    {
        if (action.kind == Kind::Keep && action.after->state == SyncLink::State::Linked)
            action.kind = Kind::Remove;
        action.after.reset();
    }

    SyncPlan::Plan m_plan;
    QHash<int, BirthdayRecord> m_records;
    QHash<QString, BirthdayRecord> m_unlinked; // by sameEvent
    QHash<QString, QList<qsizetype>> m_byHref; // the actions of each resource
    QSet<QString> m_listed;
    int m_room;
    bool m_incomplete = false;
};

} // namespace

namespace SyncPlan {

QString Action::name() const
{
    return (kind == Kind::Add || kind == Kind::Update ? values : record)
        .value(BirthdayRecord::Name);
}

int Plan::count(Action::Kind kind) const
{
    return int(std::count_if(actions.cbegin(), actions.cend(),
                             [kind](const Action& action) { return action.kind == kind; }));
}

bool Plan::writes() const
{
    return count(Kind::Add) + count(Kind::Update) + count(Kind::Remove) > 0;
}

Plan make(const SyncSource& source, const RemoteChanges& changes, const QList<SyncLink>& links,
          const QList<BirthdayRecord>& records, QDate today, const QLocale& locale)
{
    Planner planner(source.id, links, records, locale);
    for (const RemoteResource& resource : changes.changed)
        planner.resource(resource, source, today);
    for (const QString& href : changes.removed)
        planner.removed(href);
    if (changes.complete)
        for (const SyncLink& link : links)
            if (link.sourceId == source.id && !planner.listed(link.href))
                planner.removed(link.href);
    const bool retry = planner.incomplete();
    Plan plan = planner.take();
    plan.syncToken = retry || !plan.unreadable.isEmpty() ? source.syncToken : changes.syncToken;
    return plan;
}

QHash<QString, QString> knownEtags(const QList<SyncLink>& links)
{
    QHash<QString, QString> known;
    QSet<QString> partial;
    for (const SyncLink& link : links) {
        if (link.etag.isEmpty())
            partial.insert(link.href);
        else
            known.insert(link.href, link.etag);
    }
    for (const QString& href : partial)
        known.remove(href);
    return known;
}

} // namespace SyncPlan
