#include "dialogtesting.h"

#include "app/clock.h"
#include "dialogs/wellknowndays.h"
#include "dialogs/wellknowndaysdialog.h"
#include "store/birthdaystore.h"
#include "text/textconv.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <memory>

class TestWellKnownDaysDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void captionsAndControls();
    void tableRowsInOrder();
    void nothingSelected();
    void christmasDayInFixedYear();
    void threeRowsUnderSmallestKeys();
    void columnClickSorts_data();
    void columnClickSorts();
    void sortedListWritesInShownOrder();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void storeErrorBeforeFirstRow();
    void keyLimitStopsPartWay();
    void helpHooks_data();
    void helpHooks();

private:
    std::unique_ptr<WellKnownDaysDialog> dialogOpen();
    QTreeWidget* list() const
    {
        return m_dialog->findChild<QTreeWidget*>(QStringLiteral("lvwSpecialEvents"));
    }
    // Clicks the row, with Control held to add it to the selection.
    void rowClick(int row, bool control)
    {
        QTreeWidgetItem* item = list()->topLevelItem(row);
        list()->scrollToItem(item);
        const QRect rect = list()->visualItemRect(item);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton,
                          control ? Qt::ControlModifier : Qt::NoModifier, rect.center());
    }
    void okClick()
    {
        QTest::mouseClick(m_dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                          Qt::LeftButton);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    std::unique_ptr<BirthdayStore> m_store;
    std::unique_ptr<FixedClock> m_clock;
    WellKnownDaysDialog* m_dialog = nullptr;
    QStringList m_help;
};

void TestWellKnownDaysDialog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("birthday.dat"));
    m_store = std::make_unique<BirthdayStore>(m_path);
    m_clock = std::make_unique<FixedClock>(QDateTime(QDate(2002, 6, 15), QTime(12, 0)));
    m_help.clear();
}

void TestWellKnownDaysDialog::cleanup()
{
    m_dialog = nullptr;
    m_store.reset();
    m_dir.reset();
}

std::unique_ptr<WellKnownDaysDialog> TestWellKnownDaysDialog::dialogOpen()
{
    auto dialog = std::make_unique<WellKnownDaysDialog>(*m_store, *m_clock,
                                                        [this](const QString& k) { m_help << k; });
    m_dialog = dialog.get();
    dialog->show();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        qWarning("dialog not active");
    return dialog;
}

void TestWellKnownDaysDialog::captionsAndControls()
{
    auto dialog = dialogOpen();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Special Events"));
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblSpecialEvents"))->text(),
             QStringLiteral("Please select any dates you want to add.  Use the Control key to "
                            "select more than one."));
    QCOMPARE(list()->headerItem()->text(0), QStringLiteral("Event Name"));
    QCOMPARE(list()->headerItem()->text(1), QStringLiteral("Event Date"));
    QCOMPARE(list()->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->isDefault());
    QVERIFY(!dialog->findChild<QProgressBar*>(QStringLiteral("objProgress"))->isVisible());
    QVERIFY(list()->selectedItems().isEmpty());
}

// The list holds the table's rows in its own order, keyed "key1" to "key44".
void TestWellKnownDaysDialog::tableRowsInOrder()
{
    auto dialog = dialogOpen();
    const auto& table = WellKnownDays::table();
    QCOMPARE(list()->topLevelItemCount(), int(table.size()));
    for (int row = 0; row < int(table.size()); ++row) {
        const QTreeWidgetItem* item = list()->topLevelItem(row);
        QCOMPARE(item->text(0), table[size_t(row)].nameText());
        QCOMPARE(item->text(1), table[size_t(row)].shownAs());
        QCOMPARE(item->data(0, Qt::UserRole).toString(), QStringLiteral("key%1").arg(row + 1));
        QVERIFY(!item->icon(0).isNull());
    }
}

// OK with nothing selected writes nothing and closes; the caller refreshes anyway.
void TestWellKnownDaysDialog::nothingSelected()
{
    auto dialog = dialogOpen();
    MessageAnswerer answerer;
    okClick();
    QVERIFY(answerer.seen().isEmpty());
    QVERIFY(!dialog->isVisible());
    QVERIFY(!QFile::exists(m_path));
}

