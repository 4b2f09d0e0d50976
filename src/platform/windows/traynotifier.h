#pragma once

#include "platform/notifier.h"

// Notifications as the tray icon's own message (the balloon or toast of Windows). A click on
// the message of an urgent notification opens the main window.
class TrayNotifier : public Notifier
{
    Q_OBJECT
public:
    explicit TrayNotifier(TrayIconLookup trayIcon, QObject* parent = nullptr);

    int notify(const Message& message) override;

    // How long a message stays where the platform lets the program say (it may not).
    static constexpr int messageMs = 10000;
    static constexpr int urgentMessageMs = 60 * 60 * 1000;

private:
    TrayIconLookup m_trayIcon;
    QMetaObject::Connection m_clicked;
    bool m_lastUrgent = false;
};
