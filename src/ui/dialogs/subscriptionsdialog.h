#pragma once

#include "core/sync/subscriptionsetup.h"
#include "core/sync/syncclient.h"
#include "core/sync/syncplan.h"
#include "ui/common/messageprompt.h"

#include <QDialog>

class BirthdayStore;
class Clock;
class Publisher;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class SecretStore;
class SyncQueue;

// "Subscriptions": the subscribed address books and calendars with their last sync's time and
// result, and Add, Remove, Sync Now. Adding goes through three steps in the same window: the
// address, user name and password; the address books and calendars found behind it; and what
// the chosen one will add, before anything is written. Subscribe writes the events and keeps
// the password in the secret store. A CalDAV calendar can be chosen to publish the events to
// instead; it shows as a row of its own. The steps themselves are SubscriptionSetup's.
class SubscriptionsDialog : public QDialog
{
    Q_OBJECT
public:
    enum Page { ListPage, AccountPage, ChoosePage, PreviewPage };

    SubscriptionsDialog(BirthdayStore& store, const Clock& clock, SyncClientFactory clients,
                        SecretStore& secrets, SyncQueue& queue, Publisher& publisher,
                        QWidget* parent = nullptr);
    ~SubscriptionsDialog() override;

    // Remove's question goes through it (tests answer it).
    MessagePrompt& prompt() { return m_prompt; }
    Page page() const;
    QTreeWidget* sources() const { return m_sources; }
    QTreeWidget* preview() const { return m_preview; }
    QListWidget* found() const { return m_found; }

Q_SIGNALS:
    // Events were written or removed here: the list must follow.
    void eventsChanged();

private:
    QWidget* buildListPage();
    QWidget* buildAccountPage();
    QWidget* buildChoosePage();
    QWidget* buildPreviewPage();
    void showPage(Page page);
    void fillSources();
    void addSource();
    void removeSource();
    void syncNow();
    void findCollections();
    void showFound(const QList<FoundCollection>& found);
    void showPreview(const SyncPlan::Plan& plan);
    void subscribe();
    void next();
    void publishTo(const FoundCollection& chosen);
    void removePublishing();
    // Shows a step's failure or progress in the add steps; busy greys the step's buttons.
    void tell(const QString& text, bool busy = false);
    QString selectedSourceId() const;

    BirthdayStore& m_store;
    SyncQueue& m_queue;
    Publisher& m_publisher;
    MessagePrompt m_prompt;
    SubscriptionSetup m_setup;
    QList<FoundCollection> m_collections;
    QString m_syncing; // the source id the queue is on

    QStackedWidget* m_pages = nullptr;
    QTreeWidget* m_sources = nullptr;
    QPushButton* m_remove = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QListWidget* m_found = nullptr;
    QCheckBox* m_publish = nullptr;
    QPushButton* m_next = nullptr;
    QTreeWidget* m_preview = nullptr;
    QLabel* m_previewCount = nullptr;
    QLabel* m_status = nullptr;
    QList<QPushButton*> m_stepButtons;
};