void TestWellKnownDaysDialog::christmasDayInFixedYear()
{
    auto dialog = dialogOpen();
    rowClick(41, false);
    // The progress bar stands in for the buttons while the rows are gone through.
    auto* progress = dialog->findChild<QProgressBar*>(QStringLiteral("objProgress"));
    QList<int> steps;
    connect(progress, &QProgressBar::valueChanged, this, [&](int value) {
        if (progress->isVisible() && progress->maximum() == 44)
            steps << value;
    });
    okClick();
    QCOMPARE(steps.size(), 44);
    QCOMPARE(steps.first(), 1);
    QCOMPARE(steps.last(), 44);
    QVERIFY(!progress->isVisible());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(m_store->recordKeysList().value(), QList<int>{0});
    const BirthdayRecord record = m_store->recordRead(0).value();
    QCOMPARE(record.value(BirthdayRecord::Name), QStringLiteral("Christmas Day"));
    QCOMPARE(record.value(BirthdayRecord::Date), TextConv::dateToText(QDate(2002, 12, 25)));
    QCOMPARE(record.value(BirthdayRecord::Recurs), QStringLiteral("1"));
    QCOMPARE(record.value(BirthdayRecord::Notify), QStringLiteral("10"));
    QCOMPARE(record.value(BirthdayRecord::Alert), QStringLiteral("1"));
    QCOMPARE(record.value(BirthdayRecord::ShowYears), QStringLiteral("0"));
    QCOMPARE(record.value(BirthdayRecord::LastDate), QString());
    QCOMPARE(fileBytes(m_path).size(), 327); // six cells, no LastDate
}

// Existing records 0 and 2: the three selected rows take 1, 3 and 4, in list order, whatever
// order they were clicked in.
void TestWellKnownDaysDialog::threeRowsUnderSmallestKeys()
{
    for (int i = 0; i < 3; ++i) {
        const int key = m_store->recordKeyNew().value();
        QVERIFY(m_store->fieldWrite(QStringLiteral("Name"), key, QStringLiteral("Existing")));
    }
    QCOMPARE(m_store->recordDelete(*m_store->recordRead(1)), BirthdayStore::Outcome::Done);

    auto dialog = dialogOpen();
    rowClick(30, false); // Oktoberfest
    rowClick(2, true);   // Baptism of Jesus
    rowClick(8, true);   // Valentines Day
    QCOMPARE(list()->selectedItems().size(), 3);
    okClick();

    QCOMPARE(m_store->recordKeysList().value().size(), 5);
    const QList<std::pair<int, QString>> expected = {
        {1, "Baptism of Jesus"}, {3, "Valentines Day"}, {4, "Oktoberfest"}};
    for (const auto& [key, name] : expected)
        QCOMPARE(m_store->recordRead(key).value().value(BirthdayRecord::Name), name);
    QCOMPARE(m_store->recordRead(4).value().value(BirthdayRecord::Date),
             TextConv::dateToText(QDate(2002, 10, 12)));
}

void TestWellKnownDaysDialog::columnClickSorts_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("by name") << 0 << "Advent Begins"
                             << "World Religion Day";
    QTest::newRow("by date") << 1 << "New Year's Day"
                             << "New Year's Eve";
}

void TestWellKnownDaysDialog::columnClickSorts()
{
    QFETCH(int, column);
    QFETCH(QString, first);
    QFETCH(QString, last);
    auto dialog = dialogOpen();
    QHeaderView* header = list()->header();
    for (int click = 0; click < 2; ++click) { // a second click keeps it ascending
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
        QCOMPARE(list()->topLevelItemCount(), 44);
        QCOMPARE(list()->topLevelItem(0)->text(0), first);
        QCOMPARE(list()->topLevelItem(43)->text(0), last);
        for (int i = 1; i < 44; ++i)
            QVERIFY(list()->topLevelItem(i - 1)->text(column).compare(
                        list()->topLevelItem(i)->text(column), Qt::CaseInsensitive) <= 0);
    }
}

