#include "core/sync/subscriptionsetup.h"

#include "core/calendar/clock.h"
#include "core/store/birthdaystore.h"
#include "core/sync/certificatetrust.h"
#include "core/sync/secretstore.h"
#include "core/sync/subscriptionguard.h"

#include <QTimer>
#include <QUrl>

SubscriptionSetup::SubscriptionSetup(BirthdayStore& store, const Clock& clock,
                                     SyncClientFactory clients, SecretStore& secrets,
                                     QObject* parent)
    : QObject(parent), m_store(store), m_clock(clock), m_clients(std::move(clients)),
      m_secrets(secrets)
{}

SubscriptionSetup::~SubscriptionSetup()
{
    *m_alive = false;
}

void SubscriptionSetup::reset()
{
    cancel();
    m_account = SyncAccount();
    m_chosen = FoundCollection();
    m_changes = RemoteChanges();
}

bool SubscriptionSetup::find(const QString& address, const QString& userName,
                             const QString& password)
{
    QString url = address.trimmed();
    // A bare host name means the server's https address.
    if (!url.isEmpty() && !url.contains(QStringLiteral("://")))
        url.prepend(QStringLiteral("https://"));
    m_account = {url, userName.trimmed(), password, m_account.acceptedCertificate};
    const QUrl parsed(url, QUrl::StrictMode);
    static const QStringList schemes = {QStringLiteral("https"), QStringLiteral("http"),
                                        QStringLiteral("webcal"), QStringLiteral("webcals")};
    if (!parsed.isValid() || parsed.host().isEmpty() || !schemes.contains(parsed.scheme())) {
        Q_EMIT failed(tr("Give the address of a server, an address book or a calendar, such as "
                         "https://example.com/remote.php/dav."));
        return false;
    }
    return discover();
}

bool SubscriptionSetup::discover()
{
    if (!makeClient())
        return false;
    Q_EMIT progress(
        tr("Looking for address books and calendars at %1...").arg(QUrl(m_account.url).host()));
    m_client->discover(
        m_account, [this](const QList<FoundCollection>& collections, const SyncFailure& error) {
            if (retryAccepted(error, &SubscriptionSetup::discover))
                return;
            if (!error.isEmpty() || collections.isEmpty())
                Q_EMIT failed(error.isEmpty() ? tr("No address book or calendar was found there.")
                                              : error.message);
            else
                Q_EMIT found(collections);
        });
    return true;
}

bool SubscriptionSetup::preview(const FoundCollection& chosen)
{
    m_chosen = chosen;
    const Expected<SubscriptionTable> table =
        SubscriptionFile::load(SubscriptionFile::pathFor(m_store.dataPath()));
    const QString refusal =
        table ? table->subscribeRefusal(chosen.url, chosen.displayName) : table.error();
    if (!refusal.isEmpty()) {
        Q_EMIT failed(refusal);
        return false;
    }
    return fetch();
}

bool SubscriptionSetup::fetch()
{
    if (!makeClient())
        return false;
    Q_EMIT progress(tr("Reading \"%1\"...").arg(m_chosen.displayName));
    SyncSource source;
    source.kind = m_chosen.kind;
    source.url = m_chosen.url;
    m_client->fetch(m_account, source, {},
                    [this](const RemoteChanges& changes, const SyncFailure& failure) {
                        if (retryAccepted(failure, &SubscriptionSetup::fetch))
                            return;
                        if (failure.isEmpty())
                            planPreview(changes);
                        else
                            Q_EMIT failed(failure.message);
                    });
    return true;
}

void SubscriptionSetup::planPreview(const RemoteChanges& changes)
{
    const Expected<QList<BirthdayRecord>> records = m_store.readAllRecords();
    const Expected<SubscriptionTable> table =
        SubscriptionFile::load(SubscriptionFile::pathFor(m_store.dataPath()));
    if (!records || !table) {
        Q_EMIT failed(records ? table.error() : records.error());
        return;
    }
    m_changes = changes;
    SyncSource source;
    source.kind = m_chosen.kind;
    source.url = m_chosen.url;
    Q_EMIT previewed(SyncPlan::make(source, changes, table->links, *records, m_clock.today(),
                                    m_store.dateLocale()));
}

