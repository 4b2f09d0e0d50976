#pragma once

#include <QObject>
#include <QString>

#include <memory>

class TrayIcon;

// The desktop's own notifications, as the reminder code asks for them: "show this". How they
// get there is the platform's business: the freedesktop notification service over D-Bus on
// Linux, the tray icon's message balloon on Windows.
class Notifier : public QObject
{
    Q_OBJECT
public:
    struct Message
    {
        QString title;
        QString body; // plain text, lines separated by "\n"
        // The day's alert: it stays until dismissed, marked critical, and offers to open the
        // main window.
        bool urgent = false;
    };

    using QObject::QObject;

    // True once the desktop has taken the message; false when nothing answered.
    virtual bool notify(const Message& message) = 0;

    // The caption of the action that opens the main window.
    static QString showActionText() { return QStringLiteral("Show Candlewatcher"); }

signals:
    // The user chose "Show Candlewatcher" on a notification.
    void showRequested();
};

// The platform's notifier; the tray message one needs the tray icon.
std::unique_ptr<Notifier> createNotifier(TrayIcon* tray);
