#include "ui/platform/singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

const QByteArray showRequest = "show\n";
const QByteArray showAnswer = "ok\n";

// The data file's path with every link and ".." resolved; the file itself need not exist yet.
QString canonicalDataPath(const QString& dataPath)
{
    const QFileInfo file(dataPath);
    if (file.exists())
        return file.canonicalFilePath();
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? file.absoluteFilePath() : folder + QLatin1Char('/') + file.fileName();
}

QString userId()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("USERNAME");
#else
    return QString::number(::getuid());
#endif
}

// On Unix a full path in the user's own runtime folder (which only the user may enter); on
// Windows a pipe name, which the system keeps per session.
QString serverNameFor(const QString& dataPath)
{
    const QByteArray hash =
        QCryptographicHash::hash(canonicalDataPath(dataPath).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    const QString name =
        QStringLiteral("candlewatcher-%1-%2").arg(userId(), QString::fromLatin1(hash));
#ifdef Q_OS_WIN
    return name;
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(name);
#endif
}

QString lockPathFor(const QString& serverName)
{
#ifdef Q_OS_WIN
    return QDir(QDir::tempPath()).filePath(serverName + QStringLiteral(".lock"));
#else
    return serverName + QStringLiteral(".lock");
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString& dataPath, QObject* parent)
    : QObject(parent), m_name(serverNameFor(dataPath)), m_lock(lockPathFor(m_name))
{
    // The lock is stale only when its process is gone, however old it is.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

SingleInstance::Role SingleInstance::start(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        // A lock left by a copy that was killed names a process no longer running: tryLock
        // takes it over.
        if (m_lock.tryLock(0)) {
            listen();
            return Role::Primary;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            m_error = QStringLiteral("Cannot make the lock file \"%1\"; another running copy "
                                     "will not be noticed.")
                          .arg(QDir::toNativeSeparators(lockPathFor(m_name)));
            return Role::Alone;
        }
        // The holder may only now be starting to listen, or ending.
        if (handOver(int(qMax<qint64>(deadline.remainingTime(), 1))))
            return Role::HandedOver;
        if (deadline.hasExpired())
            break;
        QThread::msleep(20);
    }
    m_error = QStringLiteral("Candlewatcher is already running, but it does not answer.");
    return Role::Unanswered;
}

bool SingleInstance::handOver(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(showRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine() == showAnswer;
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answerConnections);
    // We hold the lock, so a socket file of this name was left by a copy that was killed.
    QLocalServer::removeServer(m_name);
    if (!m_server->listen(m_name))
        m_error = QStringLiteral("Cannot listen for later starts on \"%1\": %2")
                      .arg(QDir::toNativeSeparators(m_name), m_server->errorString());
}

void SingleInstance::answerConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const bool show = socket->readLine() == showRequest;
            if (show)
                socket->write(showAnswer);
            socket->disconnectFromServer();
            if (show)
                emit showRequested();
        });
    }
}
