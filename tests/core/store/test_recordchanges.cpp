#include "storefixture.h"

#include "core/store/recordchanges.h"
#include "platform/filelock.h"

#include <QtTest>

class TestRecordChanges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A change over several records stops at the first failure and says how far it came: the
    // lock taken by another copy before the change of busyAt, a record edited meanwhile.
    void changeSeveral_data()
    {
        QTest::addColumn<QString>("busyAt");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<int>("done");
        QTest::addColumn<QStringList>("changed");
        QTest::addColumn<int>("notTried");
        QTest::addColumn<QStringList>("left");
        // Busy at, edited, done, changed, not tried, left.
        for (const char* row :
             {"all|||3||0|", "one edited||B|2|B|0|B2", "busy at the first|A||0||2|A B C",
              "busy in the middle|B||1||1|B C", "busy at the last|C|B|1|B|0|B2 C"}) {
            const QStringList c = QString(row).split('|');
            QTest::addRow("%s", qPrintable(c[0]))
                << c[1] << c[2] << c[3].toInt() << c[4].split(' ', Qt::SkipEmptyParts)
                << c[5].toInt() << c[6].split(' ', Qt::SkipEmptyParts);
        }
    }
    void changeSeveral()
    {
        QFETCH(QString, busyAt);
        QFETCH(QString, edited);
        StoreFixture f;
        for (const char* name : {"A", "B", "C"})
            f.add(name, "2000-01-02");
        const QList<BirthdayRecord> shown = *f.store.readAllRecords();
        for (const BirthdayRecord& r : shown) {
            if (r.value(BirthdayRecord::Name) == edited) {
                BirthdayRecord values = r;
                values.values[BirthdayRecord::Name] = edited + "2";
                QCOMPARE(f.store.updateRecord(r, values), BirthdayStore::Outcome::Done);
            }
        }
        BirthdayStore store(f.path(), 50);
        std::unique_ptr<FileLock> held;
        const RecordChanges::Result result =
            RecordChanges::apply(store, shown, [&](const BirthdayRecord& r) {
                if (r.value(BirthdayRecord::Name) == busyAt) {
                    held = std::make_unique<FileLock>(f.path() + ".lock");
                    held->lock(QDeadlineTimer(0));
                }
                return store.deleteRecord(r);
            });
        held.reset();
        QTEST(result.done, "done");
        QTEST(result.changed, "changed");
        QTEST(result.notTried, "notTried");
        QCOMPARE(result.failedName, busyAt);
        QCOMPARE(result.error.contains("in use by another running copy"), !busyAt.isEmpty());
        QVERIFY2(f.store.readAllRecords(), qPrintable(f.store.errorString()));
        QTEST(f.names(), "left");
    }
};

QTEST_GUILESS_MAIN(TestRecordChanges)
#include "test_recordchanges.moc"
