#include "platform/linux/dbusnotifier.h"
#include "storefixture.h"
#include "ui/reminders/alertdialog.h"
#include "ui/reminders/notificationwindow.h"
#include "ui/reminders/reminderrunner.h"

#include <QApplication>
#include <QDBusContext>
#include <QDBusMessage>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QThread>

#include <csignal>

namespace {

const QString serviceName = "org.freedesktop.Notifications";
const QString servicePath = "/org/freedesktop/Notifications";

} // namespace

// A notification service of our own, as a desktop runs one. Each notification it is asked
// for is kept as "summary|body|actions|urgency|timeout" (in service mode, a line of a file).
// Its answers can go wrong: "silent" (none), "text" (a reply of another type) or "error".
class NotificationService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList capabilities{"actions", "body"};
    QStringList calls;
    QString logPath;
    QString capabilitiesAnswer;
    QString notifyAnswer;

public Q_SLOTS:
    QStringList GetCapabilities()
    {
        answerWrongly(capabilitiesAnswer);
        return capabilities;
    }
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        answerWrongly(notifyAnswer);
        calls << QStringList{summary, body, actions.join(','),
                             QString::number(hints.value("urgency").toInt()),
                             QString::number(timeout)}
                     .join('|');
        QFile log(logPath);
        if (!logPath.isEmpty() && log.open(QIODevice::Append))
            log.write(QString(calls.last()).replace('\n', " / ").toUtf8() + '\n');
        return uint(calls.size());
    }

Q_SIGNALS:
    void ActionInvoked(uint id, const QString& actionKey);

private:
    void answerWrongly(const QString& answer)
    {
        if (answer == "error")
            sendErrorReply(QDBusError::Failed, "refused");
        else if (answer == "text")
            connection().send(message().createReply(QVariant("1")));
        setDelayedReply(!answer.isEmpty());
    }
};

class TestDBusNotifier : public QObject
{
    Q_OBJECT

private:
    QString m_address;
    qint64 m_daemonPid = 0;
    // The service answers from a thread of its own while the notifier waits for it.
    NotificationService& m_service = *new NotificationService;
    QThread m_serviceThread;

    QDBusConnection bus(const QString& name)
    {
        return QDBusConnection::connectToBus(m_address, name);
    }
    bool serviceUp(bool up)
    {
        return up ? bus("service").registerService(serviceName)
                  : bus("service").unregisterService(serviceName);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            QSKIP("dbus-daemon is not installed; scripts/setup-debian.sh installs it");
        QProcess daemon;
        daemon.start("dbus-daemon", {"--config-file=" PRIVATE_BUS_CONF, "--fork",
                                     "--print-address=1", "--print-pid=1"});
        QVERIFY(daemon.waitForFinished(10000));
        const QStringList lines = QString::fromUtf8(daemon.readAllStandardOutput()).split('\n');
        QVERIFY2(lines.size() >= 2, qPrintable(daemon.readAllStandardError()));
        m_address = lines.at(0).trimmed();
        m_daemonPid = lines.at(1).trimmed().toLongLong();
        QVERIFY(bus("service").registerObject(servicePath, &m_service,
                                              QDBusConnection::ExportAllContents));
        m_service.moveToThread(&m_serviceThread);
        m_serviceThread.start();
        QVERIFY(serviceUp(true));
    }

    void cleanupTestCase()
    {
        bus("service").unregisterObject(servicePath);
        m_service.deleteLater();
        m_serviceThread.quit();
        m_serviceThread.wait();
        if (m_daemonPid > 0)
            ::kill(pid_t(m_daemonPid), SIGTERM);
    }

    void whatIsSent_data()
    {
        QTest::addColumn<QStringList>("capabilities");
        QTest::addColumn<bool>("urgent");
        QTest::addColumn<QString>("sent");
        QTest::newRow("plain text where markup is not read")
            << QStringList{"actions", "body"} << false << "Today|Tom & Jerry <3||1|-1";
        QTest::newRow("escaped where markup is read")
            << QStringList{"body", "body-markup"} << false << "Today|Tom &amp; Jerry &lt;3||1|-1";
        QTest::newRow("no action where there are none")
            << QStringList{"body"} << true << "Today|Tom & Jerry <3||2|0";
    }

    void whatIsSent()
    {
        QFETCH(QStringList, capabilities);
        QFETCH(bool, urgent);
        m_service.calls.clear();
        m_service.capabilities = capabilities;
        DBusNotifier notifier(bus("client"));
        QSignalSpy answered(&notifier, &Notifier::answered);
        const int request = notifier.notify({"Today", "Tom & Jerry <3", urgent});
        QVERIFY(answered.wait(5000));
        QCOMPARE(answered.at(0), QVariantList({request, true}));
        QTEST(m_service.calls.value(0), "sent");
        m_service.capabilities = {"actions", "body"};
    }

