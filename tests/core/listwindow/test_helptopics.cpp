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
    QTest::newRow("statusbar") << "statusbar"
                               << "Status Bar"
                               << "The status bar notifies you of any events"
                               << "that occur during operation.";
    QTest::newRow("toolbar") << "toolbar"
                             << "Toolbar"
                             << "The toolbar provides you with a quick and easy way"
                             << "Candlewatcher software.  Hold your mouse over any button to "
                                "see a description of what it does.";
    QTest::newRow("help") << "help"
                          << "Interactive Help"
                          << "Interactive Help provides information on any part of this "
                             "product.  Simply move"
                          << "what it is and how to use it.";
    QTest::newRow("ok") << "ok"
                        << "OK Button"
                        << "Closes the current window and saves"
                        << "any settings.";
    QTest::newRow("cancel") << "cancel"
                            << "Cancel Button"
                            << "Closes the current window without saving"
                            << "any settings.";
    QTest::newRow("close") << "close"
                           << "Close Button"
                           << "Closes the current window."
                           << "Closes the current window.";
    QTest::newRow("sysinfo") << "sysinfo"
                             << "System Information"
                             << "Shows you information about your computer."
                             << "about your computer.";
    QTest::newRow("name") << "name"
                          << "Birthday Name"
                          << "A documentary name chosen by you which represents the event.  "
                             "For example, Fred's Birthday, or Rita's Anniversary.  Names"
                          << "it is recommended that they are.";
    QTest::newRow("date") << "date"
                          << "Birthday Date"
                          << "This is the date that the event occurs.  If it is a recurring"
                          << "Tip: using the down arrow will show you a calendar.";
    QTest::newRow("repeats") << "repeats"
                             << "Recurs Every Year"
                             << "If you select this option then you will be reminded"
                             << "only be reminded on the exact date that you entered.";
    QTest::newRow("notifyfrom") << "notifyfrom"
                                << "Notify From..."
                                << "This sets the number of days before the event"
                                << "lasts for 10 seconds.  It can be configured in the "
                                   "Preferences section of this software.";
    QTest::newRow("alerts") << "alerts"
                            << "Alert"
                            << "Allows you to configure how you want to be warned"
                            << "on the day of an event.";
    QTest::newRow("notification") << "notification"
                                  << "Notifications"
                                  << "This window shows you any up-coming events and any "
                                     "events that occur today.  It is displayed"
                                  << "customised in the Preferences section of this software.";
    QTest::newRow("confirmdelete") << "confirmdelete"
                                   << "Confirm Delete"
                                   << "If this is checked then you will be asked"
                                   << "before you can delete any birthdays.";
    QTest::newRow("confirmquit") << "confirmquit"
                                 << "Confirm Quit"
                                 << "If this is checked then you will be asked if you are sure "
                                    "before you can quit Candlewatcher.  Quitting"
                                 << "will mean you are not notified of any events.";
    QTest::newRow("notifysettings") << "notifysettings"
                                    << "Notification Settings"
                                    << "These allow you to set when the notification window "
                                       "appears.  The notification window is a small box"
                                    << "will not appear, regardless of the settings you choose.";
    QTest::newRow("alerttime") << "alerttime"
                               << "Alerts Time"
                               << "If you have set for an alert to occur on the day"
                               << "configure here what time you want it to appear.";
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
