#include "help/helphook.h"
#include "listwindow/birthdaylistview.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using Row = BirthdayListModel::Row;

namespace {

QStringList names(const BirthdayListModel& model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.row(row).name);
    return texts;
}

} // namespace

class TestBirthdayListView : public QObject
{
    Q_OBJECT
private slots:
    void itemKeys_data();
    void itemKeys();
    void sortedByColumnText_data();
    void sortedByColumnText();
    void selectionFollowsResort();
    void filterHidesAndDeselects();
    void currentItemIsLastSelected();
    void viewsShareSelection();
    void helpHookReachesViewports();
    void namesKeepTheirCells();
};

void TestBirthdayListView::itemKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("itemKey");
    QTest::newRow("0") << 0 << "key0";
    QTest::newRow("12") << 12 << "key12";
    QTest::newRow("1275") << 1275 << "key1275";
}

void TestBirthdayListView::itemKeys()
{
    QFETCH(int, key);
    QFETCH(QString, itemKey);
    QCOMPARE(BirthdayListModel::itemKey(key), itemKey);
    QCOMPARE(BirthdayListModel::recordKeyOf(itemKey), key);
    BirthdayListModel model;
    model.setRows({{key, QStringLiteral("Ann"), QDate(1990, 1, 1)}});
    QCOMPARE(model.index(0, 0).data(BirthdayListModel::ItemKeyRole).toString(), itemKey);
}

void TestBirthdayListView::sortedByColumnText_data()
{
    QTest::addColumn<int>("arrange");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("by name, any case")
        << int(ListArrange::Name) << QStringList{"abe", "Abe", "Bea", "cid", "Dot"};
    QTest::newRow("by date, no date first")
        << int(ListArrange::Date) << QStringList{"Bea", "cid", "abe", "Abe", "Dot"};
    QTest::newRow("by next date, then name, none last")
        << int(ListArrange::NextDate) << QStringList{"cid", "abe", "Abe", "Dot", "Bea"};
}

void TestBirthdayListView::sortedByColumnText()
{
    QFETCH(int, arrange);
    QFETCH(QStringList, order);
    BirthdayListModel model;
    model.setSortColumn(ListArrange(arrange));
    // Equal texts keep the order of the file.
    QList<Row> rows{{0, "Dot", QDate(2001, 1, 1)},
                    {1, "abe", QDate(1999, 5, 5)},
                    {2, "cid", QDate(1950, 12, 31)},
                    {3, "Abe", QDate(1999, 5, 5)},
                    {4, "Bea"}};
    const qint64 nextDays[] = {40, 3, 0, 3, -1};
    for (int i = 0; i < rows.size(); ++i)
        rows[i].nextDays = nextDays[i];
    model.setRows(rows);
    QCOMPARE(names(model), order);
}

void TestBirthdayListView::selectionFollowsResort()
{
    BirthdayListView view;
    view.model()->setRows({{0, "Ann", QDate(2000, 1, 1)}, {1, "Bob", QDate(1990, 1, 1)}});
    view.selectionModel()->setCurrentIndex(view.model()->index(0, 0), QItemSelectionModel::Select);
    QCOMPARE(view.currentRow(), 0);
    view.setArrange(ListArrange::Date);
    QCOMPARE(names(*view.model()), (QStringList{"Bob", "Ann"}));
    // Still Ann.
    QCOMPARE(view.currentRow(), 1);
    QCOMPARE(view.selectedRows(), QList<int>{1});
    QCOMPARE(view.header()->sortIndicatorSection(), 1);
}

void TestBirthdayListView::filterHidesAndDeselects()
{
    BirthdayListView view;
    view.model()->setRows({{0, "Ann"}, {1, "Bob"}, {2, "Joanna"}});
    view.selectionModel()->select(view.model()->index(0, 0), QItemSelectionModel::Select);
    view.selectionModel()->setCurrentIndex(view.model()->index(2, 0), QItemSelectionModel::Select);
    view.model()->setFilter("JO");
    // Ann is hidden and no longer selected: no command may act on it unseen.
    QCOMPARE(names(*view.model()), QStringList{"Joanna"});
    QCOMPARE(view.selectedRows(), QList<int>{0});
    QCOMPARE(view.model()->row(view.currentRow()).key, 2);
    view.model()->setFilter("");
    QCOMPARE(view.itemCount(), 3);
}

