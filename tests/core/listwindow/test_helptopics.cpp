#include "listwindow/helptopics.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestHelpTopics : public QObject
{
    Q_OBJECT
private slots:
    void lookup_data();
    void lookup();
    void unknownKeys_data();
    void unknownKeys();
    void tableShape();
    void dateTextHasTipOnItsOwnLine();
};

void TestHelpTopics::lookup_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("textStart");
    QTest::addColumn<QString>("textEnd");

    QTest::newRow("bdaylist") << "bdaylist"
                              << "Birthdays List"
                              << "The Birthdays List contains all of your current birthday "
                                 "items.  Double click"
                              << "options such as delete or duplicate.";
    QTest::newRow("ok") << "ok"
                        << "OK Button"
                        << "Closes the current window and saves"
                        << "any settings.";
    QTest::newRow("close, which no window passes") << "close"
                                                   << "Close Button"
                                                   << "Closes the current window."
                                                   << "Closes the current window.";
    QTest::newRow("date") << "date"
                          << "Birthday Date"
                          << "This is the date that the event occurs.  If it is a recurring"
                          << "Tip: using the down arrow will show you a calendar.";
    QTest::newRow("specialevents") << "specialevents"
                                   << "Special Events"
                                   << "In this box is a list of regularly used events.  Select"
                                   << "- you can use Shift or Control to select more than one "
                                      "item at a time - and then click on OK.  You will be "
                                      "notified of the events when they occur.";
}

void TestHelpTopics::lookup()
{
    QFETCH(QString, key);
    QFETCH(QString, title);
    QFETCH(QString, textStart);
    QFETCH(QString, textEnd);
    const HelpTopic* topic = HelpTopics::find(key);
    QVERIFY(topic);
    QCOMPARE(QString::fromLatin1(topic->title), title);
    const QString text = QString::fromLatin1(topic->text);
    QVERIFY2(text.startsWith(textStart), qPrintable(text));
    QVERIFY2(text.endsWith(textEnd), qPrintable(text));
}

void TestHelpTopics::unknownKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("capitals") << "OK";
    QTest::newRow("first capital") << "Bdaylist";
    QTest::newRow("blank after") << "ok ";
    QTest::newRow("empty") << "";
    QTest::newRow("not in table") << "sysinformation";
}

void TestHelpTopics::unknownKeys()
{
    QFETCH(QString, key);
    QCOMPARE(HelpTopics::find(key), nullptr);
}

void TestHelpTopics::tableShape()
{
    QCOMPARE(HelpTopics::all().size(), std::size_t(19));
    QSet<QString> keys;
    for (const HelpTopic& topic : HelpTopics::all()) {
        keys.insert(QString::fromLatin1(topic.key));
        const QString text = QString::fromLatin1(topic.text);
        // Every full stop inside a text is followed by two blanks (the "..." of a title and
        // the line breaks of "date" aside).
        static const QRegularExpression singleBlank(QStringLiteral("\\. (?! )"));
        QVERIFY2(!singleBlank.match(text).hasMatch(), topic.key);
        QVERIFY2(!text.contains(QLatin1String(".   ")), topic.key);
    }
    QCOMPARE(keys.size(), 19);
    // Every key a window passes, and the two no window passes.
    const QStringList wanted{
        "bdaylist",    "statusbar",      "toolbar",   "help",         "ok",
        "cancel",      "close",          "sysinfo",   "name",         "date",
        "repeats",     "notifyfrom",     "alerts",    "notification", "confirmdelete",
        "confirmquit", "notifysettings", "alerttime", "specialevents"};
    for (const QString& key : wanted)
        QVERIFY2(HelpTopics::find(key), qPrintable(key));
}

void TestHelpTopics::dateTextHasTipOnItsOwnLine()
{
    const QString text = QString::fromLatin1(HelpTopics::find(QStringLiteral("date"))->text);
    const QStringList parts = text.split(QStringLiteral("\r\n"));
    QCOMPARE(parts.size(), 3);
    QVERIFY(parts.at(0).endsWith(QLatin1String("the date of birth of that person.")));
    QCOMPARE(parts.at(1), QString());
    QCOMPARE(parts.at(2), QStringLiteral("Tip: using the down arrow will show you a calendar."));
}

QTEST_GUILESS_MAIN(TestHelpTopics)
#include "test_helptopics.moc"