void SubscriptionSetup::cancel()
{
    // The client may be the caller: it goes once its callback has returned.
    if (m_client)
        QTimer::singleShot(0, this, [client = std::shared_ptr<SyncClient>(std::move(m_client))] {});
}

bool SubscriptionSetup::makeClient()
{
    cancel();
    m_client = m_clients ? m_clients() : nullptr;
    if (m_client)
        return true;
    Q_EMIT failed(tr("This copy of Candlewatcher was built without network access."));
    return false;
}

bool SubscriptionSetup::retryAccepted(const SyncFailure& failure, bool (SubscriptionSetup::*step)())
{
    const auto ask = [this, &failure](const UntrustedCertificate&) {
        return m_askCertificate && m_askCertificate(m_account.url, failure);
    };
    if (!CertificateTrust::accepted(failure, m_account.acceptedCertificate, ask))
        return false;
    m_account.acceptedCertificate = failure.certificate.pem;
    QTimer::singleShot(0, this, [this, step] { (this->*step)(); });
    return true;
}

Expected<SubscriptionSetup::Subscribed> SubscriptionSetup::subscribe()
{
    QString id;
    SyncRun::Result result;
    SyncSource source;
    source.kind = m_chosen.kind;
    source.url = m_chosen.url;
    source.userName = m_account.userName;
    source.displayName = m_chosen.displayName.isEmpty() ? m_chosen.url : m_chosen.displayName;
    source.acceptedCertificate = m_account.acceptedCertificate;
    // Planned again under the lock: the list may have changed while the preview was open.
    const Expected<> locked =
        SubscriptionGuard::change(m_store.dataPath(), [&](SubscriptionTable& table) {
            id = table.add(source);
            const Expected<QList<BirthdayRecord>> records = m_store.readAllRecords();
            if (!records) {
                result = SyncRun::fetchFailed(m_store, table, id, records.error(), m_clock.now());
                return;
            }
            const SyncPlan::Plan plan =
                SyncPlan::make(*table.source(id), m_changes, table.links, *records, m_clock.today(),
                               m_store.dateLocale());
            result = SyncRun::apply(m_store, table, id, plan, m_clock.now());
        });
    if (!locked)
        return UserError{locked.error()};
    keepPassword(id);
    return Subscribed{id, result};
}

Expected<> SubscriptionSetup::publishTo(const FoundCollection& chosen)
{
    PublishTarget target;
    target.url = chosen.url;
    target.userName = m_account.userName;
    target.displayName = chosen.displayName.isEmpty() ? chosen.url : chosen.displayName;
    target.acceptedCertificate = m_account.acceptedCertificate;
    QString refusal;
    const Expected<> saved =
        SubscriptionGuard::changeAndSave(m_store.dataPath(), [&](SubscriptionTable& table) {
            refusal = table.publishRefusal(target.url, target.displayName);
            if (!refusal.isEmpty())
                return false;
            table.publishing = target;
            return true;
        });
    if (!refusal.isEmpty())
        return UserError{refusal};
    if (!saved)
        return saved;
    keepPassword(PublishTarget::secretId);
    return {};
}

Expected<> SubscriptionSetup::unsubscribe(const QString& sourceId, bool removeEvents,
                                          SyncRun::Result& result)
{
    const Expected<> locked =
        SubscriptionGuard::change(m_store.dataPath(), [&](SubscriptionTable& table) {
            result = SyncRun::unsubscribe(m_store, table, sourceId, removeEvents);
        });
    if (!locked)
        return locked;
    if (!result.errors.isEmpty())
        return UserError{result.errors.first()};
    m_secrets.remove(sourceId);
    return {};
}

void SubscriptionSetup::keepPassword(const QString& id)
{
    if (m_account.userName.isEmpty())
        return;
    m_secrets.write(id, m_account.password, [this, alive = m_alive](const QString& refused) {
        if (*alive && !refused.isEmpty())
            Q_EMIT passwordNotKept(refused);
    });
}
