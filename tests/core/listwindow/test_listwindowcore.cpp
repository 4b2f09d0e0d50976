#include "listwindow/controlsarrangement.h"
#include "listwindow/helptopics.h"
#include "listwindow/listdate.h"
#include "listwindow/listviewmode.h"
#include "text/textconv.h"

#include <QRegularExpression>
#include <QTest>

class TestListWindowCore : public QObject
{
    Q_OBJECT
private slots:
    void dateColumn_data();
    void dateColumn();
    void sortOrderIsCaseInsensitiveCompare();
    void storedNames_data();
    void storedNames();
    void helpTopics_data();
    void helpTopics();
    void everyKeyTheWindowsPassHasItsTopic();
    void arrangement_data();
    void arrangement();
};

void TestListWindowCore::dateColumn_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const auto row = [](const char* name, const QLocale& locale, const QString& stored,
                        const char* shown) { QTest::newRow(name) << locale << stored << shown; };
    // Year first, fixed widths: text order is date order.
    row("us christmas 1990", us, TextConv::dateToText(QDate(1990, 12, 25), us), "1990/12/25");
    row("us single digits", us, "3/4/2001", "2001/03/04");
    row("german dots", QLocale(QLocale::German, QLocale::Germany), "25.12.1990", "1990.12.25");
    row("swedish dashes", QLocale(QLocale::Swedish, QLocale::Sweden), "1948-01-09", "1948-01-09");
    row("iso text under us", us, "1975-07-31", "1975/07/31");
    row("no date", us, "not a date", "");
    row("empty", us, "", "");
    row("impossible day", us, "2/30/2001", "");
    row("year below 1000", us, "1/2/0999", "0999/01/02");
}

void TestListWindowCore::dateColumn()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, stored);
    QTEST(ListDate::columnText(stored, locale), "shown");
}

void TestListWindowCore::sortOrderIsCaseInsensitiveCompare()
{
    // The quick order agrees with QString's case-insensitive compare, past the first 16
    // characters and for characters beyond ASCII too (the Kelvin sign folds to k); equal texts
    // keep their order.
    const QStringList texts{"Person 0012 of the list b",
                            "person 0012 of the list a",
                            "Zoe",
                            QStringLiteral("\u00C9mile"),
                            "eve",
                            QStringLiteral("\u212Aate"),
                            "kate",
                            "",
                            "Kate",
                            "zo"};
    QStringList expected = texts;
    std::stable_sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    QStringList sorted;
    for (const qsizetype index : ListViewModes::sortedOrder({texts.cbegin(), texts.cend()}))
        sorted << texts[index];
    QCOMPARE(sorted, expected);
}

void TestListWindowCore::storedNames_data()
{
    // The names layouts of earlier versions hold: exact, letter case and all.
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("mode");    // -1: no view mode
    QTest::addColumn<int>("arrange"); // -1: no arrangement
    const auto row = [](const char* stored, int mode, int arrange = -1) {
        QTest::newRow(*stored ? stored : "(empty)") << stored << mode << arrange;
    };
    row("LargeIcons", int(ListViewMode::LargeIcons));
    row("SmallIcons", int(ListViewMode::SmallIcons));
    row("List", int(ListViewMode::List));
    row("Details", int(ListViewMode::Details));
    row("Name", -1, int(ListArrange::Name));
    row("Date", -1, int(ListArrange::Date));
    row("NextDate", -1, int(ListArrange::NextDate));
    for (const char* other : {"details", "LIST", "List ", "3", "", "date", "Size"})
        row(other, -1);
}

void TestListWindowCore::storedNames()
{
    QFETCH(QString, stored);
    const std::optional<ListViewMode> mode = ListViewModes::fromName(stored);
    const std::optional<ListArrange> arrange = ListViewModes::arrangeFromName(stored);
    QTEST(mode ? int(*mode) : -1, "mode");
    QTEST(arrange ? int(*arrange) : -1, "arrange");
    if (mode)
        QCOMPARE(ListViewModes::name(*mode), stored);
    if (arrange)
        QCOMPARE(ListViewModes::name(*arrange), stored);
}

