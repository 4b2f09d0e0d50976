#include "net/httpcall.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslConfiguration>

#include <utility>

namespace {

constexpr int maxRedirects = 5;

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
      m_origin(m_request.url), m_onAnswer(std::move(onAnswer)), m_onFailure(std::move(onFailure))
{
    m_silence.setSingleShot(true);
    m_silence.setInterval(m_account.timeout);
    connect(&m_silence, &QTimer::timeout, this, [this] {
        fail(tr("no answer for %1 seconds")
                 .arg(std::chrono::duration<double>(m_account.timeout).count()));
    });
    send();
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
    // The password goes along over TLS; unencrypted only to the host of the http:// address
    // the user gave, so a redirect never takes it out of TLS or to another host in the clear.
    const bool trusted = m_request.url.scheme() == u"https" ||
                         (m_request.url.host() == m_origin.host() && m_origin.scheme() == u"http");
    if (trusted && !m_account.user.isEmpty()) {
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
    if (m_body.size() > m_account.sizeLimit)
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
    const QUrl location = m_reply->header(QNetworkRequest::LocationHeader).toUrl();
    if (answer.status >= 300 && answer.status < 400 && answer.status != 304 && location.isValid()) {
        if (++m_redirects > maxRedirects) {
            fail(tr("redirected more than %1 times").arg(maxRedirects));
            return;
        }
        detach();
        m_request.url = m_request.url.resolved(location);
        send();
        return;
    }
    detach();
    const AnswerHandler handler = std::move(m_onAnswer);
    QPointer<HttpCall> self(this);
    handler(answer);
    if (self)
        deleteLater();
}

void HttpCall::fail(const QString& what)
{
    NetFailure failure = NetFailure::at(m_request.url, what);
    failure.certificate = m_certificateFailure.certificate;
    failure.sslErrors = m_certificateFailure.sslErrors;
    detach();
    const FailureHandler handler = std::move(m_onFailure);
    QPointer<HttpCall> self(this);
    handler(failure);
    if (self)
        deleteLater();
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
