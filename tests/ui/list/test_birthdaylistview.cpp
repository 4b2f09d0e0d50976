#include "ui/list/birthdaylistview.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

using Row = BirthdayListModel::Row;

namespace {

QStringList names(const BirthdayListModel& model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.index(row, 0).data().toString());
    return texts;
}

} // namespace

class TestBirthdayListView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // One digit system a row, the locale's: Arabic-Indic digits in every column of an Arabic
    // row, Latin ones in an English row. An Arabic date (right-to-left marks in its separators)
    // is isolated with its own direction, so a list of either direction shows it whole; a
    // left-to-right date is left.
    void oneDigitSystemARow()
    {
        const QLocale before;
        for (const QLocale::Language language : {QLocale::Arabic, QLocale::English}) {
            QLocale::setDefault(QLocale(language));
            BirthdayListModel model;
            Row row{0, "Ann", QDate(1990, 12, 7)};
            row.setNext(NextEvent{0, "Ann", {QDate(2026, 12, 10), 3, 36}, true});
            model.setRows({row});
            const QString date = model.index(0, BirthdayListModel::DateColumn).data().toString();
            QCOMPARE(date.startsWith(u'\u2068') && date.endsWith(u'\u2069'),
                     language == QLocale::Arabic);
            const char16_t zero = language == QLocale::Arabic ? u'\u0660' : u'0';
            for (int column = BirthdayListModel::DateColumn; column <= BirthdayListModel::AgeColumn;
                 ++column) {
                const QString text = model.index(0, column).data().toString();
                int digits = 0;
                for (const QChar c : text) {
                    if (c.isDigit()) {
                        QVERIFY2(c.unicode() - zero >= 0 && c.unicode() - zero <= 9,
                                 qPrintable(QString::number(column) + ": " + text));
                        ++digits;
                    }
                }
                QVERIFY2(digits > 0, qPrintable(text));
            }
        }
        QLocale::setDefault(before);
    }

    // An event kept in another calendar shows its day there (in numbers where ICU has no words
    // for the months), and its date beside it in the tip. Rows go by name: Ann, then Yahrzeit.
    void otherCalendarDayAsTheDate()
    {
        BirthdayListModel model;
        Row row{0, "Yahrzeit", QDate(2027, 4, 29)};
        row.record.rule = YearlyRule::inCalendar(YearlyRule::Calendar::Hebrew, 8, 22);
        model.setRows({row, {1, "Ann", QDate(2027, 4, 29)}});
        const QString day = model.index(1, BirthdayListModel::DateColumn).data().toString();
        QVERIFY2(day == "22 Nisan" || day == "day 22 of month 8", qPrintable(day));
        QCOMPARE(model.index(1, BirthdayListModel::DateColumn).data(Qt::ToolTipRole).toString(),
                 model.index(0, BirthdayListModel::DateColumn).data().toString() + " (" + day +
                     ")");
    }

    void sortedByColumnText_data()
    {
        QTest::addColumn<int>("arrange");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<int>("arrow"); // the column whose header shows the sort
        QTest::newRow("by name, any case")
            << int(ListArrange::Name) << QStringList{"abe", "Abe", "Bea", "cid", "Dot"} << 0;
        QTest::newRow("by date, no date first")
            << int(ListArrange::Date) << QStringList{"Bea", "cid", "abe", "Abe", "Dot"} << 1;
        QTest::newRow("by next date, then name, none last")
            << int(ListArrange::NextDate) << QStringList{"cid", "abe", "Abe", "Dot", "Bea"} << 2;
        QTest::newRow("by age, then name, none last")
            << int(ListArrange::Age) << QStringList{"Dot", "abe", "Abe", "Bea", "cid"} << 4;
    }

    void sortedByColumnText()
    {
        QFETCH(int, arrange);
        BirthdayListView view;
        view.setArrange(ListArrange(arrange));
        QTEST(view.header()->sortIndicatorSection(), "arrow");
        QVERIFY(view.header()->isSortIndicatorShown());
        BirthdayListModel& model = *view.model();
        // Equal texts keep the order of the file.
        QList<Row> rows{{0, "Dot", QDate(2001, 1, 1)},
                        {1, "abe", QDate(1999, 5, 5)},
                        {2, "cid", QDate(1950, 12, 31)},
                        {3, "Abe", QDate(1999, 5, 5)},
                        {4, "Bea"}};
        const qint64 nextDays[] = {40, 3, 0, 3, -1};
        const int ages[] = {25, 30, 0, 30, -1}; // 0: no age shown, -1: nothing coming
        for (int i = 0; i < rows.size(); ++i) {
            if (ages[i] >= 0)
                rows[i].setNext(NextEvent{i, rows[i].name, {QDate(), 0, ages[i]}, ages[i] > 0});
            rows[i].nextDays = nextDays[i];
        }
        model.setRows(rows);
        QTEST(names(model), "order");
    }

    // A new arrangement or filter keeps the selection on the same events; an event the filter
    // hides leaves the selection, so no command acts on it unseen. A refill forgets it all.
    void selectionFollowsTheRows()
    {
        BirthdayListView view;
        view.model()->setRows(
            {{0, "Ann", QDate(2000, 1, 1)}, {1, "Bob", QDate(1990, 1, 1)}, {2, "Jo"}});
        QItemSelectionModel* selection = view.selectionModel();
        selection->setCurrentIndex(view.model()->index(2, 0), QItemSelectionModel::Select);
        selection->setCurrentIndex(view.model()->index(0, 0), QItemSelectionModel::Select);
        view.setArrange(ListArrange::Date);
        QCOMPARE(names(*view.model()), (QStringList{"Jo", "Bob", "Ann"}));
        QCOMPARE(view.header()->sortIndicatorSection(), 1);
        QCOMPARE(view.currentRow(), 2);
        QCOMPARE(view.selectedRows(), (QList<int>{0, 2}));
        // Ctrl+click on the current item takes it out: the other selected one stands in.
        selection->setCurrentIndex(view.model()->index(2, 0), QItemSelectionModel::Deselect);
        QCOMPARE(view.currentRow(), 0);
        selection->select(view.model()->index(2, 0), QItemSelectionModel::Select);
        view.model()->setFilter("NN"); // inside the name, either case
        QCOMPARE(names(*view.model()), QStringList{"Ann"});
        view.model()->setFilter("");
        QCOMPARE(view.selectedRows(), QList<int>{2});
        // The details select whole rows, which count once; both views share the selection.
        view.setViewMode(ListViewMode::Details);
        view.detailsView()->selectionModel()->select(
            view.model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(view.selectedRows(), (QList<int>{1, 2}));
        view.model()->setRows({{0, "Ann"}});
        QCOMPARE(view.currentRow(), -1);
        QVERIFY(view.selectedRows().isEmpty());
    }

    // A refill with the same events keeps the selection and where each view was scrolled to;
    // the details' columns widen to their texts and fill the view until the user sizes one.
    void refillKeepsSelectionScrollingAndWidths()
    {
        BirthdayListView view;
        view.resize(500, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QList<Row> rows(300);
        for (int key = 0; key < 300; ++key)
            rows[key].key = rows[key].record.key = key;
        rows[0].setNext(NextEvent{0, "", {QDate(2026, 12, 10), 36499, 100}, true});
        view.replaceRows(rows);
        QVERIFY(view.header()->sectionSize(BirthdayListModel::InColumn) > 80); // "in 36499 days"
        view.setViewMode(ListViewMode::Details); // the name takes the room the others leave
        QCOMPARE(view.header()->length(), view.detailsView()->viewport()->width());
        view.header()->resizeSection(BirthdayListModel::InColumn, 30);
        view.selectRow(150);
        for (const ListViewMode mode : {ListViewMode::List, ListViewMode::Details}) {
            view.setViewMode(mode);
            auto* shown = qobject_cast<QAbstractItemView*>(view.activeView());
            const auto scrolled = [shown] {
                return QPoint(shown->horizontalScrollBar()->value(),
                              shown->verticalScrollBar()->value());
            };
            shown->scrollTo(view.model()->index(200, 0), QAbstractItemView::PositionAtTop);
            const QPoint before = scrolled();
            view.replaceRows(rows);
            QVERIFY(before != QPoint());
            QCOMPARE(scrolled(), before);
            QCOMPARE(view.selectedRows(), QList<int>{150});
        }
        QCOMPARE(view.header()->sectionSize(BirthdayListModel::InColumn), 30);
        QVERIFY(view.header()->length() < view.detailsView()->viewport()->width()); // none widened
        rows[150].record.setValue(BirthdayRecord::Name, "Renamed");
        view.replaceRows(rows);
        QVERIFY(view.selectedRows().isEmpty()); // renamed meanwhile: no longer the one chosen
    }

    // What each view mode does with a list longer than the view: where the next item goes,
    // that the lines wrap, the size of the icons; every name in a cell of the same size.
    void viewModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("details"); // the table with its headers, else the icon view
        QTest::addColumn<QString>("next"); // where the second item lies
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("lines"); // of a long name
        QTest::newRow("large icons")
            << int(ListViewMode::LargeIcons) << false << "right" << 32 << 2;
        QTest::newRow("small icons")
            << int(ListViewMode::SmallIcons) << false << "right" << 16 << 1;
        QTest::newRow("list") << int(ListViewMode::List) << false << "below" << 16 << 1;
        QTest::newRow("details") << int(ListViewMode::Details) << true << "below" << 16 << 1;
    }

    void viewModes()
    {
        QFETCH(int, mode);
        QFETCH(QString, next);
        BirthdayListView view;
        view.resize(600, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QList<Row> rows{{0, "Aaron Bartholomew Montgomery-Fitzgerald of Westminster Abbey"}};
        for (int key = 1; key < 60; ++key)
            rows.append({key, QStringLiteral("Name %1").arg(key, 2, 10, QChar('0'))});
        view.model()->setRows(rows);
        view.setViewMode(ListViewMode(mode));
        auto* shown = qobject_cast<QAbstractItemView*>(view.activeView());
        QTEST(shown == view.detailsView(), "details");
        QTEST(shown->iconSize().height(), "icon");
        const QRect first = shown->visualRect(view.model()->index(0, 0));
        const QRect second = shown->visualRect(view.model()->index(1, 0));
        QCOMPARE(second.top() > first.top()     ? "below"
                 : second.left() > first.left() ? "right"
                                                : "?",
                 next);
        QFETCH(int, lines);
        QVERIFY(first.height() >= lines * view.fontMetrics().lineSpacing() + (lines - 1) * 32);
        if (shown == view.detailsView())
            return;
        // A later item starts a new line beside the first (or a new column below it).
        bool wrapped = false;
        for (int row = 1; row < rows.size(); ++row) {
            const QRect item = shown->visualRect(view.model()->index(row, 0));
            QCOMPARE(item.size(), first.size());
            QVERIFY(!item.intersects(first));
            wrapped |= next == "right" ? item.left() == first.left() : item.top() == first.top();
        }
        QVERIFY(wrapped);
        QVERIFY(first.width() <= view.iconView()->gridSize().width());
    }
};

QTEST_MAIN(TestBirthdayListView)
#include "test_birthdaylistview.moc"
