#include "core/sync/subscriptionguard.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>

namespace SubscriptionGuard {

Expected<> change(const QString& dataPath, const std::function<void(SubscriptionTable&)>& change,
                  int timeoutMs)
{
    const QString path = SubscriptionFile::pathFor(dataPath);
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(timeoutMs)) {
        return UserError{
            lock.error() == QLockFile::LockFailedError
                //: %1 is the subscriptions file's name.
                ? QCoreApplication::translate("SubscriptionGuard",
                                              "\"%1\" is in use by another copy of Candlewatcher.")
                      .arg(QDir::toNativeSeparators(path))
                : QCoreApplication::translate("SubscriptionGuard",
                                              "Cannot lock \"%1\" to change it.")
                      .arg(QDir::toNativeSeparators(path))};
    }
    Expected<SubscriptionTable> table = SubscriptionFile::load(path);
    if (!table)
        return UserError{table.error()};
    change(*table);
    return {};
}

Expected<> changeAndSave(const QString& dataPath,
                         const std::function<bool(SubscriptionTable&)>& change, int timeoutMs)
{
    Expected<> saved;
    const Expected<> locked = SubscriptionGuard::change(
        dataPath,
        [&](SubscriptionTable& table) {
            if (change(table))
                saved = SubscriptionFile::save(SubscriptionFile::pathFor(dataPath), table);
        },
        timeoutMs);
    return locked ? saved : locked;
}

} // namespace SubscriptionGuard
