#include "app/candlewatcherapp.h"
#include "cli/commandline.h"
#include "net/davsyncclient.h"
#include "platform/console.h"
#include "platform/keychainsecrets.h"
#include "platform/processsignals.h"

int main(int argc, char** argv)
{
    // First of all: a terminating signal during the start-up waits for the tray program's
    // handler, and a file grown to its size limit is a failed write, not the program's end.
    ProcessSignals::holdTermination();
    ProcessSignals::ignoreFileSizeLimit();
    // The subscriptions' network clients, one for each piece of work, and where their
    // passwords are kept.
    const SyncClientFactory syncClients = [] { return std::make_unique<DavSyncClient>(); };
    const SecretStoreFactory secrets = [] { return std::make_unique<KeychainSecrets>(); };
    // A request on the command line never loads a window or the tray.
    if (CommandLine::requested(argc, argv)) {
        ProcessSignals::releaseTermination();
        Console::attachToParent();
        return CommandLine::run(argc, argv, {syncClients, secrets});
    }
    return runTrayProgram(argc, argv, syncClients, secrets);
}
