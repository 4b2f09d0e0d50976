#include "core/sync/syncqueue.h"

#include "core/calendar/clock.h"
#include "core/store/birthdaystore.h"
#include "core/sync/certificatetrust.h"
#include "core/sync/subscriptionguard.h"
#include "core/sync/syncplan.h"
#include "core/sync/syncrun.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

SyncQueue::SyncQueue(BirthdayStore& store, const Clock& clock, SyncClientFactory clients,
                     SecretStore& secrets, QObject* parent)
    : QObject(parent), m_store(store), m_clock(clock), m_clients(std::move(clients)),
      m_secrets(secrets)
{}

SyncQueue::~SyncQueue()
{
    *m_alive = false;
}

void SyncQueue::setRetry(std::chrono::milliseconds first, std::chrono::milliseconds longest)
{
    m_firstRetry = first;
    m_longestRetry = std::max(first, longest);
}

std::chrono::milliseconds SyncQueue::retryDelay(int failures) const
{
    std::chrono::milliseconds delay = m_firstRetry;
    for (int i = 1; i < failures && delay < m_longestRetry; ++i)
        delay *= 2;
    return std::min(delay, m_longestRetry);
}

void SyncQueue::syncAll()
{
    const Expected<SubscriptionTable> table =
        SubscriptionFile::load(SubscriptionFile::pathFor(m_store.dataPath()));
    if (table) {
        for (const SyncSource& source : table->sources)
            syncSource(source.id);
    }
    if (isRunning() || !m_waiting.isEmpty())
        return;
    // Told through the event loop too, as a sync's end is.
    QTimer::singleShot(0, this, [this, error = table.error()] {
        if (!error.isEmpty())
            Q_EMIT sourceFinished(QString(), QString(), false, error, false);
        if (!isRunning() && m_waiting.isEmpty())
            Q_EMIT idle();
    });
}

void SyncQueue::syncSource(const QString& sourceId)
{
    if (sourceId == m_current || m_waiting.contains(sourceId))
        return;
    m_waiting.append(sourceId);
    if (!isRunning())
        // Through the event loop: the caller never waits on any part of a sync.
        QTimer::singleShot(0, this, &SyncQueue::startNext);
}

void SyncQueue::startNext()
{
    if (isRunning())
        return;
    if (m_waiting.isEmpty()) {
        Q_EMIT idle();
        return;
    }
    m_current = m_waiting.takeFirst();
    Expected<SubscriptionTable> table =
        SubscriptionFile::load(SubscriptionFile::pathFor(m_store.dataPath()));
    const SyncSource* found = table ? table->source(m_current) : nullptr;
    if (!found) {
        // Removed meanwhile: nothing to do. A table that does not read is told.
        const QString gone = m_current;
        m_current.clear();
        if (!table)
            Q_EMIT sourceFinished(gone, QString(), false, table.error(), false);
        QTimer::singleShot(0, this, &SyncQueue::startNext);
        return;
    }
    const SyncSource source = *found;
    Q_EMIT sourceStarted(source.id, source.displayName);
    if (source.userName.isEmpty()) {
        fetch(source, QString());
        return;
    }
    m_secrets.read(source.id, [this, alive = m_alive, source](const std::optional<QString>& kept) {
        if (!*alive)
            return;
        const std::optional<QString> password =
            m_secrets.keptOrAsked(source.id, kept, [this, &source] {
                return m_ask ? m_ask(source) : std::optional<QString>();
            });
        if (!password) {
            take(source, {},
                 QCoreApplication::translate("SyncQueue", "No password for %1 (user %2).")
                     .arg(source.url, source.userName));
            return;
        }
        fetch(source, *password);
    });
}

