#include "net/davsyncclient.h"

#include "net/calendarpublish.h"
#include "net/collectionfetch.h"
#include "net/davdiscovery.h"

#include <QCryptographicHash>

#include <utility>

DavAccount DavSyncClient::davAccount(const SyncAccount& account) const
{
    DavAccount dav = m_limits;
    dav.url = QUrl(account.url);
    dav.user = account.userName;
    dav.password = account.password;
    if (!account.acceptedCertificate.isEmpty())
        dav.acceptedCertificates =
            QSslCertificate::fromData(account.acceptedCertificate, QSsl::Pem);
    return dav;
}

namespace {

SyncFailure syncFailure(const NetFailure& failure)
{
    SyncFailure out(failure.message);
    if (failure.certificate.isNull())
        return out;
    const QSslCertificate& certificate = failure.certificate;
    UntrustedCertificate& shown = out.certificate;
    shown.pem = certificate.toPem();
    shown.subject = certificate.subjectDisplayName();
    shown.issuer = certificate.issuerDisplayName();
    shown.validFrom = certificate.effectiveDate();
    shown.validUntil = certificate.expiryDate();
    shown.sha256 =
        QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex(':')).toUpper();
    for (const QSslError& error : failure.sslErrors)
        shown.errors << error.errorString();
    return out;
}

// The two kinds' lists name the same three kinds in the same order.
SyncSource::Kind sourceKind(DavCollection::Kind kind)
{
    return kind == DavCollection::Kind::AddressBook ? SyncSource::Kind::AddressBook
           : kind == DavCollection::Kind::Calendar  ? SyncSource::Kind::Calendar
                                                    : SyncSource::Kind::CalendarAddress;
}

DavCollection::Kind collectionKind(SyncSource::Kind kind)
{
    return kind == SyncSource::Kind::AddressBook ? DavCollection::Kind::AddressBook
           : kind == SyncSource::Kind::Calendar  ? DavCollection::Kind::Calendar
                                                 : DavCollection::Kind::CalendarFeed;
}

} // namespace

DavSyncClient::DavSyncClient(DavAccount limits) : m_limits(std::move(limits)) {}

DavSyncClient::~DavSyncClient()
{
    // The jobs first: their requests still refer to the manager.
    qDeleteAll(m_jobs.children());
}

void DavSyncClient::discover(const SyncAccount& account, Found done)
{
    auto* job = new DavDiscovery(m_manager, davAccount(account), &m_jobs);
    // Queued: a job that fails at once must not answer before this returns.
    QObject::connect(
        job, &NetJob::finished, job,
        [job, done] {
            job->deleteLater();
            if (job->failure()) {
                done({}, syncFailure(*job->failure()));
                return;
            }
            QList<FoundCollection> found;
            for (const DavCollection& collection : job->collections())
                found.append({sourceKind(collection.kind), collection.url.toString(),
                              collection.displayName});
            done(found, SyncFailure());
        },
        Qt::QueuedConnection);
    job->start();
}

void DavSyncClient::fetch(const SyncAccount& account, const SyncSource& source,
                          const QHash<QString, QString>& knownEtags, Fetched done)
{
    const DavCollection collection{QUrl(source.url), source.displayName,
                                   collectionKind(source.kind)};
    auto* job = new CollectionFetch(m_manager, davAccount(account), collection, source.syncToken,
                                    knownEtags, &m_jobs);
    QObject::connect(
        job, &NetJob::finished, job,
        [job, done] {
            job->deleteLater();
            if (job->failure())
                done({}, syncFailure(*job->failure()));
            else
                done(job->changes(), SyncFailure());
        },
        Qt::QueuedConnection);
    job->start();
}

void DavSyncClient::publish(const SyncAccount& account, const QList<PublishPlan::Step>& steps,
                            Published done)
{
    auto* job = new CalendarPublish(m_manager, davAccount(account), steps, &m_jobs);
    QObject::connect(
        job, &NetJob::finished, job,
        [job, done] {
            job->deleteLater();
            done(job->done(), job->failure() ? syncFailure(*job->failure()) : SyncFailure());
        },
        Qt::QueuedConnection);
    job->start();
}
