#pragma once

#include "net/netjob.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

// The user the tests' servers know, alice:secret, at url.
inline DavAccount alice(const QUrl& url, const QString& password = "secret")
{
    return {url, "alice", password, {}, std::chrono::seconds(10)};
}

// The job run to its end; none where it did not end in time.
template <typename Job> std::unique_ptr<Job> run(std::unique_ptr<Job> job)
{
    QSignalSpy finished(job.get(), &NetJob::finished);
    job->start();
    if (finished.isEmpty())
        finished.wait(30000);
    return finished.size() == 1 ? std::move(job) : nullptr;
}

// hostile_server.py, a DAV server that misbehaves on purpose, on the loopback address.
// In a process of its own, so that it answers whatever this process does; its ports are P and
// Q (plain) and S (TLS, a certificate of its own).
class HostileServer
{
public:
    HostileServer()
    {
        QProcess openssl;
        openssl.start("openssl", QStringLiteral("req -x509 -newkey ec -pkeyopt ec_paramgen_curve:"
                                                "prime256v1 -nodes -days 2 -subj /CN=cw -keyout "
                                                "%1/key.pem -out %1/cert.pem")
                                     .arg(m_dir.path())
                                     .split(' '));
        openssl.waitForFinished(20000);
        m_process.start("python3",
                        {HOSTILE_SERVER, m_dir.filePath("cert.pem"), m_dir.filePath("key.pem")});
        if (m_process.waitForReadyRead(20000))
            m_ports = QString::fromUtf8(m_process.readLine()).trimmed().split(' ').mid(1);
    }
    ~HostileServer()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    bool running() const { return m_ports.size() == 3; }
    QSslCertificate certificate() const
    {
        return QSslCertificate::fromPath(m_dir.filePath("cert.pem")).value(0);
    }
    // Where its cert.pem and key.pem are, for a server of the test's own that takes them too.
    QString certificateFolder() const { return m_dir.path(); }
    // text with P, Q and S in an address's port replaced by the server's ports.
    QString address(QString text) const
    {
        for (int i = 0; i < 3; ++i)
            text.replace(QStringLiteral(":%1/").arg("PQS"[i]), ':' + m_ports.value(i) + '/');
        return text;
    }
    // What the server logged since the last call: the requests it was sent, the answers it gave
    // up sending (their "sent" bytes).
    QList<QJsonObject> log()
    {
        QList<QJsonObject> lines;
        while (m_process.waitForReadyRead(m_process.canReadLine() ? 0 : 200) ||
               m_process.canReadLine())
            while (m_process.canReadLine())
                lines << QJsonDocument::fromJson(m_process.readLine()).object();
        return lines;
    }
    // The port's letter.
    QString portName(int port) const
    {
        return QString("PQS"[std::max<qsizetype>(0, m_ports.indexOf(QString::number(port)))]);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QStringList m_ports;
};
