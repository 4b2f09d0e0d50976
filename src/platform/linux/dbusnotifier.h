#pragma once

#include "platform/notifier.h"

#include <QDBusConnection>
#include <QSet>
#include <QStringList>

// Notifications through the freedesktop notification service (org.freedesktop.Notifications)
// on the session bus. Asks the service what it can do before each batch of messages, so a
// service that starts or changes later is taken as it is: plain text where it has no
// "body-markup", the action only where it has "actions". Every call is asynchronous, so a
// service that is slow or never answers leaves the program running; such a message counts as
// refused.
class DBusNotifier : public Notifier
{
    Q_OBJECT
public:
    explicit DBusNotifier(QObject* parent = nullptr);
    // For tests: another bus than the session bus.
    DBusNotifier(const QDBusConnection& bus, QObject* parent = nullptr);

    int notify(const Message& message) override;

    // How long to wait for each of the service's answers before the message counts as refused.
    static constexpr int callTimeoutMs = 3000;

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    struct Waiting
    {
        int request;
        Message message;
    };

    void connectSignals();
    void askCapabilities();
    void sendWaiting(const QDBusMessage& capabilitiesReply);
    void send(int request, const Message& message, const QStringList& capabilities);

    QDBusConnection m_bus;
    // The messages sent while the service's capabilities are being asked for.
    QList<Waiting> m_waiting;
    bool m_askingCapabilities = false;
    QSet<uint> m_withAction; // the notifications on screen that offer "Show Candlewatcher"
};
