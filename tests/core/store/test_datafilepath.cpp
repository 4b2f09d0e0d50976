#include "core/store/datafilepath.h"
#include "core/store/datafilewatcher.h"
#include "platform/fileio.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

void touch(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append) && file.write("x") == 1);
}

} // namespace

class TestDatabaseDefine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void joining()
    {
        const QString file = "/birthday.dat";
        for (const auto& [folder, path] : {std::pair{"/opt/tools", "/opt/tools" + file},
                                           {"/opt/tools/", "/opt/tools" + file},
                                           {"/", file},
                                           {"D:/", "D:" + file}})
            QCOMPARE(dataFileIn(folder), path);
    }

    // Where the data goes, by the program's folder: beside it when it holds a data file
    // already or is marked portable; otherwise in the user's folder, made then. Writable alone
    // is not enough: a build folder or an unpacked download is deleted whole.
    void placement_data()
    {
        QTest::addColumn<QString>("program"); // under a temporary folder
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("beside");
        QTest::newRow("writable folder") << "bin" << QStringList{"bin/candlewatcher"} << false;
        QTest::newRow("data file beside") << "bin" << QStringList{"bin/birthday.dat"} << true;
        QTest::newRow("marked portable") << "bin" << QStringList{"bin/portable"} << true;
        QTest::newRow("marker in the folder above") << "bin" << QStringList{"portable"} << false;
        QTest::newRow("data file elsewhere in the tree")
            << "bin" << QStringList{"birthday.dat", "bin/birthday.dat.bak"} << false;
        QTest::newRow("missing folder") << "gone" << QStringList() << false;
    }
    void placement()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, files);
        QFETCH(bool, beside);
        QTemporaryDir base, user;
        for (const QString& file : files)
            touch(base.filePath(file));
        const QString folder = program.startsWith('/') ? program : base.filePath(program);
        const QString userData = user.filePath("Marrowfell/Candlewatcher");
        QCOMPARE(dataFilePath(folder + '/', userData), dataFileIn(beside ? folder : userData));
        QCOMPARE(QFileInfo(userData).isDir(), !beside);
    }

    // Each step, then how many times the watcher has said so once all is quiet: "write" adds to
    // the file in place, "replace" renames a new file over it, "wait" lets a quiet period pass.
    void oneSignalPerQuietPeriod_data()
    {
        QTest::addColumn<bool>("existsAtStart");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("expected");
        QTest::newRow("first change in place") << true << QStringList{"write"} << 1;
        QTest::newRow("created, then written")
            << false << QStringList{"write", "wait", "write"} << 2;
        QTest::newRow("replaced, then written")
            << true << QStringList{"replace", "wait", "write"} << 2;
        QTest::newRow("a run of writes") << true << QStringList(5, "write") << 1;
    }
    void oneSignalPerQuietPeriod()
    {
        QFETCH(bool, existsAtStart);
        QFETCH(QStringList, steps);
        QFETCH(int, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("birthday.dat");
        if (existsAtStart)
            touch(path);
        DataFileWatcher watcher(path);
        QSignalSpy changed(&watcher, &DataFileWatcher::changed);
        for (const QString& step : steps) {
            if (step == "wait") {
                QTRY_VERIFY(!changed.isEmpty());
                continue;
            }
            const QString written = step == "write" ? path : dir.filePath("sync.tmp");
            touch(written);
            QString reason;
            QVERIFY2(written == path || FileIo::replaceFile(written, path, reason),
                     qPrintable(reason));
            // Within the quiet period, however the writes come.
            QTest::qWait(DataFileWatcher::quietIntervalMs / 3);
        }
        QTest::qWait(DataFileWatcher::quietIntervalMs * 3);
        QCOMPARE(changed.size(), expected);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseDefine)
#include "test_datafilepath.moc"
