#include "ui/platform/singleinstance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace {

// The id of a second user, made for the test where it runs as root; -1 elsewhere.
int otherUser()
{
    const char* name = "cwtest-other";
    if (::geteuid() != 0)
        return -1;
    if (!::getpwnam(name))
        QProcess::execute("useradd", {"--system", "--no-create-home", name});
    const passwd* user = ::getpwnam(name);
    return user ? int(user->pw_uid) : -1;
}

// Makes at `path` what a row names: "own", "open" (mode 0755), "other" (another user's),
// "link" (to an own folder), "file", or nothing ("missing", "unset").
bool make(const QString& path, const QString& kind)
{
    const QByteArray native = QFile::encodeName(path);
    if (kind == "file")
        return QFile(path).open(QIODevice::WriteOnly);
    if (kind == "link")
        return ::mkdir((native + "-target").constData(), 0700) == 0 &&
               ::symlink((native + "-target").constData(), native.constData()) == 0;
    if (kind != "own" && kind != "open" && kind != "other")
        return true;
    if (::mkdir(native.constData(), 0700) != 0)
        return false;
    if (kind == "open")
        return ::chmod(native.constData(), 0755) == 0;
    return kind != "other" || ::chown(native.constData(), uid_t(otherUser()), gid_t(-1)) == 0;
}

// The copy that runs first, answering from a loop of its own.
struct RunningCopy
{
    QThread thread;
    SingleInstance* copy;
    QAtomicInt shown = 0;

