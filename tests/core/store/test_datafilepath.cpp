#include "core/store/datafilepath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void touch(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestDatabaseDefine : public QObject
{
    Q_OBJECT

private slots:
    void joining_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("folder") << "/opt/tools"
                                << "/opt/tools/birthday.dat";
        QTest::newRow("trailing separator") << "/opt/tools/"
                                            << "/opt/tools/birthday.dat";
        QTest::newRow("root") << "/"
                              << "/birthday.dat";
        QTest::newRow("drive root") << "D:/"
                                    << "D:/birthday.dat";
    }
    void joining()
    {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(dataFileIn(folder), path);
    }

    // Where the data goes, by the program's folder: beside it when it is writable and no
    // installed tree, or holds a data file already; otherwise in the user's folder, made then.
    void placement_data()
    {
        QTest::addColumn<QString>("program"); // under a temporary folder, but for /proc
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("beside");
        const QString desktop = "share/applications/candlewatcher.desktop";
        QTest::newRow("writable folder") << "" << QStringList() << true;
        // Nobody, root included, creates files in /proc.
        QTest::newRow("unwritable folder") << "/proc" << QStringList() << false;
        QTest::newRow("missing folder") << "gone" << QStringList() << false;
        // An installed tree is writable for root; the events still belong to the user.
        QTest::newRow("installed") << "bin" << QStringList{desktop} << false;
        QTest::newRow("installed, data file kept beside")
            << "bin" << QStringList{desktop, "bin/birthday.dat"} << true;
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
        // The writability probe leaves nothing behind.
        QCOMPARE(QDir(base.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDatabaseDefine)
#include "test_datafilepath.moc"
