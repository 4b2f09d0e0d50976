#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QSystemTrayIcon;

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

    // Sends the message and gives back the request's number; the answer comes later, never
    // before this returns, as answered(): accepted once the desktop took the message, refused
    // when nothing or something else answered, or the answer was too long in coming.
    virtual int notify(const Message& message) = 0;

    // The caption of the action that opens the main window.
    static QString showActionText() { return tr("Show Candlewatcher"); }

Q_SIGNALS:
    // The user chose "Show Candlewatcher" on a notification.
    void showRequested();
    void answered(int request, bool accepted);

protected:
    int nextRequest() { return ++m_lastRequest; }
    // An answer known at once still comes through the event loop, after notify() returned.
    void answerLater(int request, bool accepted);

private:
    int m_lastRequest = 0;
};

// The tray icon's Qt icon while it is in the tray, nullptr otherwise: the tray message
// notifier shows its messages there.
using TrayIconLookup = std::function<QSystemTrayIcon*()>;
// The platform's notifier, made in its file (linux/dbusnotifier.cpp, windows/traynotifier.cpp).
std::unique_ptr<Notifier> createNotifier(TrayIconLookup trayIcon);
