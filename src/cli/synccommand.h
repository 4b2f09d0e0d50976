#pragma once

#include "core/sync/secretstore.h"
#include "core/sync/syncclient.h"

class BirthdayStore;
class Clock;

namespace CommandLine {

// What --sync needs beyond core: the network's clients and the secret service, given by the
// program's entry.
struct SyncServices
{
    SyncClientFactory clients;
    SecretStoreFactory secrets;
};

// --sync: syncs every subscription once, one at a time, as the tray program does, and prints
// a line for each. Works while the tray program runs: the data file's and the subscriptions'
// locks keep their writes apart. Failed when any source failed.
int syncSubscriptions(BirthdayStore& store, const Clock& clock, const SyncServices& services);

} // namespace CommandLine
