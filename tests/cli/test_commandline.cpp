#include "storefixture.h"

#include <QJsonDocument>
#include <QProcess>

const QString data = CW_EXCHANGE_DATA "/";

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void run_data();
    void run();
};

void TestCommandLine::run_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");    // all of standard output; "~text": it holds text
    QTest::addColumn<QString>("errors"); // a part of standard error
    QTest::addColumn<bool>("writes");    // whether the data file changes

    // The arguments, "@" standing for the folder of the sample files.
    const auto row = [](const char* name, const QString& arguments, int status, const char* out,
                        const char* errors, bool writes) {
        QTest::newRow(name) << arguments.split(' ').replaceInStrings("@", data) << status << out
                            << errors << writes;
    };
    row("upcoming", "--upcoming", 0,
        "Sun 6 Dec  today  Today One-off\n"
        "Mon 7 Dec  tomorrow  Tom\n"
        "Tue 8 Dec  in 2 days  Anna Schmidt (42)\n",
        "", false);
    row("upcoming 90", "--upcoming 90", 0,
        "~Tue 8 Dec  in 2 days  Anna Schmidt (42)\n"
        "Mon 1 Mar  in 85 days  Grandpa Leap (95)\n",
        "", false);
    // A stored date still ahead has no age to tell yet: the Age column stays blank.
    row("stored date ahead", "--upcoming 99", 0, "~Mon 15 Mar  in 99 days  Baby Due\n", "", false);
    row("json", "--json --upcoming 2", 0,
        R"([{"name": "Today One-off", "date": "2026-12-06", "days": 0, "years": null, "key": 2},
            {"name": "Tom", "date": "2026-12-07", "days": 1, "years": null, "key": 1},
            {"name": "Anna Schmidt", "date": "2026-12-08", "days": 2, "years": 42, "key": 0}])",
        "", false);
    row("dry run", "--import @google-3.0.vcf --dry-run", 0,
        "~2 to add, 1 already there, 1 without a date\n", "Lena Weber: no birthday or anniversary",
        false);
    row("import two files", "--import @google-3.0.vcf @thunderbird.ics", 0,
        "3 added, 2 already there, 2 without a date, 1 could not be read\n",
        "A damaged date: its start is not a date", true);
    // Events whose repeats end in a year to come are only added when chosen in the preview.
    row("calendar rules", "--import @rules.ics", 0,
        "5 added, 0 already there, 0 without a date, 12 left out, 2 could not be read, 2 whose "
        "repeats end, not chosen\n",
        "skipped: Ends by COUNT in a year to come: its repeats end in 2031", true);
    row("one file cut off", "--import @cut-off.ics @google-3.0.vcf", 1, "",
        "Nothing was added from any of the 2 files: 1 of them could not be used.\n\"", false);
    row("export", "--export-ics -", 0, "~SUMMARY:Grandpa Leap\r\n", "", false);
    row("export nowhere", "--export-ics /no/such/folder/x.ics", 1, "", "cannot write", false);
    row("unknown option", "--upcomin", 2, "", "Unknown option", false);
    row("bad DAYS", "--upcoming soon", 2, "", "DAYS must be one whole number", false);
    row("json alone", "--json", 2, "", "give one of", false);
    row("version", "--version", 0, "Candlewatcher 2.0.0\n", "", false);
}

void TestCommandLine::run()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, errors);
    QFETCH(bool, writes);

    // The program keeps its data beside itself in a folder it may write to.
    StoreFixture f;
    const QString program = f.dir.filePath("candlewatcher");
    QVERIFY(QFile::copy(CW_PROGRAM, program));
    f.add("Anna Schmidt", QDate(1984, 12, 8));
    f.add("Tom", QDate(2000, 12, 7), "1", "10", "0", "0");
    f.add("Today One-off", QDate(2026, 12, 6), "0");
    f.add("Grandpa Leap", QDate(1932, 2, 29));
    f.add("Far Away", QDate(2027, 6, 1), "0");
    f.add("Baby Due", QDate(2027, 3, 15));
    const QByteArray before = f.bytes();
    QVERIFY(QDir(f.dir.path()).mkpath("config/Marrowfell"));
    QFile settings(f.dir.filePath("config/Marrowfell/Candlewatcher.conf"));
    QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write("[Settings]\nCalendarId=test\n"));
    settings.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", f.dir.path());
    env.insert("XDG_CONFIG_HOME", f.dir.filePath("config"));
    env.insert("XDG_DATA_HOME", f.dir.filePath("share"));
    // No display at all: a window or a tray icon would fail the run.
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("FAKETIME", "@2026-12-06 10:00:00");
    env.insert("LD_PRELOAD", CW_FAKETIME);
    env.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(60000));
    const QString stdOut = QString::fromUtf8(process.readAllStandardOutput());
    const QString stdErr = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == status,
             qPrintable(stdErr));
    if (out.startsWith(u'~'))
        QVERIFY2(stdOut.contains(out.mid(1)), qPrintable(stdOut));
    else if (out.startsWith(u'['))
        QCOMPARE(QJsonDocument::fromJson(stdOut.toUtf8()), QJsonDocument::fromJson(out.toUtf8()));
    else
        QCOMPARE(stdOut, out);
    QVERIFY2(stdErr.contains(errors), qPrintable(stdErr));
    QCOMPARE(f.bytes() != before, writes);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
