// Two running copies of the program add, delete and compact records in the same data file at
// the same time, and count in one shared record. Afterwards every record either copy still
// holds is there exactly once, whole, no deleted one came back, no count was lost, and the file
// walks cell by cell to its end. A copy with a stale list changes nothing it did not see.

#include "datafile.h"
#include "stressrecord.h"
#include "toolrun.h"

#include "store/birthdaystore.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class TestConcurrentCopies : public QObject
{
    Q_OBJECT

private slots:
    void twoCopies_data();
    void twoCopies();
    void staleListChangesNothing_data();
    void staleListChangesNothing();
};

void TestConcurrentCopies::twoCopies_data()
{
    QTest::addColumn<int>("operations");
    QTest::addColumn<int>("initialRecords");

    QTest::newRow("empty file") << 300 << 0;
    QTest::newRow("a churned file of 100 records") << 300 << 100;
}

void TestConcurrentCopies::twoCopies()
{
    QFETCH(int, operations);
    QFETCH(int, initialRecords);

    const int counts = 1000;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("birthday.dat"));
    if (initialRecords)
        QVERIFY(writeBytes(path, DataFile::generate(initialRecords, true)));
    BirthdayRecord counter;
    counter.setValue(BirthdayRecord::Name, QStringLiteral("0"));
    const std::optional<int> counterKey = BirthdayStore(path).recordAdd(counter);
    QVERIFY(counterKey);
    const auto initial = BirthdayStore(path).recordsReadAll();
    QVERIFY(initial.has_value());

    // Both start together, once both are up; each reports the names of its records still alive.
    const QString go = dir.filePath(QStringLiteral("go"));
    QProcess copies[2];
    for (int id = 0; id < 2; ++id) {
        copies[id].start(QStringLiteral(CW_STORETOOL_PATH),
                         {path, QStringLiteral("wait:") + go,
                          QStringLiteral("count:%1:%2").arg(*counterKey).arg(counts),
                          QStringLiteral("stress:%1:%2:%3")
                              .arg(id + 1)
                              .arg(operations)
                              .arg(1000 + id + initialRecords)});
    }
    for (QProcess& copy : copies)
        QVERIFY(copy.waitForStarted());
    QThread::msleep(100);
    QVERIFY(writeBytes(go, {}));
    QSet<QString> alive;
    for (QProcess& copy : copies) {
        QVERIFY(copy.waitForFinished(240000));
        QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
        const QStringList answers = QString::fromUtf8(copy.readAllStandardOutput()).split('\n');
        QCOMPARE(answers.value(1), QStringLiteral("ok"));
        const QString answer = answers.value(2);
        QVERIFY2(answer.startsWith(QLatin1String("ok")), qPrintable(answer));
        const QStringList names = answer.mid(3).split(QLatin1Char(','), Qt::SkipEmptyParts);
        QVERIFY(!names.isEmpty());
        for (const QString& name : names)
            alive.insert(name);
    }

    const QByteArray bytes = readBytes(path);
    const DataFile::Walk walk = DataFile::walk(bytes);
    QVERIFY2(walk.aligned,
             qPrintable(QStringLiteral("a cell is cut short at byte %1").arg(walk.problemOffset)));
    QVERIFY(walk.flagsSound);

    BirthdayStore store(path);
    const auto records = store.recordsReadAll();
    QVERIFY2(records.has_value(), qPrintable(store.errorString()));
    QSet<int> keys;
    QSet<QString> found;
    const QRegularExpression stressName(QStringLiteral("^p(\\d)-(\\d+)$"));
    for (const BirthdayRecord& record : *records) {
        QVERIFY2(!keys.contains(record.key), qPrintable(QString::number(record.key)));
        keys.insert(record.key);
        const QString name = record.value(BirthdayRecord::Name);
        const auto match = stressName.match(name);
        if (!match.hasMatch())
            continue; // one of the records the file began with
        QVERIFY2(alive.contains(name), qPrintable(name + QStringLiteral(" was deleted")));
        QVERIFY2(!found.contains(name), qPrintable(name + QStringLiteral(" is there twice")));
        found.insert(name);
        BirthdayRecord expected =
            stressRecord(match.captured(1).toInt(), match.captured(2).toInt());
        expected.key = record.key;
        QCOMPARE(record, expected);
    }
    QCOMPARE(found.size(), alive.size());
    // Neither copy touched the records the file began with, but for the count.
    QCOMPARE(records->size() - found.size(), initial->size());
    // No count was lost: each update stated what it had read, under the lock of the write.
    QCOMPARE(store.recordRead(*counterKey)->value(BirthdayRecord::Name),
             QString::number(2 * counts));
    for (const BirthdayRecord& before : *initial)
        QVERIFY(before.key == *counterKey || records->contains(before));
}

// Copy A's list shows Bob; copy B, in a process of its own, changes the file behind its back.
// Whatever A then deletes, edits, duplicates or stamps must be the record its list showed, or
// nothing.
void TestConcurrentCopies::staleListChangesNothing_data()
{
    QTest::addColumn<QStringList>("otherCopy");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("changed");

    const struct
    {
        const char* what;
        QStringList commands;
        bool changed;
    } others[] = {
        {"Bob deleted, Nora added under his key", {"delete:1", "add:Nora"}, true},
        {"Bob deleted", {"delete:1"}, true},
        {"a field the list does not show changed", {"write:Notify:1:9"}, true},
        {"LastDate stamped", {"write:LastDate:1:x"}, true},
        {"another record changed", {"write:Name:0:Ann Smith"}, false},
    };
    for (const auto& other : others) {
        for (const char* operation : {"delete", "edit", "duplicate", "stamp"})
            QTest::addRow("%s, %s", other.what, operation)
                << other.commands << QString::fromLatin1(operation) << other.changed;
    }
}

void TestConcurrentCopies::staleListChangesNothing()
{
    QFETCH(QStringList, otherCopy);
    QFETCH(QString, operation);
    QFETCH(bool, changed);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("birthday.dat"));
    BirthdayStore store(path);
    for (int number : {0, 1, 2})
        QVERIFY(store.recordAdd(stressRecord(1, number)));
    const BirthdayRecord bob = store.recordRead(1).value();

    const ToolRun other = runStoreTool(QStringList{path} + otherCopy);
    QCOMPARE(other.lines.size(), otherCopy.size());
    for (int i = 0; i < otherCopy.size(); ++i)
        QVERIFY2(other.ok(i), qPrintable(other.lines[i]));
    const QByteArray before = readBytes(path);

    BirthdayRecord edited = bob;
    edited.setValue(BirthdayRecord::Name, QStringLiteral("Robert"));
    const BirthdayStore::Outcome outcome =
        operation == QLatin1String("delete") ? store.recordDelete(bob)
        : operation == QLatin1String("edit") ? store.recordUpdate(bob, edited)
        : operation == QLatin1String("stamp")
            ? store.fieldUpdate(bob, BirthdayRecord::LastDate, QStringLiteral("2026-12-07"))
            : store.recordDuplicate(bob);
    QCOMPARE(outcome, changed ? BirthdayStore::Outcome::Changed : BirthdayStore::Outcome::Done);
    if (changed)
        QCOMPARE(readBytes(path), before);
    else
        QVERIFY(readBytes(path) != before);
}

QTEST_GUILESS_MAIN(TestConcurrentCopies)
#include "test_concurrentcopies.moc"
