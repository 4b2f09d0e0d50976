#include "tray/trayicon.h"

#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// The tray icon on its own: adding and taking back, what it carries, and what a click does.
// The offscreen platform has no tray, so the probe stands in for the desktop's.
class TestTrayIcon : public QObject
{
    Q_OBJECT

private:
    static QIcon someIcon()
    {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::red);
        return QIcon(pixmap);
    }

private slots:
    void addWithoutTrayFails()
    {
        TrayIcon tray;
        int asked = 0;
        tray.setAvailabilityProbe([&asked] {
            ++asked;
            return false;
        });
        QMenu menu;
        QSignalSpy removed(&tray, &TrayIcon::removed);

        QVERIFY(!tray.trayIconAdd(&menu, someIcon(), QStringLiteral("Marrowfell Candlewatcher")));
        QCOMPARE(asked, 1);
        QVERIFY(!tray.isAdded());
        QVERIFY(tray.systemTrayIcon() == nullptr);
        // Nothing was added, so nothing is taken back.
        tray.trayIconRemove();
        QCOMPARE(removed.count(), 0);
    }

    void addCarriesMenuIconAndTip()
    {
        TrayIcon tray;
        tray.setAvailabilityProbe([] { return true; });
        QMenu menu;

        QVERIFY(tray.trayIconAdd(&menu, someIcon(), QStringLiteral("Marrowfell Candlewatcher")));
        QVERIFY(tray.isAdded());
        QSystemTrayIcon* icon = tray.systemTrayIcon();
        QVERIFY(icon != nullptr);
        QCOMPARE(icon->contextMenu(), &menu);
        QCOMPARE(icon->toolTip(), QStringLiteral("Marrowfell Candlewatcher"));
        QVERIFY(!icon->icon().isNull());
        QVERIFY(icon->isVisible());
    }

    void secondAddKeepsTheOneIcon()
    {
        TrayIcon tray;
        tray.setAvailabilityProbe([] { return true; });
        QMenu menu;
        QVERIFY(tray.trayIconAdd(&menu, someIcon(), QStringLiteral("first")));
        QSystemTrayIcon* first = tray.systemTrayIcon();

        QVERIFY(tray.trayIconAdd(&menu, someIcon(), QStringLiteral("second")));
        QCOMPARE(tray.systemTrayIcon(), first);
        QCOMPARE(first->toolTip(), QStringLiteral("first"));

        // One icon means one click, one request.
        QSignalSpy shown(&tray, &TrayIcon::showRequested);
        emit first->activated(QSystemTrayIcon::Trigger);
        QCOMPARE(shown.count(), 1);
    }

    void clickActions_data()
    {
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<int>("showRequests");

        QTest::newRow("left click") << QSystemTrayIcon::Trigger << 1;
        QTest::newRow("right click") << QSystemTrayIcon::Context << 0;
        QTest::newRow("double click") << QSystemTrayIcon::DoubleClick << 0;
        QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << 0;
        QTest::newRow("unknown") << QSystemTrayIcon::Unknown << 0;
    }

    // The icon's clicks arrive through the hook the add installs, not only by direct call.
    void clickActions()
    {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        QFETCH(int, showRequests);

        TrayIcon tray;
        tray.setAvailabilityProbe([] { return true; });
        QMenu menu;
        QVERIFY(tray.trayIconAdd(&menu, someIcon(), QStringLiteral("tip")));
        QSignalSpy shown(&tray, &TrayIcon::showRequested);

        emit tray.systemTrayIcon()->activated(reason);
        QCOMPARE(shown.count(), showRequests);

        tray.trayWindowProc(reason);
        QCOMPARE(shown.count(), 2 * showRequests);
    }

    void removeTakesIconAndHookBack()
    {
        TrayIcon tray;
        tray.setAvailabilityProbe([] { return true; });
        QMenu menu;
        QVERIFY(tray.trayIconAdd(&menu, someIcon(), QStringLiteral("tip")));
        QSignalSpy removed(&tray, &TrayIcon::removed);
        QSignalSpy shown(&tray, &TrayIcon::showRequested);

        tray.trayIconRemove();
        QVERIFY(!tray.isAdded());
        QVERIFY(tray.systemTrayIcon() == nullptr);
        QCOMPARE(removed.count(), 1);

        // A second unload finds nothing left to take back.
        tray.trayIconRemove();
        QCOMPARE(removed.count(), 1);

        // Added again (a tray that came back): exactly one hook, one request per click.
        QVERIFY(tray.trayIconAdd(&menu, someIcon(), QStringLiteral("tip")));
        emit tray.systemTrayIcon()->activated(QSystemTrayIcon::Trigger);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(tray.systemTrayIcon()->contextMenu(), &menu);
    }

    // The menu belongs to the main window, which may go first.
    void menuGoneBeforeIcon()
    {
        TrayIcon tray;
        tray.setAvailabilityProbe([] { return true; });
        auto menu = std::make_unique<QMenu>();
        QVERIFY(tray.trayIconAdd(menu.get(), someIcon(), QStringLiteral("tip")));
        menu.reset();
        QVERIFY(tray.systemTrayIcon()->contextMenu() == nullptr);
        tray.trayIconRemove();
        QVERIFY(!tray.isAdded());
    }

    void defaultProbeIsQtsOwn()
    {
        TrayIcon tray;
        QCOMPARE(tray.trayAvailable(), QSystemTrayIcon::isSystemTrayAvailable());
        QMenu menu;
        QCOMPARE(tray.trayIconAdd(&menu, someIcon(), QStringLiteral("tip")),
                 QSystemTrayIcon::isSystemTrayAvailable());
    }
};

QTEST_MAIN(TestTrayIcon)
#include "test_trayicon.moc"
