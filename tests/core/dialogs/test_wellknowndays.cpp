#include "dialogs/wellknowndays.h"

#include <QSet>
#include <QTest>

class TestWellKnownDays : public QObject
{
    Q_OBJECT
private slots:
    void tableShape();
    void rowsAsWritten_data();
    void rowsAsWritten();
    void dateFromShown_data();
    void dateFromShown();
};

// Every row is a real day in any year (no 29 February) with two-digit texts, and the names
// are all different.
void TestWellKnownDays::tableShape()
{
    const auto& table = WellKnownDays::table();
    QCOMPARE(table.size(), size_t(44));
    QSet<QString> names;
    for (const WellKnownDays::Row& row : table) {
        QCOMPARE(qstrlen(row.day), size_t(2));
        QCOMPARE(qstrlen(row.month), size_t(2));
        for (int year : {2001, 2004})
            QVERIFY2(WellKnownDays::dateFromShown(row.shownAs(), year).isValid(), row.name);
        names.insert(row.nameText());
    }
    QCOMPARE(names.size(), 44);
}

// The whole table as it has always been, spellings and odd orders included (Epiphany after
// World Religion Day), in its order; Groundhog Day is 2 February.
void TestWellKnownDays::rowsAsWritten_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shownAs");

    QTest::newRow("New Year's Day") << 0 << "New Year's Day"
                                    << "01\\01";
    QTest::newRow("Sherlock Holmes Birthday") << 1 << "Sherlock Holmes Birthday"
                                              << "01\\06";
    QTest::newRow("Baptism of Jesus") << 2 << "Baptism of Jesus"
                                      << "01\\09";
    QTest::newRow("World Religion Day") << 3 << "World Religion Day"
                                        << "01\\20";
    QTest::newRow("Epiphany") << 4 << "Epiphany"
                              << "01\\06";
    QTest::newRow("Martin Luther King Jr. Day") << 5 << "Martin Luther King Jr. Day"
                                                << "01\\21";
    QTest::newRow("Burn's Night") << 6 << "Burn's Night"
                                  << "01\\25";
    QTest::newRow("Groundhog Day") << 7 << "Groundhog Day"
                                   << "02\\02";
    QTest::newRow("Valentines Day") << 8 << "Valentines Day"
                                    << "02\\14";
    QTest::newRow("Lantern Festival") << 9 << "Lantern Festival"
                                      << "02\\25";
    QTest::newRow("St. David's Day") << 10 << "St. David's Day"
                                     << "03\\01";
    QTest::newRow("International Women's Day") << 11 << "International Women's Day"
                                               << "03\\08";
    QTest::newRow("Mothers Day") << 12 << "Mothers Day"
                                 << "03\\10";
    QTest::newRow("St. Patrick's Day") << 13 << "St. Patrick's Day"
                                       << "03\\17";
    QTest::newRow("April Fool's Day") << 14 << "April Fool's Day"
                                      << "04\\01";
    QTest::newRow("Buddha's Birthday") << 15 << "Buddha's Birthday"
                                       << "04\\08";
    QTest::newRow("Holocaust Rememberance Day") << 16 << "Holocaust Rememberance Day"
                                                << "04\\20";
    QTest::newRow("St. Georges Day") << 17 << "St. Georges Day"
                                     << "04\\23";
    QTest::newRow("May Day") << 18 << "May Day"
                             << "05\\01";
    QTest::newRow("Mother's Day (US)") << 19 << "Mother's Day (US)"
                                       << "05\\12";
    QTest::newRow("Pentecost") << 20 << "Pentecost"
                               << "05\\19";
    QTest::newRow("Trinity") << 21 << "Trinity"
                             << "05\\26";
    QTest::newRow("Dragon Boat Festival") << 22 << "Dragon Boat Festival"
                                          << "06\\14";
    QTest::newRow("Father's Day") << 23 << "Father's Day"
                                  << "06\\16";
    QTest::newRow("International Joke Day") << 24 << "International Joke Day"
                                            << "07\\01";
    QTest::newRow("Independence Day (US)") << 25 << "Independence Day (US)"
                                           << "07\\04";
    QTest::newRow("Bastille Day (France)") << 26 << "Bastille Day (France)"
                                           << "07\\14";
    QTest::newRow("Friendship Day") << 27 << "Friendship Day"
                                    << "08\\02";
    QTest::newRow("Chinese Valentines Day") << 28 << "Chinese Valentines Day"
                                            << "08\\24";
    QTest::newRow("Ghandi's Birthday") << 29 << "Ghandi's Birthday"
                                       << "10\\02";
    QTest::newRow("Oktoberfest") << 30 << "Oktoberfest"
                                 << "10\\12";
    QTest::newRow("Black Thursday") << 31 << "Black Thursday"
                                    << "10\\24";
    QTest::newRow("All Saints' Day") << 32 << "All Saints' Day"
                                     << "11\\01";
    QTest::newRow("Guy Fawkes Day") << 33 << "Guy Fawkes Day"
                                    << "11\\05";
    QTest::newRow("World Peace Day") << 34 << "World Peace Day"
                                     << "11\\17";
    QTest::newRow("Children's Day") << 35 << "Children's Day"
                                    << "11\\20";
    QTest::newRow("World AIDS Day") << 36 << "World AIDS Day"
                                    << "12\\01";
    QTest::newRow("Advent Begins") << 37 << "Advent Begins"
                                   << "12\\02";
    QTest::newRow("St. Nicholas Day") << 38 << "St. Nicholas Day"
                                      << "12\\06";
    QTest::newRow("Pearl Harbour Day (US)") << 39 << "Pearl Harbour Day (US)"
                                            << "12\\07";
    QTest::newRow("Christmas Eve") << 40 << "Christmas Eve"
                                   << "12\\24";
    QTest::newRow("Christmas Day") << 41 << "Christmas Day"
                                   << "12\\25";
    QTest::newRow("Boxing Day") << 42 << "Boxing Day"
                                << "12\\26";
    QTest::newRow("New Year's Eve") << 43 << "New Year's Eve"
                                    << "12\\31";
}

void TestWellKnownDays::rowsAsWritten()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, shownAs);
    const WellKnownDays::Row& row = WellKnownDays::table().at(size_t(index));
    QCOMPARE(row.nameText(), name);
    QCOMPARE(row.shownAs(), shownAs);
}

void TestWellKnownDays::dateFromShown_data()
{
    QTest::addColumn<QString>("shownAs");
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("date");

    QTest::newRow("christmas 2002") << "12\\25" << 2002 << QDate(2002, 12, 25);
    QTest::newRow("month first") << "01\\02" << 2024 << QDate(2024, 1, 2);
    QTest::newRow("too short") << "1\\2" << 2024 << QDate();
    QTest::newRow("not numbers") << "ab\\cd" << 2024 << QDate();
    QTest::newRow("no such day") << "02\\30" << 2024 << QDate();
}

void TestWellKnownDays::dateFromShown()
{
    QFETCH(QString, shownAs);
    QFETCH(int, year);
    QFETCH(QDate, date);
    QCOMPARE(WellKnownDays::dateFromShown(shownAs, year), date);
}

QTEST_APPLESS_MAIN(TestWellKnownDays)
#include "test_wellknowndays.moc"
