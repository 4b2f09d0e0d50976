#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>

class QMenu;
class QIcon;

// The program's icon in the system tray: a left click asks for the main window, a right click
// opens the tray menu. The icon exists from addToTray until removeFromTray; both may be called
// again (a tray that appears late, a second clean-up at the end).
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    using AvailabilityProbe = std::function<bool()>;

    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Adds the icon with its menu and tip; false when the desktop has no tray. The menu stays
    // owned by the caller and must outlive the icon (or be taken back with removeFromTray).
    bool addToTray(QMenu* menu, const QIcon& icon, const QString& tip);
    // Takes the icon out of the tray; nothing to do when it is not there.
    void removeFromTray();
    bool isAdded() const;
    // A new tip for the icon while it is there (the check names the next event in it).
    void setTip(const QString& tip);

    // Whether the desktop offers a tray now. Defaults to Qt's own test; tests and the
    // late-tray retry replace it.
    void setAvailabilityProbe(AvailabilityProbe probe);
    bool isTrayAvailable() const;

    // The Qt icon while added, for inspection; nullptr otherwise.
    QSystemTrayIcon* systemTrayIcon() const { return m_icon.get(); }

Q_SIGNALS:
    void showRequested();
    // The icon has just been taken out of the tray.
    void removed();

private:
    // What a click on the icon does: a left click (Trigger) asks for the main window. A right
    // click needs nothing here, Qt opens the context menu itself; other clicks do nothing.
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    // Connects the icon's clicks to onActivated, and takes that back.
    void connectClicks();
    void disconnectClicks();

    std::unique_ptr<QSystemTrayIcon> m_icon;
    QMetaObject::Connection m_clicks;
    AvailabilityProbe m_probe;
};
