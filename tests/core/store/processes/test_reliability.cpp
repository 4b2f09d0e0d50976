// The store in a process of its own (cw_storetool), against the faults it must survive with
// every record it stored readable and whole: a crash in the middle of a compaction, a read-only
// data file or folder, a full disk, and a second running copy working on the same file.

#include "datafile.h"
#include "storefixture.h"
#include "toolrun.h"

#include <QtTest>

#include <cerrno>
#include <sys/stat.h>

namespace {

// Nothing but the file's name tells the user which file the store could not use.
void verifyRefused(const QStringList& lines, int line, const QString& reason = "birthday.dat")
{
    const QString answer = lines.value(line);
    QVERIFY2(answer.startsWith("fail ") && answer.contains("birthday.dat") &&
                 answer.contains(reason),
             qPrintable(QString("answer %1: %2").arg(line).arg(answer)));
}

// Records of which some cells are live and others not: Name without the five written with it,
// or those without Name. LastDate comes later, on its own.
int tornRecords(const QByteArray& bytes)
{
    QMap<int, QSet<int>> live; // key -> slots
    for (const DataFile::Cell& cell : DataFile::walk(bytes).cells)
        if (cell.flag != 1 && cell.slot != BirthdayRecord::LastDate)
            live[cell.key].insert(cell.slot);
    int torn = 0;
    for (const QSet<int>& slots : std::as_const(live))
        torn += slots.size() != BirthdayRecord::FieldCount - 1;
    return torn;
}

QProcessEnvironment killingEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LD_PRELOAD", CW_KILLSHIM_PATH);
    // A sanitizer build links its runtime dynamically; the preloaded library then comes first.
    env.insert("ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0");
    return env;
}

} // namespace