// After a sort, "list order" is the order the user sees.
void TestWellKnownDaysDialog::sortedListWritesInShownOrder()
{
    auto dialog = dialogOpen();
    QHeaderView* header = list()->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 10, header->height() / 2));
    // "Advent Begins" and "Boxing Day" now lead the list.
    rowClick(0, false);
    rowClick(list()->indexOfTopLevelItem(
                 list()->findItems(QStringLiteral("Boxing Day"), Qt::MatchExactly).first()),
             true);
    okClick();
    QCOMPARE(m_store->recordRead(0).value().value(BirthdayRecord::Name),
             QStringLiteral("Advent Begins"));
    QCOMPARE(m_store->recordRead(1).value().value(BirthdayRecord::Name),
             QStringLiteral("Boxing Day"));
}

void TestWellKnownDaysDialog::cancelWritesNothing_data()
{
    QTest::addColumn<int>("how"); // 0 Cancel button, 1 Escape, 2 window closed
    QTest::newRow("cancel") << 0;
    QTest::newRow("escape") << 1;
    QTest::newRow("closed") << 2;
}

void TestWellKnownDaysDialog::cancelWritesNothing()
{
    QFETCH(int, how);
    QVERIFY(m_store->fieldWrite(QStringLiteral("Name"), 0, QStringLiteral("Existing")));
    const QByteArray before = fileBytes(m_path);
    auto dialog = dialogOpen();
    rowClick(0, false);
    rowClick(5, true);
    if (how == 0)
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")),
                          Qt::LeftButton);
    else if (how == 1)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(fileBytes(m_path), before);
}

void TestWellKnownDaysDialog::storeErrorBeforeFirstRow()
{
    QVERIFY(QDir().mkdir(m_path)); // the data file's name is taken by a folder
    auto dialog = dialogOpen();
    rowClick(0, false);
    rowClick(1, true);
    MessageAnswerer answerer;
    okClick();
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().first().title, QStringLiteral("Candlewatcher"));
    QVERIFY2(answerer.seen().first().text.startsWith(
                 QLatin1String("None of the 2 selected events could be added.")),
             qPrintable(answerer.seen().first().text));
    QVERIFY(!dialog->isVisible());
}

// The file already holds keys 0 to 1274, so only one more key fits: the first selected row is
// added, the user learns that one of three was, and why.
void TestWellKnownDaysDialog::keyLimitStopsPartWay()
{
    QVERIFY(namesFill(m_path, 1275));
    auto dialog = dialogOpen();
    rowClick(0, false);
    rowClick(1, true);
    rowClick(2, true);
    MessageAnswerer answerer;
    okClick();
    QCOMPARE(answerer.seen().size(), 1);
    const QString text = answerer.seen().first().text;
    QVERIFY2(text.startsWith(QLatin1String("Only 1 of the 3 selected events were added")),
             qPrintable(text));
    QVERIFY2(text.size() > text.indexOf(QLatin1String("\n\n")) + 2, qPrintable(text));
    const QList<int> keys = m_store->recordKeysList().value();
    QCOMPARE(keys.size(), 1276);
    const BirthdayRecord added = m_store->recordRead(1275).value();
    QCOMPARE(added.value(BirthdayRecord::Name), QStringLiteral("New Year's Day"));
    QCOMPARE(added.value(BirthdayRecord::ShowYears), QStringLiteral("0"));
}

void TestWellKnownDaysDialog::helpHooks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    QTest::newRow("list") << "lvwSpecialEvents"
                          << "specialevents";
    QTest::newRow("ok") << "cmdOK"
                        << "ok";
    QTest::newRow("cancel") << "cmdCancel"
                            << "cancel";
    QTest::newRow("label has none") << "lblSpecialEvents"
                                    << "";
}

void TestWellKnownDaysDialog::helpHooks()
{
    QFETCH(QString, control);
    QFETCH(QString, key);
    auto dialog = dialogOpen();
    auto* widget = dialog->findChild<QWidget*>(control);
    QVERIFY(widget);
    m_help.clear();
    mouseMoveOver(widget);
    if (key.isEmpty())
        QVERIFY2(m_help.isEmpty(), qPrintable(m_help.join(',')));
    else
        QVERIFY2(!m_help.isEmpty() && m_help.last() == key, qPrintable(m_help.join(',')));
}

QTEST_MAIN(TestWellKnownDaysDialog)
#include "test_wellknowndaysdialog.moc"
