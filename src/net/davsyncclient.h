#pragma once

#include "core/sync/syncclient.h"
#include "net/davtypes.h"

#include <QNetworkAccessManager>
#include <QObject>

// The subscriptions' client on this folder's DAV jobs: discovery and the fetch of one
// collection, each answered through the event loop. The jobs are children of the client's
// own object: deleting the client aborts them and calls nothing back.
class DavSyncClient : public SyncClient
{
public:
    // limits: the time-outs and bounds of every request (DavAccount's own by default); its
    // address and user are not used.
    explicit DavSyncClient(DavAccount limits = {});
    ~DavSyncClient() override;

    void discover(const SyncAccount& account, Found done) override;
    void fetch(const SyncAccount& account, const SyncSource& source,
               const QHash<QString, QString>& knownEtags, Fetched done) override;
    void publish(const SyncAccount& account, const QList<PublishPlan::Step>& steps,
                 Published done) override;

private:
    DavAccount davAccount(const SyncAccount& account) const;

    DavAccount m_limits;
    QObject m_jobs; // declared after the manager: the jobs go before it
    QNetworkAccessManager m_manager;
};
