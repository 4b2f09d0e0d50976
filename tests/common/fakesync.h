#pragma once

// A server and a secret store for the subscriptions' tests, without a network or a desktop.

#include "core/sync/secretstore.h"
#include "core/sync/syncclient.h"

#include <QCoreApplication>
#include <QHash>
#include <QTimer>

// What the fake clients answer. Each request is noted in calls; its answer comes through the
// event loop, or waits in held until release() while hold is set.
struct FakeServer
{
    QList<FoundCollection> found;
    QHash<QString, RemoteChanges> content; // by collection address
    QString failure;                       // every request fails with it when set
    // Every request whose account does not accept it fails with it, when set.
    UntrustedCertificate certificate;
    QStringList calls; // "discover URL USER PASSWORD", "fetch URL PASSWORD", "publish URL PASSWORD"
    bool hold = false;
    QList<std::function<void()>> held;

    void release()
    {
        const QList<std::function<void()>> answers = std::exchange(held, {});
        for (const auto& answer : answers)
            answer();
    }
    SyncClientFactory factory();
};

class FakeSyncClient : public SyncClient
{
public:
    explicit FakeSyncClient(FakeServer& server) : m_server(server) {}
    ~FakeSyncClient() override { *m_alive = false; }

    void discover(const SyncAccount& account, Found done) override
    {
        m_server.calls
            << QStringList{"discover", account.url, account.userName, account.password}.join(' ');
        answer([this, done, failure = failureFor(account)] {
            done(failure.isEmpty() ? m_server.found : QList<FoundCollection>(), failure);
        });
    }
    void fetch(const SyncAccount& account, const SyncSource& source, const QHash<QString, QString>&,
               Fetched done) override
    {
        m_server.calls << QStringList{"fetch", source.url, account.password}.join(' ');
        answer([this, done, url = source.url, failure = failureFor(account)] {
            done(failure.isEmpty() ? m_server.content.value(url) : RemoteChanges(), failure);
        });
    }

    void publish(const SyncAccount& account, const QList<PublishPlan::Step>& steps,
                 Published done) override
    {
        m_server.calls << QStringList{"publish", account.url, account.password}.join(' ');
        answer([done, count = steps.size(), failure = failureFor(account)] {
            QList<PublishPlan::Done> all;
            for (int step = 0; step < count && failure.isEmpty(); ++step)
                all.append({step, "e"});
            done(all, failure);
        });
    }

private:
    SyncFailure failureFor(const SyncAccount& account) const
    {
        const UntrustedCertificate& refused = m_server.certificate;
        if (refused.pem.isEmpty() || refused.pem == account.acceptedCertificate ||
            !m_server.failure.isEmpty())
            return m_server.failure;
        SyncFailure failure(account.url + ": the server's certificate does not verify");
        failure.certificate = refused;
        return failure;
    }

    void answer(const std::function<void()>& call)
    {
        const auto guarded = [alive = m_alive, call] {
            if (*alive)
                call();
        };
        if (m_server.hold)
            m_server.held << guarded;
        else
            QTimer::singleShot(0, QCoreApplication::instance(), guarded);
    }

    FakeServer& m_server;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

inline SyncClientFactory FakeServer::factory()
{
    return [this] { return std::make_unique<FakeSyncClient>(*this); };
}

struct FakeSecrets : SecretStore
{
    QHash<QString, QString> kept;
    QString refusal; // every write is refused with it when set
    void read(const QString& id, Read done) override
    {
        done(kept.contains(id) ? std::optional(kept.value(id)) : std::nullopt);
    }
    void write(const QString& id, const QString& password, Written done) override
    {
        if (refusal.isEmpty())
            kept.insert(id, password);
        done(refusal);
    }
    void remove(const QString& id) override { kept.remove(id); }
    bool persistent() const override { return true; }
};

// A contact of its own resource, named after it (its UID too), with a birthday and an
// anniversary where given, as an address book holds it.
inline RemoteResource fakeCard(const QString& name, const QString& birthday,
                               const QString& etag = "1", const QString& anniversary = {})
{
    QByteArray body =
        "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:" + name.toUtf8() + "\r\nFN:" + name.toUtf8() + "\r\n";
    if (!birthday.isEmpty())
        body += "BDAY:" + birthday.toUtf8() + "\r\n";
    if (!anniversary.isEmpty())
        body += "ANNIVERSARY:" + anniversary.toUtf8() + "\r\n";
    return {"/ab/" + name + ".vcf", etag, body + "END:VCARD\r\n"};
}
