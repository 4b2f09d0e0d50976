#include "net/davdiscovery.h"

#include "core/sync/davxml.h"

#include <utility>

namespace {

bool looksLikeCalendar(const QByteArray& body)
{
    QByteArray head = body.left(64).trimmed();
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    return head.toUpper().startsWith("BEGIN:VCALENDAR");
}

// The calendar's name as the publisher gave it, else the file's.
QString feedName(const QByteArray& body, const QUrl& url)
{
    for (const QByteArray& line : body.split('\n')) {
        const QByteArray upper = line.toUpper();
        if (upper.startsWith("X-WR-CALNAME:") || upper.startsWith("X-WR-CALNAME;"))
            return QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
        if (line.toUpper().startsWith("BEGIN:VEVENT"))
            break;
    }
    return url.fileName();
}

} // namespace

DavDiscovery::DavDiscovery(QNetworkAccessManager& manager, DavAccount account, QObject* parent)
    : NetJob(manager, std::move(account), parent)
{}

void DavDiscovery::start()
{
    QUrl url = account().url;
    if (url.scheme() == u"webcal") {
        url.setScheme(QStringLiteral("https"));
        getFeed(url);
        return;
    }
    if (url.scheme() != u"https" && url.scheme() != u"http") {
        fail(NetFailure::at(url, tr("not an http, https or webcal address")));
        return;
    }
    propfind(url, Step::Given);
    propfind(url.resolved(QUrl(QStringLiteral("/.well-known/carddav"))), Step::WellKnown);
    propfind(url.resolved(QUrl(QStringLiteral("/.well-known/caldav"))), Step::WellKnown);
}

void DavDiscovery::propfind(const QUrl& url, Step step)
{
    const QByteArray depth = step == Step::Home ? "1" : "0";
    const QString key = QString::fromLatin1(depth) + url.toString();
    if (m_asked.contains(key))
        return;
    m_asked.insert(key);
    send({"PROPFIND", url, discoveryPropfind(), depth, {}}, [this, step](const HttpAnswer& answer) {
        if (answer.status == 207) {
            QString error;
            const std::optional<DavMultistatus> found = parseMultistatus(answer.body, &error);
            if (!found)
                return failUnreadable(answer, error);
            take(answer.url, *found);
        } else if (answer.status == 401 || step == Step::Principal || step == Step::Home) {
            return failOn(answer);
        } else if (step == Step::Given) {
            // Not a WebDAV address: perhaps a published calendar file.
            getFeed(answer.url);
        }
        // A well-known address the server does not have only means that service is elsewhere.
        finishWhenIdle();
    });
}

void DavDiscovery::take(const QUrl& base, const DavMultistatus& answer)
{
    for (const DavResponse& response : answer.responses) {
        const QUrl url = base.resolved(QUrl(response.href));
        const QString name = response.displayName.isEmpty() ? url.path() : response.displayName;
        if (response.addressBook)
            add({url, name, DavCollection::Kind::AddressBook});
        // A calendar that declares its components is taken only if it holds events.
        if (response.calendar &&
            (response.components.isEmpty() || response.components.contains(u"VEVENT")))
            add({url, name, DavCollection::Kind::Calendar});
        if (!response.principal.isEmpty())
            propfind(base.resolved(QUrl(response.principal)), Step::Principal);
        for (const QString& home : response.addressBookHomes + response.calendarHomes)
            propfind(base.resolved(QUrl(home)), Step::Home);
    }
}

void DavDiscovery::getFeed(const QUrl& url)
{
    send({"GET", url, {}, {}, {}}, [this, url](const HttpAnswer& answer) {
        if (answer.status == 200 && looksLikeCalendar(answer.body))
            add({url, feedName(answer.body, url), DavCollection::Kind::CalendarFeed});
        else if (answer.status == 401 || answer.status >= 500)
            return failOn(answer);
        else if (!m_refusal && answer.status != 200)
            m_refusal = answer;
        finishWhenIdle();
    });
}

void DavDiscovery::add(const DavCollection& collection)
{
    for (const DavCollection& known : std::as_const(m_collections))
        if (known.url == collection.url && known.kind == collection.kind)
            return;
    m_collections.append(collection);
}

void DavDiscovery::finishWhenIdle()
{
    if (isDone() || pending() > 0)
        return;
    // An address that is a collection itself means that one, not all the server holds.
    const auto path = [](const QUrl& url) {
        return url.path(QUrl::FullyEncoded).chopped(url.path().endsWith(u'/') ? 1 : 0);
    };
    QList<DavCollection> named;
    for (const DavCollection& collection : std::as_const(m_collections))
        if (path(collection.url) == path(account().url))
            named.append(collection);
    if (!named.isEmpty())
        m_collections = named;
    if (!m_collections.isEmpty())
        succeed();
    else if (m_refusal)
        failOn(*m_refusal);
    else
        fail(NetFailure::at(account().url, tr("no address books or calendars found")));
}
