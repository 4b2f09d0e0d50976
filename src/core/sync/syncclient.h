#pragma once

#include "core/sync/publishplan.h"
#include "core/sync/remotechanges.h"
#include "core/sync/subscriptions.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>

// Where a subscription's server is and who asks. The password is the caller's (the secret
// service or the user); the client keeps none of it after a request.
struct SyncAccount
{
    QString url; // a server's address, a collection, or an iCalendar address
    QString userName;
    QString password;
    // PEM of a certificate the user accepted for this server although it does not verify;
    // any other that does not verify is refused.
    QByteArray acceptedCertificate;
};

// A server's certificate that did not verify, as the user is shown it before accepting it.
struct UntrustedCertificate
{
    QByteArray pem; // empty: no certificate was refused
    QString subject;
    QString issuer;
    QDateTime validFrom;
    QDateTime validUntil;
    QString sha256; // the fingerprint, hex pairs separated by colons
    QStringList errors;
};

// Why a request came to nothing: a message for the user that names the address, and the
// certificate where the failure was one that does not verify.
struct SyncFailure
{
    SyncFailure() = default;
    SyncFailure(QString text) : message(std::move(text)) {} // NOLINT: a bare message converts
    bool isEmpty() const { return message.isEmpty(); }

    QString message;
    UntrustedCertificate certificate;
};

// An address book or calendar found behind an address.
struct FoundCollection
{
    SyncSource::Kind kind = SyncSource::Kind::AddressBook;
    QString url;
    QString displayName;
};

// The wire, as the subscriptions see it: finding what is behind an address, fetching what
// changed in one source, publishing. Each request runs in the background and calls its callback
// exactly once, never before the request returns; a failure comes as a message for the user that
// names the address, with the certificate where it did not verify. Deleting the client drops its
// requests without calling them back; it is never deleted from inside one of its callbacks.
class SyncClient
{
public:
    using Found =
        std::function<void(const QList<FoundCollection>& found, const SyncFailure& error)>;
    using Fetched = std::function<void(const RemoteChanges& changes, const SyncFailure& error)>;
    // done: the steps the server took, in order; after a failure those before it.
    using Published =
        std::function<void(const QList<PublishPlan::Done>& done, const SyncFailure& error)>;

    virtual ~SyncClient() = default;
    virtual void discover(const SyncAccount& account, Found done) = 0;
    // knownEtags: SyncPlan::knownEtags of the source's links; the source's sync token is sent
    // where it has one.
    virtual void fetch(const SyncAccount& account, const SyncSource& source,
                       const QHash<QString, QString>& knownEtags, Fetched done) = 0;
    // Carries the steps out one by one, each conditional on its ETag (an added one on there
    // being none); a step refused as changed on the server meanwhile is done once more without
    // the condition: this program's list is the truth for its own events. The first failure
    // stops the rest.
    virtual void publish(const SyncAccount& account, const QList<PublishPlan::Step>& steps,
                         Published done) = 0;
};

// Makes a client for one piece of work; empty where this build reaches no server.
using SyncClientFactory = std::function<std::unique_ptr<SyncClient>()>;