void TestBirthdayListView::currentItemIsLastSelected()
{
    BirthdayListView view;
    view.model()->setRows({{0, "A"}, {1, "B"}, {2, "C"}});
    QCOMPARE(view.currentRow(), -1);
    QItemSelectionModel* selection = view.selectionModel();
    selection->setCurrentIndex(view.model()->index(2, 0), QItemSelectionModel::Select);
    selection->setCurrentIndex(view.model()->index(0, 0), QItemSelectionModel::Select);
    QCOMPARE(view.currentRow(), 0);
    QCOMPARE(view.selectedRows(), (QList<int>{0, 2}));
    // Ctrl+click on the current item takes it out: the other selected one stands in.
    selection->setCurrentIndex(view.model()->index(0, 0), QItemSelectionModel::Deselect);
    QCOMPARE(view.currentRow(), 2);
    // A refill forgets everything.
    view.model()->setRows({{0, "A"}});
    QCOMPARE(view.currentRow(), -1);
    QVERIFY(view.selectedRows().isEmpty());
}

void TestBirthdayListView::viewsShareSelection()
{
    BirthdayListView view;
    view.model()->setRows({{0, "A"}, {1, "B"}});
    view.iconView()->selectionModel()->select(view.model()->index(1, 0),
                                              QItemSelectionModel::Select);
    view.setViewMode(ListViewMode::Details);
    QCOMPARE(view.detailsView()->selectionModel(), view.iconView()->selectionModel());
    QCOMPARE(view.selectedRows(), QList<int>{1});
    // A whole row selected in the details counts once.
    view.detailsView()->selectionModel()->select(
        view.model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(view.selectedRows(), (QList<int>{0, 1}));
}

void TestBirthdayListView::helpHookReachesViewports()
{
    QStringList keys;
    const HelpSink sink = [&keys](const QString& key) { keys.append(key); };
    QWidget window;
    auto* edit = new QPlainTextEdit(&window);
    auto* line = new QLineEdit(&window);
    line->move(0, 150);
    helpHook(edit, QStringLiteral("name"), sink);
    helpHook(line, QStringLiteral("date"), sink);
    helpHook(line, QStringLiteral("never"), HelpSink());
    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    keys.clear();
    QTest::mouseMove(edit->viewport(), QPoint(3, 3));
    QVERIFY(!keys.isEmpty());
    QCOMPARE(keys.last(), QStringLiteral("name"));
    // Moving on inside the text: no new Enter, the moves themselves count.
    keys.clear();
    QTest::mouseMove(edit->viewport(), QPoint(40, 30));
    QCOMPARE(keys, QStringList{"name"});
    QTest::mouseMove(line, QPoint(3, 3));
    QCOMPARE(keys.last(), QStringLiteral("date"));
    QVERIFY(!keys.contains(QStringLiteral("never")));
}

void TestBirthdayListView::namesKeepTheirCells()
{
    BirthdayListView view;
    view.resize(600, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QString longName = "Aaron Bartholomew Montgomery-Fitzgerald of Westminster Abbey";
    for (ListViewMode mode : {ListViewMode::LargeIcons, ListViewMode::SmallIcons}) {
        view.setViewMode(mode);
        QListView* icons = view.iconView();
        QSize itemSize;
        // Whichever name comes first, every item gets the same room, inside its own cell.
        for (const QList<Row>& rows : {QList<Row>{{0, "Ann"}, {1, "Christmas Day"}},
                                       QList<Row>{{0, "Christmas Eve"}, {1, longName}},
                                       QList<Row>{{0, longName}, {1, "Zed"}}}) {
            view.model()->setRows(rows);
            const QRect first = icons->visualRect(view.model()->index(0, 0));
            const QRect second = icons->visualRect(view.model()->index(1, 0));
            QCOMPARE(second.size(), first.size());
            QCOMPARE(itemSize.isValid() ? itemSize : first.size(), first.size());
            itemSize = first.size();
            QVERIFY(!first.intersects(second));
            QVERIFY(first.width() <= icons->gridSize().width());
        }
        // Large icons: the icon and two lines of the name.
        if (mode == ListViewMode::LargeIcons)
            QVERIFY(itemSize.height() >= 32 + 2 * icons->fontMetrics().lineSpacing());
    }
}

QTEST_MAIN(TestBirthdayListView)
#include "test_birthdaylistview.moc"
