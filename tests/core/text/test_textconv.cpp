#include "text/textconv.h"

#include <QTest>

#include <limits>

using namespace TextConv;

class TestTextConv : public QObject
{
    Q_OBJECT

private slots:
    void datesAlwaysCarryFourDigitYears_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_US keeps the century") << "en_US" << QDate(1950, 12, 25) << "12/25/1950";
        QTest::newRow("en_GB") << "en_GB" << QDate(1950, 12, 25) << "25/12/1950";
        QTest::newRow("de_DE") << "de_DE" << QDate(2002, 5, 12) << "12.05.2002";
        QTest::newRow("ISO locale sv_SE") << "sv_SE" << QDate(1930, 1, 2) << "1930-01-02";
        QTest::newRow("C") << "C" << QDate(2026, 12, 6) << "6 Dec 2026";
    }

    void datesAlwaysCarryFourDigitYears()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, date);
        QFETCH(QString, text);
        const QLocale loc(locale);
        QCOMPARE(dateToText(date, loc), text);
        QCOMPARE(textToDate(text, loc), std::optional<QDate>(date));
    }

    void dateTextFallbacks_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // invalid: must fail
        QTest::newRow("ISO in a US locale") << "en_US"
                                            << "1990-12-25" << QDate(1990, 12, 25);
        QTest::newRow("surrounding blanks") << "en_GB"
                                            << " 25/12/1990 " << QDate(1990, 12, 25);
        QTest::newRow("single digits") << "en_US"
                                       << "1/2/2003" << QDate(2003, 1, 2);
        QTest::newRow("leading zeros") << "en_US"
                                       << "01/02/2003" << QDate(2003, 1, 2);
        QTest::newRow("month names") << "C"
                                     << "2 Jan 2003" << QDate(2003, 1, 2);
        QTest::newRow("three-digit day") << "en_GB"
                                         << "123/02/2001" << QDate();
        QTest::newRow("trailing text") << "en_GB"
                                       << "12/02/2001x" << QDate();
        QTest::newRow("wrong separator") << "de_DE"
                                         << "12/02/2001" << QDate();
        QTest::newRow("no 30 February") << "en_GB"
                                        << "30/02/2001" << QDate();
        QTest::newRow("words") << "en_US"
                               << "next tuesday" << QDate();
        QTest::newRow("empty") << "en_US"
                               << "" << QDate();
        QTest::newRow("month/day swapped is no date") << "en_US"
                                                      << "25/12/1990" << QDate();
        // Two-digit years of older files mean 1930 to 2029.
        QTest::newRow("two digits, 27") << "en_US"
                                        << "6/1/27" << QDate(2027, 6, 1);
        QTest::newRow("two digits, 05") << "de_DE"
                                        << "07.03.05" << QDate(2005, 3, 7);
        QTest::newRow("two digits, 30") << "en_GB"
                                        << "07/03/30" << QDate(1930, 3, 7);
        QTest::newRow("two digits, leap 00") << "en_GB"
                                             << "29/02/00" << QDate(2000, 2, 29);
        QTest::newRow("two digits, Arabic 05")
            << "ar_EG"
            << "\u0667\u200F/\u0663\u200F/\u0660\u0665" << QDate(2005, 3, 7);
    }

    void dateTextFallbacks()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        const std::optional<QDate> read = textToDate(text, QLocale(locale));
        if (date.isValid())
            QCOMPARE(read, std::optional<QDate>(date));
        else
            QVERIFY2(!read, qPrintable(read ? read->toString(Qt::ISODate) : QString()));
    }

    void timesRoundTripWithSeconds_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("en_US") << "en_US";
        QTest::newRow("en_GB") << "en_GB";
        QTest::newRow("de_DE") << "de_DE";
        QTest::newRow("C") << "C";
    }

    void timesRoundTripWithSeconds()
    {
        QFETCH(QString, locale);
        const QLocale loc(locale);
        const QTime time(14, 10, 37);
        const QString text = timeToText(time, loc);
        QVERIFY2(text.contains("37"), qPrintable(text));
        QCOMPARE(textToTime(text, loc), std::optional<QTime>(time));
        // The preferences' default alert time reads in every locale.
        QCOMPARE(textToTime("09:00", loc), std::optional<QTime>(QTime(9, 0)));
        QVERIFY(!textToTime("25:61", loc));
        QVERIFY(!textToTime("", loc));
    }

    void everyLocaleReadsBackWhatItWrites()
    {
        // The leap day, the first and last years a four-digit form holds, afternoon times.
        const QList<QDate> dates = {QDate(1, 1, 1), QDate(2024, 2, 29), QDate(9999, 12, 31)};
        const QList<QTime> times = {QTime(0, 0), QTime(9, 5, 7), QTime(12, 0), QTime(14, 37, 59)};
        for (const QLocale& locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            for (QDate date : dates) {
                const QString text = dateToText(date, locale);
                // The data file's date fields hold 25 bytes.
                QVERIFY2(textToDate(text, locale) == date && text.toUtf8().size() <= 25,
                         qPrintable(locale.name() + ": " + text));
            }
            for (QTime time : times) {
                const QString text = timeToText(time, locale);
                QVERIFY2(textToTime(text, locale) == time, qPrintable(locale.name() + ": " + text));
            }
        }
    }

    void wholeNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        const int lo = std::numeric_limits<int>::min();
        const int hi = std::numeric_limits<int>::max();
        QTest::newRow("plain") << "10" << lo << hi << true << 10;
        QTest::newRow("blanks and sign") << "  -7 " << lo << hi << true << -7;
        QTest::newRow("plus sign") << "+5" << lo << hi << true << 5;
        QTest::newRow("half goes to even, down") << "1234.5" << lo << hi << true << 1234;
        QTest::newRow("half goes to even, up") << "1235.5" << lo << hi << true << 1236;
        QTest::newRow("leading point") << ".5" << lo << hi << true << 0;
        QTest::newRow("below half") << "2.49" << lo << hi << true << 2;
        QTest::newRow("empty is no number") << "" << lo << hi << false << 0;
        QTest::newRow("blank is no number") << "   " << lo << hi << false << 0;
        QTest::newRow("letters") << "12abc" << lo << hi << false << 0;
        QTest::newRow("16-bit upper edge") << "32767" << -32768 << 32767 << true << 32767;
        QTest::newRow("past the 16-bit range") << "32768" << -32768 << 32767 << false << 0;
        QTest::newRow("rounds past the range") << "32767.6" << -32768 << 32767 << false << 0;
        QTest::newRow("16-bit lower edge") << "-32768" << -32768 << 32767 << true << -32768;
        QTest::newRow("huge") << "1e300" << lo << hi << false << 0;
        QTest::newRow("not a number") << "nan" << lo << hi << false << 0;
        QTest::newRow("infinity") << "inf" << lo << hi << false << 0;
    }

    void wholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(bool, ok);
        QFETCH(int, value);
        const std::optional<int> read = textToWhole(text, min, max, QLocale::c());
        QCOMPARE(read.has_value(), ok);
        if (ok)
            QCOMPARE(*read, value);
    }

    void wholeNumbersInTheUsersFormat()
    {
        // Fractions written where the user's settings use a decimal comma read back too.
        QCOMPARE(textToWhole("1235,5", -32768, 32767, QLocale("de_DE")), std::optional<int>(1236));
        QCOMPARE(textToWhole("1235.5", -32768, 32767, QLocale("de_DE")), std::optional<int>(1236));
    }

    void booleans_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1: no boolean
        QTest::newRow("True") << "True" << 1;
        QTest::newRow("capital FALSE") << "FALSE" << 0;
        QTest::newRow("lower true") << "true" << 1;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("any other number") << "-2" << 1;
        QTest::newRow("yes is no boolean") << "yes" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void booleans()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const std::optional<bool> read = textToBool(text, QLocale::c());
        QCOMPARE(read.has_value(), expected >= 0);
        if (read)
            QCOMPARE(*read, expected == 1);
        if (read)
            QCOMPARE(textToBool(boolToText(*read)), read);
    }

    void versionText()
    {
        QCOMPARE(TextConv::versionText(2, 0, 0), QString("2.00"));
        QCOMPARE(TextConv::versionText(2, 1, 12), QString("2.112"));
        QCOMPARE(TextConv::versionText(), QString("2.00"));
    }
};

QTEST_GUILESS_MAIN(TestTextConv)
#include "test_textconv.moc"
