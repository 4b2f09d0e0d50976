#pragma once

#include "net/davtypes.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

struct HttpRequest
{
    QByteArray verb = "GET";
    QUrl url;
    QByteArray body; // XML when set
    QByteArray depth;
    QByteArray ifNoneMatch;
    QByteArray ifMatch = {};
    QByteArray contentType = {}; // of the body; empty: XML
};

// The server's answer, whatever its status.
struct HttpAnswer
{
    QUrl url; // after redirects
    int status = 0;
    QByteArray reason;
    QByteArray body;
    QByteArray etag;
};

// Whether the password of an account at accountUrl goes with a request to url: only to the
// scheme, host and port subscribed to, and over plain http only where that is the loopback
// address (a server on this machine), never to where a redirect leads.
bool mayCarryPassword(const QUrl& accountUrl, const QUrl& url);

// One request on a job's behalf: Basic authentication (see mayCarryPassword), redirects
// followed (relative ones too, with the method kept, as WebDAV needs), a time-out while the
// server is silent and a deadline for the whole answer, the size limit enforced on the bytes as
// they arrive, certificates checked against the account's accepted ones. Exactly one of the
// callbacks runs, unless the call is deleted first, which cancels it.
class HttpCall : public QObject
{
    Q_OBJECT
public:
    using AnswerHandler = std::function<void(const HttpAnswer&)>;
    using FailureHandler = std::function<void(const NetFailure&)>;

    HttpCall(QNetworkAccessManager& manager, const DavAccount& account, HttpRequest request,
             AnswerHandler onAnswer, FailureHandler onFailure, QObject* parent);
    ~HttpCall() override;

private:
    void send();
    void onReadyRead();
    void onFinished();
    void count(qint64 received);
    void fail(const QString& what, int httpStatus = 0);
    void abort();
    void detach();

    QNetworkAccessManager& m_manager;
    const DavAccount& m_account;
    HttpRequest m_request;
    QUrl m_origin;
    AnswerHandler m_onAnswer;
    FailureHandler m_onFailure;
    QNetworkReply* m_reply = nullptr;
    QTimer m_silence;
    QTimer m_deadline;
    QByteArray m_body;
    bool m_withheld = false; // the password was not sent with the request under way
    int m_redirects = 0;
    NetFailure m_certificateFailure;
};
