#include "core/comments/commentsrequest.h"

#include "core/comments/stringtourl.h"
#include "core/text/textconv.h"

namespace {

using Encoder = QByteArray (*)(const QString&);

QByteArray plain(const QString& text)
{
    return text.toUtf8();
}

QByteArray escaped(const QString& text)
{
    // Everything but letters, digits and "-._~": spaces, line breaks, "%", "+", "#", the not
    // sign and every non-ASCII letter arrive as themselves.
    return QUrl::toPercentEncoding(text);
}

QByteArray build(const CommentsRequest& request, Encoder encode)
{
    const QString version =
        request.appVersion.isEmpty() ? TextConv::versionText() : request.appVersion;
    QByteArray result("/comments.asp?AppName='");
    result += encode(request.appName);
    result += "'&AppVersion='v";
    result += encode(version);
    result += "'&DisplayOnSite=";
    result += request.displayOnSite ? "true" : "false";
    result += "&Comments='";
    result += encode(stringToURL(request.comments));
    result += "'&Suggestions='";
    result += encode(stringToURL(request.suggestions));
    result += '\'';
    return result;
}

} // namespace

QString CommentsRequest::pathAndQuery() const
{
    return QString::fromUtf8(build(*this, plain));
}

QByteArray CommentsRequest::encodedPathAndQuery() const
{
    return build(*this, escaped);
}

QUrl CommentsRequest::url(const QString& serverUrl) const
{
    QByteArray base = serverUrl.trimmed().toUtf8();
    while (base.endsWith('/'))
        base.chop(1);
    QUrl result = QUrl::fromEncoded(base + encodedPathAndQuery(), QUrl::StrictMode);
    if (result.scheme().isEmpty() || result.host().isEmpty())
        return QUrl();
    return result;
}

bool replyAccepted(const QByteArray& reply)
{
    return reply.left(replyHeadSize).toLower().contains("ok");
}
