#pragma once

#include "core/sync/secretstore.h"
#include "core/sync/syncclient.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class BirthdayStore;
class Clock;
class Publisher;
class SettingsStore;
class SyncQueue;

// What syncs: the subscriptions at the start, every SyncHours hours and on request, one source
// at a time and in the background, each round followed by a publish of the events where a
// calendar is set for it, as is a change of the data file. The passwords are kept by the
// password store; what it keeps not, and a certificate that does not verify, the user is asked
// about by whoever set the asks (the main window). What happens is told as one line for the
// status bar.
class SyncService : public QObject
{
    Q_OBJECT
public:
    using PasswordAsk =
        std::function<std::optional<QString>(const QString& url, const QString& userName)>;
    using CertificateAsk =
        std::function<bool(const QString& url, const UntrustedCertificate& certificate)>;

    // clients: none where this build reaches no server. The password store tells when no secret
    // service answers through SecretStore::setUnavailableHandler.
    SyncService(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                SyncClientFactory clients, const SecretStoreFactory& secrets,
                QObject* parent = nullptr);
    ~SyncService() override;

    void setPasswordAsk(PasswordAsk ask) { m_askPassword = std::move(ask); }
    void setCertificateAsk(CertificateAsk ask) { m_askCertificate = std::move(ask); }
    // False once no secret service answered: a password is then asked for once a session.
    bool passwordsKept() const { return m_passwordsKept; }

    // The first sync, and the timer for the next ones.
    void start();
    // Whoever wrote it, the published calendar follows a few seconds later.
    void publishSoon();

    // What the Subscriptions dialog works on. The clients' factory gives none where this build
    // reaches no server.
    const SyncClientFactory& clients() const { return m_client; }
    SecretStore& secrets() { return *m_secrets; }
    SyncQueue& queue() { return *m_queue; }
    Publisher& publisher() { return *m_publisher; }
    QTimer& timer() { return m_timer; }

Q_SIGNALS:
    void status(const QString& text);
    // A sync wrote to the data file.
    void eventsChanged();

private:
    void noteSecretsUnavailable(const QString& reason);

    SettingsStore& m_settings;
    SyncClientFactory m_clients;
    SyncClientFactory m_client;
    std::unique_ptr<SecretStore> m_secrets;
    SyncQueue* m_queue = nullptr;
    Publisher* m_publisher = nullptr;
    QTimer m_timer;
    PasswordAsk m_askPassword;
    CertificateAsk m_askCertificate;
    bool m_passwordsKept = true;
};
