#include "core/sync/publisher.h"

#include "core/calendar/clock.h"
#include "core/store/birthdaystore.h"
#include "core/sync/certificatetrust.h"
#include "core/sync/subscriptionguard.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>
#include <utility>

namespace {

QString nameOf(const PublishTarget& target)
{
    return target.displayName.isEmpty() ? target.url : target.displayName;
}

} // namespace

Publisher::Publisher(BirthdayStore& store, const Clock& clock, SyncClientFactory clients,
                     SecretStore& secrets, OptionsSource options, QObject* parent)
    : QObject(parent), m_store(store), m_clock(clock), m_clients(std::move(clients)),
      m_secrets(secrets), m_options(std::move(options))
{
    // A writer's run of changes (an import, a sync) makes one publish.
    m_delay.setSingleShot(true);
    m_delay.setInterval(std::chrono::seconds(5));
    connect(&m_delay, &QTimer::timeout, this, &Publisher::publish);
}

Publisher::~Publisher()
{
    *m_alive = false;
    for (QThread* planner : findChildren<QThread*>())
        planner->wait();
}

void Publisher::publish()
{
    if (m_running) {
        m_again = true;
        return;
    }
    m_running = true;
    // Through the event loop: the caller never waits on any part of it.
    QTimer::singleShot(0, this, &Publisher::start);
}

Expected<> Publisher::stop(bool removeEvents)
{
    if (removeEvents) {
        m_removing = true;
        publish();
        return {};
    }
    const Expected<> stopped =
        SubscriptionGuard::changeAndSave(m_store.dataPath(), [](SubscriptionTable& table) {
            table.publishing.reset();
            return true;
        });
    if (stopped)
        m_secrets.remove(PublishTarget::secretId);
    return stopped;
}

void Publisher::start()
{
    m_delay.stop();
    m_runRemoves = std::exchange(m_removing, false);
    const Expected<SubscriptionTable> table =
        SubscriptionFile::load(SubscriptionFile::pathFor(m_store.dataPath()));
    if (!table || !table->publishing) {
        end(table.error().isEmpty(), table.error());
        return;
    }
    const PublishTarget& target = *table->publishing;
    if (table->sourceAt(target.url)) {
        finish(target, {}, {}, SubscriptionTable::bothWaysRefusal(nameOf(target)));
        return;
    }
    if (m_runRemoves) {
        planned(target, PublishPlan::removeAll(target.events));
        return;
    }
    const Expected<QList<BirthdayRecord>> records = m_store.readAllRecords();
    if (!records) {
        finish(target, {}, {}, records.error());
        return;
    }
    // The plan writes every event as the export does, some 20 ms for a full data file, after
    // each change of it: off the window's thread.
    auto plan = std::make_shared<PublishPlan::Plan>();
    QThread* planner =
        QThread::create([plan, url = target.url, records = *records, options = m_options(),
                         published = target.events, locale = m_store.dateLocale()] {
            *plan = PublishPlan::make(url, records, options, published, locale);
        });
    planner->setParent(this);
    connect(planner, &QThread::finished, this, [this, planner, plan, target] {
        planner->deleteLater();
        planned(target, *plan);
    });
    planner->start();
}

void Publisher::planned(const PublishTarget& target, const PublishPlan::Plan& plan)
{
    // Publishing may have been stopped while the plan was made: nothing is sent then.
    const Expected<SubscriptionTable> table =
        SubscriptionFile::load(SubscriptionFile::pathFor(m_store.dataPath()));
    if (!table || !table->publishing || table->publishing->url != target.url) {
        end(table.error().isEmpty(), table.error());
        return;
    }
    // Nothing changed: no password asked for, no request made.
    if (plan.steps.isEmpty())
        finish(target, plan, {}, QString());
    else
        withPassword(target, plan);
}

void Publisher::withPassword(const PublishTarget& target, const PublishPlan::Plan& plan)
{
    if (target.userName.isEmpty()) {
        send(target, QString(), plan);
        return;
    }
    m_secrets.read(PublishTarget::secretId, [this, alive = m_alive, target,
                                             plan](const std::optional<QString>& kept) {
        if (!*alive)
            return;
        const std::optional<QString> password =
            m_secrets.keptOrAsked(PublishTarget::secretId, kept, [this, &target] {
                return m_ask ? m_ask(target) : std::optional<QString>();
            });
        if (!password) {
            finish(target, plan, {},
                   QCoreApplication::translate("SyncQueue", "No password for %1 (user %2).")
                       .arg(target.url, target.userName));
            return;
        }
        send(target, *password, plan);
    });
}