void SyncQueue::fetch(const SyncSource& source, const QString& password)
{
    // A fetch again after a certificate was accepted comes from inside the last client's
    // callback.
    dropClient();
    m_client = m_clients ? m_clients() : nullptr;
    if (!m_client) {
        take(source, {},
             QCoreApplication::translate(
                 "SyncQueue", "This copy of Candlewatcher was built without network access."));
        return;
    }
    Expected<SubscriptionTable> table =
        SubscriptionFile::load(SubscriptionFile::pathFor(m_store.dataPath()));
    const QHash<QString, QString> etags =
        table ? SyncPlan::knownEtags(table->linksOf(source.id)) : QHash<QString, QString>();
    m_client->fetch(
        {source.url, source.userName, password, source.acceptedCertificate}, source, etags,
        [this, source, password](const RemoteChanges& changes, const SyncFailure& failure) {
            fetched(source, password, changes, failure);
        });
}

void SyncQueue::fetched(const SyncSource& source, const QString& password,
                        const RemoteChanges& changes, const SyncFailure& failure)
{
    const QByteArray& pem = failure.certificate.pem;
    const auto ask = [this, &source](const UntrustedCertificate& certificate) {
        return m_askCertificate && m_askCertificate(source, certificate);
    };
    if (!CertificateTrust::accepted(failure, source.acceptedCertificate, ask)) {
        take(source, changes, failure.message, pem.isEmpty());
        return;
    }
    bool gone = false;
    const Expected<> kept = CertificateTrust::keep(
        m_store.dataPath(), pem,
        [&source](SubscriptionTable& table) {
            SyncSource* kept = table.source(source.id);
            return kept ? &kept->acceptedCertificate : nullptr;
        },
        gone);
    if (!kept) {
        take(source, {}, kept.error());
        return;
    }
    if (gone) { // removed meanwhile
        finish(source, true, QString(), false);
        return;
    }
    SyncSource accepted = source;
    accepted.acceptedCertificate = pem;
    fetch(accepted, password);
}

void SyncQueue::take(const SyncSource& source, const RemoteChanges& changes, const QString& error,
                     bool retry)
{
    // The plan is made against the links as they are now, under the lock: another copy may
    // have synced or removed the source while this one waited on the server.
    SyncRun::Result result;
    bool known = false;
    const QDateTime now = m_clock.now();
    const Expected<> locked =
        SubscriptionGuard::change(m_store.dataPath(), [&](SubscriptionTable& table) {
            const SyncSource* current = table.source(source.id);
            if (!current)
                return;
            known = true;
            if (!error.isEmpty()) {
                result = SyncRun::fetchFailed(m_store, table, source.id, error, now);
                return;
            }
            const Expected<QList<BirthdayRecord>> records = m_store.readAllRecords();
            if (!records) {
                result = SyncRun::fetchFailed(m_store, table, source.id, records.error(), now);
                return;
            }
            const SyncPlan::Plan plan = SyncPlan::make(*current, changes, table.links, *records,
                                                       now.date(), m_store.dateLocale());
            result = SyncRun::apply(m_store, table, source.id, plan, now);
        });
    if (!locked) { // another copy kept the table: tried again later
        finish(source, false, locked.error(), false, true);
        return;
    }
    if (!known) { // removed meanwhile
        finish(source, true, QString(), false);
        return;
    }
    const bool changed = result.added + result.updated + result.removed > 0;
    finish(source, error.isEmpty() && result.errors.isEmpty(),
           error.isEmpty() ? result.summary() : error, changed, retry && !error.isEmpty());
}

void SyncQueue::finish(const SyncSource& source, bool ok, const QString& summary, bool changed,
                       bool retry)
{
    if (ok) {
        m_failures.remove(source.id);
    } else if (retry && m_firstRetry.count() > 0) {
        const QString id = source.id;
        QTimer::singleShot(retryDelay(++m_failures[id]), this, [this, id] { syncSource(id); });
    }
    dropClient();
    m_current.clear();
    Q_EMIT sourceFinished(source.id, source.displayName, ok, summary, changed);
    QTimer::singleShot(0, this, &SyncQueue::startNext);
}

void SyncQueue::dropClient()
{
    // The client may be the caller: it goes once its callback has returned.
    if (m_client)
        QTimer::singleShot(0, this, [client = std::shared_ptr<SyncClient>(std::move(m_client))] {});
}
