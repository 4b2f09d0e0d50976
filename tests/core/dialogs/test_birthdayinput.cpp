#include "dialogs/birthdayinput.h"

#include <QTest>

class TestBirthdayInput : public QObject
{
    Q_OBJECT
private slots:
    void notifyText_data();
    void notifyText();
    void nameLength_data();
    void nameLength();
};

void TestBirthdayInput::notifyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("zero") << "0" << true;
    QTest::newRow("ninety-nine") << "99" << true;
    QTest::newRow("blank before digit") << " 5" << true;
    QTest::newRow("blank after digit") << "5 " << true;
    QTest::newRow("point before digit") << ".5" << true;
    QTest::newRow("point after digit") << "5." << true;
    QTest::newRow("plus sign") << "+5" << true;
    QTest::newRow("minus zero") << "-0" << true;
    QTest::newRow("minus one") << "-1" << false;
    QTest::newRow("minus point five") << "-.5" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks") << "  " << false;
    QTest::newRow("point only") << "." << false;
    QTest::newRow("sign only") << "-" << false;
    QTest::newRow("letters") << "ab" << false;
    QTest::newRow("digit and letter") << "5a" << false;
    QTest::newRow("sign after digit") << "5-" << false;
    QTest::newRow("blank inside") << "1 2" << false;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0665)) << false;
}

void TestBirthdayInput::notifyText()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(BirthdayInput::notifyTextValid(text), accepted);
}

void TestBirthdayInput::nameLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fits");

    QTest::newRow("empty") << QString() << true;
    QTest::newRow("255 ascii") << QString(255, QLatin1Char('a')) << true;
    QTest::newRow("256 ascii") << QString(256, QLatin1Char('a')) << false;
    // Two bytes each once stored.
    QTest::newRow("127 accented") << QString(127, QChar(0xE9)) << true;
    QTest::newRow("128 accented") << QString(128, QChar(0xE9)) << false;
    QTest::newRow("254 ascii and one accented")
        << QString(254, QLatin1Char('a')) + QChar(0xE9) << false;
}

void TestBirthdayInput::nameLength()
{
    QFETCH(QString, name);
    QFETCH(bool, fits);
    QCOMPARE(BirthdayInput::nameFits(name), fits);
}

QTEST_APPLESS_MAIN(TestBirthdayInput)
#include "test_birthdayinput.moc"
