#pragma once

#include "platform/filelock.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QLocalServer;
class QLocalSocket;

// One running copy per user and data file. The first start takes a lock file and listens on a
// local socket; a later start finds the lock taken, asks the running copy over the socket to
// show its main window, and ends. Both are named after the user and the data file's canonical
// path, so a copy on another data file runs on its own. A copy killed without clean-up leaves
// a lock file the system no longer holds locked, which the next start takes, and perhaps
// its socket file, which the next copy removes before it listens: neither blocks a start.
// On Unix both live in a folder only this user may enter and no other user can make first
// (the runtime folder, else one of the program's own in the user's cache folder; a socket
// path too long for the system goes to a folder made with an unforeseeable name in the
// temporary folder); where there is none, the copy runs alone.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Role {
        Primary,    // this is the running copy: it listens for later starts
        HandedOver, // a running copy was asked to show itself: this start ends
        Unanswered, // a running copy holds the lock but did not answer
        Alone,      // the lock could not be made: run without the hand-over
    };

    explicit SingleInstance(const QString& dataPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Decides the role; gives up asking a running copy after about timeoutMs.
    Role start(int timeoutMs = 800);
    // Empty when there is no private folder for it.
    QString serverName() const { return m_name; }
    // Why the role is Unanswered or Alone, or why a primary copy does not listen.
    QString errorString() const { return m_error; }

    // The folder for the lock and the socket: XDG_RUNTIME_DIR, else "candlewatcher-runtime" in the
    // user's cache folder, made if missing; the first that is private. Empty when neither is,
    // with the reason in `error`.
    static QString privateFolder(QString* error);
    // Why `folder` is not private to this user (a real folder, the user's own, closed to
    // others); empty when it is.
    static QString folderProblem(const QString& folder);

    // A later start sends its request at once: a connection that sends nothing for this
    // long, or a line longer than this, is no later start and is dropped. Past this many
    // connections, the oldest is dropped, so the open files stay few.
    static constexpr int requestTimeoutMs = 1000;
    static constexpr int maxRequestBytes = 256;
    static constexpr int maxConnections = 16;

Q_SIGNALS:
    // A later start asked to see this copy.
    void showRequested();

private:
    // The platform's part (posix/singleinstance.cpp, windows/singleinstance.cpp): the user's
    // id in the names; the listener's name for a name of the user's and the data file's (on
    // Unix a full path in a folder only the user may enter, on Windows a pipe name, which the
    // system keeps per session), empty with the reason in `error` where there is no such
    // folder; and the lock file's path for that listener.
    static QString userId();
    static QString listenerName(const QString& name, QString* error);
    static QString lockPathFor(const QString& listenerName);

    bool handOver(int timeoutMs);
    void listen();
    void answerConnections();
    void answer(QLocalSocket* socket);
    void drop(QLocalSocket* socket);

    QString m_name;
    std::unique_ptr<FileLock> m_lock;
    QLocalServer* m_server = nullptr;
    QList<QLocalSocket*> m_connections; // oldest first
    // The server closes when it cannot take a connection (no file descriptor left); it
    // listens again.
    QTimer m_listening;
    QString m_error;
};
