#pragma once

#include <QObject>

class QMenu;
class QIcon;

// The program's icon in the system tray: a left click asks for the main window, a right click
// opens the tray menu.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Adds the icon with its menu and tip; false when the desktop has no tray.
    bool trayIconAdd(QMenu* menu, const QIcon& icon, const QString& tip);
    void trayIconRemove();
    bool isAdded() const;

signals:
    void showRequested();
};
