#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The XML of WebDAV answers as CardDAV and CalDAV servers send them (a multistatus), read into
// plain values, and the few request bodies the client sends. No network here.

// One <response> of a multistatus: a resource and those of its properties the server found
// (properties in a propstat whose status is not 2xx are left out).
struct DavResponse
{
    QString href;   // as the server wrote it: a path or a whole address, percent-encoded
    int status = 0; // the response's own status (404 for a member gone from a sync report), else 0
    QString etag;   // getetag, quotes and all: it is only ever compared or sent back
    QString displayName;
    QString syncToken;
    QString principal; // current-user-principal's href
    QStringList addressBookHomes;
    QStringList calendarHomes;
    QStringList components; // supported-calendar-component-set: "VEVENT", "VTODO", ...
    bool collection = false;
    bool addressBook = false;
    bool calendar = false;
    QByteArray data; // address-data or calendar-data
};

struct DavMultistatus
{
    QList<DavResponse> responses;
    QString syncToken;      // a sync-collection report's new token
    bool truncated = false; // a sync report that holds back members (507 on the collection)
};

// Reads a multistatus answer; nullopt and the reason in *error when it is not one.
std::optional<DavMultistatus> parseMultistatus(const QByteArray& xml, QString* error);

// The properties discovery asks every address for: principal, home sets, what it is, its name.
QByteArray discoveryPropfind();
// A collection's members with their ETags, and the collection's sync token.
QByteArray listingPropfind();
// The members changed since the token (all members when the token is empty).
QByteArray syncCollectionReport(const QString& token);
// The bodies of the given members of an address book (vCards) or a calendar (iCalendar).
QByteArray multigetReport(bool addressBook, const QStringList& hrefs);
