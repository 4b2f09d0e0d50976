#include "core/events/birthdayinput.h"

#include <QTest>

class TestBirthdayInput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A decimal number as a whole, with optional sign, point and blanks around, of zero or more.
    void notifyText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        const std::pair<const char*, bool> rows[] = {
            {"0", true},   {"99", true},  {" 5", true},   {"5 ", true},     {".5", true},
            {"5.", true},  {"+5", true},  {"-0", true},   {"-1", false},    {"-.5", false},
            {"", false},   {"  ", false}, {".", false},   {"-", false},     {"ab", false},
            {"5a", false}, {"5-", false}, {"1 2", false}, {"\u0665", false}};
        for (const auto& [text, accepted] : rows)
            QTest::addRow("'%s'", text) << QString::fromUtf8(text) << accepted;
    }
    void notifyText()
    {
        QFETCH(QString, text);
        QTEST(BirthdayInput::notifyTextValid(text), "accepted");
    }
};

QTEST_APPLESS_MAIN(TestBirthdayInput)
#include "test_birthdayinput.moc"
