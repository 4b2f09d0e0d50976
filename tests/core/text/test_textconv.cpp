#include "core/text/textconv.h"
#include "core/text/windows1252.h"

#include <QTest>

#include <iconv.h>

using namespace TextConv;

class TestTextConv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dates_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");   // invalid: no date
        QTest::addColumn<bool>("written"); // the text is how the date is written
        const auto row = [](const char* name, const char* locale, const QString& text,
                            QDate date = {}, bool written = false) {
            QTest::newRow(name) << locale << text << date << written;
        };
        // Written with four-digit years, also where the locale's own short form has two.
        row("en_US keeps the century", "en_US", "12/25/1950", QDate(1950, 12, 25), true);
        row("en_GB", "en_GB", "25/12/1950", QDate(1950, 12, 25), true);
        row("de_DE", "de_DE", "12.05.2002", QDate(2002, 5, 12), true);
        row("ISO locale sv_SE", "sv_SE", "1930-01-02", QDate(1930, 1, 2), true);
        row("C", "C", "6 Dec 2026", QDate(2026, 12, 6), true);
        row("ISO in a US locale", "en_US", "1990-12-25", QDate(1990, 12, 25));
        row("surrounding blanks", "en_GB", " 25/12/1990 ", QDate(1990, 12, 25));
        row("three-digit day", "en_GB", "123/02/2001");
        row("trailing text", "en_GB", "12/02/2001x");
        row("wrong separator", "de_DE", "12/02/2001");
        row("no 30 February", "en_GB", "30/02/2001");
        row("empty", "en_US", "");
        row("month/day swapped is no date", "en_US", "25/12/1990");
        // Found by fuzz_text: years outside 1 to 9999 did not read back, in Arabic digits too.
        row("negative year", "C", "-1202-05-12");
        row("negative year, Arabic", "ar_EG", "-1202-05-12");
        row("year 0", "C", "0000-05-12");
        // Two-digit years of older files mean 1930 to 2029.
        row("two digits, 29", "en_US", "6/1/29", QDate(2029, 6, 1));
        row("two digits, 30", "en_GB", "07/03/30", QDate(1930, 3, 7));
        row("two digits, leap 00", "en_GB", "29/02/00", QDate(2000, 2, 29));
        row("two digits, Arabic 05", "ar_EG", "\u0667\u200F/\u0663\u200F/\u0660\u0665",
            QDate(2005, 3, 7));
    }

    void dates()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QFETCH(bool, written);
        const std::optional<QDate> read = textToDate(text, QLocale(locale));
        QCOMPARE(read, date.isValid() ? std::optional<QDate>(date) : std::nullopt);
        if (written) // for the user
            QCOMPARE(shownDateText(date, QLocale(locale)), text);
    }

    // A day without its year, in each locale's order, separators and digits.
    void dayAndMonth_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_US") << "en_US" << 4 << "4/15";
        QTest::newRow("en_GB") << "en_GB" << 4 << "15/04";
        QTest::newRow("de_DE") << "de_DE" << 4 << "15.04";
        QTest::newRow("ja_JP, year first") << "ja_JP" << 4 << "04/15";
        QTest::newRow("ko_KR, year first with blanks") << "ko_KR" << 4 << "4. 15.";
        QTest::newRow("ar_EG") << "ar_EG" << 4 << "\u0661\u0665\u200F/\u0664";
        QTest::newRow("29 February") << "de_DE" << 2 << "29.02";
    }
    void dayAndMonth()
    {
        QFETCH(QString, locale);
        QFETCH(int, month);
        QFETCH(QString, text);
        QCOMPARE(shownDayMonthText(month, month == 2 ? 29 : 15, QLocale(locale)), text);
    }

    // Written in the row's language, dates and times read back the same in every language Qt
    // knows; so do the texts older versions wrote in the row's language, read with it.
    void writtenInOneLanguageReadInEvery_data()
    {
        QTest::addColumn<QString>("writer");
        for (const char* writer : {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ar_EG", "hi_IN"})
            QTest::newRow(writer) << writer;
    }
    void writtenInOneLanguageReadInEvery()
    {
        QFETCH(QString, writer);
        const QLocale writing(writer);
        QLocale::setDefault(writing);
        const QList<QDate> dates = {QDate(1, 1, 1), QDate(2024, 2, 29), QDate(2026, 12, 6),
                                    QDate(9999, 12, 31)};
        QStringList written, older;
        for (QDate date : dates)
            written << dateToText(date), older << shownDateText(date, writing);
        QCOMPARE(written.join(' '), "0001-01-01 2024-02-29 2026-12-06 9999-12-31");
        QCOMPARE(timeToText(QTime(9, 5, 7)) + timeToText(QTime(14, 37, 59)), "09:05:0714:37:59");
        for (const QLocale& reader : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            QLocale::setDefault(reader);
            for (qsizetype i = 0; i < dates.size(); ++i)
                QVERIFY2(textToDate(written[i], reader) == dates[i] &&
                             textToDate(older[i], writing) == dates[i],
                         qPrintable(reader.name() + ": " + written[i] + ", " + older[i]));
            QVERIFY2(textToTime("14:37:59", reader) == QTime(14, 37, 59) &&
                         textToTime("09:00", reader) == QTime(9, 0),
                     qPrintable(reader.name()));
        }
        QLocale::setDefault(QLocale::c());
        QVERIFY(!textToTime("25:61") && !textToTime(""));
    }

    void wholeNumbers()
    {
        // Read in the 16-bit range Notify takes; halves go to even.
        const std::pair<const char*, std::optional<int>> cases[] = {
            {"10", 10},      {"  -7 ", -7},      {"+5", 5},     {"1234.5", 1234}, {"1235.5", 1236},
            {"2.49", 2},     {"", {}},           {"12abc", {}}, {"32767", 32767}, {"32768", {}},
            {"32767.6", {}}, {"-32768", -32768}, {"1e300", {}}, {"nan", {}}};
        for (const auto& [text, value] : cases)
            QVERIFY2(textToWhole(text, -32768, 32767, QLocale::c()) == value, text);
        // Fractions written where the user's settings use a decimal comma read back too.
        QCOMPARE(textToWhole("1235,5", -32768, 32767, QLocale("de_DE")), 1236);
        QCOMPARE(textToWhole("1235.5", -32768, 32767, QLocale("de_DE")), 1236);
        // A number kept as typed shows in the locale's digits; typed in any, it is kept in ASCII.
        QCOMPARE(shownDigits(" 10.5", QLocale("ar_EG")), u" \u0661\u0660.\u0665");
        QCOMPARE(shownDigits(" 10.5", QLocale("de_DE")), " 10.5");
        QCOMPARE(storedDigits(QStringLiteral(u"\u0661\u0660 \u06F3 7x")),
                 "10 3 7x"); // Arabic, Persian, ASCII
    }

    void booleansAndVersion()
    {
        // Words in any letter case, or numbers: 0 is off.
        for (const char* on : {"True", "true", "1", "-2"})
            QVERIFY2(textToBool(on, QLocale::c()) == true, on);
        for (const char* off : {"FALSE", "0"})
            QVERIFY2(textToBool(off, QLocale::c()) == false, off);
        for (const char* neither : {"yes", ""})
            QVERIFY2(!textToBool(neither, QLocale::c()), neither);
        QCOMPARE(textToBool(boolToText(true)), true);
        QCOMPARE(textToBool(boolToText(false)), false);
        // The version as the about box shows it: minor and patch run together.
        QCOMPARE(TextConv::versionText(2, 0, 0), QString("2.00"));
        QCOMPARE(TextConv::versionText(2, 1, 12), QString("2.112"));
    }

    // Each high byte reads as glibc's Windows-1252 has it, and the five bytes Windows-1252
    // leaves undefined as the C1 control of the same number.
    void windows1252()
    {
        const iconv_t cp1252 = iconv_open("UTF-16LE", "CP1252");
        QVERIFY(cp1252 != iconv_t(-1));
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            char in = char(byte), *inPos = &in;
            char16_t out = char16_t(byte);
            char* outPos = reinterpret_cast<char*>(&out);
            size_t inLeft = 1, outLeft = 2;
            iconv(cp1252, &inPos, &inLeft, &outPos, &outLeft);
            QCOMPARE(fromWindows1252(QByteArray(1, in)), QString(QChar(out)));
        }
        iconv_close(cp1252);
    }
};

QTEST_GUILESS_MAIN(TestTextConv)
#include "test_textconv.moc"
