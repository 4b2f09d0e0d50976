#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

// A tiny HTTP server on 127.0.0.1 for the tests: records every request it receives and answers
// with the status and body it was given, after an optional delay, or never.
class HttpTestServer
{
public:
    struct Request
    {
        QByteArray requestLine;        // "GET /path?query HTTP/1.1"
        QList<QByteArray> headerLines; // "Name: value"

        QByteArray header(const QByteArray& name) const
        {
            for (const QByteArray& line : headerLines) {
                const qsizetype colon = line.indexOf(':');
                if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
                    return line.mid(colon + 1).trimmed();
            }
            return {};
        }
        QByteArray target() const { return requestLine.split(' ').value(1); }
    };

    HttpTestServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connectionTake(socket);
        });
    }

    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }
    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(port()); }

    void setReply(int status, const QByteArray& body, int delayMs = 0)
    {
        m_status = status;
        m_body = body;
        m_delayMs = delayMs;
        m_silent = false;
    }
    // Takes the request and never answers.
    void setSilent() { m_silent = true; }

    int connectionCount() const { return m_connections; }
    const QList<Request>& requests() const { return m_requests; }

private:
    void connectionTake(QTcpSocket* socket)
    {
        ++m_connections;
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            *buffer += socket->readAll();
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0 || buffer->isEmpty())
                return;
            Request request;
            const QList<QByteArray> lines = buffer->left(end).split('\n');
            request.requestLine = lines.value(0).trimmed();
            for (qsizetype i = 1; i < lines.size(); ++i)
                request.headerLines.append(lines.at(i).trimmed());
            m_requests.append(request);
            buffer->clear();
            if (m_silent)
                return;
            const QByteArray response = "HTTP/1.1 " + QByteArray::number(m_status) +
                                        (m_status < 400 ? " OK" : " Server Error") +
                                        "\r\nContent-Type: text/html\r\nContent-Length: " +
                                        QByteArray::number(m_body.size()) +
                                        "\r\nConnection: close\r\n\r\n" + m_body;
            QTimer::singleShot(m_delayMs, socket, [socket, response] {
                socket->write(response);
                socket->disconnectFromHost();
            });
        });
    }

    QTcpServer m_server;
    int m_status = 200;
    QByteArray m_body = "OK";
    int m_delayMs = 0;
    bool m_silent = false;
    int m_connections = 0;
    QList<Request> m_requests;
};
