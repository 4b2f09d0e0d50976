#include "listwindow/controlsarrangement.h"
#include "listwindow/listdate.h"
#include "listwindow/listviewmode.h"
#include "text/textconv.h"

#include <QTest>

class TestListWindowCore : public QObject
{
    Q_OBJECT
private slots:
    void dateColumn_data();
    void dateColumn();
    void dateColumnSortsByFullDate();
    void sortOrderIsCaseInsensitiveCompare();
    void viewModeNames_data();
    void viewModeNames();
    void arrangeNames_data();
    void arrangeNames();
    void arrangement_data();
    void arrangement();
};

void TestListWindowCore::dateColumn_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale iso(QLocale::Swedish, QLocale::Sweden);
    QTest::newRow("us christmas 1990")
        << us << TextConv::dateToText(QDate(1990, 12, 25), us) << "1990/12/25";
    QTest::newRow("us single digits") << us << "3/4/2001"
                                      << "2001/03/04";
    QTest::newRow("german dots") << de << TextConv::dateToText(QDate(1990, 12, 25), de)
                                 << "1990.12.25";
    QTest::newRow("swedish dashes")
        << iso << TextConv::dateToText(QDate(1948, 1, 9), iso) << "1948-01-09";
    QTest::newRow("iso text under us") << us << "1975-07-31"
                                       << "1975/07/31";
    QTest::newRow("no date") << us << "not a date"
                             << "";
    QTest::newRow("empty") << us << ""
                           << "";
    QTest::newRow("impossible day") << us << "2/30/2001"
                                    << "";
    QTest::newRow("year below 1000") << us << "1/2/0999"
                                     << "0999/01/02";
}

void TestListWindowCore::dateColumn()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(ListDate::columnText(stored, locale), shown);
}

void TestListWindowCore::dateColumnSortsByFullDate()
{
    // Year first, fixed widths: text order is date order.
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QList<QDate> dates{{2001, 1, 2}, {1999, 12, 31}, {2001, 10, 1}, {2001, 2, 1}};
    QStringList texts;
    for (const QDate& date : dates)
        texts.append(ListDate::columnText(TextConv::dateToText(date, us), us));
    texts.sort();
    QCOMPARE(texts, (QStringList{"1999/12/31", "2001/01/02", "2001/02/01", "2001/10/01"}));
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

void TestListWindowCore::viewModeNames_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("mode"); // -1: none

    QTest::newRow("LargeIcons") << "LargeIcons" << int(ListViewMode::LargeIcons);
    QTest::newRow("SmallIcons") << "SmallIcons" << int(ListViewMode::SmallIcons);
    QTest::newRow("List") << "List" << int(ListViewMode::List);
    QTest::newRow("Details") << "Details" << int(ListViewMode::Details);
    QTest::newRow("lower case") << "details" << -1;
    QTest::newRow("upper case") << "LIST" << -1;
    QTest::newRow("trailing blank") << "List " << -1;
    QTest::newRow("number") << "3" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestListWindowCore::viewModeNames()
{
    QFETCH(QString, stored);
    QFETCH(int, mode);
    const std::optional<ListViewMode> found = ListViewModes::fromName(stored);
    QCOMPARE(found ? int(*found) : -1, mode);
    if (found)
        QCOMPARE(ListViewModes::name(*found), stored);
}

void TestListWindowCore::arrangeNames_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("arrange");
    QTest::newRow("Name") << "Name" << int(ListArrange::Name);
    QTest::newRow("Date") << "Date" << int(ListArrange::Date);
    QTest::newRow("lower case") << "date" << -1;
    QTest::newRow("other") << "Size" << -1;
}

void TestListWindowCore::arrangeNames()
{
    QFETCH(QString, stored);
    QFETCH(int, arrange);
    const std::optional<ListArrange> found = ListViewModes::arrangeFromName(stored);
    QCOMPARE(found ? int(*found) : -1, arrange);
    if (found)
        QCOMPARE(ListViewModes::name(*found), stored);
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

    ArrangeInput in;
    in.formWidth = formWidth;
    in.formHeight = formHeight;
    in.helpVisible = help;
    in.helpWidth = 2700;
    in.statusBarVisible = status;
    in.statusBarHeight = 300;
    in.toolbarVisible = toolbar;
    in.toolbarHeight = 450;
    in.listWidth = 1000;
    in.listHeight = 800;
    const ArrangeResult out = controlsArrangement(in);

    QTEST(out.listTop, "listTop");
    QTEST(out.listWidth, "listWidth");
    QTEST(out.listHeight, "listHeight");
    QTEST(out.helpLeft, "helpLeft");
    QCOMPARE(out.helpHeight, out.listHeight);
}

QTEST_GUILESS_MAIN(TestListWindowCore)
#include "test_listwindowcore.moc"
