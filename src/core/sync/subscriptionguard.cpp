#include "core/sync/subscriptionguard.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>

namespace SubscriptionGuard {

bool change(const QString& dataPath, const std::function<void(SubscriptionTable&)>& change,
            QString& error, int timeoutMs)
{
    const QString path = SubscriptionFile::pathFor(dataPath);
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(timeoutMs)) {
        error = lock.error() == QLockFile::LockFailedError
                    //: %1 is the subscriptions file's name.
                    ? QCoreApplication::translate(
                          "SubscriptionGuard", "\"%1\" is in use by another copy of Candlewatcher.")
                          .arg(QDir::toNativeSeparators(path))
                    : QCoreApplication::translate("SubscriptionGuard",
                                                  "Cannot lock \"%1\" to change it.")
                          .arg(QDir::toNativeSeparators(path));
        return false;
    }
    std::optional<SubscriptionTable> table = SubscriptionFile::load(path, error);
    if (!table)
        return false;
    change(*table);
    return true;
}

bool changeAndSave(const QString& dataPath, const std::function<bool(SubscriptionTable&)>& change,
                   QString& error, int timeoutMs)
{
    bool saved = true;
    const bool locked = SubscriptionGuard::change(
        dataPath,
        [&](SubscriptionTable& table) {
            if (change(table))
                saved = SubscriptionFile::save(SubscriptionFile::pathFor(dataPath), table, error);
        },
        error, timeoutMs);
    return locked && saved;
}

} // namespace SubscriptionGuard
