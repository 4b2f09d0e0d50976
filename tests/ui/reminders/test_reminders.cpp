#include "storefixture.h"

#include "ui/reminders/alertdialog.h"
#include "ui/reminders/notificationwindow.h"
#include "ui/reminders/reminderrunner.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

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

template <typename T = QLabel> T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QLatin1String(name));
}

QString lines(const QString& prefix, int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list.append(prefix + QString::number(i));
    return list.join("\r\n");
}

} // namespace

// The reminder check's windows: the runner that fills and shows them, the notification above
// the tray and the alert dialog.
class TestReminders : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StoreFixture> f;
    std::unique_ptr<ReminderRunner> m_runner;

    // Every record's LastDate, "-" for none, in the file's order.
    QString lastDates()
    {
        return f->values(BirthdayRecord::LastDate)
            .replaceInStrings(QRegularExpression("^$"), "-")
            .join(u' ');
    }

    QString setting(const char* name) { return f->settings.readSetting(name, "-"); }
    QString stamps() { return setting("NotifyDate") + ' ' + setting("NotifyTime"); }

    void runAt(const QDateTime& now, bool forceShow = false)
    {
        f->clock.setNow(now);
        m_runner->check(forceShow);
    }

    QStringList alertNames() const
    {
        return m_runner->alertDialog() ? m_runner->alertDialog()->dueNames() : QStringList();
    }

