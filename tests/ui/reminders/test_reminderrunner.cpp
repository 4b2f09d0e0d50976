#include "storefixture.h"

#include "reminders/alertdialog.h"
#include "reminders/notificationwindow.h"
#include "reminders/reminderrunner.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

QDateTime at(int month, int day, int hour, int minute = 0, int second = 0)
{
    return QDateTime(QDate(2002, month, day), QTime(hour, minute, second));
}

// NotifyDate and NotifyTime as the runner writes them.
QString shownAt(int month, int day, int hour, int minute = 0, int second = 0)
{
    return TextConv::dateToText(QDate(2002, month, day)) + ' ' +
           TextConv::timeToText(QTime(hour, minute, second));
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

} // namespace

class TestReminderRunner : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StoreFixture> f;
    std::unique_ptr<ReminderRunner> m_runner;

    // Every record's LastDate, "-" for none, in key order.
    QString lastDates()
    {
        QStringList dates;
        const QList<BirthdayRecord> records = f->store.recordsReadAll().value();
        for (const BirthdayRecord& record : records)
            dates << record.value(BirthdayRecord::LastDate);
        return dates.replaceInStrings(QRegularExpression("^$"), "-").join(u' ');
    }

    QString setting(const char* name) { return f->settings.settingRead(name, "-"); }
    QString stamps() { return setting("NotifyDate") + ' ' + setting("NotifyTime"); }

    void runAt(const QDateTime& now, bool forceShow = false)
    {
        f->clock.setNow(now);
        m_runner->ReminderCheck(forceShow);
    }

    QStringList alertNames() const
    {
        return m_runner->alertDialog() ? m_runner->alertDialog()->dueNames() : QStringList();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init()
    {
        f = std::make_unique<StoreFixture>();
        m_runner = std::make_unique<ReminderRunner>(f->store, f->settings, f->clock);
    }

    void cleanup()
    {
        m_runner.reset();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void firstRunShowsAlertsAndNotificationAndStamps()
    {
        f->add("Ann", QDate(1970, 5, 12));
        f->add("Cid", QDate(1980, 5, 15));
        f->add("Bob", QDate(1990, 5, 12));
        f->add("Dan", QDate(2000, 5, 12), "1", "10", "1");
        runAt(at(5, 12, 12));
        QVERIFY(m_runner->firstCheckDone());
        QCOMPARE(alertNames(), QStringList({"Ann", "Bob"}));
        QVERIFY(m_runner->alertDialog()->isVisible());
        QPointer<NotificationWindow> window = m_runner->notificationWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->todayText(), "Ann (32 Years)\r\nBob (12 Years)\r\nDan (2 Years)");
        QCOMPARE(window->soonText(), "Cid (5/15/1980 - 22 Years)");
        QCOMPARE(lastDates(), "5/12/2002 - 5/12/2002 5/12/2002");
        QCOMPARE(stamps(), shownAt(5, 12, 12));

        // Thirty seconds later: nothing new to alert, and the same hour.
        runAt(at(5, 12, 12, 0, 30));
        QCOMPARE(alertNames(), QStringList({"Ann", "Bob"}));
        QCOMPARE(stamps(), shownAt(5, 12, 12));
        // Asked for: the open window takes the new texts.
        f->add("Eve", QDate(1980, 5, 13));
        runAt(at(5, 12, 12, 1), true);
        QCOMPARE(m_runner->notificationWindow(), window.data());
        QCOMPARE(window->soonText(), "Cid (5/15/1980 - 22 Years)\r\nEve (5/13/1980 - 22 Years)");
        QCOMPARE(stamps(), shownAt(5, 12, 12, 1));
    }

    void modalDialogDefersWindowsAndStamps()
    {
        // Shown once a run of the program, and the stamps of an earlier run are there.
        f->settings.settingWrite("NotifyEvery", "None");
        f->settings.settingWrite("NotifyDate", TextConv::dateToText(QDate(2002, 5, 12)));
        f->settings.settingWrite("NotifyTime", TextConv::timeToText(QTime(8, 0)));
        f->add("Ann", QDate(1970, 5, 12));
        f->add("Cid", QDate(1980, 5, 15));
        {
            ModalDialog editor;
            runAt(at(5, 12, 14, 10));
            QVERIFY(!m_runner->notificationWindow() && !m_runner->alertDialog());
            QCOMPARE(lastDates(), "- -");
            QCOMPARE(stamps(), shownAt(5, 12, 8));
        }
        // Nothing is lost, not even the first showing: the first run after shows both.
        runAt(at(5, 12, 14, 10, 30));
        QCOMPARE(alertNames(), QStringList{"Ann"});
        QCOMPARE(lastDates(), "5/12/2002 -");
        QVERIFY(m_runner->notificationWindow());
        QCOMPARE(stamps(), shownAt(5, 12, 14, 10, 30));
        {
            // Asked for under a dialog: the open window is taken away, the stamps stay.
            ModalDialog preferences;
            runAt(at(5, 12, 15, 0), true);
            QTRY_VERIFY(!m_runner->notificationWindow());
            QCOMPARE(stamps(), shownAt(5, 12, 14, 10, 30));
        }
        runAt(at(5, 13, 12)); // once a run of the program
        QVERIFY(!m_runner->notificationWindow());
        m_runner->setNotificationCloseInterval(50);
        runAt(at(5, 13, 12, 0, 30), true);
        QVERIFY(m_runner->notificationWindow());
        QCOMPARE(stamps(), shownAt(5, 13, 12, 0, 30));
        QTRY_VERIFY_WITH_TIMEOUT(!m_runner->notificationWindow(), 5000); // after its time
    }

    void alertWaitsForTheAlertTimeAndLeapDayRule()
    {
        f->add("Ann", QDate(1970, 5, 12));
        runAt(at(5, 12, 8, 59, 59)); // AlertTime not set: 09:00
        QVERIFY(!m_runner->alertDialog());
        QCOMPARE(lastDates(), "-");
        QCOMPARE(m_runner->notificationWindow()->todayText(), "Ann (32 Years)");
        runAt(at(5, 12, 9, 0));
        QCOMPARE(alertNames(), QStringList{"Ann"});
        QCOMPARE(lastDates(), "5/12/2002");

        f->settings.settingWrite("AlertTime", "10:30");
        f->add("Bob", QDate(1970, 5, 12));
        runAt(at(5, 12, 10, 29, 59));
        QCOMPARE(alertNames(), QStringList{"Ann"});
        {
            // The open alert gets no names while a modal dialog is open; it gets them after.
            ModalDialog about;
            runAt(at(5, 12, 10, 30));
            QCOMPARE(alertNames(), QStringList{"Ann"});
        }
        runAt(at(5, 12, 10, 30, 30));
        QCOMPARE(alertNames(), QStringList({"Ann", "Bob"}));

        f->add("Lea", QDate(1996, 2, 29), "1", "0");
        f->settings.settingWrite("LeapDayEvents", "February28");
        runAt(at(2, 28, 12));
        QCOMPARE(alertNames(), QStringList({"Ann", "Bob", "Lea"}));
    }

    void unwritableStampIsRetriedWithoutRepeatingTheAlert()
    {
        f->add("Ann", QDate(1970, 5, 12));
        f->clock.setNow(at(5, 12, 12));
        // The records as the list read them; then a folder where the data file was, so every
        // write fails, whoever runs the test.
        const QList<BirthdayRecord> records = *f->store.recordsReadAll();
        const QString path = f->path(), aside = path + ".aside";
        for (const bool unwritable : {true, true, false}) {
            if (unwritable)
                QVERIFY(QFile::rename(path, aside) && QDir().mkdir(path));
            m_runner->ReminderCheck(records);
            if (unwritable)
                QVERIFY(QDir().rmdir(path) && QFile::rename(aside, path));
            QCOMPARE(alertNames(), QStringList{"Ann"});
            QCOMPARE(lastDates(), unwritable ? "-" : "5/12/2002");
        }
    }

    void missedDaysAnnouncedOnce()
    {
        f->add("Dan", QDate(1990, 5, 11), "1", "10", "1");
        f->add("Ann", QDate(1980, 5, 10)); // by day, not by record
        f->add("Eve", QDate(1985, 5, 14), "1", "0");
        // A first start announces nothing missed, and leaves its stamp.
        runAt(at(5, 12, 12));
        QVERIFY(!m_runner->alertDialog() && !m_runner->notificationWindow());
        QCOMPARE(setting("LastCheck"), "2002-05-12T12:00:00");

        f->settings.settingWrite("LastCheck", "2002-05-09T20:00:00");
        m_runner = std::make_unique<ReminderRunner>(f->store, f->settings, f->clock);
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
};

QTEST_MAIN(TestReminderRunner)
#include "test_reminderrunner.moc"
