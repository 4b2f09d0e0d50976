#pragma once

#include "core/sync/secretstore.h"
#include "core/sync/subscriptions.h"
#include "core/sync/syncclient.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <chrono>

#include <functional>
#include <memory>
#include <optional>

class BirthdayStore;
class Clock;

// Syncs the subscribed sources one at a time, in the background: a source asked for while
// another syncs waits its turn, and one already waiting is not queued twice. Each sync takes
// the password from the secret store (or asks for it), fetches what changed, then plans and
// writes under the subscriptions' lock (SyncRun::apply makes the day's backup first). A fetch
// that fails leaves the events as they were and notes why in the source's last result.
class SyncQueue : public QObject
{
    Q_OBJECT
public:
    // Asked where the secret store keeps no password for a source that has a user name; none:
    // the sync of that source fails.
    using PasswordAsk = std::function<std::optional<QString>(const SyncSource& source)>;

    SyncQueue(BirthdayStore& store, const Clock& clock, SyncClientFactory clients,
              SecretStore& secrets, QObject* parent = nullptr);
    ~SyncQueue() override;

    // Asked where a source's server shows a certificate that does not verify; true: the user
    // accepts it for that source, which keeps it and syncs again. None: refused.
    using CertificateAsk =
        std::function<bool(const SyncSource& source, const UntrustedCertificate& certificate)>;

    void setPasswordAsk(PasswordAsk ask) { m_ask = std::move(ask); }
    // After a fetch that failed (the server down, the network not up yet after a start), the
    // source is synced again by itself: after `first`, then twice as long after each further
    // failure, up to `longest`. Not where the user refused a password or a certificate, which
    // would only be asked again. Off while first is zero, as by default.
    void setRetry(std::chrono::milliseconds first, std::chrono::milliseconds longest);
    std::chrono::milliseconds retryDelay(int failures) const;
    void setCertificateAsk(CertificateAsk ask) { m_askCertificate = std::move(ask); }

    void syncAll();
    void syncSource(const QString& sourceId);
    bool isRunning() const { return !m_current.isEmpty(); }

Q_SIGNALS:
    void sourceStarted(const QString& sourceId, const QString& name);
    // summary: SyncRun::Result::summary, or why the sync failed. changed: the data file was
    // written.
    void sourceFinished(const QString& sourceId, const QString& name, bool ok,
                        const QString& summary, bool changed);
    // Nothing left to sync.
    void idle();

private:
    void startNext();
    void fetch(const SyncSource& source, const QString& password);
    void fetched(const SyncSource& source, const QString& password, const RemoteChanges& changes,
                 const SyncFailure& failure);
    // retry: a failure that a later try may not meet (see setRetry).
    void take(const SyncSource& source, const RemoteChanges& changes, const QString& error,
              bool retry = false);
    void finish(const SyncSource& source, bool ok, const QString& summary, bool changed,
                bool retry = false);
    void dropClient();

    BirthdayStore& m_store;
    const Clock& m_clock;
    SyncClientFactory m_clients;
    SecretStore& m_secrets;
    PasswordAsk m_ask;
    CertificateAsk m_askCertificate;
    QStringList m_waiting;
    QString m_current;
    std::unique_ptr<SyncClient> m_client;
    std::chrono::milliseconds m_firstRetry{0};
    std::chrono::milliseconds m_longestRetry{0};
    QHash<QString, int> m_failures; // failed syncs in a row, by source id
    // Bumped when this object goes: callbacks of a secret store that outlives it do nothing.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
