#include "net/httpcall.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslConfiguration>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr int maxRedirects = 5;

// webcal:// is https:// under another name.
QUrl originOf(const QUrl& url)
{
    QUrl origin;
    origin.setScheme(url.scheme() == u"webcal" ? QStringLiteral("https") : url.scheme());
    origin.setHost(url.host());
    origin.setPort(url.port(origin.scheme() == u"https" ? 443 : 80));
    return origin;
}

bool isLoopback(const QString& host)
{
    const QHostAddress address(host);
    return host == u"localhost" || (!address.isNull() && address.isLoopback());
}

// Errors of the connection itself, as opposed to an HTTP status the server sent.
bool transportError(QNetworkReply::NetworkError error)
{
    return (error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied) ||
           error == QNetworkReply::ProtocolFailure;
}

} // namespace

HttpCall::HttpCall(QNetworkAccessManager& manager, const DavAccount& account, HttpRequest request,
                   AnswerHandler onAnswer, FailureHandler onFailure, QObject* parent)
    : QObject(parent), m_manager(manager), m_account(account), m_request(std::move(request)),
      m_origin(m_account.url), m_onAnswer(std::move(onAnswer)), m_onFailure(std::move(onFailure))
{
    m_silence.setSingleShot(true);
    m_silence.setInterval(m_account.timeout);
    connect(&m_silence, &QTimer::timeout, this, [this] {
        fail(tr("no answer for %1 seconds")
                 .arg(std::chrono::duration<double>(m_account.timeout).count()));
    });
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(m_account.deadline);
    // For the call with its redirects; once answered it has no reply to give up on.
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (!m_reply)
            return;
        abort();
        fail(tr("the answer did not come in full within %1 seconds")
                 .arg(std::chrono::duration<double>(m_account.deadline).count()));
    });
    m_deadline.start();
    send();
}

bool mayCarryPassword(const QUrl& accountUrl, const QUrl& url)
{
    const QUrl origin = originOf(accountUrl);
    return originOf(url) == origin && (origin.scheme() == u"https" ||
                                       (origin.scheme() == u"http" && isLoopback(origin.host())));
}

HttpCall::~HttpCall()
{
    detach();
}

void HttpCall::send()
{
    QNetworkRequest request(m_request.url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    m_withheld = !m_account.user.isEmpty() && !mayCarryPassword(m_origin, m_request.url);
    if (!m_withheld && !m_account.user.isEmpty()) {
        const QByteArray pair = (m_account.user + u':' + m_account.password).toUtf8();
        request.setRawHeader("Authorization", "Basic " + pair.toBase64());
    }
    // Uncompressed: a cut answer then shows against its Content-Length (a cut compressed one
    // would only read as malformed), and the size limit counts what travels. The photos that
    // make address books large do not compress much anyway.
    request.setRawHeader("Accept-Encoding", "identity");
    if (!m_request.body.isEmpty())
        request.setHeader(QNetworkRequest::ContentTypeHeader, m_request.contentType.isEmpty()
                                                                  ? "application/xml; charset=utf-8"
                                                                  : m_request.contentType);
    if (!m_request.depth.isEmpty())
        request.setRawHeader("Depth", m_request.depth);
    if (!m_request.ifNoneMatch.isEmpty())
        request.setRawHeader("If-None-Match", m_request.ifNoneMatch);
    if (!m_request.ifMatch.isEmpty())
        request.setRawHeader("If-Match", m_request.ifMatch);

    m_body.clear();
    m_certificateFailure = NetFailure();
    m_reply = m_manager.sendCustomRequest(request, m_request.verb, m_request.body);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpCall::onReadyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this,
            [this](qint64 received) { count(received); });
    connect(m_reply, &QNetworkReply::finished, this, &HttpCall::onFinished);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        m_silence.start();
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_account.sizeLimit)
            fail(tr("the answer of %1 bytes is over the limit of %2 bytes; refused")
                     .arg(length.toLongLong())
                     .arg(m_account.sizeLimit));
    });
    connect(m_reply, &QNetworkReply::sslErrors, this, [this](const QList<QSslError>& errors) {
        const QSslCertificate certificate = m_reply->sslConfiguration().peerCertificate();
        if (m_account.acceptedCertificates.contains(certificate)) {
            m_reply->ignoreSslErrors();
            return;
        }
        m_certificateFailure.certificate = certificate;
        m_certificateFailure.sslErrors = errors;
    });
    m_silence.start();
}

