#include "reminders/notificationlines.h"
#include "reminders/notificationwindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

QStringList entries(const QString& prefix, int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list.append(prefix + QString::number(i));
    return list;
}

int px(int twips)
{
    return NotificationWindow::twipsToPixels(twips);
}

} // namespace

class TestNotificationWindow : public QObject
{
    Q_OBJECT

private:
    template <typename T> static T* child(QWidget* window, const char* name)
    {
        T* found = window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }

private slots:
    void designLayout()
    {
        NotificationWindow window;
        QCOMPARE(window.size(), QSize(225, 101));
        QCOMPARE(child<QLabel>(&window, "lblCandlewatcher")->pos(), QPoint(48, 4));
        auto* lblClose = child<QLabel>(&window, "lblClose");
        QCOMPARE(lblClose->geometry().right(), 216); // 2880 + 375 twips
        QCOMPARE(lblClose->y(), 4);
        QVERIFY(lblClose->width() >= 25);
        const int closeAdvance = QFontMetrics(lblClose->font()).horizontalAdvance("close");
        QVERIFY(lblClose->width() > closeAdvance);
        // All of the word takes the click: no other label lies over it.
        for (int x = lblClose->x(); x < lblClose->x() + closeAdvance; ++x)
            QCOMPARE(window.childAt(x, lblClose->y() + lblClose->height() / 2), lblClose);
        QCOMPARE(child<QLabel>(&window, "imgCandlewatcher")->geometry(), QRect(8, 4, 32, 32));
        QCOMPARE(child<QFrame>(&window, "shpTodayTitle")->geometry(), QRect(0, 0, 225, 41));
        QCOMPARE(child<QLabel>(&window, "lblTodayTitle")->text(), "Birthdays Due Today");
        QCOMPARE(child<QLabel>(&window, "lblSoonTitle")->text(), "Birthdays Due Soon");
        QCOMPARE(child<QLabel>(&window, "lblClose")->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(window.font().pointSizeF() > 8.2 && window.font().pointSizeF() < 8.3);

        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window.windowType(), Qt::Tool);
        QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
    }

    void objectsResize_data()
    {
        QTest::addColumn<int>("todayLines");
        QTest::addColumn<int>("soonLines");
        QTest::newRow("one line each") << 1 << 1;
        QTest::newRow("three today, one soon") << 3 << 1;
        QTest::newRow("one today, four soon") << 1 << 4;
    }

