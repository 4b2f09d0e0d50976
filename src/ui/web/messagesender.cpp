#include "ui/web/messagesender.h"

#include "core/comments/commentsrequest.h"
#include "core/comments/webtexts.h"
#include "core/program/programidentity.h"
#include "ui/common/messageprompt.h"

#include <QNetworkInformation>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QWidget>

#include <utility>

namespace {

// Only a certain "offline" stops the request: a local network may well reach the server, and
// where Qt cannot tell (no network information backend) the request is simply tried.
bool systemOnline()
{
    if (!QNetworkInformation::instance())
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* info = QNetworkInformation::instance();
    if (!info || !info->supports(QNetworkInformation::Feature::Reachability))
        return true;
    return info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

// A 2xx answer without a transport error; an error page never counts, whatever it says.
bool replySucceeded(const QNetworkReply* reply)
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid()) {
        const int code = status.toInt();
        if (code < 200 || code > 299)
            return false;
    }
    return reply->error() == QNetworkReply::NoError;
}

} // namespace

MessageSender::MessageSender(QWidget* messageParent) : m_messageParent(messageParent)
{
    // A direct connection, as the maker's server expects it.
    m_manager.setProxy(QNetworkProxy::NoProxy);
    m_timeoutTimer.setSingleShot(true);
    m_timeoutTimer.setInterval(std::chrono::seconds(30));
    connect(&m_timeoutTimer, &QTimer::timeout, this, &MessageSender::onTimeout);
}

MessageSender::~MessageSender()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void MessageSender::setTimeout(std::chrono::milliseconds timeout)
{
    m_timeoutTimer.setInterval(timeout);
}

std::chrono::milliseconds MessageSender::timeout() const
{
    return m_timeoutTimer.intervalAsDuration();
}

void MessageSender::setConnectedCheck(ConnectedCheck check)
{
    m_connectedCheck = std::move(check);
}

bool MessageSender::isBusy() const
{
    return m_reply != nullptr;
}

bool MessageSender::send(const QUrl& url)
{
    if (m_reply)
        return false;
    const bool connected = m_connectedCheck ? m_connectedCheck() : systemOnline();
    if (!connected) {
        MessagePrompt(m_messageParent, WebTexts::webTitle())
            .inform(QMessageBox::Warning, WebTexts::unableToConnect());
        return false;
    }

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, organisationName().toLatin1());
    // Always from the server: a cached "ok" would tell of a message that never arrived. The
    // manager has no cache, so the default load control never finds one; AlwaysNetwork would
    // add Cache-Control and Pragma headers, and the request carries no extra headers.
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);

    m_head.clear();
    m_reply = m_manager.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &MessageSender::readReply);
    connect(m_reply, &QNetworkReply::finished, this, &MessageSender::onReplyFinished);
    m_timeoutTimer.start();
    return true;
}

void MessageSender::readReply()
{
    if (!m_reply)
        return;
    m_head += m_reply->read(replyHeadSize - m_head.size());
    // The judgement rests on the head alone; the rest of a long reply is not waited for.
    if (m_head.size() >= replyHeadSize)
        conclude(replySucceeded(m_reply) && replyAccepted(m_head));
}

void MessageSender::onReplyFinished()
{
    if (!m_reply)
        return;
    if (m_head.size() < replyHeadSize)
        m_head += m_reply->read(replyHeadSize - m_head.size());
    conclude(replySucceeded(m_reply) && replyAccepted(m_head));
}

void MessageSender::onTimeout()
{
    if (m_reply)
        conclude(false);
}

void MessageSender::conclude(bool accepted)
{
    m_timeoutTimer.stop();
    QNetworkReply* reply = std::exchange(m_reply, nullptr);
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    Q_EMIT finished(accepted);
}
