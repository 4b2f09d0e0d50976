#pragma once

#include "core/program/programidentity.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

// The GET request that carries comments and suggestions to the maker's server:
//   /comments.asp?AppName='Candlewatcher'&AppVersion='v2.00'&DisplayOnSite=true
//       &Comments='...'&Suggestions='...'
// The two texts go through stringToURL, so they can never close their quotes or start a new
// key. On the wire every character outside the quoting apostrophes and the delimiters is
// percent-encoded as UTF-8, so the server receives exactly the substituted text.
struct CommentsRequest
{
    bool displayOnSite = true;
    QString comments;
    QString suggestions;
    QString appName = programTitle();
    QString appVersion; // empty: the program's own version text

    // Path and query as the server reads them, nothing escaped.
    QString pathAndQuery() const;
    // Path and query as they go on the wire.
    QByteArray encodedPathAndQuery() const;
    // The full address below serverUrl ("scheme://host[:port][/base]"); invalid when
    // serverUrl is no usable address.
    QUrl url(const QString& serverUrl = QStringLiteral(CANDLEWATCHER_SERVER_URL)) const;
};

// The server accepted the message when the first bytes of its reply hold "ok" in any letter
// case; only the first replyHeadSize bytes are looked at.
inline constexpr qsizetype replyHeadSize = 1000;
bool replyAccepted(const QByteArray& reply);
