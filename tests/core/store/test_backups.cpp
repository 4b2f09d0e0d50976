#include "core/store/backups.h"
#include "storefixture.h"

#include <QtTest>

namespace {

// The fixture's store, whose backups take their day from the fixture's clock.
struct Fixture : StoreFixture
{
    Fixture() { store.setClock(clock); }
    void setDay(int day) { clock.setNow(QDateTime(QDate(2026, 12, day), QTime(9, 0))); }
    QString backup(int day, int copy = 1) const
    {
        return Backups::filePath(path(), QDate(2026, 12, day), copy);
    }
};

} // namespace

class TestBackups : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void compactionKeepsTheDaysFirstState()
    {
        Fixture f;
        f.setDay(7);
        f.add("Anna", "2000-01-02");
        const QByteArray morning = f.bytes();
        QVERIFY(f.store.compact());
        QCOMPARE(f.backup(7), f.dir.filePath("backups/birthday-2026-12-07.dat"));
        f.add("Ben", "2000-01-02");
        QVERIFY(f.store.compact());
        QCOMPARE(readFile(f.backup(7)), morning);
        QVERIFY(!QFileInfo::exists(f.backup(7, 2)));
        f.setDay(8);
        QVERIFY(f.store.backup());
        QCOMPARE(readFile(f.backup(8)), f.bytes());
        const QList<Backups::Backup> listed = Backups::list(f.path());
        QCOMPARE(listed.size(), 2);
        QCOMPARE(listed[0].date, QDate(2026, 12, 8)); // newest first
        QCOMPARE(listed[0].events, 2);
        QCOMPARE(listed[1].events, 1);
    }

    void newestFourteenDaysStay()
    {
        Fixture f;
        f.setDay(7);
        f.add("Anna", "2000-01-02");
        QVERIFY(QDir().mkpath(Backups::folder(f.path())));
        for (int day = 1; day <= 15; ++day)
            QVERIFY(writeFile(Backups::filePath(f.path(), QDate(2026, 11, day)), {}));
        QVERIFY(writeFile(Backups::filePath(f.path(), QDate(2026, 11, 2), 2), {}));
        QVERIFY(writeFile(Backups::folder(f.path()) + "/notes.txt", {}));
        QVERIFY(f.store.backup());
        // 16 days of backups: the two oldest days go, with every copy of them.
        const QStringList names =
            QDir(Backups::folder(f.path())).entryList(QDir::Files, QDir::Name);
        QCOMPARE(names.size(), 15);
        QCOMPARE(names.first(), QString("birthday-2026-11-03.dat"));
        QVERIFY(names.contains("birthday-2026-12-07.dat") && names.contains("notes.txt"));
    }

    void noBackupNoCompaction()
    {
        Fixture f;
        f.add("Anna", "2000-01-02");
        QCOMPARE(f.store.deleteRecord(*f.fields.readRecord(0)), BirthdayStore::Outcome::Done);
        const QByteArray before = f.bytes();
        QVERIFY(writeFile(Backups::folder(f.path()), {})); // a file where the folder belongs
        QVERIFY(!f.store.compact());
        QVERIFY2(f.store.errorString().contains("Cannot make the backup"),
                 qPrintable(f.store.errorString()));
        QCOMPARE(f.bytes(), before);
    }

    // A damaged or missing copy is refused with its reason before anything changes: the data
    // file stays and no copy of it is made.
    void damagedCopyRefused_data()
    {
        QTest::addColumn<QByteArray>("copy");
        QTest::addColumn<QString>("reason");
        QByteArray random(4096, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(random.data()), 1024);
        Fixture whole;
        whole.add("Anna", "2000-01-02");
        QFile missing(QDir::temp().filePath("candlewatcher-no-such-backup.dat"));
        QVERIFY(!missing.open(QIODevice::ReadOnly));
        QTest::newRow("missing") << QByteArray() << missing.errorString();
        QTest::newRow("empty") << QByteArray("") << "it is empty";
        QTest::newRow("cut short") << whole.bytes().chopped(5) << "it is cut short";
        QTest::newRow("random bytes") << random << "it is not a Candlewatcher data file";
    }
    void damagedCopyRefused()
    {
        QFETCH(QByteArray, copy);
        QFETCH(QString, reason);
        Fixture f;
        f.setDay(7);
        f.add("Cleo", "2000-01-02");
        QVERIFY(QDir().mkpath(Backups::folder(f.path())));
        QVERIFY(copy.isNull() || writeFile(f.backup(1), copy));
        const QByteArray before = f.bytes();
        QVERIFY(!f.store.restore(f.backup(1)));
        QVERIFY2(f.store.errorString().contains(reason), qPrintable(f.store.errorString()));
        QCOMPARE(f.bytes(), before);
        QCOMPARE(QDir(Backups::folder(f.path())).entryList(QDir::Files).size(), !copy.isNull());
        QVERIFY(copy.isNull() || Backups::list(f.path()).first().events == -1);
    }

    // Fourteen days of copies: a restore of the oldest, or a backup with the clock set back,
    // makes a fifteenth day, yet neither the copy restored nor the one just made goes. A day
    // that has its copy already gets a further one of the state a restore replaces.
    void pruningSparesTheCopiesInUse_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("restoring");
        QTest::newRow("restore of the oldest") << QDate(2026, 12, 7) << true;
        QTest::newRow("clock set back") << QDate(2026, 11, 1) << false;
    }
    void pruningSparesTheCopiesInUse()
    {
        QFETCH(QDate, today);
        QFETCH(bool, restoring);
        Fixture f;
        f.add("Anna", "2000-01-02");
        const QByteArray old = f.bytes();
        QVERIFY(QDir().mkpath(Backups::folder(f.path())));
        const QString oldest = Backups::filePath(f.path(), QDate(2026, 11, 23));
        for (int day = 0; day < 14; ++day)
            QVERIFY(QFile::copy(f.path(),
                                Backups::filePath(f.path(), QDate(2026, 11, 23).addDays(day))));
        f.add("Ben", "2000-01-02");
        if (restoring)
            QVERIFY(QFile::copy(f.path(), Backups::filePath(f.path(), today)));
        f.add("Cleo", "2000-01-02");
        const QByteArray current = f.bytes();
        f.clock.setNow(QDateTime(today, QTime(9, 0)));
        QVERIFY2(restoring ? f.store.restore(oldest) : f.store.backup(),
                 qPrintable(f.store.errorString()));
        QCOMPARE(f.bytes(), restoring ? old : current);
        QCOMPARE(readFile(Backups::filePath(f.path(), today, restoring ? 2 : 1)), current);
        QCOMPARE(readFile(oldest), old);
        // A day's later copy is listed before its first.
        QCOMPARE(Backups::list(f.path()).first().events, restoring ? 3 : 1);
    }
};

QTEST_GUILESS_MAIN(TestBackups)
#include "test_backups.moc"
