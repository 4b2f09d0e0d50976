#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What one fetch from a subscribed source brought: the wire's result, before anything is read
// as contacts or events. The client fills it; the sync plan reads it. Nothing here touches the
// network or the data file.
struct RemoteResource
{
    QString href;    // the resource's path on the server: stable while the resource lives
    QString etag;    // changes whenever the resource's content changes
    QByteArray body; // a vCard or an iCalendar object, as the server sent it
};

struct RemoteChanges
{
    // Resources new or changed since the last sync (all of them on a full listing).
    QList<RemoteResource> changed;
    // Hrefs the server reported gone since the last sync (empty on a full listing: there
    // everything not listed is gone).
    QList<QString> removed;
    // True when `changed` is everything the source holds now; false for a delta (a sync-token
    // answer), where resources not mentioned are unchanged.
    bool complete = true;
    // The token to send next time; empty where the server offers none (ETags are compared then).
    QString syncToken;
};
