#include "storefixture.h"

#include "reminders/alertdialog.h"
#include "reminders/notificationwindow.h"
#include "reminders/reminderrunner.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QTest>

#include <memory>

namespace {

QDateTime at(int month, int day, int hour, int minute = 0, int second = 0)
{
    return QDateTime(QDate(2002, month, day), QTime(hour, minute, second));
}

QString dateText(int month, int day)
{
    return TextConv::dateToText(QDate(2002, month, day));
}

QString timeText(int hour, int minute = 0, int second = 0)
{
    return TextConv::timeToText(QTime(hour, minute, second));
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

    QString lastDate(int key)
    {
        const std::optional<BirthdayRecord> record = f->store.recordRead(key);
        return record ? record->value(BirthdayRecord::LastDate) : QStringLiteral("<error>");
    }

    QString setting(const char* name) { return f->settings.settingRead(name, "<unset>"); }

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
        for (int key : {0, 2, 3})
            QCOMPARE(lastDate(key), dateText(5, 12));
        QCOMPARE(lastDate(1), QString());
        QCOMPARE(setting("NotifyDate"), dateText(5, 12));
        QCOMPARE(setting("NotifyTime"), timeText(12));

        // Thirty seconds later: nothing new to alert, and the same hour.
        runAt(at(5, 12, 12, 0, 30));
        QCOMPARE(alertNames(), QStringList({"Ann", "Bob"}));
        QCOMPARE(setting("NotifyTime"), timeText(12));
        // Asked for: the open window takes the new texts.
        f->add("Eve", QDate(1980, 5, 13));
        runAt(at(5, 12, 12, 1), true);
        QCOMPARE(m_runner->notificationWindow(), window.data());
        QCOMPARE(window->soonText(), "Cid (5/15/1980 - 22 Years)\r\nEve (5/13/1980 - 22 Years)");
        QCOMPARE(setting("NotifyTime"), timeText(12, 1));
    }

    void modalDialogDefersWindowsAndStamps()
    {
        f->add("Ann", QDate(1970, 5, 12));
        f->add("Cid", QDate(1980, 5, 15));
        {
            ModalDialog editor;
            runAt(at(5, 12, 14, 10));
            QVERIFY(!m_runner->notificationWindow() && !m_runner->alertDialog());
            QCOMPARE(lastDate(0), QString());
            QCOMPARE(setting("NotifyTime"), "<unset>");
        }
        // Nothing is lost: the first run after shows both and writes the stamps.
        runAt(at(5, 12, 14, 10, 30));
        QCOMPARE(alertNames(), QStringList{"Ann"});
        QCOMPARE(lastDate(0), dateText(5, 12));
        QVERIFY(m_runner->notificationWindow());
        QCOMPARE(setting("NotifyTime"), timeText(14, 10, 30));
        {
            // The change of the hour under a dialog takes the window away and keeps the stamps.
            ModalDialog preferences;
            runAt(at(5, 12, 15, 0));
            QTRY_VERIFY(!m_runner->notificationWindow());
            QCOMPARE(setting("NotifyTime"), timeText(14, 10, 30));
        }
        runAt(at(5, 12, 15, 0, 30));
        QVERIFY(m_runner->notificationWindow());
        QCOMPARE(setting("NotifyTime"), timeText(15, 0, 30));
    }

    void alertDialogGrowsAcrossMidnight()
    {
        f->add("Ann", QDate(1970, 5, 12));
        f->add("Bob", QDate(1970, 5, 13));
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
        f->add("Cat", QDate(1970, 5, 13));
        runAt(at(5, 13, 9, 1, 20));
        QCOMPARE(alertNames(), QStringList{"Cat"}); // a fresh list
    }

    void alertWaitsForTheAlertTime()
    {
        f->add("Ann", QDate(1970, 5, 12));
        runAt(at(5, 12, 8, 59, 59)); // AlertTime not set: 09:00
        QVERIFY(!m_runner->alertDialog());
        QCOMPARE(lastDate(0), QString());
        QCOMPARE(m_runner->notificationWindow()->todayText(), "Ann (32 Years)");
        runAt(at(5, 12, 9, 0));
        QCOMPARE(alertNames(), QStringList{"Ann"});
        QCOMPARE(lastDate(0), dateText(5, 12));

        f->settings.settingWrite("AlertTime", "10:30");
        f->add("Bob", QDate(1970, 5, 12));
        runAt(at(5, 12, 10, 29, 59));
        QCOMPARE(alertNames(), QStringList{"Ann"});
        runAt(at(5, 12, 10, 30));
        QCOMPARE(alertNames(), QStringList({"Ann", "Bob"}));
    }

    void leapDayRuleIsReadFromTheSettings()
    {
        f->add("Lea", QDate(1996, 2, 29), "1", "0");
        f->settings.settingWrite("LeapDayEvents", "February28");
        runAt(at(2, 28, 12));
        QCOMPARE(alertNames(), QStringList{"Lea"});
    }

    void noneShowsOncePerRunUnlessAsked()
    {
        f->settings.settingWrite("NotifyEvery", "None");
        f->add("Cid", QDate(1980, 5, 15));
        m_runner->setNotificationCloseInterval(50);
        {
            // A dialog in the way of the first showing does not use it up, even with the
            // stamps of an earlier run of the program.
            f->settings.settingWrite("NotifyTime", timeText(8));
            f->settings.settingWrite("NotifyDate", dateText(5, 12));
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
        f->add("Ann", QDate(1970, 5, 12));
        // The records as the list read them; then a folder where the data file was, so every
        // write fails, whoever runs the test.
        const QList<BirthdayRecord> records = *f->store.recordsReadAll();
        f->clock.setNow(at(5, 12, 12));
        const QString path = f->path(), aside = path + ".aside";
        for (const bool unwritable : {true, true, false}) {
            if (unwritable)
                QVERIFY(QFile::rename(path, aside) && QDir().mkdir(path));
            m_runner->ReminderCheck(records);
            if (unwritable)
                QVERIFY(QDir().rmdir(path) && QFile::rename(aside, path));
            QCOMPARE(alertNames(), QStringList{"Ann"});
            QCOMPARE(lastDate(0), unwritable ? QString() : dateText(5, 12));
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