    explicit RunningCopy(const QString& dataPath) : copy(new SingleInstance(dataPath))
    {
        thread.start();
        copy->moveToThread(&thread);
        QObject::connect(copy, &SingleInstance::showRequested, copy, [this] { ++shown; });
    }
    SingleInstance::Role start()
    {
        SingleInstance::Role role = SingleInstance::Role::Alone;
        QMetaObject::invokeMethod(
            copy, [this, &role] { role = copy->start(); }, Qt::BlockingQueuedConnection);
        return role;
    }
    ~RunningCopy()
    {
        QMetaObject::invokeMethod(
            copy, [this] { delete copy; }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
    }
};

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void folderProblem_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("problem");
        QTest::newRow("own and closed") << "own"
                                        << "";
        QTest::newRow("open to others") << "open"
                                        << "is open to other users";
        QTest::newRow("another user's") << "other"
                                        << "belongs to another user";
        QTest::newRow("a link to an own folder") << "link"
                                                 << "is a symbolic link";
        QTest::newRow("a file") << "file"
                                << "is not a folder";
        QTest::newRow("missing") << "missing"
                                 << "cannot be read";
    }

    void folderProblem()
    {
        QFETCH(QString, kind);
        QFETCH(QString, problem);
        if (kind == "other" && otherUser() < 0)
            QSKIP("a folder of another user needs a run as root, which makes that user");
        const QString path = m_dir.filePath(QTest::currentDataTag());
        QVERIFY(make(path, kind));
        QCOMPARE(SingleInstance::folderProblem(path).left(problem.size()), problem);
        QCOMPARE(SingleInstance::folderProblem(path).isEmpty(), problem.isEmpty());
    }

    // Where the lock and the socket go: never a folder someone else could have made first.
    void folderChoice_data()
    {
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the runtime folder") << "own"
                                            << "missing"
                                            << "runtime";
        QTest::newRow("no runtime folder: one made") << "unset"
                                                     << "missing"
                                                     << "fallback";
        QTest::newRow("an open runtime folder") << "open"
                                                << "own"
                                                << "fallback";
        QTest::newRow("a runtime link") << "link"
                                        << "missing"
                                        << "fallback";
        QTest::newRow("open, made by someone first") << "unset"
                                                     << "open"
                                                     << "";
        QTest::newRow("another user's, made first") << "unset"
                                                    << "other"
                                                    << "";
    }

    void folderChoice()
    {
        QFETCH(QString, runtime);
        QFETCH(QString, fallback);
        QFETCH(QString, chosen);
        if (fallback == "other" && otherUser() < 0)
            QSKIP("a folder of another user needs a run as root, which makes that user");
        const QTemporaryDir dir;
        const QString runtimePath = dir.filePath("runtime");
        const QString tmp = dir.filePath("tmp");
        QVERIFY(QDir().mkdir(tmp));
        const QString fallbackPath = tmp + "/candlewatcher-" + QString::number(::getuid());
        QVERIFY(make(runtimePath, runtime) && make(fallbackPath, fallback));
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray oldTmp = qgetenv("TMPDIR");
        qputenv("XDG_RUNTIME_DIR", runtime == "unset" ? QByteArray() : runtimePath.toUtf8());
        qputenv("TMPDIR", tmp.toUtf8());
        QString error;
        const QString folder = SingleInstance::privateFolder(&error);
        SingleInstance instance(dir.filePath("birthday.dat"));
        const SingleInstance::Role role = instance.start();
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
        qputenv("TMPDIR", oldTmp);

        const QString expected = chosen == "runtime"    ? runtimePath
                                 : chosen == "fallback" ? fallbackPath
                                                        : QString();
        QCOMPARE(folder, expected);
        QCOMPARE(error.isEmpty(), !expected.isEmpty());
        QCOMPARE(QFileInfo(instance.serverName()).path(), expected);
        QCOMPARE(role,
                 expected.isEmpty() ? SingleInstance::Role::Alone : SingleInstance::Role::Primary);
        QCOMPARE(instance.errorString(), error);
        if (!expected.isEmpty())
            QCOMPARE(SingleInstance::folderProblem(expected), "");
    }

    // Only a line asking to show is answered; other lines, long ones and silence are dropped.
    void requests_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("shown");
        QTest::newRow("show") << QByteArray("show\n") << QByteArray("ok\n") << 1;
        QTest::newRow("another line") << QByteArray("hello\n") << QByteArray() << 0;
        QTest::newRow("a long line") << QByteArray(300, 'x') + "\nshow\n" << QByteArray() << 0;
        QTest::newRow("long, no line's end") << QByteArray(5000, 'x') << QByteArray() << 0;
        QTest::newRow("nothing") << QByteArray() << QByteArray() << 0;
    }

    void requests()
    {
        QFETCH(QByteArray, sent);
        QFETCH(int, shown);
        RunningCopy first(m_dir.filePath("birthday.dat"));
        QCOMPARE(first.start(), SingleInstance::Role::Primary);
        QLocalSocket client;
        client.connectToServer(first.copy->serverName());
        QVERIFY(client.waitForConnected(5000));
        client.write(sent);
        QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
        QTEST(client.readAll(), "answer");
        QCOMPARE(first.shown.loadRelaxed(), shown);
    }

    // Connections that never send take no more than a few files, and a later start still
    // gets its answer among them.
    void idleConnections()
    {
        RunningCopy first(m_dir.filePath("birthday.dat"));
        QCOMPARE(first.start(), SingleInstance::Role::Primary);
        std::vector<std::unique_ptr<QLocalSocket>> idle;
        const auto connected = [&idle] {
            return std::count_if(idle.cbegin(), idle.cend(), [](const auto& socket) {
                return socket->state() == QLocalSocket::ConnectedState;
            });
        };
        for (int i = 0; i < 3 * SingleInstance::maxConnections; ++i) {
            idle.push_back(std::make_unique<QLocalSocket>());
            idle.back()->connectToServer(first.copy->serverName());
            QVERIFY(idle.back()->waitForConnected(5000));
        }
        QTRY_COMPARE(connected(), SingleInstance::maxConnections);
        QCOMPARE(SingleInstance(m_dir.filePath("birthday.dat")).start(),
                 SingleInstance::Role::HandedOver);
        QTRY_COMPARE(first.shown.loadRelaxed(), 1);
        QTRY_COMPARE(connected(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
