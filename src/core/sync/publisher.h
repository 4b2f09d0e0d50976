#pragma once

#include "core/exchange/calendarexchange.h"
#include "core/program/expected.h"
#include "core/sync/secretstore.h"
#include "core/sync/syncclient.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class BirthdayStore;
class Clock;

// Publishes the data file's events to the calendar of the subscriptions table's publishing
// target, in the background and one publish at a time: one asked for while another runs
// follows it, once. Only what changed since the last publish is sent; the table notes each
// event the server took, under the subscriptions' lock, also when a later one failed.
class Publisher : public QObject
{
    Q_OBJECT
public:
    using OptionsSource = std::function<CalendarExchange::ExportOptions()>;
    using PasswordAsk = std::function<std::optional<QString>(const PublishTarget& target)>;
    using CertificateAsk =
        std::function<bool(const PublishTarget& target, const UntrustedCertificate& certificate)>;

    // options: the export's, read anew for each publish.
    Publisher(BirthdayStore& store, const Clock& clock, SyncClientFactory clients,
              SecretStore& secrets, OptionsSource options, QObject* parent = nullptr);
    ~Publisher() override;

    void setPasswordAsk(PasswordAsk ask) { m_ask = std::move(ask); }
    void setCertificateAsk(CertificateAsk ask) { m_askCertificate = std::move(ask); }

    // Publishes now, or after the publish under way.
    void publish();
    // Publishes once the data file has been quiet for delay()'s interval.
    void publishSoon() { m_delay.start(); }
    QTimer& delay() { return m_delay; }
    // Stops publishing. With removeEvents the published events are deleted from the calendar
    // first, in the background (finished() tells); a failure keeps the target with the events
    // not deleted. Without, the target goes at once, or the failure says why it could not.
    Expected<> stop(bool removeEvents);
    bool isRunning() const { return m_running; }

Q_SIGNALS:
    // summary: "Published to NAME: counts", or why it failed; empty where nothing is published.
    // sent: a request was made.
    void finished(bool ok, const QString& summary, bool sent);

private:
    void start();
    void planned(const PublishTarget& target, const PublishPlan::Plan& plan);
    void withPassword(const PublishTarget& target, const PublishPlan::Plan& plan);
    void send(const PublishTarget& target, const QString& password, const PublishPlan::Plan& plan);
    void sent(const PublishTarget& target, const QString& password, const PublishPlan::Plan& plan,
              const QList<PublishPlan::Done>& done, const SyncFailure& failure);
    // Notes what was done and the result in the table, then ends the run.
    void finish(const PublishTarget& target, const PublishPlan::Plan& plan,
                const QList<PublishPlan::Done>& done, const QString& error);
    void end(bool ok, const QString& summary, bool sent = false);
    void dropClient();

    BirthdayStore& m_store;
    const Clock& m_clock;
    SyncClientFactory m_clients;
    SecretStore& m_secrets;
    OptionsSource m_options;
    PasswordAsk m_ask;
    CertificateAsk m_askCertificate;
    QTimer m_delay;
    std::unique_ptr<SyncClient> m_client;
    bool m_running = false;
    bool m_again = false;
    bool m_removing = false;   // the next run deletes every published event and then stops
    bool m_runRemoves = false; // the run under way does
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
