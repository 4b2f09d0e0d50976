#include "web/sysinfolauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The tools are looked for on the PATH; each test points it at a folder of its own.
class TestSysInfoLauncher : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void candidatesInOrder();
    void programFind_data();
    void programFind();
    void nothingFoundStartsNothing();

private:
    // A shell script that records its own name in the marker file when it runs.
    void toolMake(const QString& name, bool executable = true);

    QByteArray m_savedPath;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSysInfoLauncher::init()
{
    m_savedPath = qgetenv("PATH");
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("PATH", QFile::encodeName(m_dir->path()));
}

void TestSysInfoLauncher::cleanup()
{
    qputenv("PATH", m_savedPath);
    m_dir.reset();
}

void TestSysInfoLauncher::toolMake(const QString& name, bool executable)
{
    QFile file(m_dir->filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Only shell built-ins: the PATH holds nothing but this folder.
    file.write("#!/bin/sh\necho \"$0\" > '" + QFile::encodeName(m_dir->filePath("started")) +
               "'\n");
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    QVERIFY(file.setPermissions(permissions));
}

void TestSysInfoLauncher::candidatesInOrder()
{
    QCOMPARE(SysInfoLauncher::candidates(),
             QStringList({"kinfocenter", "hardinfo", "gnome-system-monitor"}));
}

void TestSysInfoLauncher::programFind_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("all three") << QStringList({"gnome-system-monitor", "hardinfo", "kinfocenter"})
                               << QStringLiteral("kinfocenter");
    QTest::newRow("hardinfo before the system monitor")
        << QStringList({"gnome-system-monitor", "hardinfo"}) << QStringLiteral("hardinfo");
    QTest::newRow("only the system monitor")
        << QStringList({"gnome-system-monitor"}) << QStringLiteral("gnome-system-monitor");
    QTest::newRow("unrelated program") << QStringList({"msinfo32"}) << QString();
}

void TestSysInfoLauncher::programFind()
{
    QFETCH(QStringList, present);
    QFETCH(QString, expected);
    for (const QString& name : present)
        toolMake(name);
    const QString found = SysInfoLauncher::programFind();
    if (expected.isEmpty())
        QVERIFY2(found.isEmpty(), qPrintable(found));
    else
        QCOMPARE(found, QDir(m_dir->path()).absoluteFilePath(expected));
}

void TestSysInfoLauncher::nothingFoundStartsNothing()
{
    // A file of the right name that cannot be run does not count.
    toolMake(QStringLiteral("kinfocenter"), false);
    QVERIFY(SysInfoLauncher::programFind().isEmpty());
    QVERIFY(!SysInfoLauncher::programStart());
    QTest::qWait(100);
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("started"))));
}

QTEST_GUILESS_MAIN(TestSysInfoLauncher)
#include "test_sysinfolauncher.moc"