private Q_SLOTS:
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
        QCOMPARE(lastDates(), "2002-05-12 - 2002-05-12 2002-05-12");
        QCOMPARE(stamps(), shownAt(5, 12, 12));

        // Thirty seconds later: nothing new to alert, and the same hour.
        runAt(at(5, 12, 12, 0, 30));
        QCOMPARE(alertNames(), QStringList({"Ann", "Bob"}));
        QCOMPARE(stamps(), shownAt(5, 12, 12));
        // Asked for: the open window takes the new texts.
        f->add("Eve", QDate(1980, 5, 13));
        runAt(at(5, 12, 12, 1), true);
        QCOMPARE(m_runner->notificationWindow(), window.data());
        QCOMPARE(window->soonText(), "Eve (5/13/1980 - 22 Years)\r\nCid (5/15/1980 - 22 Years)");
        QCOMPARE(stamps(), shownAt(5, 12, 12, 1));
    }

    // Where windows cannot place themselves (Wayland), the notification window belongs to the
    // main window, so that the compositor shows it whole above it.
    void notificationOwnedWhereNotPlaceable()
    {
        f->add("Ann", QDate(1970, 5, 12));
        f->clock.setNow(at(5, 12, 12));
        QWidget owner;
        for (const bool placeable : {true, false}) {
            ReminderRunner runner(f->store, f->settings, f->clock);
            runner.setOwnerWindow(&owner);
            runner.setWindowPlaceable([placeable] { return placeable; });
            runner.check(true);
            QCOMPARE(runner.notificationWindow()->parentWidget() == &owner, !placeable);
        }
    }

    void modalDialogDefersWindowsAndStamps()
    {
        // Shown once a run of the program, and the stamps of an earlier run are there.
        f->settings.writeSetting("NotifyEvery", "None");
        f->settings.writeSetting("NotifyDate", TextConv::dateToText(QDate(2002, 5, 12)));
        f->settings.writeSetting("NotifyTime", TextConv::timeToText(QTime(8, 0)));
        f->add("Ann", QDate(1970, 5, 12));
        f->add("Cid", QDate(1980, 5, 15));
        {
            QDialog editor; // a modal dialog of the program's, as an editor
            editor.setModal(true);
            editor.show();
            runAt(at(5, 12, 14, 10));
            QVERIFY(!m_runner->notificationWindow() && !m_runner->alertDialog());
            QCOMPARE(lastDates(), "- -");
            QCOMPARE(stamps(), shownAt(5, 12, 8));
        }
        // Nothing is lost, not even the first showing: the first run after shows both.
        runAt(at(5, 12, 14, 10, 30));
        QCOMPARE(alertNames(), QStringList{"Ann"});
        QCOMPARE(lastDates(), "2002-05-12 -");
        QVERIFY(m_runner->notificationWindow());
        QCOMPARE(stamps(), shownAt(5, 12, 14, 10, 30));
        {
            // Asked for under a dialog: the open window is taken away, the stamps stay.
            QDialog preferences;
            preferences.setModal(true);
            preferences.show();
            runAt(at(5, 12, 15, 0), true);
            QTRY_VERIFY(!m_runner->notificationWindow());
            QCOMPARE(stamps(), shownAt(5, 12, 14, 10, 30));
        }
        runAt(at(5, 13, 12)); // once a run of the program
        QVERIFY(!m_runner->notificationWindow());
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
        QCOMPARE(lastDates(), "2002-05-12");

        f->settings.writeSetting("AlertTime", "10:30");
        f->add("Bob", QDate(1970, 5, 12));
        runAt(at(5, 12, 10, 29, 59));
        QCOMPARE(alertNames(), QStringList{"Ann"});
        runAt(at(5, 12, 10, 30));
        QCOMPARE(alertNames(), QStringList({"Ann", "Bob"}));

        f->add("Lea", QDate(1996, 2, 29), "1", "0");
        f->settings.writeSetting("LeapDayEvents", "February28");
        runAt(at(2, 28, 12));
        QCOMPARE(alertNames(), QStringList({"Ann", "Bob", "Lea"}));
    }

    void unwritableStampIsRetriedWithoutRepeatingTheAlert()
    {
        f->add("Ann", QDate(1970, 5, 12));
        f->clock.setNow(at(5, 12, 12));
        // The records as the list read them; then a folder where the data file was, so every
        // write fails, whoever runs the test.
        const QList<BirthdayRecord> records = *f->store.readAllRecords();
        const QString path = f->path(), aside = path + ".aside";
        for (const bool unwritable : {true, true, false}) {
            if (unwritable)
                QVERIFY(QFile::rename(path, aside) && QDir().mkdir(path));
            m_runner->check(records);
            if (unwritable)
                QVERIFY(QDir().rmdir(path) && QFile::rename(aside, path));
            QCOMPARE(alertNames(), QStringList{"Ann"});
            QCOMPARE(lastDates(), unwritable ? "-" : "2002-05-12");
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

        f->settings.writeSetting("LastCheck", "2002-05-09T20:00:00");
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

    void notificationLayout()
    {
        NotificationWindow window;
        window.setTodayText(lines("Today ", 2));
        window.setSoonText(lines("Soon ", 3));
        window.fitAndPlace();

        QLabel* lblClose = child(&window, "lblClose");
        QCOMPARE(lblClose->text(), "close");
        QCOMPARE(lblClose->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(lblClose->font().underline()); // as a link
        // All of the word takes the click: no other label lies over it.
        const int closeAdvance = QFontMetrics(lblClose->font()).horizontalAdvance("close");
        for (int x = lblClose->x(); x < lblClose->x() + closeAdvance; ++x)
            QCOMPARE(window.childAt(x, lblClose->y() + lblClose->height() / 2), lblClose);
        QCOMPARE(child(&window, "lblCandlewatcher")->text(), "Candlewatcher");
        QCOMPARE(child(&window, "lblTodayTitle")->text(), "Birthdays Due Today");
        QCOMPARE(child(&window, "lblSoonTitle")->text(), "Birthdays Due Soon");
        QCOMPARE(window.windowFlags() & (Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
                 Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        QCOMPARE(window.windowType(), Qt::Tool);

        // The soon band below the today list, the soon list below its heading.
        QLabel* lblToday = child(&window, "lblToday");
        QLabel* lblSoon = child(&window, "lblSoon");
        auto* shpSoonTitle = child<QFrame>(&window, "shpSoonTitle");
        QCOMPARE(shpSoonTitle->y(), lblToday->geometry().bottom() + 1 + 3);
        QCOMPARE(child(&window, "lblSoonTitle")->y(), shpSoonTitle->y() + 4);
        QCOMPARE(lblSoon->y(), shpSoonTitle->y() + 4 + 20);
        QCOMPARE(window.height(), lblSoon->y() + lblSoon->height() + 4);
        QCOMPARE(child<QFrame>(&window, "shpBorder")->height(), window.height());
        // 13 pixels from the right and 87 above the bottom of the screen.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window.x() + window.width(), screen.right() + 1 - 13);
        QCOMPARE(window.y() + window.height(), screen.bottom() + 1 - 87);

        // Right to left, every place mirrored, however often the window is fitted again.
        window.setLayoutDirection(Qt::RightToLeft);
        window.fitAndPlace();
        window.fitAndPlace();
        QCOMPARE(lblClose->x(), window.width() - 217);
        QCOMPARE(child(&window, "imgCandlewatcher")->geometry().right(), window.width() - 9);
    }

    // Lines as high as they are drawn (with DejaVu Sans, a Devanagari name takes a taller
    // fallback font), none cut, and as many as the screen holds.
    void linesFitAsDrawn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::newRow("Devanagari") << QString::fromUtf8("अनु") << 3;
        QTest::newRow("Latin, more than the screen holds") << "Ann" << 200;
        QTest::newRow("Devanagari, more than the screen holds") << QString::fromUtf8("अनु") << 200;
    }

    void linesFitAsDrawn()
    {
        QFETCH(QString, name);
        QFETCH(int, count);
        NotificationWindow window;
        window.setTodayText(lines(name + " (4 Years) ", count));
        window.setSoonText(lines(name + " (5/12/1970 - 4 Years) ", 5));
        window.fitAndPlace();
        QLabel* lblToday = child(&window, "lblToday");
        QLabel* lblSoon = child(&window, "lblSoon");
        for (QLabel* list : {lblToday, lblSoon})
            QVERIFY2(list->sizeHint().height() <= list->height(), list->objectName().toLatin1());
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        // Without the marks that isolate each name.
        const QStringList today =
            lblToday->text().remove(QChar(0x2068)).remove(QChar(0x2069)).split('\n');
        QVERIFY(window.height() <= available.height() && window.y() >= available.y());
        QCOMPARE(today.size() == count, count < 10);
        if (count < 10)
            return;
        QVERIFY2(available.height() - window.height() < 2 * lblToday->height() / today.size(),
                 "as many lines as fit are used");
        QCOMPARE(today.last(), QStringLiteral("(%1 more events)").arg(count + 1 - today.size()));
    }

    void longEntriesWidenTheWindowThenLoseTheirNames()
    {
        NotificationWindow window;
        // Names as typed, not markup; only the end that is the check's own stays outside them.
        window.setTodayText(QString(300, 'W') +
                            " (32 Years)\r\n<b>Ann</b> (-2 Years)\r\nMum (Jane)");
        // Wider than the narrowest window, narrower than the screen: shown whole. Names in another
        // script are isolated, so each line still reads from the left.
        const QString soon = QStringLiteral("\u05E9\u05E8\u05D4 (Sarah) Edited With A Long Name");
        window.setSoonText(soon + " (9 Dec 1990 - 36 Years)");
        window.fitAndPlace();
        QVERIFY(QFontMetrics(window.font()).horizontalAdvance(window.soonText()) > 213);
        QCOMPARE(child(&window, "lblSoon")->text(),
                 QChar(0x2068) + soon + QChar(0x2069) + " (9 Dec 1990 - 36 Years)");
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(window.width(), available.width() - 13);
        QVERIFY(window.x() >= available.x());
        QCOMPARE(window.width() - child(&window, "lblClose")->geometry().right(), 225 - 216);
        QLabel* lblToday = child(&window, "lblToday");
        QVERIFY(lblToday->text().endsWith(
            QStringLiteral("W\u2026\u2069 (32 Years)\n\u2068<b>Ann</b>\u2069 (-2 Years)\n\u2068Mum "
                           "(Jane)\u2069")));
        QCOMPARE(lblToday->textFormat(), Qt::PlainText);
        QVERIFY(QFontMetrics(lblToday->font())
                    .horizontalAdvance(lblToday->text().section('\n', 0, 0)) <= lblToday->width());
    }

    void darkThemesLeaveTheColoursAlone()
    {
        const QImage light = NotificationWindow().grab().toImage();
        const QPalette original = QApplication::palette();
        QPalette dark(QColor(45, 45, 45));
        dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 60));
        dark.setColor(QPalette::ToolTipText, Qt::white);
        QApplication::setPalette(dark);
        const QImage darkShot = NotificationWindow().grab().toImage();
        QApplication::setPalette(original);
        QCOMPARE(darkShot, light);
    }

    void closesTenSecondsAfterLoadOrOnClose()
    {
        QPointer<NotificationWindow> window = new NotificationWindow;
        auto* timer = window->findChild<QTimer*>("tmrClose");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 10000);
        QTest::qWait(60);
        const int beforeShowingAgain = timer->remainingTime();
        // Showing it again does not start the time anew.
        window->setTodayText("Again");
        window->show();
        window->fitAndPlace();
        QVERIFY(timer->isActive() && timer->remainingTime() <= beforeShowingAgain);
        QTest::mouseClick(child(window, "lblClose"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 5000);
    }

    void mouseOverTextsAsksForHelp()
    {
        NotificationWindow window;
        QStringList keys;
        window.setHelpSink([&keys](const QString& key) { keys.append(key); });
        for (const char* name : {"lblClose", "imgCandlewatcher", "lblCandlewatcher", "lblSoon",
                                 "lblSoonTitle", "lblToday", "lblTodayTitle", ""}) {
            QWidget* widget = *name ? child<QWidget>(&window, name) : &window;
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &move);
        }
        // Not "close" nor the icon; each text once, not again by the window underneath.
        QCOMPARE(keys, QStringList(6, "notification"));
    }

    // "Remind Me Again": the alert goes, and comes back when its time has come, after a restart
    // too, beside the day's own; then it is gone for good.
    void snoozedAlertComesBackAfterARestart()
    {
        f->add("Ann", QDate(1970, 5, 12));
        runAt(at(5, 12, 12));
        QPointer<AlertDialog> dialog = m_runner->alertDialog();
        child<QMenu>(dialog, "mnuSnooze")->actions().first()->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 5000);
        runAt(at(5, 12, 12, 9, 59));
        QVERIFY(!m_runner->alertDialog());
        m_runner = std::make_unique<ReminderRunner>(f->store, f->settings, f->clock);
        runAt(at(5, 12, 12, 10));
        QCOMPARE(alertNames(), QStringList({"Ann"}));
        QCOMPARE(setting("AlertSnoozed"), "-");
    }

    void alertDialogLayoutAndClose()
    {
        QPointer<AlertDialog> dialog = new AlertDialog;
        QCOMPARE(dialog->windowTitle(), "Candlewatcher Alert");
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QCOMPARE(dialog->size(), QSize(443, 184));
        QCOMPARE(dialog->windowFlags() &
                     (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint),
                 Qt::WindowFlags());
        QVERIFY(!dialog->isModal());
        auto* group = child<QGroupBox>(dialog, "grpDue");
        QCOMPARE(group->title(), "Birthdays Due Today");
        QCOMPARE(child<QListWidget>(dialog, "lstDue")->parent(), group);
        auto* close = child<QPushButton>(dialog, "cmdClose");
        QCOMPARE(close->text(), "Close");
        QVERIFY(close->isDefault());
        QCOMPARE(close->geometry(), QRect(348, 152, 89, 25));

        // The list only grows, the same event the next day too; missed events go below.
        for (const char* name : {"Ann", "Bob", "Ann"})
            dialog->addDue(name);
        QCOMPARE(dialog->dueNames(), QStringList({"Ann", "Bob", "Ann"}));
        dialog->addMissed("Cid (Sun 8 Dec - 42 Years)");
        auto* missed = child<QGroupBox>(dialog, "grpMissed");
        QCOMPARE(missed->title(), "Missed While Away");
        // Closed (Enter presses its default button), it goes with its list.
        dialog->show();
        QTest::mouseClick(close, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 5000);
    }
};

QTEST_MAIN(TestReminders)
#include "test_reminders.moc"
