#include "net/netjob.h"

#include <utility>

NetJob::NetJob(QNetworkAccessManager& manager, DavAccount account, QObject* parent)
    : QObject(parent), m_manager(manager), m_account(std::move(account))
{}

void NetJob::send(HttpRequest request, HttpCall::AnswerHandler onAnswer)
{
    if (m_done)
        return;
    if (++m_sent > m_account.maxRequests) {
        fail(NetFailure::at(request.url, tr("the server asked for more than %L1 requests in one "
                                            "go; stopped, to be tried again at the next sync")
                                             .arg(m_account.maxRequests)));
        return;
    }
    ++m_pending;
    auto answered = [this, onAnswer = std::move(onAnswer)](const HttpAnswer& answer) {
        --m_pending;
        onAnswer(answer);
    };
    new HttpCall(
        m_manager, m_account, std::move(request), std::move(answered),
        [this](const NetFailure& failure) { fail(failure); }, this);
}

void NetJob::fail(const NetFailure& failure)
{
    if (m_done)
        return;
    m_failure = failure;
    succeed();
}

void NetJob::failOn(const HttpAnswer& answer)
{
    QString what;
    if (answer.status == 401)
        what = tr("the user name or the password was refused (401)");
    else if (answer.status == 403)
        what = tr("access refused (403)");
    else if (answer.status == 404)
        what = tr("not found on the server (404)");
    else if (answer.status >= 500)
        what = tr("the server failed (%1 %2)")
                   .arg(answer.status)
                   .arg(QString::fromUtf8(answer.reason));
    else
        what = tr("unexpected answer (%1 %2)")
                   .arg(answer.status)
                   .arg(QString::fromUtf8(answer.reason));
    fail(NetFailure::at(answer.url, what, answer.status));
}

void NetJob::failUnreadable(const HttpAnswer& answer, const QString& reason)
{
    fail(
        NetFailure::at(answer.url, tr("the answer cannot be read: %1").arg(reason), answer.status));
}

std::optional<DavMultistatus> NetJob::multistatusOf(const HttpAnswer& answer)
{
    if (answer.status != 207) {
        failOn(answer);
        return std::nullopt;
    }
    QString error;
    std::optional<DavMultistatus> found = parseMultistatus(answer.body, &error);
    if (!found)
        failUnreadable(answer, error);
    return found;
}

void NetJob::succeed()
{
    if (m_done)
        return;
    m_done = true;
    // Whatever is still under way belongs to a result no one will see.
    for (HttpCall* call : findChildren<HttpCall*>(Qt::FindDirectChildrenOnly))
        delete call;
    Q_EMIT finished();
}
