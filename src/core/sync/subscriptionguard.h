#pragma once

#include "core/sync/subscriptions.h"

#include <QString>

#include <functional>

// Every change of the subscriptions table by this program or another running copy (the tray
// program, --sync) goes through here: under a lock file beside the table, the table read anew,
// changed and saved by the change, so no writer saves over another's links. The lock is held
// only for the local work, never while the network is asked.
namespace SubscriptionGuard {

// Fails where the lock is not had within timeoutMs or the table does not read; change is not
// called then.
Expected<> change(const QString& dataPath, const std::function<void(SubscriptionTable&)>& change,
                  int timeoutMs = 10000);

// As change, then saves the table where the change returns true. Fails where the lock is not
// had, the table does not read or its save failed; done where the change chose not to save.
Expected<> changeAndSave(const QString& dataPath,
                         const std::function<bool(SubscriptionTable&)>& change,
                         int timeoutMs = 10000);

} // namespace SubscriptionGuard
