#pragma once

#include "core/sync/secretstore.h"
#include "core/sync/syncclient.h"

class BirthdayStore;
class Clock;
class SettingsStore;

namespace CommandLine {

// What --sync needs beyond core: the network's clients and the secret service, given by the
// program's entry.
struct SyncServices
{
    SyncClientFactory clients;
    SecretStoreFactory secrets;
};

// --sync: syncs every subscription once, one at a time, as the tray program does, and prints
// a line for each, then publishes the events where a calendar is set for it, with a line of
// its own. Works while the tray program runs: the data file's and the subscriptions' locks
// keep their writes apart. Failed when any source or the publish failed.
int syncSubscriptions(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                      const SyncServices& services);

} // namespace CommandLine