    void runnerNotifiesOrFallsBack()
    {
        StoreFixture f;
        f.clock.setNow(QDateTime(QDate(2024, 12, 10), QTime(12, 0)));
        f.add("Ann", QDate(1980, 12, 10), "1", "3", "0");
        f.add("Bob", QDate(1990, 12, 12), "1", "3", "1");
        f.add("Cy", QDate(1970, 12, 8), "1", "3", "1"); // on Sunday, while the computer was off
        f.settings.writeSetting("LastCheck", "2024-12-06T22:00:00");
        m_service.calls.clear();
        DBusNotifier notifier(bus("client"));
        ReminderRunner runner(f.store, f.settings, f.clock);
        runner.setNotifier(&notifier);
        runner.setWindowPlaceable([] { return false; }); // as on Wayland: notifications
        QSignalSpy unavailable(&runner, &ReminderRunner::notificationsUnavailable);

        runner.check();
        QTRY_VERIFY(!runner.waitingForAnswers());
        QCOMPARE(m_service.calls,
                 QStringList({"Candlewatcher Alert|Ann|show,Show Candlewatcher|2|0",
                              "Missed While Away|Cy (Sun 8 Dec - 54 Years)|show,Show "
                              "Candlewatcher|2|0",
                              "Birthdays Due Today|Ann (44 Years)\n\nBirthdays Due Soon:\nBob "
                              "(12/12/1990 - 34 Years)||1|-1"}));
        QVERIFY(!runner.alertDialog() && !runner.notificationWindow());
        const QString today = TextConv::dateToText(QDate(2024, 12, 10));
        QCOMPARE(f.fields.readRecord(0)->value(BirthdayRecord::LastDate), today);
        QCOMPARE(f.settings.readSetting("NotifyDate", ""), today);
        // The alert's "show" or "default" action asks for the main window; nothing else does.
        QSignalSpy shown(&notifier, &Notifier::showRequested);
        for (const auto& action :
             {std::pair<uint, QString>{3, "show"}, {1, "show"}, {1, "default"}, {1, "other"}})
            QMetaObject::invokeMethod(&m_service, [this, action] {
                Q_EMIT m_service.ActionInvoked(action.first, action.second);
            });
        QTRY_COMPARE(shown.size(), 2);
        QTest::qWait(200);
        QCOMPARE(shown.size(), 2);

        // Where no service answers, the windows stand in; the user is told once.
        QVERIFY(serviceUp(false));
        f.add("Dot", QDate(1985, 12, 10), "1", "3", "0");
        runner.check(true);
        runner.check(true);
        QTRY_VERIFY(!runner.waitingForAnswers());
        QVERIFY(serviceUp(true));
        QCOMPARE(unavailable.size(), 1);
        QCOMPARE(runner.alertDialog()->dueNames(), QStringList{"Dot"});
        QCOMPARE(m_service.calls.size(), 3);
    }

    // A service that takes no message in time: the windows stand in and are stamped.
    void refusedNotificationsFallBack_data()
    {
        // How the service answers GetCapabilities and Notify.
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("never answers") << QStringList{"silent", "silent"};
        QTest::newRow("never answers a notification") << QStringList{"", "silent"};
        QTest::newRow("an id of another type") << QStringList{"", "text"};
        QTest::newRow("an error") << QStringList{"", "error"};
        QTest::newRow("capabilities of another type") << QStringList{"text", ""};
    }

    void refusedNotificationsFallBack()
    {
        QFETCH(QStringList, answers);
        StoreFixture f;
        f.clock.setNow(QDateTime(QDate(2024, 12, 10), QTime(12, 0)));
        f.add("Ann", QDate(1980, 12, 10), "1", "3", "0");
        f.settings.writeSetting("LastCheck", "2024-12-10T08:00:00");
        m_service.capabilitiesAnswer = answers[0];
        m_service.notifyAnswer = answers[1];
        DBusNotifier notifier(bus("client"));
        ReminderRunner runner(f.store, f.settings, f.clock);
        runner.setNotifier(&notifier);
        runner.setWindowPlaceable([] { return false; });

        // The check returns at once, however long the service takes: the loop runs meanwhile.
        runner.check();
        QVERIFY(runner.waitingForAnswers());
        QVERIFY(!runner.alertDialog() && !runner.notificationWindow());
        QCOMPARE(f.fields.readRecord(0)->value(BirthdayRecord::LastDate), "");
        QTRY_VERIFY_WITH_TIMEOUT(!runner.waitingForAnswers(), 3 * DBusNotifier::callTimeoutMs);
        m_service.capabilitiesAnswer.clear();
        m_service.notifyAnswer.clear();
        QVERIFY(runner.notificationWindow() && runner.notificationWindow()->isVisible());
        QVERIFY(runner.alertDialog() && runner.alertDialog()->dueNames() == QStringList{"Ann"});
        const QString today = TextConv::dateToText(QDate(2024, 12, 10));
        QCOMPARE(f.fields.readRecord(0)->value(BirthdayRecord::LastDate), today);
        QCOMPARE(f.settings.readSetting("NotifyDate", ""), today);
    }
};

int main(int argc, char** argv)
{
    // Service mode, for the run of the real program under Wayland: the service on the session
    // bus; the file appears once it answers.
    if (argc == 3 && qstrcmp(argv[1], "--service") == 0) {
        QCoreApplication app(argc, argv);
        NotificationService service;
        service.logPath = QString::fromLocal8Bit(argv[2]);
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.registerObject(servicePath, &service, QDBusConnection::ExportAllSlots) ||
            !bus.registerService(serviceName) || !QFile(service.logPath).open(QIODevice::WriteOnly))
            return 1;
        return app.exec();
    }
    QApplication app(argc, argv);
    TestDBusNotifier test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_dbusnotifier.moc"
