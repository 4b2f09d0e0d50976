// Compaction killed at every file-changing call it makes: each time, the data file must be
// whole and either the old file or the compacted one, and the next start must read the same
// records and compact cleanly.

#include "datafile.h"
#include "toolrun.h"

#include "store/birthdaystore.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestCompactionCrash : public QObject
{
    Q_OBJECT

private slots:
    void killAtEveryStep_data();
    void killAtEveryStep();
};

void TestCompactionCrash::killAtEveryStep_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("churned");
    QTest::addColumn<bool>("strayCopy");

    QTest::newRow("churned") << 200 << true << false;
    QTest::newRow("nothing deleted") << 60 << false << false;
    QTest::newRow("stray copy of an earlier crash") << 60 << true << true;
    QTest::newRow("one record") << 1 << true << false;
}

void TestCompactionCrash::killAtEveryStep()
{
    QFETCH(int, records);
    QFETCH(bool, churned);
    QFETCH(bool, strayCopy);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("birthday.dat"));
    const QString tmpPath = path + QStringLiteral(".tmp");
    const QByteArray image = DataFile::generate(records, churned, true);
    const QByteArray compacted = DataFile::compacted(image);

    QVERIFY(writeBytes(path, image));
    const auto expected = BirthdayStore(path).recordsReadAll();
    QVERIFY(expected.has_value());
    QCOMPARE(expected->size(), records);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(CW_KILLSHIM_PATH));
    // A sanitizer build links its runtime dynamically; the preloaded library then comes first.
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               QStringLiteral("verify_asan_link_order=0:detect_leaks=0"));

    int kills = 0;
    bool sawOld = false;
    bool sawNew = false;
    bool completed = false;
    for (int step = 1; step <= 3000 && !completed; ++step) {
        // Start every round from the same files.
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.path()));
        QVERIFY(writeBytes(path, image));
        if (strayCopy)
            QVERIFY(writeBytes(tmpPath, QByteArray("left over from a crash")));

        env.insert(QStringLiteral("CW_KILL_AT"), QString::number(step));
        const ToolRun run = runStoreTool({path, QStringLiteral("compact")}, env);
        if (run.finished) {
            // The kill point lay past the last call: the compaction ran to its end.
            QCOMPARE(run.lines, QStringList{QStringLiteral("ok")});
            QCOMPARE(readBytes(path), compacted);
            completed = true;
            continue;
        }
        ++kills;
        const QString where = QStringLiteral("killed before file call %1").arg(step);

        QVERIFY2(QFileInfo::exists(path), qPrintable(where + ": the data file is gone"));
        const QByteArray left = readBytes(path);
        QVERIFY2(left == image || left == compacted,
                 qPrintable(where + QStringLiteral(": the data file is neither the old nor the "
                                                   "compacted one (%1 bytes)")
                                        .arg(left.size())));
        sawOld = sawOld || left == image;
        sawNew = sawNew || left == compacted;

        // The next start: the same records, and a compaction that works and tidies up.
        BirthdayStore next(path);
        const auto read = next.recordsReadAll();
        QVERIFY2(read.has_value(), qPrintable(where + QStringLiteral(": ") + next.errorString()));
        QVERIFY2(*read == *expected, qPrintable(where + ": the records read differently"));
        QVERIFY2(next.databaseCompact(),
                 qPrintable(where + QStringLiteral(": ") + next.errorString()));
        QCOMPARE(readBytes(path), compacted);
        QVERIFY2(!QFileInfo::exists(tmpPath), qPrintable(where + ": the copy was left behind"));
    }
    QVERIFY2(completed, "compaction never ran to its end");
    // At least a kill before the copy, one during it and one at the replacement.
    QVERIFY2(kills >= 3, qPrintable(QStringLiteral("only %1 kill points").arg(kills)));
    QVERIFY(sawOld);
    if (churned)
        QVERIFY2(sawNew, "no kill point fell after the compacted file took the data file's place");
}

QTEST_GUILESS_MAIN(TestCompactionCrash)
#include "test_compactioncrash.moc"
