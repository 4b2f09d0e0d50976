#include "app/candlewatcherapp.h"
#include "app/clock.h"
#include "app/mainwindow.h"
#include "settings/settingsstore.h"
#include "store/birthdaystore.h"
#include "text/textconv.h"
#include "tray/trayicon.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <memory>

namespace {

const QDate today(2024, 6, 15);

// What a modal window that opened looked like before it was closed.
struct ModalSeen
{
    QString className;
    QString text;
};

// Runs trigger; the first modal window that opens meanwhile (or soon after, for one opened
// without blocking) is recorded and closed: a message box with the given answer, any other
// dialog rejected.
ModalSeen runClosingModal(const std::function<void()>& trigger, bool expectModal,
                          QMessageBox::StandardButton answer = QMessageBox::No)
{
    ModalSeen seen;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&seen, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (seen.className.isEmpty()) {
            seen.className = QString::fromLatin1(modal->metaObject()->className());
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                seen.text = box->text();
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box && box->button(answer))
            box->button(answer)->click();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    poll.start();
    trigger();
    static_cast<void>(
        QTest::qWaitFor([&seen] { return !seen.className.isEmpty(); }, expectModal ? 5000 : 300));
    static_cast<void>(
        QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 2000));
    return seen;
}

QWidget* topLevel(const char* className, bool visibleOnly)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if ((widget->isVisible() || !visibleOnly) && widget->inherits(className))
            return widget;
    }
    return nullptr;
}