void HttpCall::onReadyRead()
{
    m_silence.start();
    m_body += m_reply->readAll();
    count(m_body.size());
}

void HttpCall::count(qint64 received)
{
    if (!m_reply || received <= m_account.sizeLimit)
        return;
    abort();
    fail(tr("the answer is over the limit of %1 bytes; refused").arg(m_account.sizeLimit));
}

void HttpCall::onFinished()
{
    if (!m_reply)
        return;
    m_body += m_reply->readAll();
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QNetworkReply::NetworkError error = m_reply->error();
    if (!m_certificateFailure.sslErrors.isEmpty()) {
        QStringList reasons;
        for (const QSslError& sslError : std::as_const(m_certificateFailure.sslErrors))
            reasons << sslError.errorString();
        fail(tr("the server's certificate does not verify (%1); refused")
                 .arg(reasons.join(QStringLiteral("; "))));
        return;
    }
    if (!status.isValid() || transportError(error)) {
        fail(m_reply->errorString());
        return;
    }
    // Qt does not always report a connection closed in the middle of the body.
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && m_body.size() < length.toLongLong()) {
        fail(tr("the connection closed after %1 of %2 bytes")
                 .arg(m_body.size())
                 .arg(length.toLongLong()));
        return;
    }
    if (m_body.size() > m_account.sizeLimit) {
        fail(tr("the answer is over the limit of %1 bytes; refused").arg(m_account.sizeLimit));
        return;
    }

    HttpAnswer answer;
    answer.url = m_request.url;
    answer.status = status.toInt();
    answer.reason = m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    answer.etag = m_reply->rawHeader("ETag");
    answer.body = std::exchange(m_body, {});
    // Qt reads a relative Location as none at all; it is resolved against the request here.
    const QByteArray location = m_reply->rawHeader("Location");
    const int redirects[] = {301, 302, 307, 308};
    if (!location.isEmpty() && std::find(std::begin(redirects), std::end(redirects),
                                         answer.status) != std::end(redirects)) {
        const QUrl next = m_request.url.resolved(QUrl::fromEncoded(location));
        if (++m_redirects > maxRedirects) {
            fail(tr("redirected more than %1 times").arg(maxRedirects));
            return;
        }
        if (!next.isValid() || (next.scheme() != u"https" && next.scheme() != u"http")) {
            fail(tr("redirected to %1, which is not an http or https address; refused")
                     .arg(QString::fromUtf8(location)));
            return;
        }
        detach();
        m_request.url = next;
        send();
        return;
    }
    if (answer.status == 401 && m_withheld) {
        // The server wants the password where this program does not send it: the user decides
        // whether the new address is the one to subscribe to.
        const QString where = m_request.url.toDisplayString(QUrl::RemoveUserInfo);
        const QString what =
            originOf(m_request.url) == originOf(m_origin)
                ? tr("the password is not sent over plain http except to this computer; use "
                     "the https address (401)")
                : tr("the password is not sent to %1, where the server redirected; if that is "
                     "the right server, subscribe to that address (401)")
                      .arg(where);
        fail(what, 401);
        return;
    }
    detach();
    const AnswerHandler handler = std::move(m_onAnswer);
    QPointer<HttpCall> self(this);
    handler(answer);
    if (self)
        deleteLater();
}

void HttpCall::fail(const QString& what, int httpStatus)
{
    NetFailure failure = NetFailure::at(m_request.url, what, httpStatus);
    failure.certificate = m_certificateFailure.certificate;
    failure.sslErrors = m_certificateFailure.sslErrors;
    detach();
    const FailureHandler handler = std::move(m_onFailure);
    QPointer<HttpCall> self(this);
    handler(failure);
    if (self)
        deleteLater();
}

void HttpCall::abort()
{
    // A reply only deleted leaves its connection reading on in the network thread, as much as
    // the server sends; aborted, the connection closes. Quietly: nothing of it is reported.
    if (QNetworkReply* reply = std::exchange(m_reply, nullptr)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void HttpCall::detach()
{
    m_silence.stop();
    // Deleted, never aborted: deleting a reply cancels its request as well, whereas abort()
    // reports an error of its own, and a failure the network thread has already sent on its way
    // (the certificate refused on a connection the sibling requests share) then arrives as a
    // second one, which Qt warns about.
    if (QNetworkReply* reply = std::exchange(m_reply, nullptr)) {
        reply->disconnect(this);
        reply->deleteLater();
    }
}
