#include "core/sync/certificatetrust.h"

#include "core/sync/subscriptionguard.h"

namespace CertificateTrust {

bool accepted(const SyncFailure& failure, const QByteArray& accepted, const Ask& ask)
{
    const QByteArray& pem = failure.certificate.pem;
    return !pem.isEmpty() && pem != accepted && ask && ask(failure.certificate);
}

Expected<> keep(const QString& dataPath, const QByteArray& pem,
                const std::function<QByteArray*(SubscriptionTable& table)>& entry, bool& gone)
{
    gone = false;
    return SubscriptionGuard::changeAndSave(dataPath, [&](SubscriptionTable& table) {
        QByteArray* kept = entry(table);
        gone = kept == nullptr;
        if (kept)
            *kept = pem;
        return kept != nullptr;
    });
}

} // namespace CertificateTrust
