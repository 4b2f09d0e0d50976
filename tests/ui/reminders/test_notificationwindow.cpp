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
        QCOMPARE(child<QLabel>(&window, "lblCandlewatcher")->geometry(), QRect(48, 4, 165, 13));
        auto* lblClose = child<QLabel>(&window, "lblClose");
        QCOMPARE(lblClose->geometry().right(), 216); // 2880 + 375 twips
        QCOMPARE(lblClose->y(), 4);
        QVERIFY(lblClose->width() >= 25);
        QVERIFY(lblClose->width() > QFontMetrics(lblClose->font()).horizontalAdvance("close"));
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

        const QStringList shownToday = child<QLabel>(&window, "lblToday")->text().split('\n');
        QCOMPARE(child<QLabel>(&window, "lblToday")->height(), int(shownToday.size()) * line);
        QCOMPARE(shownToday.first(), "Today 1");
        QCOMPARE(shownToday.last(), NotificationLines::moreText(200 - int(shownToday.size() - 1)));
        QCOMPARE(child<QLabel>(&window, "lblSoon")->text(), "Soon 1\nSoon 2\n(3 more events)");
    }

    void longEntriesKeepOneLine()
    {
        NotificationWindow window;
        window.setTodayText(QString(300, 'W'));
        window.setSoonText("Soon");
        window.objectsResize();
        auto* lblToday = child<QLabel>(&window, "lblToday");
        QVERIFY(!lblToday->text().contains('\n'));
        QVERIFY(lblToday->text().endsWith(QChar(0x2026)));
        QVERIFY(QFontMetrics(lblToday->font()).horizontalAdvance(lblToday->text()) <=
                lblToday->width());
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
