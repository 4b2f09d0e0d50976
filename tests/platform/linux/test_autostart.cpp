#include "filesizelimit.h"
#include "platform/autostart.h"
#include "storefixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The package's entry (packaging/), as the system has it, or turned off as a row says.
QByteArray systemEntry(const QString& kind)
{
    QFile package(QStringLiteral(PACKAGE_AUTOSTART_ENTRY));
    if (!package.open(QIODevice::ReadOnly))
        return {};
    QByteArray entry = package.readAll();
    if (kind == "hidden")
        entry += "Hidden=true\n";
    if (kind == "gnome-off")
        entry.replace("X-GNOME-Autostart-enabled=true", "X-GNOME-Autostart-enabled=false");
    return entry;
}

bool write(const QString& path, const QByteArray& bytes)
{
    return QDir().mkpath(QFileInfo(path).path()) && writeFile(path, bytes);
}

QByteArray read(const QString& path)
{
    return QFile::exists(path) ? readFile(path) : QByteArray("(none)");
}

} // namespace

class TestAutostart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The session's answer, what the user's entry and the system's say together: the user's
    // of the same name stands in for the system's. Then the choice both ways, from there; the
    // system's entry is never changed, and stays in charge where it says the same.
    void choice_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("starts");
        // Each row: its name, the package's entry, the user's, and whether it starts (1).
        for (const char* row :
             {"no entry|none|none|0", "the package's|on|none|1",
              "the package's, off in GNOME|gnome-off|none|0", "the package's, hidden|hidden|none|0",
              "the user's own|none|on|1", "the package's, hidden by the user|on|hidden|0",
              "the user's over a hidden one|hidden|on|1"}) {
            const QStringList cells = QString(row).split('|');
            QTest::newRow(qPrintable(cells[0])) << cells[1] << cells[2] << (cells[3] == "1");
        }
    }

    void choice()
    {
        QFETCH(QString, system);
        QFETCH(QString, user);
        QFETCH(bool, starts);
        const QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.filePath("home").toUtf8());
        qputenv("XDG_CONFIG_DIRS", (dir.filePath("empty") + ':' + dir.filePath("etc")).toUtf8());
        const QString systemPath = dir.filePath("etc/autostart/candlewatcher.desktop");
        const QString userPath = dir.filePath("home/autostart/candlewatcher.desktop");
        QVERIFY(system == "none" || write(systemPath, systemEntry(system)));
        QVERIFY(user == "none" || write(userPath, systemEntry(user)));
        const QByteArray systemBytes = read(systemPath);

        QCOMPARE(Autostart::isEnabled(), starts);
        for (const bool enabled : {true, false, true, false}) {
            QString reason = "unset";
            QVERIFY2(Autostart::setEnabled(enabled, &reason), qPrintable(reason));
            QCOMPARE(Autostart::isEnabled(), enabled);
            QCOMPARE(read(systemPath), systemBytes);
            QCOMPARE(QFile::exists(userPath), enabled != (system == "on"));
        }
    }

    // The user's own entry starts this program, and is one the desktop's tools accept.
    void ownEntry()
    {
        const QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        qputenv("XDG_CONFIG_DIRS", dir.filePath("etc").toUtf8());
        QString reason;
        QVERIFY(Autostart::setEnabled(true, &reason));
        const QString path = dir.filePath("autostart/candlewatcher.desktop");
        const QByteArray entry = read(path);
        QVERIFY2(entry.contains("\nExec=\"" +
                                QFile::encodeName(QCoreApplication::applicationFilePath()) +
                                "\"\n"),
                 entry.constData());
        {
            // No room for a whole new entry: told, and the one there left whole.
            const FileSizeLimit full(16);
            QVERIFY(!Autostart::setEnabled(true, &reason) && !reason.isEmpty());
        }
        QCOMPARE(read(path), entry);
        if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty())
            QSKIP("desktop-file-validate is missing (apt-get install desktop-file-utils)");
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start("desktop-file-validate", {path});
        QVERIFY(validate.waitForFinished());
        QVERIFY2(validate.exitCode() == 0 && validate.readAll().isEmpty(), entry.constData());
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "test_autostart.moc"
