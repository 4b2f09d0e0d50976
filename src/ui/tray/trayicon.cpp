#include "trayicon.h"

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {}
TrayIcon::~TrayIcon() = default;

bool TrayIcon::trayIconAdd(QMenu*, const QIcon&, const QString&)
{
    return false; // TODO(tray): placeholder until the tray lands
}

void TrayIcon::trayIconRemove() {}
bool TrayIcon::isAdded() const { return false; }
