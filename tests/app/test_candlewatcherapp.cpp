#include "app/candlewatcherapp.h"
#include "mainwindowfixture.h"
#include "platform/singleinstance.h"
#include "ui/reminders/notificationwindow.h"
#include "ui/reminders/reminderrunner.h"
#include "ui/tray/trayicon.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>
#include <QThread>

#include <csignal>
#include <memory>

namespace {

// The running program as Main puts it together, on the fixture's files; the offscreen
// platform has no tray, so the probe stands in for the desktop's.
struct AppFixture : MainWindowFixture
{
    bool trayThere = true;
    bool introduced = true; // a later start: the first one showed the window already
    int trayProbes = 0;
    std::unique_ptr<CandlewatcherApp> app;

    CandlewatcherApp& make()
    {
        if (introduced)
            setSetting("TrayIntroShown", "1");
        app = std::make_unique<CandlewatcherApp>(store, settings, clock);
        app->setLoadDelay(0);
        app->trayIcon().setAvailabilityProbe([this] {
            ++trayProbes;
            return trayThere;
        });
        watch(app->mainWindow());
        return *app;
    }
    // Without a tray, it is looked for again every 10 ms, at most retries times.
    CandlewatcherApp& start(bool tray = true, int retries = 0)
    {
        trayThere = tray;
        make().setTrayRetry(10, retries);
        app->start();
        if (!QTest::qWaitFor([this] { return app->isLoaded(); }))
            QTest::qFail("the load never ran", __FILE__, __LINE__);
        return *app;
    }
    NotificationWindow* notification() const { return app->reminderRunner().notificationWindow(); }
};

} // namespace

