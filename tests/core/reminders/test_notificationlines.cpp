#include "reminders/notificationlines.h"

#include <QTest>

namespace {

QStringList entries(const QString& prefix, int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list.append(prefix + QString::number(i));
    return list;
}

} // namespace

class TestNotificationLines : public QObject
{
    Q_OBJECT

private slots:
    void fit_data()
    {
        QTest::addColumn<int>("todayCount");
        QTest::addColumn<int>("soonCount");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("todayLines");
        QTest::addColumn<int>("soonLines");

        QTest::newRow("room for all") << 3 << 1 << 4 << 3 << 1;
        QTest::newRow("plenty of room") << 2 << 2 << 40 << 2 << 2;
        QTest::newRow("today fills, soon keeps three") << 20 << 5 << 10 << 7 << 3;
        QTest::newRow("few today, soon cut") << 3 << 20 << 10 << 3 << 7;
        QTest::newRow("many today, two soon shown whole") << 20 << 2 << 10 << 8 << 2;
        QTest::newRow("tiny screen: soon at most half") << 20 << 20 << 4 << 2 << 2;
        QTest::newRow("one line left for soon") << 20 << 20 << 3 << 2 << 1;
        QTest::newRow("no room at all still one each") << 5 << 5 << 0 << 1 << 1;
    }

    void fit()
    {
        QFETCH(int, todayCount);
        QFETCH(int, soonCount);
        QFETCH(int, capacity);
        QFETCH(int, todayLines);
        QFETCH(int, soonLines);

        const QStringList today = entries("t", todayCount);
        const QStringList soon = entries("s", soonCount);
        const NotificationLines fitted = NotificationLines::fit(today, soon, capacity);
        QCOMPARE(fitted.today.size(), todayLines);
        QCOMPARE(fitted.soon.size(), soonLines);

        // A list that lost lines shows its first entries and then how many it left out.
        const auto check = [](const QStringList& shown, const QStringList& all) {
            if (shown.size() == all.size()) {
                QCOMPARE(shown, all);
                return;
            }
            const qsizetype kept = shown.size() - 1;
            QCOMPARE(shown.first(kept), all.first(kept));
            QCOMPARE(shown.last(), NotificationLines::moreText(int(all.size() - kept)));
        };
        check(fitted.today, today);
        check(fitted.soon, soon);
    }

    void nameLength_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("soon");
        QTest::addColumn<QString>("name");
        QTest::newRow("soon with years") << "Bob (9/12/1990 - 36 Years)" << true << "Bob";
        QTest::newRow("soon without years") << "Bob (9/12/1990)" << true << "Bob";
        QTest::newRow("name with parentheses") << "Mum (Jane) (9.12.1990)" << true << "Mum (Jane)";
        QTest::newRow("today with years") << "Ann (-2 Years)" << false << "Ann";
        QTest::newRow("today, name only") << "Mum (Jane)" << false << "Mum (Jane)";
        QTest::newRow("count line") << "(3 more events)" << true << "(3 more events)";
    }

    void nameLength()
    {
        QFETCH(QString, entry);
        QFETCH(bool, soon);
        QFETCH(QString, name);
        QCOMPARE(entry.first(NotificationLines::nameLength(entry, soon)), name);
    }

    void moreTextCountsTheHiddenEntries()
    {
        QCOMPARE(NotificationLines::moreText(12), "(12 more events)");
        const NotificationLines fitted = NotificationLines::fit(entries("t", 30), {"none"}, 11);
        QCOMPARE(fitted.today.last(), "(21 more events)");
        QCOMPARE(fitted.soon, QStringList{"none"});
    }
};

QTEST_GUILESS_MAIN(TestNotificationLines)
#include "test_notificationlines.moc"
