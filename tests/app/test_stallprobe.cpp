#include "app/stallprobe.h"
#include "storefixture.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// The probe records how long the event loop was held up, when, and writes it at its end.
class TestStallProbe : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recordsHeldUpLoop_data()
    {
        QTest::addColumn<int>("blockedMs");
        QTest::newRow("just over the jitter") << 60;
        QTest::newRow("long") << 300;
    }
    void recordsHeldUpLoop()
    {
        QFETCH(int, blockedMs);
        QTemporaryDir dir;
        const QString logPath = dir.filePath("stalls.log");
        QString report;
        {
            StallProbe probe(logPath);
            const qint64 blockedFrom = QDateTime::currentMSecsSinceEpoch();
            QThread::msleep(blockedMs);
            QTest::qWait(50);
            // A stall can only be longer than the block (a loaded machine adds to it).
            QVERIFY2(probe.longestMs() >= blockedMs - StallProbe::IntervalMs,
                     qPrintable(probe.report()));
            QVERIFY(probe.stalls().last().atMs >= blockedFrom + blockedMs);
            report = probe.report();
            QVERIFY(report.startsWith(QString("longest %1 ms\n").arg(probe.longestMs())));
            QVERIFY(report.contains(QString("stall %1 ms at %2\n")
                                        .arg(probe.stalls().last().lateMs)
                                        .arg(probe.stalls().last().atMs)));
        }
        QCOMPARE(QString::fromUtf8(readFile(logPath)), report);
    }
};

QTEST_GUILESS_MAIN(TestStallProbe)
#include "test_stallprobe.moc"
