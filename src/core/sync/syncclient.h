#pragma once

#include "core/sync/remotechanges.h"
#include "core/sync/subscriptions.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// Where a subscription's server is and who asks. The password is the caller's (the secret
// service or the user); the client keeps none of it after a request.
struct SyncAccount
{
    QString url; // a server's address, a collection, or an iCalendar address
    QString userName;
    QString password;
};

// An address book or calendar found behind an address.
struct FoundCollection
{
    SyncSource::Kind kind = SyncSource::Kind::AddressBook;
    QString url;
    QString displayName;
};

// The wire, as the subscriptions see it: finding what is behind an address, and fetching what
// changed in one source. Each request runs in the background and calls its callback exactly
// once, never before the request returns; a failure comes as a message for the user that names
// the address. Deleting the client drops its requests without calling them back; it is never
// deleted from inside one of its callbacks.
class SyncClient
{
public:
    using Found = std::function<void(const QList<FoundCollection>& found, const QString& error)>;
    using Fetched = std::function<void(const RemoteChanges& changes, const QString& error)>;

    virtual ~SyncClient() = default;
    virtual void discover(const SyncAccount& account, Found done) = 0;
    // knownEtags: SyncPlan::knownEtags of the source's links; the source's sync token is sent
    // where it has one.
    virtual void fetch(const SyncAccount& account, const SyncSource& source,
                       const QHash<QString, QString>& knownEtags, Fetched done) = 0;
};

// Makes a client for one piece of work; empty where this build reaches no server.
using SyncClientFactory = std::function<std::unique_ptr<SyncClient>()>;