class TestReliability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Compaction killed at every file-changing call it makes: each time, the data file must be
    // whole and either the old file or the compacted one, and the next start must read the same
    // records and compact cleanly, though the dead copy held the lock.
    void compactionKilledAtEveryStep_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("churned");
        QTest::addColumn<bool>("strayCopy");
        QTest::newRow("churned") << 200 << true << false;
        QTest::newRow("nothing deleted") << 60 << false << false;
        QTest::newRow("stray copy of an earlier crash") << 60 << true << true;
        QTest::newRow("one record") << 1 << true << false;
    }
    void compactionKilledAtEveryStep()
    {
        QFETCH(int, records);
        QFETCH(bool, churned);
        QFETCH(bool, strayCopy);
        QTemporaryDir dir;
        const QString path = dir.filePath("birthday.dat"), tmpPath = path + ".tmp";
        const QByteArray image = DataFile::generate(records, churned, true);
        const QByteArray compacted = DataFile::compacted(image);
        QVERIFY(writeFile(path, image));
        const auto expected = BirthdayStore(path).readAllRecords();
        QCOMPARE(expected->size(), records);

        QProcessEnvironment env = killingEnvironment();
        int kills = 0;
        bool sawOld = false, sawNew = false;
        for (int step = 1; step <= 3000; ++step) {
            // Every round starts from the same files.
            QDir(dir.path()).removeRecursively();
            QVERIFY(QDir().mkpath(dir.path()) && writeFile(path, image));
            QVERIFY(!strayCopy || writeFile(tmpPath, "left over from a crash"));
            env.insert("CW_KILL_AT", QString::number(step));
            if (runStoreTool({path, "compact"}, env) == QStringList{"ok"})
                break; // the kill point lay past the last call
            ++kills;
            const QString where = QString("killed before file call %1").arg(step);
            const QByteArray left = readFile(path);
            QVERIFY2(left == image || left == compacted,
                     qPrintable(where + QString(": the data file has %1 bytes").arg(left.size())));
            sawOld = sawOld || left == image;
            sawNew = sawNew || left == compacted;
            BirthdayStore next(path);
            QVERIFY2(next.readAllRecords() == expected, qPrintable(where + ": the records differ"));
            QVERIFY2(next.compact(), qPrintable(where + ": " + next.errorString()));
            QCOMPARE(readFile(path), compacted);
            QVERIFY2(!QFileInfo::exists(tmpPath), qPrintable(where + ": the copy was left behind"));
        }
        QVERIFY2(kills < 3000, "the compaction never ran to its end");
        QCOMPARE(readFile(path), compacted);
        // At least a kill before the copy, one during it and one at the replacement.
        QVERIFY2(kills >= 3 && sawOld, qPrintable(QString("%1 kill points").arg(kills)));
        QVERIFY2(sawNew || !churned, "no kill fell after the compacted file took the data's place");
    }

    // A record's write killed before each file call it makes: the record is there whole or
    // not at all, never some of its cells.
    void writeKilledAtEveryStep_data()
    {
        columnRows<QString>("command", {{"add", "add:Newcomer"}, {"delete", "delete:1"}});
    }
    void writeKilledAtEveryStep()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QString path = dir.filePath("birthday.dat");
        const QByteArray image = DataFile::generate(5, false);
        QVERIFY(writeFile(path, image));
        const auto before = BirthdayStore(path).readAllRecords();
        QCOMPARE(runStoreTool({path, command}), QStringList{"ok"});
        const auto after = BirthdayStore(path).readAllRecords();
        QProcessEnvironment env = killingEnvironment();
        int step = 1;
        for (;; ++step) {
            QVERIFY(writeFile(path, image));
            env.insert("CW_KILL_AT", QString::number(step));
            if (runStoreTool({path, command}, env) == QStringList{"ok"})
                break;
            const QString where = QString("killed before file call %1").arg(step);
            const auto left = BirthdayStore(path).readAllRecords();
            QVERIFY2(left == before || left == after, qPrintable(where));
            QVERIFY2(tornRecords(readFile(path)) == 0, qPrintable(where));
        }
        QVERIFY2(step > 1, "no kill fell before the write");
    }

    // File faults, refused with a message naming the file, nothing half written. As root the
    // tool drops to the user nobody, so file modes count.
    void readOnly_data()
    {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("fileMode"); // 0: no data file
        QTest::addColumn<QString>("reason");
        const QString noLock = "no permission to create", denied = qt_error_string(EACCES);
        QTest::newRow("read-only file") << 0777 << 0444 << denied;
        // Without its lock beside the file no write may go ahead, though the file could change.
        QTest::newRow("read-only folder") << 0555 << 0666 << noLock;
        QTest::newRow("read-only folder, no file yet") << 0555 << 0 << noLock;
    }
    void readOnly()
    {
        QFETCH(int, folderMode);
        QFETCH(int, fileMode);
        QFETCH(QString, reason);
        QTemporaryDir base;
        QVERIFY(::chmod(QFile::encodeName(base.path()).constData(), 0755) == 0);
        const QString folder = base.filePath("data"), path = folder + "/birthday.dat";
        const QByteArray image = DataFile::generate(3, true);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!fileMode || (writeFile(path, image) &&
                              ::chmod(QFile::encodeName(path).constData(), mode_t(fileMode)) == 0));
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)) == 0);
        const auto restore =
            qScopeGuard([&] { ::chmod(QFile::encodeName(folder).constData(), 0755); });

        const QString copy = base.filePath("copy.dat");
        QVERIFY(writeFile(copy, DataFile::generate(2, true)));
        const QStringList lines =
            runStoreTool({"--as-nobody", path, "list", "write:Notify:1:7", "add:Newcomer",
                          "delete:2", "compact", "restore:" + copy});
        // Reading never needs to write.
        QCOMPARE(lines.value(0), fileMode ? QString("ok 0,1,2") : QString("ok "));
        verifyRefused(lines, 1, reason);
        for (int line = 2; line <= 5; ++line)
            verifyRefused(lines, line);
        QCOMPARE(lines.value(5).contains("is read-only"), folderMode == 0777);
        // A compacted copy put in place of a read-only file would drop that protection.
        QCOMPARE(readFile(path), fileMode ? image : QByteArray());
        QCOMPARE(QFileInfo::exists(path), fileMode != 0);
        QCOMPARE(bool(QFileInfo(path).permissions() & QFile::WriteOwner), (fileMode & 0200) != 0);
        QVERIFY(!QFileInfo::exists(path + ".tmp"));
    }
    // Every command but the last fits below the file-size limit; the last is refused.
    void fullDisk_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QByteArray>("expectedFile");
        QTest::addColumn<bool>("backedUp"); // the day's backup made: a compaction writes none
        const QByteArray three = DataFile::generate(3, false),
                         churned = DataFile::generate(20, true);
        QTest::newRow("an appended cell crosses the limit")
            << three << qint64(three.size() + 100)
            << QStringList{"write:LastDate:0:01/01/2024", "add:Newcomer"}
            << three + DataFile::cell(5, 0, 0, "01/01/2024") << false;
        QTest::newRow("an overwrite at the limit")
            << three << qint64(three.size()) << QStringList{"write:Name:2:Zoe", "add:Newcomer"}
            << three.left(654) + DataFile::cell(0, 0, 2, "Zoe") + three.mid(654 + 262) << false;
        for (bool backedUp : {false, true})
            QTest::addRow(backedUp ? "the compacted copy does not fit" : "the backup does not fit")
                << churned << qint64(DataFile::compacted(churned).size() / 2)
                << QStringList{"compact"} << churned << backedUp;
        QTest::newRow("a new file does not fit")
            << QByteArray() << qint64(100) << QStringList{"add:First"} << QByteArray() << false;
    }
    void fullDisk()
    {
        QFETCH(QByteArray, image);
        QFETCH(qint64, limit);
        QFETCH(QStringList, commands);
        QFETCH(QByteArray, expectedFile);
        QFETCH(bool, backedUp);
        QTemporaryDir dir;
        const QString path = dir.filePath("birthday.dat");
        QVERIFY(image.isEmpty() || writeFile(path, image));
        QVERIFY(!backedUp || BirthdayStore(path).backup());
        const QStringList lines =
            runStoreTool(QStringList{QString("--fsize-limit=%1").arg(limit), path} + commands);
        QCOMPARE(lines.size(), commands.size());
        for (int i = 0; i + 1 < commands.size(); ++i)
            QVERIFY2(lines[i] == "ok", qPrintable(commands[i] + ": " + lines[i]));
        // With the system's reason, which QFile may lose; no part of a cell left behind.
        verifyRefused(lines, int(commands.size()) - 1, qt_error_string(EFBIG));
        QCOMPARE(readFile(path), expectedFile);
        QVERIFY(!QFileInfo::exists(path + ".tmp"));
    }

    // Two copies add, delete and compact records in the same file at the same time, and count
    // in one shared record. Afterwards every record either still holds is there exactly once,
    // whole, no deleted one came back, no count was lost, and the file walks to its end.
    void twoCopies_data()
    {
        columnRows<int>("initialRecords",
                        {{"empty file", 0}, {"a churned file of 100 records", 100}});
    }
    void twoCopies()
    {
        QFETCH(int, initialRecords);
        const int counts = 1000;
        QTemporaryDir dir;
        const QString path = dir.filePath("birthday.dat"), go = dir.filePath("go");
        QVERIFY(writeFile(path, DataFile::generate(initialRecords, true)));
        BirthdayRecord counter;
        counter.values[0] = "0";
        const Expected<int> counterKey = BirthdayStore(path).addRecord(counter);
        const auto initial = BirthdayStore(path).readAllRecords();
        QVERIFY(counterKey && initial);

        // Both start together, once both are up; each answers with its records still alive.
        QProcess copies[2];
        for (int id : {0, 1})
            copies[id].start(
                CW_STORETOOL_PATH,
                {path, "wait:" + go, QString("count:%1:%2").arg(*counterKey).arg(counts),
                 QString("stress:%1:300:%2").arg(id + 1).arg(1000 + id + initialRecords)});
        QVERIFY(copies[0].waitForStarted() && copies[1].waitForStarted());
        QThread::msleep(100);
        QVERIFY(writeFile(go, {}));
        QSet<QString> alive;
        for (QProcess& copy : copies) {
            QVERIFY(copy.waitForFinished(240000));
            const QStringList answers = QString::fromUtf8(copy.readAllStandardOutput()).split('\n');
            QCOMPARE(answers.value(1), QString("ok"));
            QVERIFY2(answers.value(2).startsWith("ok "), qPrintable(answers.value(2)));
            for (const QString& name : answers.value(2).mid(3).split(',', Qt::SkipEmptyParts))
                alive.insert(name);
        }

        const DataFile::Walk walk = DataFile::walk(readFile(path));
        QVERIFY2(walk.aligned,
                 qPrintable(QString("a cell cut short at %1").arg(walk.problemOffset)));
        QVERIFY(walk.flagsSound);
        BirthdayStore store(path);
        const auto records = store.readAllRecords();
        QVERIFY2(records, qPrintable(store.errorString()));
        QSet<int> keys;
        QSet<QString> found;
        const QRegularExpression stressName("^p(\\d)-(\\d+)$");
        for (const BirthdayRecord& record : *records) {
            QVERIFY2(!keys.contains(record.key), qPrintable(QString::number(record.key)));
            keys.insert(record.key);
            const QString name = record.values[0];
            const auto match = stressName.match(name);
            if (!match.hasMatch())
                continue; // one of the records the file began with
            QVERIFY2(alive.contains(name), qPrintable(name + " was deleted"));
            QVERIFY2(!found.contains(name), qPrintable(name + " is there twice"));
            found.insert(name);
            QCOMPARE(record.values,
                     stressRecord(match.captured(1).toInt(), match.captured(2).toInt()).values);
        }
        QCOMPARE(found.size(), alive.size());
        QCOMPARE(records->size() - found.size(), initial->size());
        // No count was lost: each update stated what it had read, under the lock of the write.
        QCOMPARE(StoreFields(store).readRecord(*counterKey)->values[0],
                 QString::number(2 * counts));
        for (const BirthdayRecord& before : *initial)
            QVERIFY(before.key == *counterKey || records->contains(before));
    }
};

QTEST_GUILESS_MAIN(TestReliability)
#include "test_reliability.moc"
