#include "cli/commandline.h"
#include "storefixture.h"

#include <QJsonDocument>
#include <QProcess>

#include <csignal>

const QString data = CW_EXCHANGE_DATA "/";

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Which starts are the command line's: Qt's window-system options, with their values, go to
    // the program in the tray.
    void requested_data()
    {
        columnRows<bool>(
            "commandLine",
            {{"cw", false},
             {"cw -platform a -platformpluginpath a -platformtheme a -plugin a -session a "
              "-qwindowgeometry a -qwindowicon a -qwindowtitle a -display a -geometry a -name a "
              "-title a -visual a -style a -stylesheet a --platform=a",
              false},
             {"cw -reverse -widgetcount -nograb --dograb -sync", false},
             {"cw -platform a --upcoming", true},
             {"cw --sync", true},
             {"cw -reverse a", true}});
    }
    void requested()
    {
        QFETCH(bool, commandLine);
        QByteArrayList words = QByteArray(QTest::currentDataTag()).split(' ');
        std::vector<char*> argv;
        for (QByteArray& word : words)
            argv.push_back(word.data());
        QCOMPARE(CommandLine::requested(int(argv.size()), argv.data()), commandLine);
    }
    void run_data();
    void run();
    void signalDuringStart_data();
    void signalDuringStart();
};

