// Two running copies of the program add, delete and compact records in the same data file at
// the same time. Afterwards every record either copy still holds is there exactly once, whole,
// no deleted one came back, and the file walks cell by cell to its end.

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

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("birthday.dat"));
    if (initialRecords)
        QVERIFY(writeBytes(path, DataFile::generate(initialRecords, true)));
    const auto initial = BirthdayStore(path).recordsReadAll();
    QVERIFY(initial.has_value());

    // Both start together; each reports the names of its records still alive.
    QProcess copies[2];
    for (int id = 0; id < 2; ++id) {
        copies[id].start(QStringLiteral(CW_STORETOOL_PATH),
                         {path, QStringLiteral("stress:%1:%2:%3")
                                    .arg(id + 1)
                                    .arg(operations)
                                    .arg(1000 + id + initialRecords)});
    }
    QSet<QString> alive;
    for (QProcess& copy : copies) {
        QVERIFY(copy.waitForFinished(240000));
        QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
        const QString answer = QString::fromUtf8(copy.readAllStandardOutput()).trimmed();
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
    // Neither copy touched the records the file began with.
    QCOMPARE(records->size() - found.size(), initial->size());
    for (const BirthdayRecord& before : *initial)
        QVERIFY(records->contains(before));
}

QTEST_GUILESS_MAIN(TestConcurrentCopies)
#include "test_concurrentcopies.moc"
