// A published calendar split into one resource per event.

#include "core/sync/calendarfeed.h"

#include <QTest>

class TestCalendarFeed : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void splits_data()
    {
        QTest::addColumn<QByteArray>("ics");
        QTest::addColumn<QStringList>("pieces"); // each: href, then its body's BEGIN lines
        const QByteArray head = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nX-WR-CALNAME:Family\r\n";
        const QByteArray zone = "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:STANDARD\r\n"
                                "DTSTART:19701025T030000\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
        QTest::newRow("events, a time zone for each, a to-do left out")
            << head + zone +
                   "BEGIN:VEVENT\r\nUID:b@x\r\nSUMMARY:Bo\r\nEND:VEVENT\r\nBEGIN:VTODO\r\nUID:t\r\n"
                   "END:VTODO\r\nBEGIN:VEVENT\r\nUID:a\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                   "END:VALARM\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"
            << QStringList{"/f.ics#a VCALENDAR VTIMEZONE STANDARD VEVENT VALARM",
                           "/f.ics#b%40x VCALENDAR VTIMEZONE STANDARD VEVENT"};
        QTest::newRow("an override of one occurrence goes with its event; LF, folded UID")
            << QByteArray("BEGIN:VCALENDAR\nBEGIN:VEVENT\nUID:lo\n ng\nRRULE:FREQ=YEARLY\n"
                          "END:VEVENT\nBEGIN:VEVENT\nUID:long\nRECURRENCE-ID:20270101\n"
                          "END:VEVENT\nEND:VCALENDAR\n")
            << QStringList{"/f.ics#long VCALENDAR VEVENT VEVENT"};
        QTest::newRow("UIDs that read as the same text share a piece")
            << QByteArray("BEGIN:VCALENDAR\nBEGIN:VEVENT\nUID:\xff\nEND:VEVENT\nBEGIN:VEVENT\n"
                          "UID:\xfe\nEND:VEVENT\nEND:VCALENDAR\n")
            << QStringList{"/f.ics#%EF%BF%BD VCALENDAR VEVENT VEVENT"};
        QTest::newRow("no events") << head + "END:VCALENDAR\r\n" << QStringList();
        QTest::newRow("not iCalendar") << QByteArray("<html>") << QStringList{"error"};
        QTest::newRow("cut short") << head + "BEGIN:VEVENT\r\nUID:a\r\n" << QStringList{"error"};
        QTest::newRow("END of another component")
            << head + "BEGIN:VEVENT\r\nEND:VTODO\r\nEND:VCALENDAR\r\n"
            << QStringList{"error"};
        QTest::newRow("after END:VCALENDAR") << head + "END:VCALENDAR\r\nBEGIN:VEVENT\r\n"
                                             << QStringList{"error"};
    }
    void splits()
    {
        QFETCH(QByteArray, ics);
        QFETCH(QStringList, pieces);
        QString error;
        const auto split = splitCalendarFeed(ics, "/f.ics", &error);
        if (pieces == QStringList{"error"}) {
            QVERIFY(!split && !error.isEmpty());
            return;
        }
        QVERIFY2(split, qPrintable(error));
        QStringList got;
        for (const RemoteResource& piece : *split) {
            QString line = piece.href;
            for (const QByteArray& text : piece.body.split('\n'))
                if (text.startsWith("BEGIN:"))
                    line += ' ' + QString::fromUtf8(text.mid(6).trimmed());
            got << line;
            // Each piece has the feed's calendar properties.
            QCOMPARE(piece.body.contains("X-WR-CALNAME:Family"), ics.contains("X-WR-CALNAME"));
        }
        QCOMPARE(got, pieces);
    }
};

QTEST_GUILESS_MAIN(TestCalendarFeed)
#include "test_calendarfeed.moc"
