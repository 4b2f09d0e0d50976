#include "ui/dialogs/subscriptionsdialog.h"

#include "core/store/birthdaystore.h"
#include "core/sync/publisher.h"
#include "core/sync/syncqueue.h"
#include "ui/dialogs/certificatequestion.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString kindText(SyncSource::Kind kind)
{
    switch (kind) {
    case SyncSource::Kind::AddressBook:
        return SubscriptionsDialog::tr("Address book");
    case SyncSource::Kind::Calendar:
        return SubscriptionsDialog::tr("Calendar");
    case SyncSource::Kind::CalendarAddress:
        break;
    }
    return SubscriptionsDialog::tr("Calendar address");
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

// A row of buttons, right-aligned as dialogs have them.
QHBoxLayout* buttonRow(const QList<QPushButton*>& buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

// A page's parts in a column, edge to edge: the dialog's own margins frame them.
QVBoxLayout* pageLayout(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

// A list in columns, one row an item.
QTreeWidget* table(QWidget* page, const char* name, const QString& accessibleName,
                   const QStringList& headers)
{
    auto* list = new QTreeWidget(page);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(accessibleName);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    return list;
}

} // namespace

SubscriptionsDialog::SubscriptionsDialog(BirthdayStore& store, const Clock& clock,
                                         SyncClientFactory clients, SecretStore& secrets,
                                         SyncQueue& queue, Publisher& publisher, QWidget* parent)
    : QDialog(parent), m_store(store), m_queue(queue), m_publisher(publisher), m_prompt(this),
      m_setup(store, clock, std::move(clients), secrets)
{
    setObjectName(QStringLiteral("frmSubscriptions"));
    setWindowTitle(tr("Subscriptions"));

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildListPage());
    m_pages->addWidget(buildAccountPage());
    m_pages->addWidget(buildChoosePage());
    m_pages->addWidget(buildPreviewPage());
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_status);

    connect(&m_queue, &SyncQueue::sourceStarted, this, [this](const QString& id) {
        m_syncing = id;
        fillSources();
    });
    connect(&m_queue, &SyncQueue::sourceFinished, this, [this] {
        m_syncing.clear();
        fillSources();
    });
    connect(&m_publisher, &Publisher::finished, this, [this](bool ok, const QString& summary) {
        fillSources();
        if (!ok)
            m_status->setText(summary);
    });
    connect(&m_setup, &SubscriptionSetup::progress, this,
            [this](const QString& text) { tell(text, true); });
    connect(&m_setup, &SubscriptionSetup::failed, this,
            [this](const QString& text) { tell(text); });
    connect(&m_setup, &SubscriptionSetup::found, this, &SubscriptionsDialog::showFound);
    connect(&m_setup, &SubscriptionSetup::previewed, this, &SubscriptionsDialog::showPreview);
    connect(&m_setup, &SubscriptionSetup::passwordNotKept, this, [this](const QString& reason) {
        m_prompt.reportFailure(tr("The password could not be kept."), reason);
    });
    m_setup.setCertificateAsk([this](const QString& address, const SyncFailure& failure) {
        tell(failure.message);
        return acceptCertificate(m_prompt, QUrl(address).host(), failure.certificate);
    });
    fillSources();
    showPage(ListPage);
}

SubscriptionsDialog::~SubscriptionsDialog() = default;

QWidget* SubscriptionsDialog::buildListPage()
{
    auto* page = new QWidget(this);
    m_sources =
        table(page, "lvwSources", tr("Subscriptions"), {tr("Name"), tr("Last sync"), tr("Result")});
    // The result gets the most room: a failure's message names the address.
    m_sources->setMinimumSize(640, 200);
    m_sources->setColumnWidth(0, 150);
    m_sources->setColumnWidth(1, 150);
    auto* add = button(page, "cmdAdd", tr("&Add..."));
    m_remove = button(page, "cmdRemove", tr("&Remove"));
    auto* sync = button(page, "cmdSyncNow", tr("&Sync Now"));
    auto* close = button(page, "cmdClose", tr("&Close"));
    connect(add, &QPushButton::clicked, this, &SubscriptionsDialog::addSource);
    connect(m_remove, &QPushButton::clicked, this, &SubscriptionsDialog::removeSource);
    connect(sync, &QPushButton::clicked, this, &SubscriptionsDialog::syncNow);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_sources, &QTreeWidget::currentItemChanged, this,
            [this] { m_remove->setEnabled(!selectedSourceId().isEmpty()); });
    auto* layout = pageLayout(page);
    auto* heading = new QLabel(tr("Address books and calendars whose birthdays and events are "
                                  "kept in step with your list."),
                               page);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    layout->addWidget(m_sources, 1);
    layout->addLayout(buttonRow({add, m_remove, sync, close}));
    return page;
}