QAction* trayItem(CandlewatcherApp& app, const QString& text)
{
    QMenu* menu = app.mainWindow().sysTrayMenu();
    if (!menu)
        return nullptr;
    const auto actions = menu->actions();
    for (QAction* action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

// Stands in for the desktop's browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void openUrl(const QUrl& url) { opened.append(url); }
};

// The running program as Main puts it together: hidden start with the tray icon, the tray
// menu and what each item does, the fallback without a tray, and the ways it ends.
class TestCandlewatcherApp : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<BirthdayStore> m_store;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<FixedClock> m_clock;
    bool m_trayAvailable = true;
    int m_trayProbes = 0;

    std::unique_ptr<CandlewatcherApp> makeApp()
    {
        auto app = std::make_unique<CandlewatcherApp>(*m_store, *m_settings, *m_clock);
        app->trayIcon().setAvailabilityProbe([this] {
            ++m_trayProbes;
            return m_trayAvailable;
        });
        return app;
    }

    // An event due today that asks for no alert dialog.
    bool writeDueRecord(int key)
    {
        return m_store->fieldWrite("Name", key, "Ada Lovelace") &&
               m_store->fieldWrite("Date", key, TextConv::dateToText(QDate(1990, 6, 15))) &&
               m_store->fieldWrite("Recurs", key, "1") && m_store->fieldWrite("Notify", key, "3") &&
               m_store->fieldWrite("Alert", key, "1") && m_store->fieldWrite("ShowYears", key, "0");
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_store = std::make_unique<BirthdayStore>(m_dir->filePath("birthday.dat"));
        m_settings = std::make_unique<SettingsStore>(m_dir->filePath("settings.ini"));
        m_clock = std::make_unique<FixedClock>(QDateTime(today, QTime(10, 0)));
        m_trayAvailable = true;
        m_trayProbes = 0;
    }

    void cleanup()
    {
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, 2000);
        m_store.reset();
        m_settings.reset();
        m_clock.reset();
        m_dir.reset();
    }

    void startsHiddenWithTrayMenu()
    {
        auto app = makeApp();
        app->start();

        QVERIFY(!app->mainWindow().isVisible());
        QVERIFY(app->trayIcon().isAdded());
        QSystemTrayIcon* icon = app->trayIcon().systemTrayIcon();
        QCOMPARE(icon->toolTip(), QStringLiteral("Marrowfell Candlewatcher"));
        QVERIFY(!icon->icon().isNull());
        QMenu* menu = icon->contextMenu();
        QVERIFY(menu != nullptr);
        QCOMPARE(menu, app->mainWindow().sysTrayMenu());
        QVERIFY(!app->trayRetryActive());
        QVERIFY(!app->isUnloaded());
        // Its items and what they say are the main window's tray menu, checked there.
        QCOMPARE(menu->actions().size(), 9);
        // The check names the next event in the tip.
        QVERIFY(writeDueRecord(0));
        app->mainWindow().birthdaysRefresh();
        QCOMPARE(icon->toolTip(), "Marrowfell Candlewatcher \u2014 next: Ada Lovelace, today");
    }

    void leftClickShowsWindow()
    {
        auto app = makeApp();
        app->start();
        QSystemTrayIcon* icon = app->trayIcon().systemTrayIcon();

        emit icon->activated(QSystemTrayIcon::Trigger);
        QTRY_VERIFY(app->mainWindow().isVisible());
        // A second click leaves it shown.
        emit icon->activated(QSystemTrayIcon::Trigger);
        QTest::qWait(50);
        QVERIFY(app->mainWindow().isVisible());
        // A right click opens no window of its own.
        app->mainWindow().hide();
        emit icon->activated(QSystemTrayIcon::Context);
        QTest::qWait(50);
        QVERIFY(!app->mainWindow().isVisible());
    }

    void trayItemAction_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog"); // the modal window it opens, if any
        QTest::addColumn<bool>("windowShown");

        const QList<std::pair<const char*, const char*>> items = {
            {"&Show Candlewatcher", ""},
            {"Show N&otifications", ""},
            {"Add &New Birthday", "BirthdayDialog"},
            {"&About Candlewatcher", "AboutDialog"},
            {"&Marrowfell Website", ""},
            {"&Preferences", "PreferencesDialog"},
            {"E&xit Candlewatcher", ""}};
        for (const auto& [item, dialog] : items) {
            QTest::addRow("%s, window hidden", item) << item << dialog << false;
            QTest::addRow("%s, window shown", item) << item << dialog << true;
        }
    }

    // Each item reaches its own action, whether the window is shown or not.
    void trayItemAction()
    {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        QFETCH(bool, windowShown);

        m_settings->settingWrite("NotifyEvery", "None");
        m_settings->settingWrite("QuitConfirm", "0");
        QVERIFY(writeDueRecord(0));
        UrlCatcher browser;
        QDesktopServices::setUrlHandler("https", &browser, "openUrl");
        QDesktopServices::setUrlHandler("http", &browser, "openUrl");
        const auto unsetHandlers = qScopeGuard([] {
            QDesktopServices::unsetUrlHandler("https");
            QDesktopServices::unsetUrlHandler("http");
        });

        auto app = makeApp();
        QSignalSpy finished(app.get(), &CandlewatcherApp::finished);
        app->start();
        // The first check after the start shows what is due; only the tray item may bring it
        // back, never the schedule.
        QWidget* notification = nullptr;
        QTRY_VERIFY((notification = topLevel("NotificationWindow", true)) != nullptr);
        notification->close();
        QTRY_VERIFY(topLevel("NotificationWindow", false) == nullptr); // discarded, not hidden
        if (windowShown)
            app->mainWindow().showFromTray();
        QAction* action = trayItem(*app, item);
        QVERIFY(action != nullptr);

        const ModalSeen seen = runClosingModal([action] { action->trigger(); }, !dialog.isEmpty());
        QCOMPARE(seen.className, dialog);

        QCOMPARE(browser.opened.size(), item == "&Marrowfell Website" ? 1 : 0);
        if (item == "&Marrowfell Website")
            QCOMPARE(browser.opened.first(), QUrl(QStringLiteral(CANDLEWATCHER_WEBSITE_URL)));

        if (item == "Show N&otifications")
            QTRY_VERIFY(topLevel("NotificationWindow", true) != nullptr);
        else
            QVERIFY(topLevel("NotificationWindow", true) == nullptr);

        // Only Show brings up a hidden window; nothing hides a shown one.
        const bool exits = item == "E&xit Candlewatcher";
        QCOMPARE(finished.count(), exits ? 1 : 0);
        QCOMPARE(app->isUnloaded(), exits);
        QCOMPARE(app->trayIcon().isAdded(), !exits);
        if (!exits)
            QCOMPARE(app->mainWindow().isVisible(), windowShown || item == "&Show Candlewatcher");
    }

    void exitAsksFirst()
    {
        auto app = makeApp();
        QSignalSpy finished(app.get(), &CandlewatcherApp::finished);
        app->start();
        QAction* exitItem = trayItem(*app, "E&xit Candlewatcher");
        QVERIFY(exitItem != nullptr);

        ModalSeen seen =
            runClosingModal([exitItem] { exitItem->trigger(); }, true, QMessageBox::No);
        QCOMPARE(seen.className, QStringLiteral("QMessageBox"));
        QCOMPARE(seen.text, QStringLiteral("If you exit then you will not be alerted to any "
                                           "future events.  Are you sure you want to exit?"));
        QCOMPARE(finished.count(), 0);
        QVERIFY(app->trayIcon().isAdded());
        QVERIFY(!app->mainWindow().isVisible());

        seen = runClosingModal([exitItem] { exitItem->trigger(); }, true, QMessageBox::Yes);
        QCOMPARE(seen.className, QStringLiteral("QMessageBox"));
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(!app->trayIcon().isAdded());
    }

    // Without a tray the program starts shown and its close button minimises; a tray that
    // turns up soon after brings the normal behaviour back.
    void noTrayFallback()
    {
        m_trayAvailable = false;
        auto app = makeApp();
        app->setTrayRetry(20, 100);
        app->start();

        QVERIFY(app->mainWindow().isVisible());
        QVERIFY(!app->trayIcon().isAdded());
        QVERIFY(app->trayRetryActive());

        app->mainWindow().close();
        QTRY_VERIFY(app->mainWindow().isMinimized());
        QVERIFY(app->mainWindow().isVisible());
        QVERIFY(!app->isUnloaded());

        m_trayAvailable = true;
        QTRY_VERIFY(app->trayIcon().isAdded());
        QVERIFY(!app->trayRetryActive());
        QCOMPARE(app->trayIcon().systemTrayIcon()->contextMenu(), app->mainWindow().sysTrayMenu());
        QVERIFY(app->mainWindow().isVisible());

        // With the tray the close button only hides; the program keeps running.
        app->mainWindow().showFromTray();
        app->mainWindow().close();
        QTRY_VERIFY(!app->mainWindow().isVisible());
        QVERIFY(app->trayIcon().isAdded());
        QVERIFY(!app->isUnloaded());
        // Closing is no unload: nothing saved.
        QCOMPARE(m_settings->settingRead("WindowWidth", "none"), QStringLiteral("none"));
    }

    void trayRetryGivesUp()
    {
        m_trayAvailable = false;
        auto app = makeApp();
        app->setTrayRetry(10, 3);
        app->start();
        QTRY_VERIFY(!app->trayRetryActive());
        QCOMPARE(m_trayProbes, 1 + 3);
        QTest::qWait(60);
        QCOMPARE(m_trayProbes, 1 + 3);
        QVERIFY(app->mainWindow().isVisible());
        QVERIFY(!app->isUnloaded());
    }

    // Logout and SIGTERM unload without a question, in the unload's order: layout saved and
    // data file compacted before the icon goes, the notification window after it.
    void sessionEndUnloadsInOrder()
    {
        QVERIFY(writeDueRecord(0));
        QVERIFY(m_store->fieldWrite("Name", 1, "Gone"));
        QCOMPARE(m_store->recordDelete(*m_store->recordRead(1)), BirthdayStore::Outcome::Done);
        const QString dataPath = m_store->dataPath();
        const qint64 sizeBefore = QFileInfo(dataPath).size();

        auto app = makeApp();
        QSignalSpy finished(app.get(), &CandlewatcherApp::finished);
        app->start();
        app->mainWindow().ReminderCheck(true);
        QTRY_VERIFY(topLevel("NotificationWindow", true) != nullptr);

        qint64 sizeAtRemoval = -1;
        QString widthAtRemoval;
        bool notificationAtRemoval = false;
        connect(&app->trayIcon(), &TrayIcon::removed, this, [&] {
            sizeAtRemoval = QFileInfo(dataPath).size();
            widthAtRemoval = m_settings->settingRead("WindowWidth", "");
            notificationAtRemoval = topLevel("NotificationWindow", true) != nullptr;
        });

        const ModalSeen seen = runClosingModal([&app] { app->sessionEnd(); }, false);
        QCOMPARE(seen.className, QString()); // no question, even with QuitConfirm at "1"
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(app->isUnloaded());
        QVERIFY(!app->trayIcon().isAdded());

        QVERIFY(sizeAtRemoval > 0);
        QVERIFY2(sizeAtRemoval < sizeBefore, "data file compacted before the icon went");
        QVERIFY2(!widthAtRemoval.isEmpty(), "layout saved before the icon went");
        QCOMPARE(m_settings->settingRead("ToolBar", ""), QStringLiteral("True"));
        QVERIFY2(notificationAtRemoval, "notification window unloaded after the icon");
        QVERIFY(topLevel("NotificationWindow", true) == nullptr);

        // The record that was live is still there.
        const auto keys = m_store->recordKeysList();
        QVERIFY(keys.has_value());
        QCOMPARE(*keys, QList<int>{0});

        // A second end (aboutToQuit after a logout) has nothing left to do.
        app->sessionEnd();
        QTest::qWait(50);
        QCOMPARE(finished.count(), 1);
    }

    void termSignalEnds()
    {
        struct sigaction before = {};
        QCOMPARE(::sigaction(SIGTERM, nullptr, &before), 0);
        {
            auto app = makeApp();
            QSignalSpy finished(app.get(), &CandlewatcherApp::finished);
            QVERIFY(app->watchTermSignals());
            QVERIFY(app->watchTermSignals());
            // Only one program object can own the process's signals.
            auto other = makeApp();
            QVERIFY(!other->watchTermSignals());
            other.reset();

            app->start();
            QCOMPARE(::raise(SIGTERM), 0);
            QTRY_COMPARE(finished.count(), 1);
            QVERIFY(!app->trayIcon().isAdded());
            QCOMPARE(::raise(SIGTERM), 0);
            QTest::qWait(50);
            QCOMPARE(finished.count(), 1);
            QVERIFY(m_settings->settingRead("WindowWidth", "") != QString());
        }
        // Gone with the program object: the handler it replaced is back.
        struct sigaction after = {};
        QCOMPARE(::sigaction(SIGTERM, nullptr, &after), 0);
        QVERIFY(after.sa_handler == before.sa_handler);
    }
};

QTEST_MAIN(TestCandlewatcherApp)
#include "test_candlewatcherapp.moc"
