// Inputs the fuzzers found, kept as cases: what the text conversions accept must read back
// from the text they write for it, in the locale it was read in.

#include "text/textconv.h"

#include <QtTest>

class TestTextRegressions : public QObject
{
    Q_OBJECT

private slots:
    void dateReadsBack_data();
    void dateReadsBack();
};

void TestTextRegressions::dateReadsBack_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const QLocale german(QLocale::German, QLocale::Germany);
    // fuzz_text: a negative year read through the ISO form, written in Arabic digits, did not
    // read again.
    QTest::newRow("negative year, Arabic") << arabic << QStringLiteral("-1202-05-12") << false;
    QTest::newRow("negative year, German") << german << QStringLiteral("-1202-05-12") << false;
    QTest::newRow("negative year, C") << QLocale::c() << QStringLiteral("-1202-05-12") << false;
    QTest::newRow("year 0") << QLocale::c() << QStringLiteral("0000-05-12") << false;
    QTest::newRow("year 1, Arabic") << arabic << QStringLiteral("0001-05-12") << true;
    QTest::newRow("year 9999, Arabic") << arabic << QStringLiteral("9999-12-31") << true;
    QTest::newRow("ordinary date, Arabic") << arabic << QStringLiteral("2002-05-12") << true;
}

void TestTextRegressions::dateReadsBack()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, accepted);

    const auto date = TextConv::textToDate(text, locale);
    QCOMPARE(date.has_value(), accepted);
    if (date) {
        const QString written = TextConv::dateToText(*date, locale);
        QCOMPARE(TextConv::textToDate(written, locale), date);
    }
}

QTEST_GUILESS_MAIN(TestTextRegressions)
#include "test_textregressions.moc"
