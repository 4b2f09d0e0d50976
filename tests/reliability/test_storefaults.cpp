// File faults the store must refuse with a clear message while the records already stored stay
// readable and whole: a read-only data file or folder, a full disk (a file-size limit on the
// process), a data file replaced by a directory.

#include "datafile.h"
#include "toolrun.h"

#include "store/birthdaystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestStoreFaults : public QObject
{
    Q_OBJECT

private slots:
    void readOnly_data();
    void readOnly();
    void fullDisk_data();
    void fullDisk();
    void dataFileIsDirectory();
};

namespace {

// Nothing but the file's name tells the user which file the store could not use.
void verifyRefusal(const ToolRun& run, int line, const char* what)
{
    QVERIFY2(run.failed(line), qPrintable(QStringLiteral("%1 was not refused: %2")
                                              .arg(QLatin1String(what), run.lines.value(line))));
    QVERIFY2(run.lines[line].contains(QLatin1String("birthday.dat")),
             qPrintable(QStringLiteral("%1: the message does not name the file: %2")
                            .arg(QLatin1String(what), run.lines[line])));
}

QStringList asUser(QStringList arguments)
{
    // Root writes through any file mode; the tool then runs as nobody.
    if (runningAsRoot())
        arguments.prepend(QStringLiteral("--as-nobody"));
    return arguments;
}

} // namespace

void TestStoreFaults::readOnly_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode"); // 0: no data file
    QTest::addColumn<bool>("fileWritable");

    QTest::newRow("read-only file") << 0777 << 0444 << false;
    QTest::newRow("read-only folder") << 0555 << 0666 << true;
    QTest::newRow("read-only file and folder") << 0555 << 0444 << false;
    QTest::newRow("read-only folder, no file yet") << 0555 << 0 << false;
}

void TestStoreFaults::readOnly()
{
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QFETCH(bool, fileWritable);

    QTemporaryDir base;
    QVERIFY(base.isValid());
    QVERIFY(QFile::setPermissions(base.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ReadOther |
                                                   QFile::ExeOther));
    const QString folder = base.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/birthday.dat");
    const QByteArray image = DataFile::generate(3, true);
    if (fileMode) {
        QVERIFY(writeBytes(path, image));
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(fileMode)), 0);
    }
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)), 0);
    const auto restoreFolder =
        qScopeGuard([&] { ::chmod(QFile::encodeName(folder).constData(), 0777); });

    const ToolRun run = runStoreTool(
        asUser({path, QStringLiteral("list"), QStringLiteral("readall"),
                QStringLiteral("write:Notify:1:7"), QStringLiteral("add:Newcomer"),
                QStringLiteral("delete:2"), QStringLiteral("compact"), QStringLiteral("list")}));
    if (run.lines.value(0) == QLatin1String("fail cannot become nobody"))
        QSKIP("running as root without the right to become another user");
    QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.errors));
    QCOMPARE(run.lines.size(), 7);

    // Reading never needs to write.
    QCOMPARE(run.lines[0], fileMode ? QStringLiteral("ok 0,1,2") : QStringLiteral("ok "));
    QVERIFY2(run.ok(1), qPrintable(run.lines[1]));

    if (fileWritable) {
        // The file itself could change in place, but the store may need the folder too (a
        // lock beside the file): each write either works or is refused with a message.
        for (int i = 2; i <= 4; ++i) {
            if (!run.ok(i))
                verifyRefusal(run, i, "a write beside a read-only folder");
        }
        QVERIFY(DataFile::walk(readBytes(path)).aligned);
    } else {
        verifyRefusal(run, 2, "overwriting a field");
        verifyRefusal(run, 3, "adding a record");
        verifyRefusal(run, 4, "deleting a record");
        QCOMPARE(run.lines[6], run.lines[0]);
    }
    if (fileMode && !fileWritable) {
        // Replacing the file with a compacted copy would drop its protection: later writes
        // would then go through.
        verifyRefusal(run, 5, "compaction of a read-only file");
        QCOMPARE(readBytes(path), image);
        QVERIFY(!(QFileInfo(path).permissions() &
                  (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)));
    }
    if (folderMode == 0555 && fileMode) {
        // The compacted copy can't be made beside the file: refused, the file whole.
        verifyRefusal(run, 5, "compaction in a read-only folder");
        QVERIFY(DataFile::walk(readBytes(path)).aligned);
    }
    if (!fileMode)
        verifyRefusal(run, 3, "creating the data file in a read-only folder");
    QCOMPARE(QFileInfo::exists(path), fileMode != 0);
    QVERIFY(!QFileInfo::exists(path + QStringLiteral(".tmp")));
}