namespace {

// The program copied into the fixture's folder and marked portable, so that it keeps its data
// beside itself, with settings of its own and no display at all (a window or a tray icon would
// fail a command).
QString prepareProgram(StoreFixture& f, QProcess& process)
{
    const QString program = f.dir.filePath("candlewatcher");
    if (!QFile::copy(CW_PROGRAM, program) || !writeFile(f.dir.filePath("portable"), {}) ||
        !QDir(f.dir.path()).mkpath("config/Marrowfell") ||
        !writeFile(f.dir.filePath("config/Marrowfell/Candlewatcher.conf"),
                   "[Settings]\nCalendarId=test\nDateLocale=en-US\n"))
        return QString();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", f.dir.path());
    env.insert("XDG_CONFIG_HOME", f.dir.filePath("config"));
    env.insert("XDG_DATA_HOME", f.dir.filePath("share"));
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("LC_ALL", "de_DE.UTF-8"); // German dates, English texts (LANGUAGE comes first)
    env.insert("LANGUAGE", "en");
    env.insert("FAKETIME", "@2026-12-06 10:00:00");
    env.insert("LD_PRELOAD", CW_FAKETIME);
    env.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
    process.setProcessEnvironment(env);
    return program;
}

// Whether the process holds SIGTERM back with no handler for it yet: the program's first line
// has run, its handler is still to come.
bool holdsTermSignal(qint64 pid)
{
    QFile file(QString("/proc/%1/status").arg(pid));
    const QString status = file.open(QIODevice::ReadOnly) ? file.readAll() : QString();
    const auto has = [&](const char* mask) {
        const QString hex = status.section(mask, 1).section('\n', 0, 0).trimmed();
        return (hex.toULongLong(nullptr, 16) >> (SIGTERM - 1) & 1) != 0;
    };
    return has("SigBlk:") && !has("SigCgt:");
}

} // namespace

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
        const QStringList split = arguments.startsWith("-c ") ? QStringList{"-c", arguments.mid(3)}
                                                              : arguments.split(' ');
        QTest::newRow(name) << QStringList(split).replaceInStrings("@", data) << status << out
                            << errors << writes;
    };
    row("upcoming", "--upcoming", 0,
        "Sun 6 Dec  today      Today One-off\n"
        "Mon 7 Dec  tomorrow   Tom\n"
        "Tue 8 Dec  in 2 days  Anna Schmidt (42)\n",
        "", false);
    row("older US dates in German, the dates padded", "--upcoming 95", 0,
        "~Mon 1 Mar   in 85 days  Grandpa Leap (95)\nWed 10 Mar  in 94 days  Old US (47)\n",
        "left out, their dates could not be read: Broken", false);
    // Days, months and "in 2 days" all in the user's language; the JSON stays as it is.
    row("upcoming in German", "LANGUAGE=de --upcoming 2", 0,
        "So. 6 Dez.  heute       Today One-off\n"
        "Mo. 7 Dez.  morgen      Tom\n"
        "Di. 8 Dez.  in 2 Tagen  Anna Schmidt (42)\n",
        "", false);
    row("json, a day without a year",
        R"(-c echo '{"version":1,"events":[{"key":1,"name":"Tom","date":"2000-12-07",)"
        R"("rule":"date 12-07"}]}' >birthday-rules.json && "$0" --json --upcoming 2)",
        0,
        R"([{"name": "Today One-off", "date": "2026-12-06", "days": 0, "years": null, "key": 2},
            {"name": "Tom", "date": "--12-07", "days": 1, "years": null, "key": 1},
            {"name": "Anna Schmidt", "date": "2026-12-08", "days": 2, "years": 42, "key": 0}])",
        "", false);
    row("dry run", "--import @google-3.0.vcf --dry-run", 0,
        "~2 to add, 1 already there, 1 without a date\n", "Lena Weber: no birthday or anniversary",
        false);
    row("import two files", "--import @google-3.0.vcf @thunderbird.ics", 0,
        "3 added, 2 already there, 2 without a date, 1 could not be read\n",
        "A damaged date: its start is not a date", true);
    // Events whose repeats end in a year to come are only added when chosen in the preview; the
    // weekdays of a month (BYDAY=2SU, -1MO, 4TH) are added as moving days.
    row("calendar rules", "--import @rules.ics", 0,
        "8 added, 0 already there, 0 without a date, 11 left out, 3 could not be read, 2 whose "
        "repeats end, not chosen\n",
        "skipped: Ends by COUNT in a year to come: its repeats end in 2031", true);
    row("one file cut off", "--import @cut-off.ics @google-3.0.vcf", 1, "",
        "Nothing was added from any of the 2 files: 1 of them could not be used.\n\"", false);
    row("export", "--export-ics -", 0, "~SUMMARY:Grandpa Leap\r\n", "", false);
    row("export, one argument more", "--export-ics - x", 2, "", "unexpected argument \"x\"", false);
    row("export nowhere", "--export-ics /no/such/folder/x.ics", 1, "", "cannot write", false);
    row("export, no room", R"(-c ulimit -f 1 && ! "$0" --export-ics x.ics && test ! -e x.ics)", 0,
        "", "File too large", false);
    row("unknown option", "--upcomin", 2, "", "Unknown option", false);
    row("none ahead", "FAKETIME=2026-12-09_10:00:00 --upcoming 1", 0,
        "No events in the next 1 day.\n", "", false);
    row("30 days by default, 1 March the 31st", "FAKETIME=2027-01-29_10:00:00 --upcoming", 0,
        "No events in the next 30 days.\n", "", false);
    row("bad DAYS", "--upcoming soon", 2, "", "from 0 to 36500, not \"soon\"", false);
    row("negative DAYS", "--upcoming -3", 2, "", "from 0 to 36500, not \"-3\"", false);
    row("DAYS too far", "--upcoming 36501", 2, "", "not \"36501\"", false);
    row("DAYS twice", "--upcoming 3 4", 2, "", "unexpected argument \"4\"", false);
    row("json alone", "--json", 2, "", "give one of", false);
    row("version", "--version", 0, "Candlewatcher 2.0.0\n", "", false);
    row("help: the usage line, the description, no option or argument without a text",
        R"(-c "$0" --help | sed -n '/^Usage:/s/^[^ ]* [^ ]*//p; 2p; /^  [^ ]/{/[^ ]  \+[^ ]/!p}')",
        0,
        " [options] [DAYS] [FILE...]\nCandlewatcher reminds you of birthdays and other dated "
        "events. Without options it starts in the system tray; with one of the options below it "
        "does that one thing and ends, whether or not it runs in the tray.\n",
        "", false);
    row("sync, nothing subscribed", "--sync", 0, "There are no subscriptions.\n", "", false);
    row("sync and more", "--sync --upcoming", 2, "", "give one of", false);
    row("sync with an argument", "--sync 3", 2, "", "unexpected argument \"3\"", false);
    // A calendar address nothing answers at: the sync fails, nothing is written.
    row("sync failing",
        "-c "
        R"(echo '{"version":1,"sources":[{"id":"c1","kind":"ics","name":"Cal",
              "url":"http://127.0.0.1:9/c.ics"}]}' >birthday-subscriptions.json && "$0" --sync)",
        1, "", "candlewatcher: Cal: ", false);
    // A calendar to publish to that nothing answers at: a line of its own, failed.
    row("publish failing",
        "-c "
        R"("$0" --import @google-3.0.vcf >/dev/null && echo '{"version":1,"publishing":
              {"url":"http://127.0.0.1:9/cal/","name":"Phone"}}' >birthday-subscriptions.json &&
              "$0" --sync)",
        1, "",
        "candlewatcher: Published to Phone: 0 added, 0 updated, 0 removed, 1 left out; "
        "http://127.0.0.1:9/cal/",
        true);
    // An address book on a Radicale of the row's own: two syncs at once add its contact once
    // (the later one waits for the earlier one's links), then the server is gone.
    row("sync from a server",
        "-c "
        R"(p=$((20000 + $$ % 20000)); u=http://127.0.0.1:$p/bob/family/; : >conf
            radicale --config conf --server-hosts 127.0.0.1:$p --storage-filesystem-folder dav \
              --auth-type none --rights-type authenticated 2>/dev/null & r=$!
            for i in $(seq 100); do curl -s -o /dev/null $u && break; sleep 0.1; done
            curl -sf -u bob:x -X MKCOL $u --data '<mkcol xmlns="DAV:"><set><prop><resourcetype>
              <collection/><addressbook xmlns="urn:ietf:params:xml:ns:carddav"/></resourcetype>
              </prop></set></mkcol>' && printf 'BEGIN:VCARD\r\nVERSION:4.0\r\nUID:m\r\nFN:Mia\r
BDAY:20160105\r\nEND:VCARD\r\n' >m.vcf && curl -sf -u bob:x -T m.vcf ${u}m.vcf &&
            echo '{"version":1,"sources":[{"id":"b","kind":"carddav","name":"Family","url":"'$u'"}]}' \
              >birthday-subscriptions.json && { "$0" --sync >one & "$0" --sync >two; wait $!; }
            sort one two; "$0" --upcoming 40 | grep -c Mia; kill $r; wait $r; "$0" --sync)",
        1, "Family: 0 added, 0 updated, 0 removed\nFamily: 1 added, 0 updated, 0 removed\n1\n",
        "Family: http://127.0.0.1:", true);
    // Each told once: status, then the count of lines that tell it.
    row("sync, table damaged or newer",
        "-c "
        R"(for t in '{' '{"version":2}'; do echo "$t" >birthday-subscriptions.json
              "$0" --sync 2>err; echo $?; grep -c 'is damaged\|newer version' err; done)",
        0, "1\n1\n1\n1\n", "", false);
    row("no room, in German",
        R"(-c seq 1270 | sed 's/.*/BEGIN:VCARD\nFN:N&\nBDAY:19840412\nEND:VCARD/' >m.vcf &&
              LANGUAGE=de "$0" --import m.vcf)",
        1, "~1.268 hinzugef\u00fcgt", "2 Ereignisse wurden nicht hinzugef\u00fcgt:", true);
    // Files limited to a little more than the data file (2,616 bytes): the backup fits, the
    // events do not, nothing of them is left; to less, no backup is left, not even a cut one.
    row("file size limit", R"(-c prlimit --fsize=2700 "$0" --import @google-3.0.vcf)", 1,
        "~0 added", "File too large", false);
    row("file size limit, no room for the backup",
        R"(-c ulimit -f 4 && ! "$0" --import @google-3.0.vcf >/dev/null && ls backups)", 0, "",
        "Cannot write", false);
    // Shell scripts ($0 the program) for names Qt cannot pass: not UTF-8, in a UTF-8 locale.
    row("Latin-1 names",
        "-c "
        R"(f=$(printf 'caf\351'); cp @google-3.0.vcf "$f.vcf" && "$0" --import "$f.vcf" &&
              "$0" --export-ics "$f.ics" >/dev/null && grep -c UID: "$f.ics")",
        0, "2 added, 1 already there, 1 without a date\n9\n", "", true);
    row("export into a pipe",
        "-c "
        R"(mkfifo p && { timeout 20 cat p >got & } && "$0" --export-ics p && wait && test -p p &&
              grep -c UID: got)",
        0, "7 events written to p\n7\n", "", false);
}

