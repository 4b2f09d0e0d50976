#include "app/syncservice.h"

#include "core/exchange/calendarexchange.h"
#include "core/settings/settingsstore.h"
#include "core/sync/publisher.h"
#include "core/sync/syncqueue.h"

#include <chrono>

SyncService::SyncService(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                         SyncClientFactory clients, const SecretStoreFactory& secrets,
                         QObject* parent)
    : QObject(parent), m_settings(settings), m_clients(std::move(clients)), m_secrets(secrets())
{
    m_timer.setObjectName(QStringLiteral("tmrSync"));
    // A client for each piece of work; none where this build reaches no server.
    m_client = [this] { return m_clients ? m_clients() : nullptr; };
    const SyncClientFactory& client = m_client;
    const auto askPassword = [this](const QString& url,
                                    const QString& userName) -> std::optional<QString> {
        return m_askPassword ? m_askPassword(url, userName) : std::nullopt;
    };
    const auto askCertificate = [this](const QString& url, const UntrustedCertificate& c) {
        return m_askCertificate && m_askCertificate(url, c);
    };
    m_queue = new SyncQueue(store, clock, client, *m_secrets, this);
    m_queue->setPasswordAsk([askPassword](const SyncSource& source) {
        return askPassword(source.url, source.userName);
    });
    m_queue->setCertificateAsk(
        [askCertificate](const SyncSource& source, const UntrustedCertificate& certificate) {
            return askCertificate(source.url, certificate);
        });
    m_publisher = new Publisher(
        store, clock, client, *m_secrets,
        [this, &clock] { return CalendarExchange::exportOptions(m_settings, clock); }, this);
    m_publisher->setPasswordAsk([askPassword](const PublishTarget& target) {
        return askPassword(target.url, target.userName);
    });
    m_publisher->setCertificateAsk(
        [askCertificate](const PublishTarget& target, const UntrustedCertificate& certificate) {
            return askCertificate(target.url, certificate);
        });
    // A publish that had nothing to send leaves the sync's line in the status bar.
    connect(m_publisher, &Publisher::finished, this,
            [this](bool ok, const QString& summary, bool sent) {
                if (!ok || sent)
                    Q_EMIT status(summary);
            });
    connect(m_queue, &SyncQueue::idle, m_publisher, &Publisher::publish);
    // The store goes with this object: its word comes while this is there.
    m_secrets->setUnavailableHandler(
        [this](const QString& reason) { noteSecretsUnavailable(reason); });
    connect(m_queue, &SyncQueue::sourceStarted, this, [this](const QString&, const QString& name) {
        Q_EMIT status(tr("Syncing \"%1\"...").arg(name));
    });
    connect(
        m_queue, &SyncQueue::sourceFinished, this,
        [this](const QString&, const QString& name, bool, const QString& summary, bool changed) {
            //: %1 is the subscription's name, %2 what its sync did or why it failed.
            Q_EMIT status(name.isEmpty() ? summary : tr("%1: %2").arg(name, summary));
            if (changed)
                Q_EMIT eventsChanged();
        });
    connect(&m_timer, &QTimer::timeout, m_queue, &SyncQueue::syncAll);
}

SyncService::~SyncService()
{
    // The queue and the publisher use the password store: they go first.
    delete m_publisher;
    delete m_queue;
}

void SyncService::start()
{
    const int hours = m_settings.read(Setting::syncHours).value_or(0);
    if (hours > 0) {
        m_timer.setInterval(std::chrono::hours(hours));
        m_timer.start();
        // A source that failed (a laptop's network not up yet at start) is not left for hours.
        m_queue->setRetry(std::chrono::minutes(10), std::chrono::hours(hours));
    }
    m_queue->syncAll();
}

void SyncService::publishSoon()
{
    m_publisher->publishSoon();
}

void SyncService::noteSecretsUnavailable(const QString& reason)
{
    m_passwordsKept = false;
    // The bus's own words help no user: they go to the log, the status bar says what to do.
    qWarning("candlewatcher: no secret service: %s", qPrintable(reason));
    Q_EMIT status(tr("No secret service (GNOME Keyring, KWallet) answered: passwords are asked "
                     "for once a session and not kept. Start or install one to keep them."));
}
