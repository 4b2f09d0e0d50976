#pragma once

#include "core/sync/remotechanges.h"
#include "core/sync/subscriptions.h"
#include "core/sync/syncclient.h"
#include "core/sync/syncplan.h"
#include "core/sync/syncrun.h"

#include <QObject>

#include <functional>
#include <memory>

class BirthdayStore;
class Clock;
class SecretStore;

// Adding a subscription, the steps the Subscriptions dialog takes the user through: what is
// behind an address (find), what a chosen address book or calendar adds to the events
// (preview), then subscribing to it, or publishing the events to a chosen calendar instead.
// Nothing is written before subscribe or publishTo; each keeps the password in the secret store.
// Removing a subscription is here too.
//
// find and preview ask the server through a client of the factory, in the background: each
// ends in one signal, found, previewed or failed, and progress tells what is under way. A step
// started drops the one under way, whose answer never comes. A certificate that does not verify
// is put to the certificate question; accepted, the step is made again with it, and it goes with
// every later request of the account and is kept with the source or the publishing target.
class SubscriptionSetup : public QObject
{
    Q_OBJECT
public:
    // address: the address the account was given; failure: the request's, with the certificate.
    using CertificateAsk = std::function<bool(const QString& address, const SyncFailure& failure)>;

    SubscriptionSetup(BirthdayStore& store, const Clock& clock, SyncClientFactory clients,
                      SecretStore& secrets, QObject* parent = nullptr);
    ~SubscriptionSetup() override;

    void setCertificateAsk(CertificateAsk ask) { m_askCertificate = std::move(ask); }

    // A new subscription: forgets the account and a certificate accepted for it.
    void reset();
    // Looks for the address books and calendars behind address, a server's, a collection's or an
    // iCalendar file's (a bare host name means its https address). False where no request is
    // made (the address is not one, the build reaches no server): failed has told why.
    bool find(const QString& address, const QString& userName, const QString& password);
    // What subscribing to chosen would do to the events as they are now, with the account of the
    // last find. False where no request is made: it is subscribed to or published to already, or
    // the build reaches no server; failed has told why.
    bool preview(const FoundCollection& chosen);
    // Drops the request under way.
    void cancel();

    // Subscribes to the collection last previewed with what its preview fetched, planned again
    // under the subscriptions' lock against the events as they are then, and keeps the password.
    // Fails where the table could not be changed; otherwise the new source's id and what the
    // sync did (its errors: events not written).
    struct Subscribed
    {
        QString id;
        SyncRun::Result result;
    };
    Expected<Subscribed> subscribe();
    // Publishes the events to chosen, a CalDAV calendar, from now on, and keeps the password;
    // the publish itself is the publisher's. Fails where it is refused
    // (SubscriptionTable::publishRefusal) or the table could not be changed.
    Expected<> publishTo(const FoundCollection& chosen);

    // Drops the source and its links, with removeEvents its events still as the sync wrote them
    // too (SyncRun::unsubscribe), and its password. Fails where the table could not be changed
    // or an event not deleted (the source then stays, with the links of those); result says
    // what was done either way.
    Expected<> unsubscribe(const QString& sourceId, bool removeEvents, SyncRun::Result& result);

Q_SIGNALS:
    // A request is under way, in words for the user.
    void progress(const QString& text);
    void found(const QList<FoundCollection>& collections);
    void previewed(const SyncPlan::Plan& plan);
    // A step came to nothing, in words for the user.
    void failed(const QString& message);
    // The secret store did not take the password, with its reason: the user types it again
    // when the source next syncs.
    void passwordNotKept(const QString& reason);

private:
    // The requests of find and preview; false where none is made.
    bool discover();
    bool fetch();
    // A client of its own for the step; none (failed told) where the build reaches no server.
    bool makeClient();
    // Where a request failed on a certificate the user now accepts: true, and the step is made
    // again through the event loop.
    bool retryAccepted(const SyncFailure& failure, bool (SubscriptionSetup::*step)());
    void planPreview(const RemoteChanges& changes);
    void keepPassword(const QString& id);

    BirthdayStore& m_store;
    const Clock& m_clock;
    SyncClientFactory m_clients;
    SecretStore& m_secrets;
    CertificateAsk m_askCertificate;
    std::unique_ptr<SyncClient> m_client; // the step's requests
    SyncAccount m_account;
    FoundCollection m_chosen;
    RemoteChanges m_changes; // what the last preview fetched
    // The secret store's callbacks may come after this object went.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