void TestCommandLine::run()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, errors);
    QFETCH(bool, writes);

    StoreFixture f;
    QProcess process;
    const QString program = prepareProgram(f, process);
    QVERIFY(!program.isEmpty());
    f.add("Anna Schmidt", QDate(1984, 12, 8));
    f.add("Tom", QDate(2000, 12, 7), "1", "10", "0", "0");
    f.add("Today One-off", QDate(2026, 12, 6), "0");
    f.add("Grandpa Leap", QDate(1932, 2, 29));
    f.add("Far Away", QDate(2027, 6, 1), "0");
    f.add("Baby Due", QDate(2027, 3, 15));
    f.add("Old US", "3/10/1980");
    f.add("Broken", "31/31/1980");
    const QByteArray before = f.bytes();
    // Another day to run on or another language, "_" for the blank.
    for (const char* name : {"FAKETIME=", "LANGUAGE="}) {
        if (!arguments.first().startsWith(name))
            continue;
        QProcessEnvironment env = process.processEnvironment();
        env.insert(QString(name).chopped(1),
                   arguments.takeFirst().mid(qstrlen(name)).replace(u'_', u' '));
        process.setProcessEnvironment(env);
    }
    process.setWorkingDirectory(f.dir.path());
    if (arguments.first() == "-c")
        process.start("/bin/sh", arguments << program);
    else
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

