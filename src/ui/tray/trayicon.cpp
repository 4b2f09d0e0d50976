#include "ui/tray/trayicon.h"

#include <QIcon>
#include <QMenu>

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {}

TrayIcon::~TrayIcon()
{
    // Leave no icon behind in the tray, but tell no one: the owner is going away.
    disconnectClicks();
    if (m_icon) {
        m_icon->hide();
        m_icon.reset();
    }
}

void TrayIcon::setAvailabilityProbe(AvailabilityProbe probe)
{
    m_probe = std::move(probe);
}

bool TrayIcon::isTrayAvailable() const
{
    return m_probe ? m_probe() : QSystemTrayIcon::isSystemTrayAvailable();
}

bool TrayIcon::addToTray(QMenu* menu, const QIcon& icon, const QString& tip)
{
    if (m_icon)
        return true;
    // Qt would keep a tray icon shown "in waiting" on a desktop without a tray; the caller needs
    // to know, since the program would then have no way in.
    if (!isTrayAvailable())
        return false;
    m_icon = std::make_unique<QSystemTrayIcon>(icon);
    m_icon->setToolTip(tip);
    m_icon->setContextMenu(menu);
    m_icon->show();
    connectClicks();
    return true;
}

void TrayIcon::removeFromTray()
{
    if (!m_icon)
        return;
    disconnectClicks();
    m_icon->hide();
    // The menu belongs to the main window; the icon must not keep a platform menu of it around.
    m_icon->setContextMenu(nullptr);
    m_icon.reset();
    Q_EMIT removed();
}

bool TrayIcon::isAdded() const
{
    return m_icon != nullptr;
}

void TrayIcon::setTip(const QString& tip)
{
    if (m_icon)
        m_icon->setToolTip(tip);
}

void TrayIcon::connectClicks()
{
    disconnectClicks();
    m_clicks = connect(m_icon.get(), &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);
}

void TrayIcon::disconnectClicks()
{
    if (m_clicks)
        disconnect(m_clicks);
    m_clicks = {};
}

void TrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        Q_EMIT showRequested();
        break;
    case QSystemTrayIcon::Context:     // Qt has opened the context menu already
    case QSystemTrayIcon::DoubleClick: // the Trigger of its first click has shown the window
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}
