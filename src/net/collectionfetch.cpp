#include "net/collectionfetch.h"

#include "core/sync/calendarfeed.h"
#include "core/sync/davxml.h"

#include <QSet>

#include <utility>

CollectionFetch::CollectionFetch(QNetworkAccessManager& manager, DavAccount account,
                                 DavCollection collection, QString syncToken,
                                 QHash<QString, QString> knownEtags, QObject* parent)
    : NetJob(manager, std::move(account), parent), m_collection(std::move(collection)),
      m_token(std::move(syncToken)), m_known(std::move(knownEtags))
{
    if (m_collection.url.scheme() == u"webcal")
        m_collection.url.setScheme(QStringLiteral("https"));
}

void CollectionFetch::start()
{
    if (m_collection.kind == DavCollection::Kind::CalendarFeed)
        getFeed();
    else if (m_token.isEmpty())
        listing();
    else
        syncReport();
}

// Servers spell a path with more or fewer escapes from one answer to the next ("%40" or "@"):
// paths are compared and kept decoded, and encoded again to be sent.
QString CollectionFetch::pathOf(const QUrl& base, const QString& href) const
{
    const QUrl url = base.resolved(QUrl(href)).adjusted(QUrl::NormalizePathSegments);
    if (url.scheme() != base.scheme() || url.host() != base.host() || url.port() != base.port())
        return {};
    const QString path = url.path(QUrl::FullyDecoded);
    // Dots escaped as %2e survive resolving, and climb out once decoded.
    const QStringList segments = path.split(u'/');
    if (segments.contains(QStringLiteral("..")) || segments.contains(QStringLiteral(".")))
        return {};
    // Under the address asked (after its redirects) or the one subscribed to.
    for (QString folder :
         {base.path(QUrl::FullyDecoded), m_collection.url.path(QUrl::FullyDecoded)})
        if (path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/') || isCollection(path))
            return path;
    return {};
}

bool CollectionFetch::isCollection(const QString& path) const
{
    const QString self = m_collection.url.path(QUrl::FullyDecoded);
    return path == self || path + u'/' == self || path == self + u'/';
}

void CollectionFetch::syncReport()
{
    send({"REPORT", m_collection.url, syncCollectionReport(m_token), "0", {}},
         [this](const HttpAnswer& answer) {
             // A token refused (expired, or no sync reports here: 403, 409, 412, 501...) leaves
             // the listing; an address, a password or a server at fault does not.
             const bool refused = (answer.status >= 400 && answer.status < 500 &&
                                   answer.status != 401 && answer.status != 404) ||
                                  answer.status == 501;
             if (refused)
                 return listing();
             const std::optional<DavMultistatus> found = multistatusOf(answer);
             if (!found)
                 return;
             for (const DavResponse& response : found->responses) {
                 const QString href = pathOf(answer.url, response.href);
                 if (href.isEmpty() || isCollection(href))
                     continue;
                 if (response.status == 404)
                     m_changes.removed.append(href);
                 else if (response.status != 507)
                     m_toFetch.append(href);
             }
             m_changes.complete = false;
             m_changes.syncToken = found->syncToken;
             if (found->truncated && !found->syncToken.isEmpty() && found->syncToken != m_token) {
                 // The server sends the rest in parts; one that never ends is stopped, and the
                 // old token kept, since nothing of this is taken.
                 if (++m_rounds >= account().maxRounds)
                     return fail(NetFailure::at(
                         answer.url, tr("the server sent its changes in more than %L1 parts; "
                                        "stopped, to be tried again at the next sync")
                                         .arg(account().maxRounds)));
                 m_token = found->syncToken;
                 return syncReport();
             }
             multiget(std::exchange(m_toFetch, {}));
         });
}

void CollectionFetch::listing()
{
    m_changes = {};
    m_toFetch.clear();
    send({"PROPFIND", m_collection.url, listingPropfind(), "1", {}},
         [this](const HttpAnswer& answer) {
             const std::optional<DavMultistatus> found = multistatusOf(answer);
             if (!found)
                 return;
             QHash<QString, QString> listed;
             for (const DavResponse& response : found->responses) {
                 const QString href = pathOf(answer.url, response.href);
                 if (href.isEmpty())
                     continue;
                 if (isCollection(href))
                     m_changes.syncToken = response.syncToken;
                 else if (!response.collection && (response.status == 0 || response.status == 200))
                     listed.insert(href, response.etag);
             }
             multiget(takeListing(listed));
         });
}

void CollectionFetch::getFeed()
{
    send({"GET", m_collection.url, {}, {}, m_token.toUtf8()}, [this](const HttpAnswer& answer) {
        if (answer.status == 304) {
            m_changes = {{}, {}, false, m_token};
            return succeed();
        }
        if (answer.status != 200)
            return failOn(answer);
        QString error;
        // Named after the address subscribed to, which redirects do not change.
        const auto pieces =
            splitCalendarFeed(answer.body, m_collection.url.path(QUrl::FullyDecoded), &error);
        if (!pieces)
            return failUnreadable(answer, error);
        QHash<QString, QString> listed;
        for (const RemoteResource& piece : *pieces)
            listed.insert(piece.href, piece.etag);
        const QStringList changed = takeListing(listed);
        for (const RemoteResource& piece : *pieces)
            if (changed.contains(piece.href))
                m_changes.changed.append(piece);
        m_changes.syncToken = QString::fromUtf8(answer.etag);
        succeed();
    });
}

QStringList CollectionFetch::takeListing(const QHash<QString, QString>& listed)
{
    m_changes.complete = true;
    QStringList toFetch;
    for (auto it = listed.cbegin(); it != listed.cend(); ++it) {
        if (!it.value().isEmpty() && m_known.value(it.key()) == it.value())
            m_changes.changed.append({it.key(), it.value(), {}});
        else
            toFetch.append(it.key());
    }
    toFetch.sort();
    return toFetch;
}

void CollectionFetch::multiget(QStringList hrefs)
{
    if (hrefs.isEmpty())
        return succeed();
    // A hundred at a time: vCards with photos make large answers, and each answer must stay
    // under the size limit.
    const QStringList batch = hrefs.mid(0, 100);
    hrefs.remove(0, batch.size());
    const bool addressBook = m_collection.kind == DavCollection::Kind::AddressBook;
    QStringList encoded;
    for (const QString& path : batch)
        encoded << QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
    send({"REPORT", m_collection.url, multigetReport(addressBook, encoded), "1", {}},
         [this, batch, rest = std::move(hrefs)](const HttpAnswer& answer) {
             const std::optional<DavMultistatus> found = multistatusOf(answer);
             if (!found)
                 return;
             QSet<QString> missing(batch.cbegin(), batch.cend());
             for (const DavResponse& response : found->responses) {
                 const QString href = pathOf(answer.url, response.href);
                 if (href.isEmpty() || !missing.remove(href))
                     continue;
                 if (response.status == 404) // gone since it was listed
                     m_changes.removed.append(href);
                 else if (!response.data.isEmpty())
                     m_changes.changed.append({href, response.etag, response.data});
                 else
                     missing.insert(href);
             }
             if (!missing.isEmpty())
                 return failUnreadable(answer, tr("no content for %1").arg(*missing.cbegin()));
             multiget(rest);
         });
}