void Publisher::send(const PublishTarget& target, const QString& password,
                     const PublishPlan::Plan& plan)
{
    dropClient();
    m_client = m_clients ? m_clients() : nullptr;
    if (!m_client) {
        finish(target, plan, {},
               QCoreApplication::translate(
                   "SyncQueue", "This copy of Candlewatcher was built without network access."));
        return;
    }
    m_client->publish({target.url, target.userName, password, target.acceptedCertificate},
                      plan.steps,
                      [this, target, password, plan](const QList<PublishPlan::Done>& done,
                                                     const SyncFailure& failure) {
                          sent(target, password, plan, done, failure);
                      });
}

void Publisher::sent(const PublishTarget& target, const QString& password,
                     const PublishPlan::Plan& plan, const QList<PublishPlan::Done>& done,
                     const SyncFailure& failure)
{
    // A publish that got part of the way is noted as it is; the next one plans the rest.
    const auto ask = [this, &target](const UntrustedCertificate& certificate) {
        return m_askCertificate && m_askCertificate(target, certificate);
    };
    if (!done.isEmpty() || !CertificateTrust::accepted(failure, target.acceptedCertificate, ask)) {
        finish(target, plan, done, failure.message);
        return;
    }
    const QByteArray& pem = failure.certificate.pem;
    bool gone = false;
    const Expected<> kept = CertificateTrust::keep(
        m_store.dataPath(), pem,
        [&target](SubscriptionTable& table) {
            const bool same = table.publishing && table.publishing->url == target.url;
            return same ? &table.publishing->acceptedCertificate : nullptr;
        },
        gone);
    if (!kept || gone) {
        finish(target, plan, done, kept ? failure.message : kept.error());
        return;
    }
    PublishTarget accepted = target;
    accepted.acceptedCertificate = pem;
    send(accepted, password, plan);
}

void Publisher::finish(const PublishTarget& target, const PublishPlan::Plan& plan,
                       const QList<PublishPlan::Done>& done, const QString& error)
{
    using Kind = PublishPlan::Step::Kind;
    int counts[3] = {0, 0, 0};
    for (const PublishPlan::Done& d : done)
        ++counts[int(plan.steps.at(d.step).kind)];
    // The sync's words, so the list reads alike for both.
    QString result = QCoreApplication::translate("SyncRun", "%L1 added, %L2 updated, %L3 removed")
                         .arg(counts[int(Kind::Add)])
                         .arg(counts[int(Kind::Change)])
                         .arg(counts[int(Kind::Remove)]);
    if (!plan.leftOut.isEmpty())
        result += QCoreApplication::translate("SyncRun", ", %L1 left out").arg(plan.leftOut.size());
    if (!error.isEmpty())
        result += QStringLiteral("; ") + error;
    const bool removed = m_runRemoves && error.isEmpty();
    const Expected<> saved =
        SubscriptionGuard::changeAndSave(m_store.dataPath(), [&](SubscriptionTable& table) {
            if (!table.publishing || table.publishing->url != target.url)
                return false; // stopped meanwhile
            PublishPlan::take(*table.publishing, plan.steps, done);
            table.publishing->lastPublish = m_clock.now();
            table.publishing->lastResult = result;
            if (removed)
                table.publishing.reset();
            return true;
        });
    if (removed && saved)
        m_secrets.remove(PublishTarget::secretId);
    if (!saved)
        result += QStringLiteral("; ") + saved.error();
    //: %1 is the calendar's name, %2 what was sent or why it failed.
    end(error.isEmpty() && bool(saved), tr("Published to %1: %2").arg(nameOf(target), result),
        !plan.steps.isEmpty());
}

void Publisher::end(bool ok, const QString& summary, bool sent)
{
    dropClient();
    m_running = false;
    Q_EMIT finished(ok, summary, sent);
    if (std::exchange(m_again, false))
        publish();
}

void Publisher::dropClient()
{
    // The client may be the caller: it goes once its callback has returned.
    if (m_client)
        QTimer::singleShot(0, this, [client = std::shared_ptr<SyncClient>(std::move(m_client))] {});
}
