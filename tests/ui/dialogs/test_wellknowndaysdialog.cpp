// The special events: the list as shown, its order and what OK stores, also when a write fails.

#include "dialogfixture.h"

#include <QHeaderView>
#include <QProgressBar>
#include <QTreeWidget>

class TestWellKnownDaysDialog : public DialogTest
{
    Q_OBJECT
    QTreeWidget* list() { return at<QTreeWidget>("lvwSpecialEvents"); }
    // Clicks the named rows in turn, Control held for all but the first.
    void rowsClick(const QStringList& names)
    {
        for (const QString& name : names) {
            QTreeWidgetItem* item = list()->findItems(name, Qt::MatchExactly).value(0);
            list()->scrollToItem(item);
            QTest::mouseClick(list()->viewport(), Qt::LeftButton,
                              name == names[0] ? Qt::NoModifier : Qt::ControlModifier,
                              list()->visualItemRect(item).center());
        }
    }

private Q_SLOTS:
    // The names in the table's order, each with a month\day date (which day: the table's test).
    void specialRowsAsShown()
    {
        const QString names =
            "New Year's Day|Sherlock Holmes Birthday|Baptism of Jesus|World Religion Day|Epiphany|"
            "Martin Luther King Jr. Day|Burn's Night|Groundhog Day|Valentines Day|Lantern Festival|"
            "St. David's Day|International Women's Day|Mothers Day (UK)|St. Patrick's Day|"
            "April Fool's Day|Buddha's Birthday (Korea)|Holocaust Rememberance Day (Israel)|"
            "St. Georges Day|May Day|Mother's Day (US)|Pentecost|Trinity|Dragon Boat Festival|"
            "Father's Day (US, UK)|International Joke Day|Independence Day (US)|"
            "Bastille Day (France)|Friendship Day|Chinese Valentines Day|Ghandi's Birthday|"
            "Oktoberfest|Black Thursday|All Saints' Day|Guy Fawkes Day|World Peace Day|"
            "Children's Day|World AIDS Day|Advent Begins|St. Nicholas Day|Pearl Harbour Day (US)|"
            "Christmas Eve|Christmas Day|Boxing Day|New Year's Eve";
        open("special");
        QStringList shown;
        for (int row = 0; row < list()->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = list()->topLevelItem(row);
            const QString date = item->text(1);
            shown << item->text(0);
            QVERIFY2(date.size() == 5 && date[2] == u'\\' &&
                         QDate(2001, date.left(2).toInt(), date.mid(3).toInt()).isValid(),
                     qPrintable(date));
        }
        QCOMPARE(shown.join(u'|'), names);
        QCOMPARE(list()->visualItemRect(list()->topLevelItem(0)).left(), 0); // a list, no tree
    }

    // Yearly, this year, 10 days ahead, no dialog on the day, no years, no LastDate.
    void specialChristmasDay()
    {
        f->clock.setNow(QDateTime(QDate(2002, 6, 15), QTime(12, 0)));
        open("special");
        rowsClick({"Christmas Day"});
        okClick();
        QCOMPARE(f->catcher.texts, QStringList());
        QCOMPARE(f->onlyRecord(),
                 (QStringList{"Christmas Day", TextConv::dateToText(QDate(2002, 12, 25)), "1", "10",
                              "1", "", "0"}));
    }

    // Added in the order shown, sorted by a heading's click (a second keeps it), not as clicked;
    // days of one date keep the table's order.
    void specialInListOrder_data()
    {
        QTest::addColumn<int>("sortColumn"); // -1: the table's order
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("added"); // the first word of each name
        QTest::newRow("nothing selected") << -1 << 0 << "";
        QTest::newRow("table order") << -1 << 0 << "Sherlock|Baptism|World|Epiphany|Oktoberfest";
        QTest::newRow("by name") << 0 << 2 << "Baptism|Epiphany|Oktoberfest|Sherlock|World";
        QTest::newRow("by date") << 1 << 1 << "Sherlock|Epiphany|Baptism|World|Oktoberfest";
    }
    void specialInListOrder()
    {
        QFETCH(int, sortColumn);
        QFETCH(int, clicks);
        QFETCH(QString, added);
        open("special");
        QHeaderView* header = list()->header();
        for (int click = 0; click < clicks; ++click)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              {header->sectionViewportPosition(sortColumn) + 10, 5});
        if (!added.isEmpty())
            rowsClick({"Oktoberfest", "Epiphany", "World Religion Day", "Baptism of Jesus",
                       "Sherlock Holmes Birthday"});
        okClick();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(at<QProgressBar>("objProgress")->text(), "100%"); // every row gone through
        QCOMPARE(f->names().replaceInStrings(QRegularExpression(" .*"), "").join(u'|'), added);
    }

    // A full disk: the rows before stay added, the rest aren't tried, the user learns how many.
    void specialStoreFailure_data()
    {
        rows<Failure>({{"none", {100, "None of the 2 selected events could be added.\n\n", {}}},
                       {"one",
                        {400,
                         "Only 1 of the 2 selected events were added; the rest could "
                         "not be added.\n\n",
                         {"Pentecost"}}}});
    }
    void specialStoreFailure()
    {
        QFETCH(Failure, row);
        open("special");
        rowsClick({"Pentecost", "Trinity"});
        {
            FileSizeLimit limit(row.room);
            okClick();
        }
        QCOMPARE(f->catcher.texts.size(), 1);
        QVERIFY2(f->catcher.texts[0].startsWith(row.message), qPrintable(f->catcher.texts[0]));
        QVERIFY(f->catcher.texts[0].size() > row.message.size()); // the store's reason
        QVERIFY(!dialog->isVisible());
        QCOMPARE(f->names(), row.added);
    }
};

QTEST_MAIN(TestWellKnownDaysDialog)
#include "test_wellknowndaysdialog.moc"
