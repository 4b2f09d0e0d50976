#include "platform/windows/traynotifier.h"

#include <QSystemTrayIcon>

#include <utility>

TrayNotifier::TrayNotifier(TrayIconLookup trayIcon, QObject* parent)
    : Notifier(parent), m_trayIcon(std::move(trayIcon))
{}

int TrayNotifier::notify(const Message& message)
{
    const int request = nextRequest();
    QSystemTrayIcon* icon = m_trayIcon ? m_trayIcon() : nullptr;
    if (!icon || !QSystemTrayIcon::supportsMessages()) {
        answerLater(request, false);
        return request;
    }
    // The icon is made anew when the tray comes back, so the click is connected each time.
    disconnect(m_clicked);
    m_lastUrgent = message.urgent;
    m_clicked = connect(icon, &QSystemTrayIcon::messageClicked, this, [this] {
        if (m_lastUrgent)
            Q_EMIT showRequested();
    });
    icon->showMessage(message.title, message.body,
                      message.urgent ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information,
                      message.urgent ? urgentMessageMs : messageMs);
    answerLater(request, true);
    return request;
}

std::unique_ptr<Notifier> createNotifier(TrayIconLookup trayIcon)
{
    return std::make_unique<TrayNotifier>(std::move(trayIcon));
}