    void objectsResize()
    {
        QFETCH(int, todayLines);
        QFETCH(int, soonLines);
        NotificationWindow window;
        window.setTodayText(entries("Today ", todayLines).join("\r\n"));
        window.setSoonText(entries("Soon ", soonLines).join("\r\n"));
        window.objectsResize();

        const int line = QFontMetrics(child<QLabel>(&window, "lblToday")->font()).height();
        auto* lblToday = child<QLabel>(&window, "lblToday");
        auto* lblSoon = child<QLabel>(&window, "lblSoon");
        auto* shpSoonTitle = child<QFrame>(&window, "shpSoonTitle");
        QCOMPARE(lblToday->height(), todayLines * line);
        QCOMPARE(lblSoon->height(), soonLines * line);
        QCOMPARE(lblToday->y(), px(660));
        QCOMPARE(shpSoonTitle->y(), px(660) + todayLines * line + px(45));
        QCOMPARE(child<QLabel>(&window, "lblSoonTitle")->y(), shpSoonTitle->y() + px(60));
        QCOMPARE(lblSoon->y(), shpSoonTitle->y() + px(60) + px(300));
        QCOMPARE(window.height(), lblSoon->y() + lblSoon->height() + px(60));
        QCOMPARE(child<QFrame>(&window, "shpBorder")->height(), window.height());
        QCOMPARE(window.width(), px(3375));
        if (line == 13 && todayLines == 1 && soonLines == 1)
            QCOMPARE(window.height(), px(1515)); // Tahoma's own line: exactly the design

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window.x() + window.width(), screen.right() + 1 - px(200));
        QCOMPARE(window.y() + window.height(), screen.bottom() + 1 - px(1300));
        QCOMPARE(lblToday->text().count('\n'), todayLines - 1);
    }

    void manyLinesStayOnTheScreen()
    {
        NotificationWindow window;
        window.setTodayText(entries("Today ", 200).join("\r\n"));
        window.setSoonText(entries("Soon ", 5).join("\r\n"));
        window.objectsResize();

        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(window.height() <= available.height());
        QVERIFY(window.y() >= available.y());
        const int line = QFontMetrics(window.font()).height();
        QVERIFY2(available.height() - window.height() < line + px(30),
                 "as many lines as fit are used");

        // Without the marks that isolate each name.
        const auto plain = [&](const char* name) {
            return child<QLabel>(&window, name)->text().remove(QChar(0x2068)).remove(QChar(0x2069));
        };
        const QStringList shownToday = plain("lblToday").split('\n');
        QCOMPARE(child<QLabel>(&window, "lblToday")->height(), int(shownToday.size()) * line);
        QCOMPARE(shownToday.first(), "Today 1");
        QCOMPARE(shownToday.last(), NotificationLines::moreText(200 - int(shownToday.size() - 1)));
        QCOMPARE(plain("lblSoon"), "Soon 1\nSoon 2\n(3 more events)");
    }

    void longEntriesWidenTheWindowThenLoseTheirNames()
    {
        NotificationWindow window;
        window.setTodayText(QString(300, 'W') + " (32 Years)");
        const QString soon = "Bob Soon Edited With A Long Name (9 Dec 1990 - 36 Years)";
        window.setSoonText(soon);
        window.objectsResize();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(window.width(), available.width() - px(200));
        QVERIFY(window.x() >= available.x());
        auto* lblToday = child<QLabel>(&window, "lblToday");
        QVERIFY(!lblToday->text().contains('\n'));
        QVERIFY(lblToday->text().endsWith(QStringLiteral("W\u2026\u2069 (32 Years)")));
        QVERIFY(QFontMetrics(lblToday->font()).horizontalAdvance(lblToday->text()) <=
                lblToday->width());
        // Wider than the design, narrower than the screen: shown whole.
        QCOMPARE(
            child<QLabel>(&window, "lblSoon")->text(),
            QStringLiteral("\u2068Bob Soon Edited With A Long Name\u2069 (9 Dec 1990 - 36 Years)"));
        QVERIFY(QFontMetrics(window.font()).horizontalAdvance(soon) > px(3195));
    }

    void rightToLeftNamesKeepTheirLinesLeftToRight()
    {
        NotificationWindow window;
        window.setTodayText(
            QStringLiteral("\u0645\u0631\u064A\u0645 (56 Years)\r\nAnn (32 Years)"));
        window.setSoonText(QStringLiteral("\u05E9\u05E8\u05D4 (1/2/1970 - 56 Years)"));
        window.objectsResize();
        auto* lblToday = child<QLabel>(&window, "lblToday");
        QCOMPARE(
            lblToday->text(),
            QStringLiteral(
                "\u2068\u0645\u0631\u064A\u0645\u2069 (56 Years)\n\u2068Ann\u2069 (32 Years)"));
        QCOMPARE(child<QLabel>(&window, "lblSoon")->text(),
                 QStringLiteral("\u2068\u05E9\u05E8\u05D4\u2069 (1/2/1970 - 56 Years)"));
        // Every line starts at the left edge.
        const QImage shot = lblToday->grab().toImage();
        const int line = QFontMetrics(lblToday->font()).height();
        for (int top = 0; top + line <= shot.height(); top += line) {
            int left = shot.width();
            for (int y = top; y < top + line; ++y)
                for (int x = 0; x < left; ++x)
                    if (qGray(shot.pixel(x, y)) < 128)
                        left = x;
            QVERIFY2(left < px(120), qPrintable(QString::number(left)));
        }
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

    void textsAreNotMarkup()
    {
        NotificationWindow window;
        window.setTodayText("<b>Ann</b>");
        QCOMPARE(child<QLabel>(&window, "lblToday")->textFormat(), Qt::PlainText);
        QCOMPARE(window.todayText(), "<b>Ann</b>");
    }

    void closesItselfAfterItsInterval()
    {
        QPointer<NotificationWindow> window = new NotificationWindow(100);
        window->show();
        QVERIFY(window->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 5000);
    }

    void tenSecondsCountFromLoad()
    {
        QPointer<NotificationWindow> window = new NotificationWindow;
        auto* timer = window->findChild<QTimer*>("tmrClose");
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 10000);
        QTest::qWait(60);
        const int beforeShowingAgain = timer->remainingTime();
        QVERIFY(beforeShowingAgain < 10000);
        window->setTodayText("Again");
        window->show();
        window->objectsResize();
        QVERIFY(timer->isActive());
        QVERIFY(timer->remainingTime() <= beforeShowingAgain);
        delete window.data();
    }

    void closeLinkCloses()
    {
        QPointer<NotificationWindow> window = new NotificationWindow;
        window->show();
        QTest::mouseClick(child<QLabel>(window, "lblClose"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 5000);
    }

    void mouseOverTextsAsksForHelp()
    {
        NotificationWindow window;
        QStringList keys;
        window.setHelpSink([&keys](const QString& key) { keys.append(key); });
        const auto moveOver = [](QWidget* widget) {
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &move);
        };
        moveOver(child<QLabel>(&window, "lblClose"));
        moveOver(child<QLabel>(&window, "imgCandlewatcher"));
        QVERIFY(keys.isEmpty());
        for (const char* name :
             {"lblCandlewatcher", "lblSoon", "lblSoonTitle", "lblToday", "lblTodayTitle"})
            moveOver(child<QLabel>(&window, name));
        moveOver(&window);
        QCOMPARE(keys, QStringList(6, "notification"));
    }
};

QTEST_MAIN(TestNotificationWindow)
#include "test_notificationwindow.moc"
