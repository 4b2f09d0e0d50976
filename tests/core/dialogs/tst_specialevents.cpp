#include "dialogs/specialevents.h"

#include <QSet>
#include <QTest>

class TestSpecialEvents : public QObject
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
void TestSpecialEvents::tableShape()
{
    const auto& table = SpecialEvents::table();
    QCOMPARE(table.size(), size_t(44));
    QSet<QString> names;
    for (const SpecialEvents::Row& row : table) {
        QCOMPARE(qstrlen(row.day), size_t(2));
        QCOMPARE(qstrlen(row.month), size_t(2));
        for (int year : {2001, 2004})
            QVERIFY2(SpecialEvents::dateFromShown(row.shownAs(), year).isValid(), row.name);
        names.insert(row.nameText());
    }
    QCOMPARE(names.size(), 44);
}

// Spot checks of rows whose spelling or date looks wrong and must stay as it is.
void TestSpecialEvents::rowsAsWritten_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shownAs");

    QTest::newRow("first") << 0 << "New Year's Day"
                           << "01\\01";
    QTest::newRow("epiphany after world religion day") << 4 << "Epiphany"
                                                       << "01\\06";
    QTest::newRow("burn's night") << 6 << "Burn's Night"
                                  << "01\\25";
    QTest::newRow("groundhog day in january") << 7 << "Groundhog Day"
                                              << "01\\02";
    QTest::newRow("holocaust rememberance") << 16 << "Holocaust Rememberance Day"
                                            << "04\\20";
    QTest::newRow("ghandi") << 29 << "Ghandi's Birthday"
                            << "10\\02";
    QTest::newRow("christmas day") << 41 << "Christmas Day"
                                   << "12\\25";
    QTest::newRow("last") << 43 << "New Year's Eve"
                          << "12\\31";
}

void TestSpecialEvents::rowsAsWritten()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, shownAs);
    const SpecialEvents::Row& row = SpecialEvents::table().at(size_t(index));
    QCOMPARE(row.nameText(), name);
    QCOMPARE(row.shownAs(), shownAs);
}

void TestSpecialEvents::dateFromShown_data()
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

void TestSpecialEvents::dateFromShown()
{
    QFETCH(QString, shownAs);
    QFETCH(int, year);
    QFETCH(QDate, date);
    QCOMPARE(SpecialEvents::dateFromShown(shownAs, year), date);
}

QTEST_APPLESS_MAIN(TestSpecialEvents)
#include "tst_specialevents.moc"
