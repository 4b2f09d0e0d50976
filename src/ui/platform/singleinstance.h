#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per user and data file. The first start takes a lock file and listens on a
// local socket; a later start finds the lock taken, asks the running copy over the socket to
// show its main window, and ends. Both are named after the user and the data file's canonical
// path, so a copy on another data file runs on its own. A copy killed without clean-up leaves
// a lock file that names a process no longer running, which QLockFile takes over, and perhaps
// its socket file, which the next copy removes before it listens: neither blocks a start.
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
    QString serverName() const { return m_name; }
    // Why the role is Unanswered or Alone, or why a primary copy does not listen.
    QString errorString() const { return m_error; }

signals:
    // A later start asked to see this copy.
    void showRequested();

private:
    bool handOver(int timeoutMs);
    void listen();
    void answerConnections();

    QString m_name;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
    QString m_error;
};
