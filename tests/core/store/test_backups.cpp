#include "app/clock.h"
#include "store/backups.h"
#include "store/birthdaystore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A store on a fresh folder whose clock the test turns.
struct Fixture
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("birthday.dat"));
    BirthdayStore store{path};
    FixedClock clock{QDateTime(QDate(2026, 12, 7), QTime(18, 0))};

    Fixture() { store.setClock(clock); }
    void add(const char* name)
    {
        BirthdayRecord record;
        record.setValue(BirthdayRecord::Name, QLatin1String(name));
        QVERIFY(store.recordAdd(record));
    }
    QString backup(const char* day, int copy = 1) const
    {
        return Backups::fileFor(path, QDate::fromString(QLatin1String(day), Qt::ISODate), copy);
    }
};

} // namespace

class TestBackups : public QObject
{
    Q_OBJECT
private slots:
    void compactionKeepsTheDaysFirstState();
    void newestFourteenDaysStay();
    void noBackupNoCompaction();
    void restoreKeepsTheCurrentState();
};

void TestBackups::compactionKeepsTheDaysFirstState()
{
    Fixture f;
    f.add("Anna");
    const QByteArray morning = readAll(f.path);
    QVERIFY(f.store.databaseCompact());
    QCOMPARE(f.backup("2026-12-07"),
             f.dir.filePath(QStringLiteral("backups/birthday-2026-12-07.dat")));
    QCOMPARE(readAll(f.backup("2026-12-07")), morning);

    f.add("Ben");
    QVERIFY(f.store.databaseCompact());
    QCOMPARE(readAll(f.backup("2026-12-07")), morning);
    f.clock.setNow(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
    QVERIFY(f.store.databaseBackup());
    QCOMPARE(readAll(f.backup("2026-12-08")), readAll(f.path));
    const QList<Backups::Backup> listed = Backups::list(f.path);
    QCOMPARE(listed.size(), 2);
    QCOMPARE(listed[0].date, QDate(2026, 12, 8)); // newest first
    QCOMPARE(listed[0].events, 2);
    QCOMPARE(listed[1].events, 1);
}

void TestBackups::newestFourteenDaysStay()
{
    Fixture f;
    f.add("Anna");
    QVERIFY(QDir().mkpath(Backups::folder(f.path)));
    for (int day = 1; day <= 15; ++day)
        writeAll(Backups::fileFor(f.path, QDate(2026, 11, day)), {});
    writeAll(Backups::fileFor(f.path, QDate(2026, 11, 2), 2), {});
    writeAll(Backups::folder(f.path) + QStringLiteral("/notes.txt"), {});
    QVERIFY(f.store.databaseBackup());
    // 16 days of backups: the two oldest days go, with every copy of them.
    QStringList names = QDir(Backups::folder(f.path)).entryList(QDir::Files, QDir::Name);
    QCOMPARE(names.size(), 15);
    QCOMPARE(names.first(), QStringLiteral("birthday-2026-11-03.dat"));
    QVERIFY(names.contains(QStringLiteral("birthday-2026-12-07.dat")));
    QVERIFY(names.contains(QStringLiteral("notes.txt")));
}

void TestBackups::noBackupNoCompaction()
{
    Fixture f;
    f.add("Anna");
    f.add("Ben");
    QCOMPARE(f.store.recordDelete(*f.store.recordRead(0)), BirthdayStore::Outcome::Done);
    const QByteArray before = readAll(f.path);
    writeAll(Backups::folder(f.path), "a file where the folder belongs");
    QVERIFY(!f.store.databaseCompact());
    QVERIFY2(f.store.errorString().contains(QLatin1String("Cannot make the backup")),
             qPrintable(f.store.errorString()));
    QCOMPARE(readAll(f.path), before);
}

void TestBackups::restoreKeepsTheCurrentState()
{
    Fixture f;
    f.add("Anna");
    f.clock.setNow(QDateTime(QDate(2026, 12, 1), QTime(9, 0)));
    QVERIFY(f.store.databaseBackup()); // 1 December: Anna
    f.add("Ben");
    f.clock.setNow(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    QVERIFY(f.store.databaseBackup()); // 7 December: Anna and Ben
    f.add("Cleo");
    const QByteArray current = readAll(f.path);

    QVERIFY(f.store.databaseRestore(f.backup("2026-12-01")));
    QCOMPARE(readAll(f.path), readAll(f.backup("2026-12-01")));
    QCOMPARE(*f.store.recordKeysList(), QList<int>{0});
    // The day had its backup already, so the state before the restore got a copy of its own.
    QCOMPARE(readAll(f.backup("2026-12-07", 2)), current);
    QCOMPARE(Backups::list(f.path).first().events, 3);

    QVERIFY(!f.store.databaseRestore(f.dir.filePath(QStringLiteral("no-such-backup.dat"))));
    QCOMPARE(*f.store.recordKeysList(), QList<int>{0});
}

QTEST_GUILESS_MAIN(TestBackups)
#include "test_backups.moc"
