#pragma once

#include "net/netjob.h"

#include <QList>
#include <QSet>

struct DavMultistatus;

// Finds the address books and calendars behind an address, as CardDAV and CalDAV clients do:
// the address itself, /.well-known/carddav and /.well-known/caldav (redirects followed), the
// current user's principal, its address book and calendar home sets, and the collections in
// them with their names. An address that turns out to be an iCalendar file (or a webcal://
// one) is found as a calendar feed.
class DavDiscovery : public NetJob
{
    Q_OBJECT
public:
    DavDiscovery(QNetworkAccessManager& manager, DavAccount account, QObject* parent = nullptr);
    void start();
    // What was found, once finished() came without a failure; never empty then.
    const QList<DavCollection>& collections() const { return m_collections; }

private:
    enum class Step { Given, WellKnown, Principal, Home };
    void propfind(const QUrl& url, Step step);
    void take(const QUrl& base, const DavMultistatus& answer);
    void getFeed(const QUrl& url);
    void add(const DavCollection& collection);
    void finishWhenIdle();

    QSet<QString> m_asked;
    QList<DavCollection> m_collections;
    std::optional<HttpAnswer> m_refusal; // the first "not here" answer, told when nothing is found
};
