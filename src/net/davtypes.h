#pragma once

#include <QList>
#include <QSslCertificate>
#include <QSslError>
#include <QString>
#include <QUrl>

#include <chrono>

// Where a subscription's server is and how to speak to it. The password comes from the caller
// (the keychain or the user); nothing here keeps it.
struct DavAccount
{
    QUrl url; // a server's address, a collection, or an iCalendar address (https://, webcal://)
    QString user;
    QString password;
    // Certificates the user accepted for this server although they do not verify (self-signed,
    // another name): an answer under one of them is taken, any other that does not verify is
    // refused.
    QList<QSslCertificate> acceptedCertificates;
    // Without a byte from the server for this long a request gives up.
    std::chrono::milliseconds timeout = std::chrono::seconds(30);
    // A request's whole answer, however steadily it trickles in, takes at most this long: 20 MB
    // at 2 Mbit/s, so one slow server holds the sync of the others up by this at most.
    std::chrono::milliseconds deadline = std::chrono::seconds(90);
    // A larger answer is refused while it arrives, never held whole.
    qint64 sizeLimit = 20 * 1024 * 1024;
    // One job's requests (a discovery, a fetch of one collection): a fetch of the largest data
    // file the program keeps takes a few hundred; a server that never stops sending more to ask
    // for is stopped here.
    int maxRequests = 1000;
    // Rounds of one sync report that the server marks as continued: each round brings a part of
    // the changes, typically some hundreds.
    int maxRounds = 50;
};

// One source of events on a server.
struct DavCollection
{
    enum class Kind { AddressBook, Calendar, CalendarFeed };
    QUrl url;
    QString displayName;
    Kind kind = Kind::AddressBook;
};

// Why a request came to nothing: a message for the user that names the address, and for a
// certificate that does not verify, the certificate and what is wrong with it, so a dialog can
// show it and the user can accept it for that server (DavAccount::acceptedCertificates).
struct NetFailure
{
    // The failure at an address: the message reads "address: what", the address without user
    // information.
    static NetFailure at(const QUrl& url, const QString& what, int httpStatus = 0)
    {
        return {url,
                url.toDisplayString(QUrl::RemoveUserInfo) + QStringLiteral(": ") + what,
                httpStatus,
                QSslCertificate(),
                {}};
    }

    QUrl url;
    QString message;
    int httpStatus = 0; // the server's status where it answered, else 0
    QSslCertificate certificate;
    QList<QSslError> sslErrors;
};