void TestStoreFaults::fullDisk_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("expectedAnswers"); // "ok" or "fail" per command
    QTest::addColumn<QByteArray>("expectedFile");

    const QByteArray three = DataFile::generate(3, false);
    const QByteArray lastDate = DataFile::cell(5, 0, 0, "01/01/2024");
    QTest::newRow("an appended cell crosses the limit")
        << three << qint64(three.size() + 100)
        << QStringList{QStringLiteral("write:LastDate:0:01/01/2024"),
                       QStringLiteral("add:Newcomer")}
        << QStringList{QStringLiteral("ok"), QStringLiteral("fail")} << three + lastDate;
    QTest::newRow("an overwrite at the limit")
        << three << qint64(three.size()) << QStringList{QStringLiteral("write:Notify:2:42")}
        << QStringList{QStringLiteral("ok")} << QByteArray();
    const QByteArray churned = DataFile::generate(20, true);
    QTest::newRow("the compacted copy does not fit")
        << churned << qint64(DataFile::compacted(churned).size() / 2)
        << QStringList{QStringLiteral("compact")} << QStringList{QStringLiteral("fail")} << churned;
    QTest::newRow("a new file does not fit")
        << QByteArray() << qint64(100) << QStringList{QStringLiteral("add:First")}
        << QStringList{QStringLiteral("fail")} << QByteArray();
}

void TestStoreFaults::fullDisk()
{
    QFETCH(QByteArray, image);
    QFETCH(qint64, limit);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, expectedAnswers);
    QFETCH(QByteArray, expectedFile);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("birthday.dat"));
    if (!image.isEmpty())
        QVERIFY(writeBytes(path, image));
    const auto before = BirthdayStore(path).recordsReadAll();
    QVERIFY(before.has_value());

    const ToolRun run =
        runStoreTool(QStringList{QStringLiteral("--fsize-limit=%1").arg(limit), path} + commands);
    QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.errors));
    QCOMPARE(run.lines.size(), commands.size());
    for (int i = 0; i < commands.size(); ++i) {
        if (expectedAnswers[i] == QLatin1String("ok"))
            QVERIFY2(run.ok(i), qPrintable(commands[i] + QStringLiteral(": ") + run.lines[i]));
        else
            verifyRefusal(run, i, qPrintable(commands[i]));
    }

    // Whatever was refused left no part of a cell behind.
    const QByteArray after = readBytes(path);
    QVERIFY(DataFile::walk(after).aligned);
    if (!expectedFile.isEmpty() || image.isEmpty())
        QCOMPARE(after, expectedFile);
    QVERIFY(!QFileInfo::exists(path + QStringLiteral(".tmp")));
    const auto now = BirthdayStore(path).recordsReadAll();
    QVERIFY(now.has_value());
    QCOMPARE(now->size(), before->size());
    for (qsizetype i = 0; i < now->size(); ++i)
        QCOMPARE(now->at(i).value(BirthdayRecord::Name), before->at(i).value(BirthdayRecord::Name));
}

void TestStoreFaults::dataFileIsDirectory()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("birthday.dat"));
    QVERIFY(QDir().mkpath(path));
    const QString inside = path + QStringLiteral("/keep.txt");
    QVERIFY(writeBytes(inside, "not the store's"));

    BirthdayStore store(path);
    const auto verifyFailed = [&](bool failed, const char* what) {
        QVERIFY2(failed, what);
        QVERIFY2(store.errorString().contains(QLatin1String("birthday.dat")),
                 qPrintable(QLatin1String(what) + QStringLiteral(": ") + store.errorString()));
    };
    // A directory is no missing file: reading it as an empty list would hide the fault.
    verifyFailed(!store.recordKeysList(), "recordKeysList");
    verifyFailed(!store.recordsReadAll(), "recordsReadAll");
    verifyFailed(!store.recordRead(0), "recordRead");
    verifyFailed(!store.recordKeyNew(), "recordKeyNew");
    verifyFailed(!store.fieldWrite(QStringLiteral("Name"), 0, QStringLiteral("Ann")), "fieldWrite");
    verifyFailed(!store.fieldDelete(QStringLiteral("Name"), 0), "fieldDelete");
    BirthdayRecord zero;
    zero.key = 0;
    verifyFailed(store.recordDelete(zero) == BirthdayStore::Outcome::Failed, "recordDelete");
    verifyFailed(store.recordDuplicate(zero) == BirthdayStore::Outcome::Failed, "recordDuplicate");
    verifyFailed(!store.databaseCompact(), "databaseCompact");

    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(readBytes(inside), QByteArray("not the store's"));
    QVERIFY(!QFileInfo::exists(path + QStringLiteral(".tmp")));
}

QTEST_GUILESS_MAIN(TestStoreFaults)
#include "test_storefaults.moc"
