#pragma once

#include "core/events/birthdayrecord.h"
#include "core/program/expected.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The subscribed sources and which events came from which of their contacts or calendar events.
// Kept in a file of its own beside the data file (birthday-subscriptions.json for birthday.dat),
// so the data file's layout stays as every older copy of the program reads it. Passwords are
// never kept here.
struct SyncSource
{
    enum class Kind { AddressBook, Calendar, CalendarAddress }; // CardDAV, CalDAV, iCalendar URL

    QString id; // made once, never shown
    Kind kind = Kind::AddressBook;
    QString url; // the collection itself, as discovery found it
    QString userName;
    QString displayName;
    QDateTime lastSync; // invalid: never synced
    QString lastResult; // what the last sync did or why it failed
    QString syncToken;  // the collection's, where it offers one
    // PEM of the server certificate the user accepted although it does not verify; empty: none.
    QByteArray acceptedCertificate;
};

// One date of one contact or event and the record it became.
struct SyncLink
{
    // Linked: kept in step. Detached: edited here, the user's own from then on. Deleted: deleted
    // here; remembered so the next sync does not bring it back while the source still has it.
    enum class State { Linked, Detached, Deleted };

    QString sourceId;
    QString href;             // the resource on the server
    QString uid;              // the contact's or event's UID inside it; may be empty
    bool anniversary = false; // a contact's anniversary rather than its birthday
    QString etag;             // of the resource when it was last taken in; empty: read it again
    int key = -1;             // the record's; -1 once deleted here
    BirthdayRecord written;   // what the sync last wrote (all but LastDate), to see a local edit
    State state = State::Linked;

    // Whether the stored record is still as the sync wrote it; the reminder's stamp aside.
    bool unedited(const BirthdayRecord& stored) const;
    // The same date of the same resource.
    bool sameDate(const SyncLink& other) const
    {
        return href == other.href && uid == other.uid && anniversary == other.anniversary;
    }
};

// One of this program's events as it was last put on the calendar it publishes to.
struct PublishedEvent
{
    QString uid;  // CalendarExchange::eventUid of the record
    QString href; // the resource's address
    QString etag; // the server's after the put; empty: it sent none
    QString hash; // PublishPlan::bodyHash of what was put, to tell a changed event
};

// The CalDAV calendar this program's events are published to, one at most. Its password is in
// the secret store under PublishTarget::secretId.
struct PublishTarget
{
    static inline const QString secretId = QStringLiteral("publishing");

    QString url; // the calendar collection
    QString userName;
    QString displayName;
    QDateTime lastPublish; // invalid: never published
    QString lastResult;
    QByteArray acceptedCertificate; // as SyncSource's
    QList<PublishedEvent> events;
};

struct SubscriptionTable
{
    QList<SyncSource> sources;
    QList<SyncLink> links;
    // A member of its own, which older copies of the program pass over.
    std::optional<PublishTarget> publishing;

    SyncSource* source(const QString& id);
    // The source subscribed to at url, or nullptr.
    const SyncSource* sourceAt(const QString& url) const;
    QList<SyncLink> linksOf(const QString& sourceId) const;
    // A new source under a fresh id; returns the id.
    QString add(SyncSource source);

    // Why the address book or calendar at url (name: as the user knows it) is not subscribed
    // to: it is already, or the events are published to it. Empty: nothing stands against it.
    QString subscribeRefusal(const QString& url, const QString& name) const;
    // Why the events are not published to the calendar at url: it is subscribed to, or they
    // are published to a calendar already (one at most). Empty: nothing stands against it.
    QString publishRefusal(const QString& url, const QString& name) const;
    // The refusal of a calendar that is subscribed to and published to at once: the events
    // published would come back as subscribed ones.
    static QString bothWaysRefusal(const QString& name);
};

namespace SubscriptionFile {

// birthday-subscriptions.json in the data file's folder, named after the data file.
QString pathFor(const QString& dataPath);

// The most a table file may hold. A link takes some 530 bytes, so this is room for 60,000
// links, six times the events a data file holds, with the sources' deleted dates remembered.
// Reading grows with the size alone (bench_sync: 20 MB in about half a second, its size again
// in memory); a larger file is refused before it is read, as the imports refuse theirs.
inline constexpr qint64 maxFileBytes = 32 * 1024 * 1024;

// The table; an empty one where the file does not exist. A file that can't be read, is damaged
// or was written by a newer version gives nothing and the reason: the caller shows it and must
// not save over the file, which would lose every link.
Expected<SubscriptionTable> load(const QString& path);

// Writes the whole table or nothing.
Expected<> save(const QString& path, const SubscriptionTable& table);

} // namespace SubscriptionFile
