#pragma once

#include "ui/platform/notifier.h"

#include <QPointer>

class TrayIcon;

// Notifications as the tray icon's own message (the balloon or toast of Windows). A click on
// the message of an urgent notification opens the main window.
class TrayNotifier : public Notifier
{
    Q_OBJECT
public:
    explicit TrayNotifier(TrayIcon* tray, QObject* parent = nullptr);

    int notify(const Message& message) override;

    // How long a message stays where the platform lets the program say (it may not).
    static constexpr int messageMs = 10000;
    static constexpr int urgentMessageMs = 60 * 60 * 1000;

private:
    QPointer<TrayIcon> m_tray;
    QMetaObject::Connection m_clicked;
    bool m_lastUrgent = false;
};
