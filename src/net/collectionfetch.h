#pragma once

#include "core/sync/remotechanges.h"
#include "net/netjob.h"

#include <QHash>

// Fetches what changed in one collection since the last sync:
// - an address book or a calendar with a stored sync token: a sync-collection report with it,
//   then the bodies of the changed members (a multiget); a token the server refuses falls back
//   to the listing below;
// - otherwise a listing of the members' ETags (PROPFIND), compared with the known ones, and a
//   multiget of the new and changed members only;
// - a calendar feed: a GET with the feed's last ETag (unchanged: nothing to fetch), split into
//   one resource per event (core/sync/calendarfeed.h) and compared like a listing; the feed's
//   ETag is its "sync token".
// A sync report gives a delta (complete false: removed names what is gone); a listing or a feed
// gives everything the collection holds (complete true), where a resource the caller holds at
// the same ETag comes without its body: the sync plan knows it unchanged.
class CollectionFetch : public NetJob
{
    Q_OBJECT
public:
    // knownEtags: href -> ETag of the resources taken in whole at the last sync
    // (SyncPlan::knownEtags).
    CollectionFetch(QNetworkAccessManager& manager, DavAccount account, DavCollection collection,
                    QString syncToken, QHash<QString, QString> knownEtags,
                    QObject* parent = nullptr);
    void start();
    // The result, once finished() came without a failure.
    const RemoteChanges& changes() const { return m_changes; }

private:
    void syncReport();
    void listing();
    void getFeed();
    // Takes a full listing, href -> ETag: the known ones unchanged go in without a body; the
    // others are to be fetched (returned, sorted).
    QStringList takeListing(const QHash<QString, QString>& listed);
    void multiget(QStringList hrefs);
    // The member's path, decoded; empty for an href outside the collection (another server,
    // another scheme, a path above it), which is no member of it.
    QString pathOf(const QUrl& base, const QString& href) const;
    bool isCollection(const QString& path) const;

    DavCollection m_collection;
    QString m_token;
    QHash<QString, QString> m_known;
    RemoteChanges m_changes;
    QStringList m_toFetch;
    int m_rounds = 0;
};
