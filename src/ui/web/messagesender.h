#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>

class QNetworkReply;
class QWidget;

// Hands one message to the maker's server as a GET request and tells whether the server
// accepted it (the first 1000 bytes of its reply hold "ok" in any letter case). The request
// runs in the background, so the program's timers and tray keep working, and gives up as a
// failure after the timeout.
class MessageSender : public QObject
{
    Q_OBJECT
public:
    using ConnectedCheck = std::function<bool()>;

    // messageParent: the window over which the "unable to connect" message is shown.
    explicit MessageSender(QWidget* messageParent = nullptr);
    ~MessageSender() override;

    void setTimeout(std::chrono::milliseconds timeout);
    std::chrono::milliseconds timeout() const;
    // By default the request is tried unless the system reports that it has no network at all.
    void setConnectedCheck(ConnectedCheck check);
    bool isBusy() const;

    // Starts the request and returns true; finished() follows exactly once. Returns false
    // without sending when the system is offline (after telling the user) or a request is
    // already under way; no finished() follows then.
    bool send(const QUrl& url);

Q_SIGNALS:
    void finished(bool accepted);

private:
    void readReply();
    void onReplyFinished();
    void onTimeout();
    void conclude(bool accepted);

    QPointer<QWidget> m_messageParent;
    QNetworkAccessManager m_manager;
    QTimer m_timeoutTimer;
    ConnectedCheck m_connectedCheck;
    QNetworkReply* m_reply = nullptr;
    QByteArray m_head;
};
