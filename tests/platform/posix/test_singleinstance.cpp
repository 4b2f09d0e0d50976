#include "platform/singleinstance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A second user, made for the test where it runs as root; -1 elsewhere.
int otherUser()
{
    if (::geteuid() == 0 && !::getpwnam("cwtest-other"))
        QProcess::execute("useradd", {"--system", "--no-create-home", "cwtest-other"});
    const passwd* user = ::geteuid() == 0 ? ::getpwnam("cwtest-other") : nullptr;
    return user ? int(user->pw_uid) : -1;
}

// Makes what a row names: an "own" folder (0700), an "open" one, "other"'s, a "link"; or nothing.
bool make(const QByteArray& path, const QString& kind)
{
    if (kind == "link")
        return ::mkdir(path + "-target", 0700) == 0 && ::symlink(path + "-target", path) == 0;
    if (kind != "own" && kind != "open" && kind != "other")
        return true;
    return ::mkdir(path, 0700) == 0 && (kind != "open" || ::chmod(path, 0755) == 0) &&
           (kind != "other" || ::chown(path, uid_t(otherUser()), gid_t(-1)) == 0);
}

// Sends a request as a later start would; the answer, once the running copy closed the line.
QByteArray ask(const SingleInstance& copy, const QByteArray& request)
{
    QLocalSocket client;
    QByteArray answer;
    QObject::connect(&client, &QLocalSocket::readyRead, [&] { answer += client.readAll(); });
    client.connectToServer(copy.serverName());
    client.write(request);
    const auto closed = [&] { return client.state() == QLocalSocket::UnconnectedState; };
    return QTest::qWaitFor(closed) ? answer : "(still connected)";
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Where the lock and the socket go: never a folder someone else could have made first,
    // never a socket path longer than the system takes.
    void folderChoice_data()
    {
        // What XDG_RUNTIME_DIR names, what the cache folder and the temporary folder hold,
        // the folder chosen for the socket.
        QTest::addColumn<QStringList>("row");
        QTest::newRow("the runtime folder") << QStringList{"own", "missing", "missing", "runtime"};
        QTest::newRow("none: one made") << QStringList{"unset", "missing", "missing", "cache"};
        QTest::newRow("an open runtime folder") << QStringList{"open", "own", "missing", "cache"};
        QTest::newRow("a runtime link") << QStringList{"link", "missing", "missing", "cache"};
        QTest::newRow("open, made first") << QStringList{"unset", "open", "missing", ""};
        QTest::newRow("another user's in the temporary folder")
            << QStringList{"unset", "missing", "other", "cache"};
        QTest::newRow("a runtime folder too long for a socket")
            << QStringList{"long", "missing", "missing", "short"};
    }

    void folderChoice()
    {
        QFETCH(QStringList, row);
        const QString &runtime = row[0], &cached = row[1], &temporary = row[2], &chosen = row[3];
        if (temporary == "other" && otherUser() < 0)
            QSKIP("a folder of another user needs a run as root, which makes that user");
        const QTemporaryDir dir;
        const QString runtimePath =
            dir.filePath(runtime == "long" ? QString(100, 'r') : QString("runtime"));
        const QString tmp = dir.filePath("tmp"), cache = dir.filePath("cache");
        const QString cachePath = cache + "/candlewatcher-runtime";
        QVERIFY(QDir().mkdir(tmp) && QDir().mkdir(cache) &&
                make(QFile::encodeName(runtimePath), runtime == "long" ? "own" : runtime) &&
                make(QFile::encodeName(cachePath), cached) &&
                make(QFile::encodeName(tmp + "/candlewatcher-" + QString::number(::getuid())),
                     temporary));
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR"), oldTmp = qgetenv("TMPDIR"),
                         oldCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_RUNTIME_DIR", runtime == "unset" ? QByteArray() : runtimePath.toUtf8());
        qputenv("TMPDIR", tmp.toUtf8());
        qputenv("XDG_CACHE_HOME", cache.toUtf8());
        SingleInstance instance(dir.filePath("birthday.dat")), later(dir.filePath("birthday.dat"));
        const SingleInstance::Role role = instance.start();
        // In this thread the first copy cannot answer: the lock alone stops the later one.
        const SingleInstance::Role laterRole = later.start(100);
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
        qputenv("TMPDIR", oldTmp);
        qputenv("XDG_CACHE_HOME", oldCache);

        const QString folder = QFileInfo(instance.serverName()).path();
        if (chosen == "short") {
            QVERIFY2(folder.startsWith(tmp + "/candlewatcher-") &&
                         SingleInstance::folderProblem(folder).isEmpty(),
                     qPrintable(folder));
            QVERIFY(QFile::encodeName(instance.serverName()).size() < 108);
        } else {
            QCOMPARE(folder, chosen == "runtime" ? runtimePath
                             : chosen == "cache" ? cachePath
                                                 : QString());
        }
        QCOMPARE(role,
                 chosen.isEmpty() ? SingleInstance::Role::Alone : SingleInstance::Role::Primary);
        QCOMPARE(laterRole,
                 chosen.isEmpty() ? SingleInstance::Role::Alone : SingleInstance::Role::Unanswered);
        QCOMPARE(instance.errorString().isEmpty(), !chosen.isEmpty());
    }

    // Only a line asking to show is answered; other lines, long ones, silence and idle ones past
    // the cap are dropped; a listener that closed for want of descriptors listens again.
    void requests_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("show among idle ones")
            << QByteArray("show\n") << "idle" << QByteArray("ok\n");
        QTest::newRow("show, no descriptor left")
            << QByteArray("show\n") << "starved" << QByteArray("ok\n");
        QTest::newRow("another line") << QByteArray("hello\n") << "" << QByteArray();
        QTest::newRow("a long line") << QByteArray(300, 'x') + "\nshow\n"
                                     << "" << QByteArray();
        QTest::newRow("long, no line's end") << QByteArray(5000, 'x') << "" << QByteArray();
        QTest::newRow("nothing") << QByteArray() << "" << QByteArray();
    }

    void requests()
    {
        QFETCH(QByteArray, sent);
        QFETCH(QString, before);
        QFETCH(QByteArray, answer);
        const QTemporaryDir dir;
        SingleInstance first(dir.filePath("birthday.dat"));
        int shown = 0;
        connect(&first, &SingleInstance::showRequested, [&shown] { ++shown; });
        QCOMPARE(first.start(), SingleInstance::Role::Primary);
        std::vector<std::unique_ptr<QLocalSocket>> idle(
            before == "idle" ? 3 * SingleInstance::maxConnections : 0);
        for (auto& socket : idle)
            (socket = std::make_unique<QLocalSocket>())->connectToServer(first.serverName());
        QTRY_COMPARE(std::count_if(idle.begin(), idle.end(),
                                   [](const auto& socket) {
                                       return socket->state() == QLocalSocket::ConnectedState;
                                   }),
                     std::min<qsizetype>(idle.size(), SingleInstance::maxConnections));
        if (before == "starved") {
            QLocalSocket refused;
            refused.connectToServer(first.serverName());
            rlimit limit = {};
            QCOMPARE(::getrlimit(RLIMIT_NOFILE, &limit), 0);
            const int lowestFree = ::dup(0);
            ::close(lowestFree);
            const rlimit none = {rlim_t(lowestFree), limit.rlim_max};
            QCOMPARE(::setrlimit(RLIMIT_NOFILE, &none), 0);
            QTRY_VERIFY(!QFile::exists(first.serverName()));
            QCOMPARE(::setrlimit(RLIMIT_NOFILE, &limit), 0);
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(first.serverName()), 10000);
        }
        QCOMPARE(ask(first, sent), answer);
        QCOMPARE(shown, answer.isEmpty() ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
