#include "cli/synccommand.h"

#include "cli/output.h"
#include "core/store/birthdaystore.h"
#include "core/sync/publisher.h"
#include "core/sync/syncqueue.h"

#include <QEventLoop>

namespace CommandLine {

namespace {

// Where the program has no secret service to offer: no password is known.
class NoSecrets : public SecretStore
{
public:
    void read(const QString&, Read done) override { done(std::nullopt); }
    void write(const QString&, const QString&, Written done) override { done(QString()); }
    void remove(const QString&) override {}
    bool persistent() const override { return false; }
};

} // namespace

int syncSubscriptions(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                      const SyncServices& services)
{
    std::unique_ptr<SecretStore> secrets =
        services.secrets ? services.secrets() : std::make_unique<NoSecrets>();
    SyncQueue queue(store, clock, services.clients, *secrets);
    Publisher publisher(store, clock, services.clients, *secrets,
                        [&] { return CalendarExchange::exportOptions(settings, clock); });
    int synced = 0;
    bool failed = false, unreadable = false;
    QEventLoop loop;
    QObject::connect(
        &queue, &SyncQueue::sourceFinished, &loop,
        [&](const QString&, const QString& name, bool ok, const QString& summary) {
            ++synced;
            failed = failed || !ok;
            unreadable = unreadable || (!ok && name.isEmpty()); // the table itself
            //: %1 is the subscription's name, %2 what its sync did.
            const QString line =
                name.isEmpty()
                    ? summary
                    : QCoreApplication::translate("CommandLine", "%1: %2").arg(name, summary);
            if (ok)
                print(stdout, line + u'\n');
            else
                fail(line);
        });
    bool published = false;
    // Publishing reads the same table: one that did not read is told once, by the queue.
    QObject::connect(&queue, &SyncQueue::idle, &loop, [&] {
        if (unreadable)
            loop.quit();
        else
            publisher.publish();
    });
    QObject::connect(&publisher, &Publisher::finished, &loop, [&](bool ok, const QString& summary) {
        published = !summary.isEmpty();
        failed = failed || !ok;
        if (ok && published)
            print(stdout, summary + u'\n');
        else if (!ok)
            fail(summary);
        loop.quit();
    });
    queue.syncAll();
    loop.exec();
    if (synced == 0 && !published)
        print(stdout, QCoreApplication::translate("CommandLine", "There are no subscriptions.\n"));
    return failed ? Failed : Done;
}

} // namespace CommandLine
