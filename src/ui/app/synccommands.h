#pragma once

#include "core/sync/syncclient.h"

#include <QObject>

#include <optional>

class BirthdayStore;
class Clock;
class SyncService;
class QWidget;

// The subscriptions in the main window: the Subscriptions dialog, and the questions the sync
// service asks (a password its store keeps not, a certificate that does not verify).
class SyncCommands : public QObject
{
    Q_OBJECT
public:
    SyncCommands(SyncService& sync, BirthdayStore& store, const Clock& clock,
                 QWidget* dialogParent);
    ~SyncCommands() override;

    void showSubscriptions();

Q_SIGNALS:
    // The dialog wrote to the data file.
    void eventsChanged();

private:
    std::optional<QString> askPassword(const QString& url, const QString& userName);
    bool askCertificate(const QString& url, const UntrustedCertificate& certificate);

    SyncService& m_sync;
    BirthdayStore& m_store;
    const Clock& m_clock;
    QWidget* m_dialogParent;
};
