#pragma once

#include "core/sync/remotechanges.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// An iCalendar address (a published .ics) is one file on the server, yet its events come and go
// one by one. It is split into one resource per event (a VEVENT and the overrides of its
// occurrences, which share its UID), so a feed looks to the sync plan like a CalDAV calendar:
// href = the feed's path + "#" + the UID, ETag = a digest of the piece. Each piece is a
// VCALENDAR of its own with the feed's calendar properties and time zones. An event without a
// UID is named by its digest, so a change to it reads as one event gone and another new.
// Components other than events (to-dos, journal entries) are left out.
//
// nullopt and the reason in *error when the text is not an iCalendar object.
std::optional<QList<RemoteResource>> splitCalendarFeed(const QByteArray& ics,
                                                       const QString& feedPath, QString* error);
