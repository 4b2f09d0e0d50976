#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

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

} // namespace

SingleInstance::SingleInstance(const QString& dataPath, QObject* parent)
    : QObject(parent), m_listening(this)
{
    const QByteArray hash =
        QCryptographicHash::hash(canonicalDataPath(dataPath).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    m_name = listenerName(
        QStringLiteral("candlewatcher-%1-%2").arg(userId(), QString::fromLatin1(hash)), &m_error);
    if (m_name.isEmpty())
        return;
    // The system drops the lock when its holder ends, even killed: nothing is left stale.
    m_lock = std::make_unique<FileLock>(lockPathFor(m_name));
    m_listening.setInterval(2000);
    connect(&m_listening, &QTimer::timeout, this, [this] {
        if (!m_server->isListening())
            listen();
    });
}

SingleInstance::~SingleInstance()
{
    // With its connections, while the list of them is still there.
    delete m_server;
}

SingleInstance::Role SingleInstance::start(int timeoutMs)
{
    if (!m_lock)
        return Role::Alone;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const FileLock::Status status = m_lock->lock(QDeadlineTimer(0));
        if (status == FileLock::Status::Locked) {
            m_server = new QLocalServer(this);
            m_server->setSocketOptions(QLocalServer::UserAccessOption);
            connect(m_server, &QLocalServer::newConnection, this,
                    &SingleInstance::answerConnections);
            listen();
            m_listening.start();
            return Role::Primary;
        }
        if (status != FileLock::Status::Busy) {
            m_error = tr("Cannot make the lock file \"%1\"; another running copy "
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
    m_error = tr("Candlewatcher is already running, but it does not answer.");
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
    // We hold the lock, so a socket file of this name was left by a copy that was killed.
    QLocalServer::removeServer(m_name);
    // Said once: a listener that closes later is simply opened again.
    if (!m_server->listen(m_name) && m_error.isEmpty())
        m_error = tr("Cannot listen for later starts on \"%1\": %2")
                      .arg(QDir::toNativeSeparators(m_name), m_server->errorString());
}

void SingleInstance::answerConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (m_connections.size() >= maxConnections)
            drop(m_connections.constFirst());
        m_connections.append(socket);
        connect(socket, &QObject::destroyed, this,
                [this, socket] { m_connections.removeOne(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Stops reading past the longest line, which then shows as too long.
        socket->setReadBufferSize(maxRequestBytes + 1);
        QTimer::singleShot(requestTimeoutMs, socket, [this, socket] { drop(socket); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
    }
    if (!m_server->isListening())
        listen();
}

void SingleInstance::answer(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > maxRequestBytes)
            drop(socket);
        return;
    }
    const bool show = socket->readLine(maxRequestBytes + 1) == showRequest;
    if (show)
        socket->write(showAnswer);
    socket->disconnectFromServer();
    if (show)
        Q_EMIT showRequested();
}

void SingleInstance::drop(QLocalSocket* socket)
{
    m_connections.removeOne(socket);
    socket->abort();
    socket->deleteLater();
}
