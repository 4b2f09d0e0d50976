#pragma once

#include "core/sync/subscriptions.h"
#include "core/sync/syncclient.h"

#include <QByteArray>
#include <QString>

#include <functional>

// What every request of the subscriptions does when the server shows a certificate that does
// not verify: the user is asked once, and an accepted certificate goes with the request made
// again and with every later one. Only the certificate the user saw counts: one that changes
// later is asked about again.
namespace CertificateTrust {

using Ask = std::function<bool(const UntrustedCertificate& certificate)>;

// Whether the request that failed is to be made again with the failure's certificate: the
// failure is one of a certificate that does not verify, not the one the request went with
// (accepted), and ask says the user accepts it. No ask: nobody to ask (the command line).
bool accepted(const SyncFailure& failure, const QByteArray& accepted, const Ask& ask);

// Keeps an accepted certificate with its entry of the subscriptions table (a source, the
// publishing target), under the subscriptions' lock. entry gives the entry's certificate, or
// nullptr where the entry went meanwhile (gone is set then and nothing is saved). Fails where
// the table could not be changed.
Expected<> keep(const QString& dataPath, const QByteArray& pem,
                const std::function<QByteArray*(SubscriptionTable& table)>& entry, bool& gone);

} // namespace CertificateTrust
