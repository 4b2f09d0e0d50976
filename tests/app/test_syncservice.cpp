#include "app/syncservice.h"
#include "fakesync.h"
#include "storefixture.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A password store that, as the desktop's does, tells when no secret service answers.
struct LosingSecrets : FakeSecrets
{
    void lose(const QString& reason) { tellUnavailable(reason); }
};

} // namespace

class TestSyncService : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The store's word that no secret service answered reaches the status bar, and from then on
    // a password is asked for as one that is not kept.
    void secretServiceLost()
    {
        StoreFixture f;
        LosingSecrets* secrets = nullptr;
        SyncService sync(f.store, f.settings, f.clock, {}, [&secrets] {
            auto made = std::make_unique<LosingSecrets>();
            secrets = made.get();
            return made;
        });
        QSignalSpy status(&sync, &SyncService::status);
        QVERIFY(sync.passwordsKept());
        QTest::ignoreMessage(QtWarningMsg, "candlewatcher: no secret service: no bus");
        secrets->lose("no bus");
        QCOMPARE(status.size(), 1);
        QCOMPARE(status[0][0].toString(),
                 "No secret service (GNOME Keyring, KWallet) answered: passwords are asked for "
                 "once a session and not kept. Start or install one to keep them.");
        QVERIFY(!sync.passwordsKept());
    }
};

QTEST_GUILESS_MAIN(TestSyncService)
#include "test_syncservice.moc"