void TestListWindowCore::helpTopics_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("title"); // "": no topic
    QTest::addColumn<QString>("text");
    QTest::newRow("ok") << "ok"
                        << "OK Button"
                        << "Closes the current window and saves any settings.";
    QTest::newRow("close, which no window passes") << "close"
                                                   << "Close Button"
                                                   << "Closes the current window.";
    QTest::newRow("date") << "date"
                          << "Birthday Date"
                          << "This is the date that the event occurs.  If it is a recurring event "
                             "such as a birthday, that happens every year, it might be convenient "
                             "to set the year as the date of birth of that person.\r\n\r\nTip: "
                             "using the down arrow will show you a calendar.";
    QTest::newRow("notification")
        << "notification"
        << "Notifications"
        << "This window shows you any up-coming events and any events that occur today.  It is "
           "displayed at regular intervals, which can be customised in the Preferences section "
           "of this software.";
    for (const char* unknown : {"OK", "Bdaylist", "ok ", "", "sysinformation"})
        QTest::newRow(qPrintable(QStringLiteral("unknown \"%1\"").arg(unknown))) << unknown << ""
                                                                                 << "";
}

void TestListWindowCore::helpTopics()
{
    QFETCH(QString, key);
    const HelpTopic* topic = HelpTopics::find(key);
    QTEST(QString::fromLatin1(topic ? topic->title : ""), "title");
    QTEST(QString::fromLatin1(topic ? topic->text : ""), "text");
}

void TestListWindowCore::everyKeyTheWindowsPassHasItsTopic()
{
    // With "close" and "sysinfo", which no window passes.
    for (const char* key :
         {"bdaylist", "statusbar", "toolbar", "help", "ok", "cancel", "close", "sysinfo", "name",
          "date", "repeats", "notifyfrom", "alerts", "notification", "confirmdelete", "confirmquit",
          "notifysettings", "alerttime", "specialevents"}) {
        const HelpTopic* topic = HelpTopics::find(QLatin1String(key));
        QVERIFY2(topic && *topic->title && *topic->text, key);
        // Every full stop inside a text is followed by two blanks (the "..." of a title and
        // the line breaks of "date" aside).
        static const QRegularExpression singleBlank(QStringLiteral("\\. (?! )|\\.   "));
        QVERIFY2(!singleBlank.match(QLatin1String(topic->text)).hasMatch(), key);
    }
}

void TestListWindowCore::arrangement_data()
{
    QTest::addColumn<int>("formWidth");
    QTest::addColumn<int>("formHeight");
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("status");
    QTest::addColumn<bool>("toolbar");
    QTest::addColumn<int>("listTop");
    QTest::addColumn<int>("listWidth");
    QTest::addColumn<int>("listHeight");
    QTest::addColumn<int>("helpLeft");

    // Help panel 2700 wide, status bar 300 high, toolbar 450 high; the list was 1000 x 800.
    QTest::newRow("bare") << 7230 << 5340 << false << false << false << 0 << 7130 << 4660 << 4380;
    QTest::newRow("bars") << 7230 << 5340 << false << true << true << 450 << 7130 << 3910 << 4380;
    QTest::newRow("help shown") << 7230 << 5340 << true << true << true << 450 << 4330 << 3910
                                << 4380;
    QTest::newRow("height gone") << 7230 << 1430 << false << true << true << 450 << 7130 << 800
                                 << 4380;
    QTest::newRow("height exactly gone")
        << 7230 << 680 << false << false << false << 0 << 7130 << 800 << 4380;
    QTest::newRow("width exactly gone")
        << 100 << 5340 << false << false << false << 0 << 1000 << 4660 << -2750;
    QTest::newRow("width gone by panel")
        << 2900 << 5340 << true << false << false << 0 << 1000 << 4660 << 50;
    QTest::newRow("one twip left") << 101 << 681 << false << false << false << 0 << 1 << 1 << -2749;
    QTest::newRow("beyond 16 bits")
        << 40000 << 30000 << true << false << false << 0 << 37100 << 29320 << 37150;
}

void TestListWindowCore::arrangement()
{
    QFETCH(int, formWidth);
    QFETCH(int, formHeight);
    QFETCH(bool, help);
    QFETCH(bool, status);
    QFETCH(bool, toolbar);

    const ArrangeResult out = controlsArrangement(
        {formWidth, formHeight, help, 2700, status, 300, toolbar, 450, 1000, 800});
    QTEST(out.listTop, "listTop");
    QTEST(out.listWidth, "listWidth");
    QTEST(out.listHeight, "listHeight");
    QTEST(out.helpLeft, "helpLeft");
    QCOMPARE(out.helpHeight, out.listHeight);
}

QTEST_GUILESS_MAIN(TestListWindowCore)
#include "test_listwindowcore.moc"