QWidget* SubscriptionsDialog::buildAccountPage()
{
    auto* page = new QWidget(this);
    m_address = new QLineEdit(page);
    m_address->setObjectName(QStringLiteral("txtAddress"));
    m_address->setPlaceholderText(QStringLiteral("https://"));
    m_user = new QLineEdit(page);
    m_user->setObjectName(QStringLiteral("txtUserName"));
    m_password = new QLineEdit(page);
    m_password->setObjectName(QStringLiteral("txtPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    auto* form = new QFormLayout;
    form->addRow(tr("Addr&ess:"), m_address);
    form->addRow(tr("&User name:"), m_user);
    form->addRow(tr("&Password:"), m_password);
    auto* hint = new QLabel(
        tr("The address of your server (for Nextcloud https://HOST/remote.php/dav), of an "
           "address book or calendar, or of a calendar file (https:// or webcal://). Leave the "
           "user name empty for a public calendar."),
        page);
    hint->setWordWrap(true);
    auto* find = button(page, "cmdFind", tr("&Find"));
    find->setDefault(true);
    auto* back = button(page, "cmdAccountBack", tr("&Back"));
    m_stepButtons << find;
    connect(find, &QPushButton::clicked, this, &SubscriptionsDialog::findCollections);
    connect(back, &QPushButton::clicked, this, [this] { showPage(ListPage); });
    connect(m_address, &QLineEdit::returnPressed, this, &SubscriptionsDialog::findCollections);
    connect(m_password, &QLineEdit::returnPressed, this, &SubscriptionsDialog::findCollections);
    auto* layout = pageLayout(page);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addStretch(1);
    layout->addLayout(buttonRow({back, find}));
    return page;
}

QWidget* SubscriptionsDialog::buildChoosePage()
{
    auto* page = new QWidget(this);
    m_found = new QListWidget(page);
    m_found->setObjectName(QStringLiteral("lstFound"));
    auto* label = new QLabel(tr("&Choose the address book or calendar to subscribe to:"), page);
    label->setBuddy(m_found);
    m_publish = new QCheckBox(tr("&Publish my events to this calendar instead"), page);
    m_publish->setObjectName(QStringLiteral("chkPublish"));
    m_next = button(page, "cmdPreview", tr("Pre&view"));
    m_next->setDefault(true);
    auto* back = button(page, "cmdChooseBack", tr("&Back"));
    m_stepButtons << m_next;
    connect(m_next, &QPushButton::clicked, this, &SubscriptionsDialog::next);
    connect(m_found, &QListWidget::itemActivated, this, &SubscriptionsDialog::next);
    connect(back, &QPushButton::clicked, this, [this] { showPage(AccountPage); });
    // Only a CalDAV calendar takes events.
    connect(m_found, &QListWidget::currentRowChanged, this, [this](int row) {
        const bool calendar = row >= 0 && row < m_collections.size() &&
                              m_collections.at(row).kind == SyncSource::Kind::Calendar;
        m_publish->setEnabled(calendar);
        if (!calendar)
            m_publish->setChecked(false);
    });
    connect(m_publish, &QCheckBox::toggled, this,
            [this](bool on) { m_next->setText(on ? tr("Publis&h") : tr("Pre&view")); });
    auto* layout = pageLayout(page);
    layout->addWidget(label);
    layout->addWidget(m_found, 1);
    layout->addWidget(m_publish);
    layout->addLayout(buttonRow({back, m_next}));
    return page;
}

QWidget* SubscriptionsDialog::buildPreviewPage()
{
    auto* page = new QWidget(this);
    m_preview = table(page, "lvwPreview", tr("What the subscription adds"),
                      {tr("Name"), tr("Date"), tr("What happens")});
    m_preview->setColumnWidth(0, 200);
    m_previewCount = new QLabel(page);
    m_previewCount->setObjectName(QStringLiteral("lblPreviewCount"));
    m_previewCount->setWordWrap(true);
    auto* subscribe = button(page, "cmdSubscribe", tr("S&ubscribe"));
    subscribe->setDefault(true);
    auto* back = button(page, "cmdPreviewBack", tr("&Back"));
    m_stepButtons << subscribe;
    connect(subscribe, &QPushButton::clicked, this, &SubscriptionsDialog::subscribe);
    connect(back, &QPushButton::clicked, this, [this] { showPage(ChoosePage); });
    auto* layout = pageLayout(page);
    layout->addWidget(m_previewCount);
    layout->addWidget(m_preview, 1);
    layout->addLayout(buttonRow({back, subscribe}));
    return page;
}

SubscriptionsDialog::Page SubscriptionsDialog::page() const
{
    return Page(m_pages->currentIndex());
}

void SubscriptionsDialog::showPage(Page page)
{
    // A step left drops its requests, whose answers would land on another step.
    m_setup.cancel();
    tell(QString());
    m_pages->setCurrentIndex(page);
    // Return anywhere on a step takes the step's own button, not one of a hidden page.
    for (QPushButton* b : std::as_const(m_stepButtons))
        b->setDefault(m_pages->currentWidget()->isAncestorOf(b));
    QWidget* first = page == ListPage      ? static_cast<QWidget*>(m_sources)
                     : page == AccountPage ? static_cast<QWidget*>(m_address)
                     : page == ChoosePage  ? static_cast<QWidget*>(m_found)
                                           : static_cast<QWidget*>(m_preview);
    first->setFocus();
}

void SubscriptionsDialog::tell(const QString& text, bool busy)
{
    m_status->setText(text);
    for (QPushButton* b : std::as_const(m_stepButtons))
        b->setEnabled(!busy);
}

void SubscriptionsDialog::fillSources()
{
    const QString current = selectedSourceId();
    m_sources->clear();
    const Expected<SubscriptionTable> table =
        SubscriptionFile::load(SubscriptionFile::pathFor(m_store.dataPath()));
    if (!table)
        m_status->setText(table.error());
    const QLocale locale;
    for (const SyncSource& source : table ? table->sources : QList<SyncSource>()) {
        auto* row = new QTreeWidgetItem(m_sources);
        row->setData(0, Qt::UserRole, source.id);
        row->setText(0, source.displayName.isEmpty() ? source.url : source.displayName);
        row->setToolTip(0, kindText(source.kind) + QStringLiteral(": ") + source.url);
        row->setText(1, source.lastSync.isValid()
                            ? locale.toString(source.lastSync, QLocale::ShortFormat)
                            : tr("Never"));
        row->setText(2, source.id == m_syncing ? tr("Syncing...") : source.lastResult);
        row->setToolTip(2, row->text(2));
        if (source.id == current)
            m_sources->setCurrentItem(row);
    }
    if (const PublishTarget* target = table && table->publishing ? &*table->publishing : nullptr) {
        auto* row = new QTreeWidgetItem(m_sources);
        row->setData(0, Qt::UserRole, PublishTarget::secretId);
        row->setText(0,
                     tr("Publishing to %1")
                         .arg(target->displayName.isEmpty() ? target->url : target->displayName));
        row->setToolTip(0, target->url);
        row->setText(1, target->lastPublish.isValid()
                            ? locale.toString(target->lastPublish, QLocale::ShortFormat)
                            : tr("Never"));
        row->setText(2, target->lastResult);
        row->setToolTip(2, row->text(2));
        if (current == PublishTarget::secretId)
            m_sources->setCurrentItem(row);
    }
    if (!m_sources->currentItem())
        m_sources->setCurrentItem(m_sources->topLevelItem(0));
    m_remove->setEnabled(!selectedSourceId().isEmpty());
}

QString SubscriptionsDialog::selectedSourceId() const
{
    const QTreeWidgetItem* row = m_sources->currentItem();
    return row ? row->data(0, Qt::UserRole).toString() : QString();
}

void SubscriptionsDialog::addSource()
{
    m_address->clear();
    m_user->clear();
    m_password->clear();
    m_setup.reset();
    m_publish->setChecked(false);
    showPage(AccountPage);
}

void SubscriptionsDialog::removeSource()
{
    const QString id = selectedSourceId();
    if (id == PublishTarget::secretId)
        return removePublishing();
    if (id.isEmpty())
        return;
    const QString name = m_sources->currentItem()->text(0);
    const QMessageBox::StandardButton answer = m_prompt.ask(
        QMessageBox::Question,
        tr("Remove the subscription to \"%1\".\n\nRemove its events from your list too? Yes "
           "removes them; No keeps them as your own. Events you changed here are kept either "
           "way.")
            .arg(name),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return;
    SyncRun::Result result;
    const Expected<> removed = m_setup.unsubscribe(id, answer == QMessageBox::Yes, result);
    if (result.removed > 0)
        Q_EMIT eventsChanged();
    fillSources();
    if (!removed)
        m_prompt.reportFailure(tr("The subscription could not be removed."), removed.error());
}

void SubscriptionsDialog::syncNow()
{
    const QString id = selectedSourceId();
    if (id.isEmpty())
        m_queue.syncAll();
    else if (id == PublishTarget::secretId)
        m_publisher.publish();
    else
        m_queue.syncSource(id);
}

void SubscriptionsDialog::findCollections()
{
    if (!m_setup.find(m_address->text(), m_user->text(), m_password->text()))
        m_address->setFocus();
}

void SubscriptionsDialog::showFound(const QList<FoundCollection>& found)
{
    m_collections = found;
    m_found->clear();
    for (const FoundCollection& collection : found)
        m_found->addItem(QStringLiteral("%1 (%2)").arg(
            collection.displayName.isEmpty() ? collection.url : collection.displayName,
            kindText(collection.kind)));
    m_found->setCurrentRow(0);
    showPage(ChoosePage);
}

void SubscriptionsDialog::showPreview(const SyncPlan::Plan& plan)
{
    m_preview->clear();
    int linked = 0;
    for (const SyncPlan::Action& action : plan.actions) {
        const bool add = action.kind == SyncPlan::Action::Kind::Add;
        linked += add ? 0 : 1;
        auto* item = new QTreeWidgetItem(m_preview);
        item->setText(0, action.values.value(BirthdayRecord::Name));
        // The day as the list shows dates, where it reads.
        const QString date = action.values.value(BirthdayRecord::Date);
        const QDate day = QDate::fromString(date, Qt::ISODate);
        item->setText(1, day.isValid() ? QLocale().toString(day, QLocale::ShortFormat) : date);
        item->setText(2, add ? tr("Added") : tr("Linked to the event in your list"));
    }
    for (const QString& left : plan.leftOut) {
        auto* item = new QTreeWidgetItem(m_preview);
        item->setText(0, left.section(QStringLiteral(": "), 0, 0));
        item->setText(2, left.section(QStringLiteral(": "), 1));
        item->setDisabled(true);
    }
    // One sentence a number, each with its own plural forms.
    QStringList counts{
        //: %Ln is the number of events the subscription adds to the list.
        tr("Subscribing adds %Ln events.", nullptr, plan.count(SyncPlan::Action::Kind::Add))};
    if (linked > 0)
        //: %Ln is the number of events of the list the subscription takes over.
        counts << tr("%Ln events already in your list are linked to it.", nullptr, linked);
    if (!plan.leftOut.isEmpty())
        //: %Ln is the number of the calendar's dates the list cannot hold.
        counts << tr("%Ln dates are left out.", nullptr, int(plan.leftOut.size()));
    m_previewCount->setText(counts.join(u' '));
    showPage(PreviewPage);
}

void SubscriptionsDialog::subscribe()
{
    const Expected<SubscriptionSetup::Subscribed> subscribed = m_setup.subscribe();
    if (!subscribed) {
        tell(subscribed.error());
        return;
    }
    const auto& [id, result] = *subscribed;
    if (result.added + result.updated + result.removed > 0)
        Q_EMIT eventsChanged();
    showPage(ListPage);
    fillSources();
    for (int i = 0; i < m_sources->topLevelItemCount(); ++i) {
        if (m_sources->topLevelItem(i)->data(0, Qt::UserRole) == id)
            m_sources->setCurrentItem(m_sources->topLevelItem(i));
    }
    if (!result.errors.isEmpty())
        m_prompt.reportFailure(tr("Not every event of the subscription was added."),
                               result.errors.first());
}

void SubscriptionsDialog::next()
{
    const int row = m_found->currentRow();
    if (row < 0 || row >= m_collections.size())
        return;
    if (m_publish->isChecked())
        publishTo(m_collections.at(row));
    else
        m_setup.preview(m_collections.at(row));
}

void SubscriptionsDialog::publishTo(const FoundCollection& chosen)
{
    const Expected<> published = m_setup.publishTo(chosen);
    if (!published) {
        tell(published.error());
        return;
    }
    showPage(ListPage);
    fillSources();
    m_sources->setCurrentItem(m_sources->topLevelItem(m_sources->topLevelItemCount() - 1));
    m_publisher.publish();
}

void SubscriptionsDialog::removePublishing()
{
    const QMessageBox::StandardButton answer = m_prompt.ask(
        QMessageBox::Question,
        tr("Stop publishing your events to \"%1\".\n\nDelete the published events from that "
           "calendar too? Yes deletes them; No leaves them there.")
            .arg(m_sources->currentItem()->toolTip(0)),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return;
    const Expected<> stopped = m_publisher.stop(answer == QMessageBox::Yes);
    if (!stopped)
        m_prompt.reportFailure(tr("Publishing could not be stopped."), stopped.error());
    fillSources();
}
