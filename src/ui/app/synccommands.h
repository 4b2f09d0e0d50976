#pragma once

#include "core/sync/syncclient.h"

#include <QObject>
#include <QTimer>

class BirthdayStore;
class Clock;
class KeychainSecrets;
class Publisher;
class SettingsStore;
class SyncQueue;
class QWidget;

// The subscriptions in the tray program: the sync at start, every SyncHours hours and on Sync
// Now, one source at a time and in the background, each round followed by a publish of the
// events where a calendar is set for it, as is a change of the data file; the passwords in the
// secret service, asked for where it keeps none; the Subscriptions dialog. What happens is told
// as one line for the status bar.
class SyncCommands : public QObject
{
    Q_OBJECT
public:
    SyncCommands(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                 QWidget* dialogParent);
    ~SyncCommands() override;

    // Where clients for the network come from; none: this build reaches no server.
    void setClientFactory(SyncClientFactory clients) { m_clients = std::move(clients); }
    // The first sync, and the timer for the next ones.
    void start();
    void showSubscriptions();
    SyncQueue& queue() { return *m_queue; }
    Publisher& publisher() { return *m_publisher; }
    QTimer& timer() { return m_timer; }

Q_SIGNALS:
    void status(const QString& text);
    // A sync or the dialog wrote to the data file.
    void refreshNeeded();

private:
    std::optional<QString> askPassword(const QString& url, const QString& userName);
    bool askCertificate(const QString& url, const UntrustedCertificate& certificate);

    BirthdayStore& m_store;
    SettingsStore& m_settings;
    const Clock& m_clock;
    QWidget* m_dialogParent;
    SyncClientFactory m_clients;
    KeychainSecrets* m_secrets = nullptr;
    SyncQueue* m_queue = nullptr;
    Publisher* m_publisher = nullptr;
    QTimer m_timer;
    bool m_noSecretService = false;
};