// The tray program sent SIGTERM at moments of its start-up, counted from its first line (before
// that the system is still loading it): it ends as it does when told to exit, with status 0,
// the data file as it was.
void TestCommandLine::signalDuringStart_data()
{
    QTest::addColumn<int>("afterMs");
    for (int ms : {0, 20, 100, 400, 1500})
        QTest::addRow("after %d ms", ms) << ms;
}

void TestCommandLine::signalDuringStart()
{
    QFETCH(int, afterMs);
    StoreFixture f;
    f.add("Anna Schmidt", QDate(1984, 12, 8));
    const QByteArray before = f.bytes();
    QProcess process;
    const QString program = prepareProgram(f, process);
    QVERIFY(!program.isEmpty());
    process.start(program, {"-platform", "offscreen"}); // Qt's options go to the tray program
    QVERIFY(process.waitForStarted());
    bool held = false;
    for (QDeadlineTimer deadline(20000); !held && !deadline.hasExpired(); QThread::usleep(100))
        held = holdsTermSignal(process.processId());
    QVERIFY2(held, "the program never held the terminating signals back");
    QTest::qSleep(afterMs);
    process.terminate();
    QVERIFY(process.waitForFinished(30000));
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
             qPrintable(process.readAllStandardError()));
    QCOMPARE(f.bytes(), before);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
