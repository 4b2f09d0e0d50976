#include "store/databasedefine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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
        QTest::newRow("drive folder") << "C:/Tools"
                                      << "C:/Tools/birthday.dat";
        QTest::newRow("drive root") << "D:/"
                                    << "D:/birthday.dat";
    }
    void joining()
    {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(dataFileIn(folder), path);
    }

    void besideAWritableProgram()
    {
        QTemporaryDir program, user;
        const QString userData = user.filePath(QStringLiteral("Marrowfell/Candlewatcher"));
        QCOMPARE(databaseDefine(program.path() + QStringLiteral("/"), userData),
                 program.path() + QStringLiteral("/birthday.dat"));
        // No probe file is left behind, and the user folder isn't needed.
        QCOMPARE(QDir(program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
        QVERIFY(!QFileInfo::exists(userData));
    }

    // A folder that can't be written to: only an unprivileged user meets one.
    void readOnlyProgramFolder()
    {
#ifdef Q_OS_UNIX
        if (::geteuid() == 0)
            QSKIP("root may write anywhere");
#endif
        QTemporaryDir program, user;
        QVERIFY(QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner));
        const QString userData = user.filePath(QStringLiteral("Marrowfell/Candlewatcher"));
        QCOMPARE(databaseDefine(program.path(), userData),
                 userData + QStringLiteral("/birthday.dat"));
        QVERIFY(QFileInfo(userData).isDir());
        QFile::setPermissions(program.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void unwritableSystemFolder()
    {
#ifdef Q_OS_LINUX
        // Nobody, root included, creates files in /proc.
        QTemporaryDir user;
        const QString userData = user.filePath(QStringLiteral("Candlewatcher"));
        QCOMPARE(databaseDefine(QStringLiteral("/proc"), userData),
                 userData + QStringLiteral("/birthday.dat"));
        QVERIFY(QFileInfo(userData).isDir());
#else
        QSKIP("needs /proc");
#endif
    }

    void missingProgramFolderFallsBack()
    {
        QTemporaryDir user;
        const QString userData = user.filePath(QStringLiteral("a/b"));
        QCOMPARE(databaseDefine(user.filePath(QStringLiteral("gone")), userData),
                 userData + QStringLiteral("/birthday.dat"));
        QVERIFY(QFileInfo(userData).isDir());
    }

    void existingFileIsKept()
    {
#ifdef Q_OS_UNIX
        if (::geteuid() == 0)
            QSKIP("root may write anywhere");
#endif
        QTemporaryDir program, user;
        QFile file(program.filePath(QStringLiteral("birthday.dat")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(databaseDefine(program.path(), user.path()), file.fileName());
        QFile::setPermissions(program.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void installedProgramUsesTheUserFolder()
    {
        // An installed tree is writable for root; the events still belong to the user.
        QTemporaryDir prefix, user;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/applications")));
        QFile desktop(prefix.filePath(QStringLiteral("share/applications/candlewatcher.desktop")));
        QVERIFY(desktop.open(QIODevice::WriteOnly));
        desktop.close();
        const QString bin = prefix.filePath(QStringLiteral("bin"));
        QCOMPARE(databaseDefine(bin, user.path()), user.path() + QStringLiteral("/birthday.dat"));
        // A data file a portable copy already keeps beside the program stays in use.
        QFile kept(bin + QStringLiteral("/birthday.dat"));
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.close();
        QCOMPARE(databaseDefine(bin, user.path()), kept.fileName());
    }
};

QTEST_GUILESS_MAIN(TestDatabaseDefine)
#include "test_databasedefine.moc"
