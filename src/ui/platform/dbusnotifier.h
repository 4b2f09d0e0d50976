#pragma once

#include "ui/platform/notifier.h"

#include <QDBusConnection>
#include <QSet>
#include <QStringList>

// Notifications through the freedesktop notification service (org.freedesktop.Notifications)
// on the session bus. Asks the service what it can do at each message, so a service that
// starts or changes later is taken as it is: plain text where it has no "body-markup", the
// action only where it has "actions".
class DBusNotifier : public Notifier
{
    Q_OBJECT
public:
    explicit DBusNotifier(QObject* parent = nullptr);
    // For tests: another bus than the session bus.
    DBusNotifier(const QDBusConnection& bus, QObject* parent = nullptr);

    bool notify(const Message& message) override;

    // How long to wait for the service's answer; it must not freeze the window for long.
    static constexpr int callTimeoutMs = 3000;

private slots:
    void onActionInvoked(uint id, const QString& actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    void connectSignals();

    QDBusConnection m_bus;
    QSet<uint> m_withAction; // the notifications on screen that offer "Show Candlewatcher"
};