class TestCandlewatcherApp : public QObject
{
    Q_OBJECT
    QList<QUrl> m_opened;
public Q_SLOTS:
    void openUrl(const QUrl& url) { m_opened.append(url); } // stands in for the browser
private Q_SLOTS:
    // The icon alone: added only where there is a tray, once, with the menu, picture and tip it
    // is given; a left click asks for the window, other clicks do nothing here.
    void trayIcon()
    {
        TrayIcon tray;
        bool there = false;
        tray.setAvailabilityProbe([&there] { return there; });
        QSignalSpy removed(&tray, &TrayIcon::removed);
        QSignalSpy shown(&tray, &TrayIcon::showRequested);
        auto menu = std::make_unique<QMenu>();
        QPixmap picture(16, 16);
        picture.fill(Qt::red);
        QVERIFY(!tray.addToTray(menu.get(), QIcon(picture), "first"));
        QVERIFY(!tray.isAdded() && !tray.systemTrayIcon());
        tray.removeFromTray();
        QCOMPARE(removed.count(), 0);
        there = true;
        for (int added = 0; added < 2; ++added) {
            QVERIFY(tray.addToTray(menu.get(), QIcon(picture), "first"));
            QVERIFY(tray.addToTray(menu.get(), QIcon(), "second"));
            QSystemTrayIcon* icon = tray.systemTrayIcon();
            QVERIFY(icon->isVisible() && !icon->icon().isNull());
            QCOMPARE(icon->toolTip(), "first");
            QCOMPARE(icon->contextMenu(), menu.get());
            // One icon, hooked once: one request per left click.
            for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context,
                                QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick})
                Q_EMIT icon->activated(reason);
            QCOMPARE(shown.count(), added + 1);
            tray.removeFromTray();
            tray.removeFromTray();
            QVERIFY(!tray.isAdded() && !tray.systemTrayIcon());
            QCOMPARE(removed.count(), added + 1);
        }
        // The menu belongs to the main window, which may go first.
        QVERIFY(tray.addToTray(menu.get(), QIcon(picture), "tip"));
        menu.reset();
        QVERIFY(!tray.systemTrayIcon()->contextMenu());
    }

    void startsHiddenInTheTray()
    {
        AppFixture f;
        CandlewatcherApp& app = f.start();
        QVERIFY(!app.mainWindow().isVisible() && !app.trayRetryActive() && !app.isUnloaded());
        QSystemTrayIcon* icon = app.trayIcon().systemTrayIcon();
        QVERIFY(icon && !icon->icon().isNull());
        QCOMPARE(icon->toolTip(), "Marrowfell Candlewatcher");
        QCOMPARE(icon->contextMenu(), app.mainWindow().trayMenu());
        // The check names the next event in the tip, and how many it left out.
        f.add("Ada Lovelace", QDate(1990, 3, 1), "1", "3", "1", "0"), f.add("Bo", "3/1/90 x");
        app.mainWindow().refreshBirthdays();
        QCOMPARE(icon->toolTip(), "Marrowfell Candlewatcher \u2014 next: Ada Lovelace, today\n1 "
                                  "event has a date that cannot be read (marked \u26A0)");
        Q_EMIT icon->activated(QSystemTrayIcon::Trigger);
        QTRY_VERIFY(app.mainWindow().isVisible());
    }

    // Only a new user's first start shows the window, saying where the program lives; every
    // start with a tray remembers that it was said.
    void firstStartShowsTheWindow_data()
    {
        QTest::addColumn<QString>("stored"); // TrayIntroShown
        QTest::addColumn<bool>("dataFile");
        QTest::addColumn<bool>("shown");
        QTest::newRow("new user") << "" << false << true;
        QTest::newRow("events of an earlier copy") << "" << true << false;
        QTest::newRow("later start") << "1" << false << false;
        QTest::newRow("written by hand") << "0" << false << true;
    }
    void firstStartShowsTheWindow()
    {
        QFETCH(QString, stored);
        QFETCH(bool, dataFile);
        AppFixture f;
        f.introduced = false;
        f.setSetting("TrayIntroShown", stored);
        if (dataFile)
            f.add("Ann", QDate(1990, 1, 1));
        CandlewatcherApp& app = f.start();
        QTEST(app.mainWindow().isVisible(), "shown");
        QCOMPARE(f.setting("TrayIntroShown"), "1");
        if (app.mainWindow().isVisible())
            QVERIFY(app.mainWindow().statusBar()->findChild<QLabel*>()->toolTip().startsWith(
                "Candlewatcher runs in the system tray"));
    }

    // The icon is in the tray and start has returned when the load runs the first check, in
    // the event loop. An end before that has read nothing and saves nothing.
    void firstCheckOnTheLoop()
    {
        for (const bool endFirst : {false, true}) {
            AppFixture f;
            f.add("Ada Lovelace", QDate(1990, 3, 1), "1", "3", "1", "0");
            CandlewatcherApp& app = f.make();
            QSignalSpy finished(&app, &CandlewatcherApp::finished);
            QList<bool> addedAtChecks;
            connect(&app.reminderRunner(), &ReminderRunner::trayTipChanged, this,
                    [&] { addedAtChecks.append(app.trayIcon().isAdded()); });
            app.start();
            QVERIFY(addedAtChecks.isEmpty() && !app.isLoaded());
            if (!endFirst)
                QTRY_VERIFY(app.isLoaded());
            app.endSession();
            QTRY_COMPARE(finished.count(), 1);
            QTest::qWait(20); // the load's time, had it still been waiting
            QCOMPARE(addedAtChecks, endFirst ? QList<bool>{} : QList<bool>{true});
            QCOMPARE(f.setting("IconView").isEmpty(), endFirst);
        }
    }

    // What the tray menu's own items do (the others open the main window's dialogs): the
    // notifications come back, the web site opens, the window shows, the exit ends it all.
    void trayItems()
    {
        AppFixture f;
        f.setSettings("NotifyEvery=None QuitConfirm=0");
        f.add("Ada Lovelace", QDate(1990, 3, 1), "1", "3", "1", "0");
        QDesktopServices::setUrlHandler("https", this, "openUrl");
        QDesktopServices::setUrlHandler("http", this, "openUrl");
        const auto unsetHandlers = qScopeGuard([] {
            QDesktopServices::unsetUrlHandler("https");
            QDesktopServices::unsetUrlHandler("http");
        });
        CandlewatcherApp& app = f.start();
        QSignalSpy finished(&app, &CandlewatcherApp::finished);
        // The first check shows what's due; closed, only the item brings it back, not the schedule.
        QTRY_VERIFY(f.notification() && f.notification()->isVisible());
        f.notification()->close();
        QTRY_VERIFY(!f.notification());
        const MainActions& items = app.mainWindow().actions();
        items.trayNotificationsAction->trigger();
        QTRY_VERIFY(f.notification() && f.notification()->isVisible());
        items.trayWebsiteAction->trigger();
        QCOMPARE(m_opened, QList<QUrl>{QUrl(CANDLEWATCHER_WEBSITE_URL)});
        QVERIFY(!app.mainWindow().isVisible());
        items.trayShowAction->trigger();
        QVERIFY(app.mainWindow().isVisible());
        items.exitAction->trigger();
        QCOMPARE(finished.count(), 1);
        QVERIFY(app.isUnloaded() && !app.trayIcon().isAdded());
        QVERIFY(f.messages.isEmpty());
    }

    // Without a tray the program starts shown and its close button minimises; a tray that
    // turns up soon after brings the normal behaviour back. One that never does is given up.
    void noTray()
    {
        AppFixture f;
        CandlewatcherApp& app = f.start(false, 3);
        QVERIFY(app.mainWindow().isVisible() && !app.trayIcon().isAdded());
        QTRY_VERIFY(!app.trayRetryActive());
        QCOMPARE(f.trayProbes, 1 + 3);
        app.mainWindow().close();
        QTRY_VERIFY(app.mainWindow().isMinimized() && app.mainWindow().isVisible());

        AppFixture g;
        CandlewatcherApp& late = g.start(false, 100);
        QVERIFY(late.trayRetryActive());
        g.trayThere = true;
        QTRY_VERIFY(late.trayIcon().isAdded());
        QVERIFY(!late.trayRetryActive() && late.mainWindow().isVisible());
        QCOMPARE(late.trayIcon().systemTrayIcon()->contextMenu(), late.mainWindow().trayMenu());
        late.mainWindow().close();
        QTRY_VERIFY(!late.mainWindow().isVisible());
        QVERIFY(!late.isUnloaded() && !app.isUnloaded());
        // Closing is no unload: nothing saved.
        QCOMPARE(g.setting("WindowWidth"), "");
    }

    // Logout and SIGTERM unload without a question, in the unload's order: layout saved and
    // data file compacted before the icon goes, the notification window after it.
    void sessionEndUnloadsInOrder()
    {
        struct sigaction before = {};
        QCOMPARE(::sigaction(SIGTERM, nullptr, &before), 0);
        {
            AppFixture f;
            f.add("Ada Lovelace", QDate(1990, 3, 1), "1", "3", "1", "0");
            f.add("Gone", QDate(1990, 3, 1));
            QCOMPARE(f.store.deleteRecord(*f.fields.readRecord(1)), BirthdayStore::Outcome::Done);
            const qint64 sizeBefore = f.bytes().size();
            CandlewatcherApp& app = f.make();
            QSignalSpy finished(&app, &CandlewatcherApp::finished);
            QVERIFY(app.watchTermSignals() && app.watchTermSignals());
            // Only one program object can own the process's signals.
            QVERIFY(!AppFixture().make().watchTermSignals());
            app.start();
            QTRY_VERIFY(f.notification());
            QString atRemoval;
            connect(&app.trayIcon(), &TrayIcon::removed, this, [&] {
                atRemoval = QString("%1 %2 %3")
                                .arg(f.bytes().size() < sizeBefore)
                                .arg(f.setting("IconView").isEmpty())
                                .arg(f.notification() && f.notification()->isVisible());
            });
            QCOMPARE(::raise(SIGTERM), 0);
            QTRY_COMPARE(finished.count(), 1);
            QCOMPARE(atRemoval, "1 0 1"); // compacted, layout saved, notification still there
            QVERIFY(app.isUnloaded() && !app.trayIcon().isAdded());
            QTRY_VERIFY(!f.notification() || !f.notification()->isVisible());
            QVERIFY(f.messages.isEmpty()); // no question, though QuitConfirm is "1"
            QCOMPARE(*f.fields.recordKeys(), QList<int>{0});
            // A second end (aboutToQuit after a logout, another signal) has nothing left to do.
            app.endSession();
            QCOMPARE(::raise(SIGTERM), 0);
            QTest::qWait(50);
            QCOMPARE(finished.count(), 1);
        }
        // Gone with the program object: the handler it replaced is back.
        struct sigaction after = {};
        QCOMPARE(::sigaction(SIGTERM, nullptr, &after), 0);
        QVERIFY(after.sa_handler == before.sa_handler);
    }

    // A later start on the same data file, however its path is written, has the running copy
    // show itself and ends; one on another file runs on its own. A socket file left by a
    // killed copy does not keep the next from listening.
    void singleInstance()
    {
        QTemporaryDir dir;
        QThread thread; // the running copy answers from a loop of its own
        thread.start();
        auto* first = new SingleInstance(dir.filePath("birthday.dat"));
        first->moveToThread(&thread);
        QFile leftover(first->serverName());
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        // Shared: a request that comes after a failed check finds the count still there.
        const auto shown = std::make_shared<int>(0);
        connect(first, &SingleInstance::showRequested, this, [shown] { ++*shown; });
        SingleInstance::Role role = SingleInstance::Role::Alone;
        QMetaObject::invokeMethod(
            first, [&] { role = first->start(); }, Qt::BlockingQueuedConnection);
        QCOMPARE(role, SingleInstance::Role::Primary);
        QCOMPARE(first->errorString(), "");
        QCOMPARE(SingleInstance(dir.path() + "/./birthday.dat").start(),
                 SingleInstance::Role::HandedOver);
        QTRY_COMPARE(*shown, 1);
        QCOMPARE(SingleInstance(dir.filePath("other.dat")).start(), SingleInstance::Role::Primary);
        QMetaObject::invokeMethod(
            first, [first] { delete first; }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
        QCOMPARE(SingleInstance(dir.filePath("birthday.dat")).start(),
                 SingleInstance::Role::Primary);
    }
};

QTEST_MAIN(TestCandlewatcherApp)
#include "test_candlewatcherapp.moc"
