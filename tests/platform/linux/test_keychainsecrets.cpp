#include "platform/keychainsecrets.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>

namespace {

// The password read by a store of its own, as the next session reads it; "none" for none.
QString readBack(const QString& id)
{
    KeychainSecrets store;
    QString got;
    bool done = false;
    store.read(id, [&](const std::optional<QString>& password) {
        got = password.value_or("none");
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        return "no answer";
    return got;
}

QString write(KeychainSecrets& store, const QString& id, const QString& password)
{
    QString error = "no answer";
    store.write(id, password, [&](const QString& e) { error = e; });
    if (!QTest::qWaitFor([&] { return error != "no answer"; }, 10000))
        qWarning("the secret service did not answer");
    return error;
}

} // namespace

// The passwords against a real secret service: gnome-keyring on a bus of the test's own, with
// a login keyring unlocked by an empty password in a home of the test's own.
class TestKeychainSecrets : public QObject
{
    Q_OBJECT
public:
    QProcess keyring;
    // The store of the session without a service, kept for the session's rest.
    KeychainSecrets gaveUp;
    QStringList toldUnavailable;

private Q_SLOTS:
    // Before the secret service runs: told once, and passwords live in memory only.
    void withoutService()
    {
        KeychainSecrets& store = gaveUp;
        store.setUnavailableHandler([&](const QString& reason) { toldUnavailable << reason; });
        QCOMPARE(write(store, "s1", "pw"), QString());
        QCOMPARE(write(store, "s2", "pw2"), QString());
        QCOMPARE(toldUnavailable.size(), 1);
        QVERIFY(!store.persistent());
        bool read = false;
        store.read("s1", [&](const std::optional<QString>& password) {
            read = password == QString("pw");
        });
        QVERIFY(read);
        QCOMPARE(readBack("s1"), "none");
    }

    void keptInTheService()
    {
        keyring.start("gnome-keyring-daemon", {"--unlock", "--components=secrets", "--foreground"});
        QVERIFY(keyring.waitForStarted());
        keyring.write("\n"); // the empty password
        keyring.closeWriteChannel();
        // The service takes a moment to claim its name on the bus; until it has, a store keeps
        // what it is given in memory.
        QTRY_VERIFY_WITH_TIMEOUT(([] {
                                     KeychainSecrets probe;
                                     return write(probe, "s0", "x").isEmpty() && probe.persistent();
                                 }()),
                                 30000);
        KeychainSecrets store;
        QStringList unavailable;
        store.setUnavailableHandler([&](const QString& reason) { unavailable << reason; });
        QCOMPARE(write(store, "s1", "pa ss"), QString());
        QCOMPARE(write(store, "s2", "other"), QString());
        QCOMPARE(readBack("s1"), "pa ss");
        QCOMPARE(readBack("s9"), "none");
        store.remove("s1");
        QTRY_COMPARE(readBack("s1"), "none");
        QCOMPARE(readBack("s2"), "other");
        QCOMPARE(unavailable.size(), 0);
        QVERIFY(store.persistent());
    }

    // The store that gave up stays in memory for the session, though a service answers now:
    // what it is given does not go there, what it forgets is gone, and it tells no more.
    void afterGivingUp()
    {
        QCOMPARE(write(gaveUp, "s3", "pw3"), QString());
        QCOMPARE(readBack("s3"), "none");
        gaveUp.remove("s2");
        QStringList read;
        for (const char* id : {"s1", "s2", "s3"})
            gaveUp.read(id, [&](const std::optional<QString>& p) { read << p.value_or("none"); });
        QCOMPARE(read, (QStringList{"pw", "none", "pw3"})); // at once, from memory
        QCOMPARE(toldUnavailable.size(), 1);
        QVERIFY(!gaveUp.persistent());
    }

    void cleanupTestCase()
    {
        keyring.terminate();
        keyring.waitForFinished();
    }
};

int main(int argc, char** argv)
{
    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty() ||
        QStandardPaths::findExecutable("gnome-keyring-daemon").isEmpty()) {
        std::fputs("skipped: dbus-daemon or gnome-keyring-daemon is missing; "
                   "scripts/setup-debian.sh installs them\n",
                   stderr);
        return 77;
    }
    // Before anything speaks D-Bus: a home, a bus and a keyring of the test's own.
    QTemporaryDir home;
    for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        qputenv(name, home.path().toUtf8());
    QDir(home.path()).mkdir("run");
    QFile(home.filePath("run"))
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", home.filePath("run").toUtf8());
    qunsetenv("XDG_CURRENT_DESKTOP"); // a KDE session would send QtKeychain to KWallet
    QProcess bus;
    bus.start("dbus-daemon",
              {"--config-file=" PRIVATE_BUS_CONF, "--fork", "--print-address=1", "--print-pid=1"});
    if (!bus.waitForFinished(10000) || bus.exitCode() != 0) {
        std::fputs("dbus-daemon did not start\n", stderr);
        return 1;
    }
    const QStringList lines = QString::fromUtf8(bus.readAllStandardOutput()).split('\n');
    qputenv("DBUS_SESSION_BUS_ADDRESS", lines.value(0).trimmed().toUtf8());
    int status = 0;
    {
        QCoreApplication app(argc, argv);
        app.setApplicationName("candlewatcher-test");
        TestKeychainSecrets test;
        status = QTest::qExec(&test, argc, argv);
    }
    ::kill(pid_t(lines.value(1).trimmed().toLongLong()), SIGTERM);
    return status;
}

#include "test_keychainsecrets.moc"
