#include "reminders/alertdialog.h"
#include "reminders/notificationwindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

int px(int twips)
{
    return NotificationWindow::twipsToPixels(twips);
}

template <typename T = QLabel> T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QLatin1String(name));
}

QString lines(const char* prefix, int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list.append(prefix + QString::number(i));
    return list.join("\r\n");
}

// A label's text without the marks that isolate each name.
QString plain(QWidget* window, const char* name)
{
    return child(window, name)->text().remove(QChar(0x2068)).remove(QChar(0x2069));
}

} // namespace

// The two windows of the reminder check: the notification above the tray and the alert dialog.
class TestReminderWindows : public QObject
{
    Q_OBJECT

private slots:
    void notificationLayout_data()
    {
        QTest::addColumn<int>("todayLines");
        QTest::addColumn<int>("soonLines");
        QTest::newRow("one line each") << 1 << 1;
        QTest::newRow("three today, one soon") << 3 << 1;
        QTest::newRow("one today, four soon") << 1 << 4;
    }

    void notificationLayout()
    {
        QFETCH(int, todayLines);
        QFETCH(int, soonLines);
        NotificationWindow window;
        window.setTodayText(lines("Today ", todayLines));
        window.setSoonText(lines("Soon ", soonLines));
        window.objectsResize();

        QLabel* lblClose = child(&window, "lblClose");
        QCOMPARE(lblClose->text(), "close");
        QCOMPARE(lblClose->geometry().right(), 216); // 2880 + 375 twips
        QCOMPARE(lblClose->y(), 4);
        QCOMPARE(lblClose->cursor().shape(), Qt::PointingHandCursor);
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

        // The lists as high as their lines, the soon band below the today list.
        QLabel* lblToday = child(&window, "lblToday");
        QLabel* lblSoon = child(&window, "lblSoon");
        auto* shpSoonTitle = child<QFrame>(&window, "shpSoonTitle");
        const int line = QFontMetrics(lblToday->font()).height();
        QCOMPARE(lblToday->height(), todayLines * line);
        QCOMPARE(lblSoon->height(), soonLines * line);
        QCOMPARE(lblToday->y(), px(660));
        QCOMPARE(shpSoonTitle->y(), px(660) + todayLines * line + px(45));
        QCOMPARE(child(&window, "lblSoonTitle")->y(), shpSoonTitle->y() + px(60));
        QCOMPARE(lblSoon->y(), shpSoonTitle->y() + px(60) + px(300));
        QCOMPARE(window.height(), lblSoon->y() + lblSoon->height() + px(60));
        QCOMPARE(child<QFrame>(&window, "shpBorder")->height(), window.height());
        QCOMPARE(window.width(), px(3375));
        if (line == 13 && todayLines == 1 && soonLines == 1)
            QCOMPARE(window.height(), px(1515)); // Tahoma's own line: exactly the design
        // 200 twips from the right and 1300 above the bottom of the screen.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window.x() + window.width(), screen.right() + 1 - px(200));
        QCOMPARE(window.y() + window.height(), screen.bottom() + 1 - px(1300));
    }

    void manyLinesStayOnTheScreen()
    {
        NotificationWindow window;
        window.setTodayText(lines("Today ", 200));
        window.setSoonText(lines("Soon ", 5));
        window.objectsResize();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const int line = QFontMetrics(window.font()).height();
        QVERIFY(window.height() <= available.height() && window.y() >= available.y());
        QVERIFY2(available.height() - window.height() < line + px(30),
                 "as many lines as fit are used");
        const QStringList today = plain(&window, "lblToday").split('\n');
        QCOMPARE(child(&window, "lblToday")->height(), int(today.size()) * line);
        QCOMPARE(today.last(), QStringLiteral("(%1 more events)").arg(201 - today.size()));
        QCOMPARE(plain(&window, "lblSoon"), "Soon 1\nSoon 2\n(3 more events)");
    }

    void longEntriesWidenTheWindowThenLoseTheirNames()
    {
        NotificationWindow window;
        window.setTodayText(QString(300, 'W') + " (32 Years)\r\n<b>Ann</b>"); // names, not markup
        // Wider than the design, narrower than the screen: shown whole. Names in another script
        // are isolated, so each line still reads from the left.
        const QString soon = QStringLiteral("\u05E9\u05E8\u05D4 Soon Edited With A Long Name");
        window.setSoonText(soon + " (9 Dec 1990 - 36 Years)");
        window.objectsResize();
        QVERIFY(QFontMetrics(window.font()).horizontalAdvance(window.soonText()) > px(3195));
        QCOMPARE(child(&window, "lblSoon")->text(),
                 QChar(0x2068) + soon + QChar(0x2069) + " (9 Dec 1990 - 36 Years)");
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(window.width(), available.width() - px(200));
        QVERIFY(window.x() >= available.x());
        QLabel* lblToday = child(&window, "lblToday");
        QVERIFY(lblToday->text().endsWith(
            QStringLiteral("W\u2026\u2069 (32 Years)\n\u2068<b>Ann</b>\u2069")));
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
        window->objectsResize();
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

    void alertDialogLayout()
    {
        AlertDialog dialog;
        QCOMPARE(dialog.windowTitle(), "Candlewatcher Alert");
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(dialog.size(), QSize(443, 184));
        QCOMPARE(dialog.windowFlags() &
                     (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint),
                 Qt::WindowFlags());
        QVERIFY(!dialog.isModal());
        auto* group = child<QGroupBox>(&dialog, "grpDue");
        QCOMPARE(group->title(), "Birthdays Due Today");
        QCOMPARE(child<QListWidget>(&dialog, "lstDue")->parent(), group);
        auto* close = child<QPushButton>(&dialog, "cmdClose");
        QCOMPARE(close->text(), "Close");
        QVERIFY(close->isDefault());
        QCOMPARE(close->geometry(), QRect(348, 152, 89, 25));

        // The list only grows, the same event the next day too; missed events go below.
        for (const char* name : {"Ann", "Bob", "Ann"})
            dialog.dueAdd(name);
        QCOMPARE(dialog.dueNames(), QStringList({"Ann", "Bob", "Ann"}));
        dialog.missedAdd("Cid (Sun 8 Dec - 42 Years)");
        auto* missed = child<QGroupBox>(&dialog, "grpMissed");
        QCOMPARE(missed->title(), "Missed While Away");
        QCOMPARE(missed->geometry(), QRect(px(60), px(2235), px(6495), px(2115)));
        QCOMPARE(close->y(), px(4455));
        QCOMPARE(dialog.size(), QSize(px(6645), px(4935)));
    }

    void alertDialogCloses()
    {
        // A click on Close (0), or one of the keys.
        for (const int key : {0, int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Escape)}) {
            QPointer<AlertDialog> dialog = new AlertDialog;
            dialog->dueAdd("Ann");
            dialog->show();
            QApplication::setActiveWindow(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            if (key == 0)
                QTest::mouseClick(child<QPushButton>(dialog, "cmdClose"), Qt::LeftButton);
            else
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                            : static_cast<QWidget*>(dialog.data()),
                                Qt::Key(key));
            QTRY_VERIFY2_WITH_TIMEOUT(dialog.isNull(), qPrintable(QString::number(key)), 5000);
        }
    }
};

QTEST_MAIN(TestReminderWindows)
#include "test_reminderwindows.moc"
