#pragma once

#include "core/sync/davxml.h"
#include "net/davtypes.h"
#include "net/httpcall.h"

#include <QObject>

#include <optional>

class QNetworkAccessManager;

// A piece of work against one server (a discovery, a fetch): its requests run in the
// background and finished() follows exactly once, with either the whole result or a failure,
// never a part of the result.
class NetJob : public QObject
{
    Q_OBJECT
public:
    const std::optional<NetFailure>& failure() const { return m_failure; }

Q_SIGNALS:
    void finished();

protected:
    NetJob(QNetworkAccessManager& manager, DavAccount account, QObject* parent);

    const DavAccount& account() const { return m_account; }
    // Sends a request; onAnswer sees the server's answer whatever its status; a failure of the
    // connection ends the job, as does a request past the account's maxRequests.
    void send(HttpRequest request, HttpCall::AnswerHandler onAnswer);
    // Ends the job with a failure; its other requests are dropped.
    void fail(const NetFailure& failure);
    // The failure for an answer whose status the job cannot use.
    void failOn(const HttpAnswer& answer);
    // The failure for an answer that cannot be read.
    void failUnreadable(const HttpAnswer& answer, const QString& reason);
    // The multistatus of a 207 answer; otherwise nothing, and the job has failed on it.
    std::optional<DavMultistatus> multistatusOf(const HttpAnswer& answer);
    void succeed();
    bool isDone() const { return m_done; }
    // Requests sent and not yet answered.
    int pending() const { return m_pending; }

private:
    QNetworkAccessManager& m_manager;
    DavAccount m_account;
    std::optional<NetFailure> m_failure;
    bool m_done = false;
    int m_pending = 0;
    int m_sent = 0;
};
