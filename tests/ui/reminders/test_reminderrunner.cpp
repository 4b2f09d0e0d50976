#include "reminders/alertdialog.h"
#include "reminders/notificationwindow.h"
#include "reminders/reminderrunner.h"

#include "app/clock.h"
#include "settings/settingsstore.h"
#include "store/birthdaystore.h"
#include "text/textconv.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// A clock that runs a hook each time it is read: the runner reads it once per run, after the
// records, so the hook can take the data file away before the run writes.
class HookClock : public Clock
{
public:
    HookClock(QDateTime now, std::function<void()> hook)
        : m_now(std::move(now)), m_hook(std::move(hook))
    {}
    QDateTime now() const override
    {
        m_hook();
        return m_now;
    }

private:
    QDateTime m_now;
    std::function<void()> m_hook;
};

class TestReminderRunner : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<BirthdayStore> m_store;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<ReminderRunner> m_runner;

    void add(int key, const QString& name, QDate date, const QString& alert = "0",
             const QString& notify = "10")
    {
        const QStringList fields = {"Name", "Date", "Recurs", "Notify", "Alert", "ShowYears"};
        const QStringList values = {name, TextConv::dateToText(date), "1", notify, alert, "1"};
        for (int i = 0; i < fields.size(); ++i)
            QVERIFY2(m_store->fieldWrite(fields[i], key, values[i]),
                     qPrintable(m_store->errorString()));
    }

    QString lastDate(int key)
    {
        const std::optional<BirthdayRecord> record = m_store->recordRead(key);
        return record ? record->value(BirthdayRecord::LastDate) : QStringLiteral("<error>");
    }

    QString setting(const char* name) { return m_settings->settingRead(name, QString()); }

    void runAt(const QDateTime& now, bool forceShow = false)
    {
        m_clock->setNow(now);
        m_runner->ReminderCheck(forceShow);
    }

    static QDateTime at(int month, int day, int hour, int minute = 0, int second = 0)
    {
        return QDateTime(QDate(2002, month, day), QTime(hour, minute, second));
    }

    QStringList alertNames() const
    {
        return m_runner->alertDialog() ? m_runner->alertDialog()->dueNames() : QStringList();
    }

    // A modal dialog of the program, as the preferences or an editor would be.
    struct ModalDialog
    {
        QDialog dialog;
        ModalDialog()
        {
            dialog.setModal(true);
            dialog.show();
        }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_store = std::make_unique<BirthdayStore>(m_dir->filePath("birthday.dat"));
        m_settings = std::make_unique<SettingsStore>(m_dir->filePath("settings.ini"));
        m_clock = std::make_unique<FixedClock>(at(5, 12, 12));
        m_runner = std::make_unique<ReminderRunner>(*m_store, *m_settings, *m_clock);
    }

    void cleanup()
    {
        m_runner.reset();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void firstRunShowsAlertsAndNotificationAndStamps()
    {
        add(0, "Ann", QDate(1970, 5, 12));
        add(1, "Cid", QDate(1980, 5, 15));
        add(2, "Bob", QDate(1990, 5, 12));
        add(3, "Dan", QDate(2000, 5, 12), "1");

        runAt(at(5, 12, 12));
        QVERIFY(m_runner->firstCheckDone());
        QCOMPARE(alertNames(), QStringList({"Ann", "Bob"}));
        QVERIFY(m_runner->alertDialog()->isVisible());
        NotificationWindow* window = m_runner->notificationWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->todayText(), "Ann (32 Years)\r\nBob (12 Years)\r\nDan (2 Years)");
        QCOMPARE(window->soonText(), "Cid (5/15/1980 - 22 Years)");

        const QString today = TextConv::dateToText(QDate(2002, 5, 12));
        QCOMPARE(lastDate(0), today);
        QCOMPARE(lastDate(1), QString());
        QCOMPARE(lastDate(2), today);
        QCOMPARE(lastDate(3), today);
        QCOMPARE(setting("NotifyDate"), today);
        QCOMPARE(setting("NotifyTime"), TextConv::timeToText(QTime(12, 0)));

        // Thirty seconds later: nothing new to alert, and the same hour.
        runAt(at(5, 12, 12, 0, 30));
        QCOMPARE(alertNames(), QStringList({"Ann", "Bob"}));
        QCOMPARE(m_runner->notificationWindow(), window);
        QCOMPARE(setting("NotifyTime"), TextConv::timeToText(QTime(12, 0)));
    }

    void nothingDueShowsNothingEvenOnRequest()
    {
        add(0, "Ann", QDate(1970, 8, 1));
        runAt(at(5, 12, 12), true);
        QVERIFY(!m_runner->notificationWindow());
        QVERIFY(!m_runner->alertDialog());
        QVERIFY(!m_runner->firstCheckDone());
        QCOMPARE(setting("NotifyTime"), QString());
        QCOMPARE(m_settings->settingRead("NotifyDate", "unset"), "unset");
    }

    void modalDialogAtTheChangeOfTheHour()
    {
        add(0, "Cid", QDate(1980, 5, 15));
        runAt(at(5, 12, 14, 10));
        QVERIFY(m_runner->notificationWindow());
        m_runner->notificationUnload();
        QTRY_VERIFY(!m_runner->notificationWindow());

        {
            ModalDialog preferences;
            runAt(at(5, 12, 15, 0));
            QVERIFY(!m_runner->notificationWindow());
            QCOMPARE(setting("NotifyTime"), TextConv::timeToText(QTime(14, 10)));
        }
        // The period's notification is not lost: it shows at the first run after.
        runAt(at(5, 12, 15, 0, 30));
        QVERIFY(m_runner->notificationWindow());
        QCOMPARE(setting("NotifyTime"), TextConv::timeToText(QTime(15, 0, 30)));
    }

    void modalDialogDefersTheAlert()
    {
        add(0, "Ann", QDate(1970, 5, 12));
        {
            ModalDialog editor;
            runAt(at(5, 12, 12));
            QVERIFY(!m_runner->alertDialog());
            QCOMPARE(lastDate(0), QString());
        }
        runAt(at(5, 12, 12, 0, 30));
        QCOMPARE(alertNames(), QStringList{"Ann"});
        QCOMPARE(lastDate(0), TextConv::dateToText(QDate(2002, 5, 12)));
    }

    void alertDialogGrowsAcrossMidnight()
    {
        add(0, "Ann", QDate(1970, 5, 12));
        add(1, "Bob", QDate(1970, 5, 13));
        runAt(at(5, 12, 23, 59, 50));
        QCOMPARE(alertNames(), QStringList{"Ann"});
        QPointer<AlertDialog> dialog = m_runner->alertDialog();

        // A modal dialog open at that moment leaves the open alert and its list alone.
        {
            ModalDialog about;
            runAt(at(5, 13, 9, 0, 20));
            QCOMPARE(m_runner->alertDialog(), dialog.data());
            QCOMPARE(alertNames(), QStringList{"Ann"});
        }
        runAt(at(5, 13, 9, 0, 50));
        QCOMPARE(m_runner->alertDialog(), dialog.data());
        QCOMPARE(alertNames(), QStringList({"Ann", "Bob"}));

        dialog->close();
        QTRY_VERIFY(!m_runner->alertDialog());
        add(2, "Cat", QDate(1970, 5, 13));
        runAt(at(5, 13, 9, 1, 20));
        QCOMPARE(alertNames(), QStringList{"Cat"}); // a fresh list
    }

    void alertWaitsForTheAlertTime()
    {
        m_settings->settingWrite("AlertTime", "10:30");
        add(0, "Ann", QDate(1970, 5, 12));
        runAt(at(5, 12, 10, 29, 59));
        QVERIFY(!m_runner->alertDialog());
        QCOMPARE(lastDate(0), QString());
        QVERIFY(m_runner->notificationWindow());
        QCOMPARE(m_runner->notificationWindow()->todayText(), "Ann (32 Years)");

        runAt(at(5, 12, 10, 30));
        QCOMPARE(alertNames(), QStringList{"Ann"});
        QCOMPARE(lastDate(0), TextConv::dateToText(QDate(2002, 5, 12)));
    }

    void noneShowsOncePerRunUnlessAsked()
    {
        m_settings->settingWrite("NotifyEvery", "None");
        add(0, "Cid", QDate(1980, 5, 15));
        m_runner->setNotificationCloseInterval(50);
        {
            // A dialog in the way of the first showing does not use it up, even with the
            // stamps of an earlier run of the program.
            m_settings->settingWrite("NotifyTime", TextConv::timeToText(QTime(8, 0)));
            m_settings->settingWrite("NotifyDate", TextConv::dateToText(QDate(2002, 5, 12)));
            ModalDialog editor;
            runAt(at(5, 12, 11, 59, 30));
            QVERIFY(!m_runner->notificationWindow());
        }
        runAt(at(5, 12, 12));
        QVERIFY(m_runner->notificationWindow());
        QTRY_VERIFY_WITH_TIMEOUT(!m_runner->notificationWindow(), 5000);

        runAt(at(5, 13, 12));
        QVERIFY(!m_runner->notificationWindow());
        runAt(at(5, 13, 12, 0, 30), true);
        QVERIFY(m_runner->notificationWindow());
    }

    void unwritableStampIsRetriedWithoutRepeatingTheAlert()
    {
        add(0, "Ann", QDate(1970, 5, 12));
        const QString path = m_store->dataPath();
        const QString aside = path + ".aside";
        bool unwritable = true;
        // A folder where the data file was: every write fails, whoever runs the test.
        HookClock clock(at(5, 12, 12), [&] {
            if (unwritable && QFile::rename(path, aside))
                QDir().mkdir(path);
        });
        const auto restore = [&] {
            QDir().rmdir(path);
            QFile::rename(aside, path);
        };
        ReminderRunner runner(*m_store, *m_settings, clock);

        runner.ReminderCheck();
        restore();
        QCOMPARE(runner.alertDialog()->dueNames(), QStringList{"Ann"});
        QCOMPARE(lastDate(0), QString());

        runner.ReminderCheck();
        restore();
        QCOMPARE(runner.alertDialog()->dueNames(), QStringList{"Ann"});
        QCOMPARE(lastDate(0), QString());

        unwritable = false;
        runner.ReminderCheck();
        QCOMPARE(runner.alertDialog()->dueNames(), QStringList{"Ann"});
        QCOMPARE(lastDate(0), TextConv::dateToText(QDate(2002, 5, 12)));
    }

    void missedDaysAnnouncedOnce()
    {
        add(0, "Dan", QDate(1990, 5, 11), "1");
        add(1, "Ann", QDate(1980, 5, 10)); // by day, not by record
        add(2, "Eve", QDate(1985, 5, 14), "0", "0");
        // A first start announces nothing missed, and leaves its stamp.
        runAt(at(5, 12, 12));
        QVERIFY(!m_runner->alertDialog() && !m_runner->notificationWindow());
        QCOMPARE(setting("LastCheck"), "2002-05-12T12:00:00");

        m_settings->settingWrite("LastCheck", "2002-05-09T20:00:00");
        m_runner = std::make_unique<ReminderRunner>(*m_store, *m_settings, *m_clock);
        runAt(at(5, 12, 12));
        QCOMPARE(m_runner->alertDialog()->missedEntries(),
                 QStringList{"Ann (Fri 10 May - 22 Years)"});
        QCOMPARE(m_runner->notificationWindow()->todayText(),
                 "There are no events today\r\nMissed: Ann (Fri 10 May - 22 Years)\r\n"
                 "Missed: Dan (Sat 11 May - 12 Years)");
        QCOMPARE(setting("LastCheck"), "2002-05-12T12:00:00");
        // Once only; a day later the first check stamps the new day and nothing more.
        runAt(at(5, 12, 12, 0, 30));
        runAt(at(5, 12, 23, 59, 50));
        runAt(at(5, 13, 0, 0, 20));
        QCOMPARE(setting("LastCheck"), "2002-05-13T00:00:20");
        QCOMPARE(m_runner->alertDialog()->missedEntries().size(), 1);

        // Asleep from the evening of the 13th over Eve's day: waking is a start.
        runAt(at(5, 13, 21, 0));
        runAt(at(5, 15, 7, 0));
        QCOMPARE(m_runner->alertDialog()->missedEntries(),
                 QStringList({"Ann (Fri 10 May - 22 Years)", "Eve (Tue 14 May - 17 Years)"}));
        QCOMPARE(setting("LastCheck"), "2002-05-15T07:00:00");
    }

    void showingAgainKeepsTheCloseTime()
    {
        add(0, "Cid", QDate(1980, 5, 15));
        runAt(at(5, 12, 12));
        NotificationWindow* window = m_runner->notificationWindow();
        auto* timer = window->findChild<QTimer*>("tmrClose");
        QTest::qWait(50);
        const int remaining = timer->remainingTime();
        add(1, "Dot", QDate(1980, 5, 12));
        runAt(at(5, 12, 12, 0, 5), true);
        QCOMPARE(m_runner->notificationWindow(), window);
        QCOMPARE(window->todayText(), "Dot (22 Years)");
        QVERIFY(timer->remainingTime() <= remaining);
    }
};

QTEST_MAIN(TestReminderRunner)
#include "test_reminderrunner.moc"
