#include "core/store/eventrulefile.h"
#include "core/sync/subscriptions.h"
#include "mainwindowtest.h"

class TestListCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The list's keys from the search field and after a click beside the items: where the
    // keyboard is ("search" with its text, or "beside": the list, clicked below its items),
    // the key, and what the user then sees.
    void keysReachTheList_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("seen"); // a window's title, a question, or the field's text
        const QString deleteBob =
            "Question: Are you sure you want to delete Bob permanently from your birthdays list?";
        QTest::newRow("Ctrl+E, search typed")
            << "search b" << QKeySequence("Ctrl+E") << "window: Edit Birthday Details";
        QTest::newRow("Del, search empty") << "search" << QKeySequence("Del") << deleteBob;
        QTest::newRow("Del, search typed") << "search b" << QKeySequence("Del") << "text: ";
        QTest::newRow("Ctrl+A, search empty")
            << "search" << QKeySequence("Ctrl+A") << "window: About Candlewatcher v2.00";
        QTest::newRow("Ctrl+A, search typed")
            << "search b" << QKeySequence("Ctrl+A") << "text: b, selected";
        QTest::newRow("Home beside the items") << "beside" << QKeySequence("Home") << "Ann";
        QTest::newRow("End beside the items") << "beside" << QKeySequence("End") << "Cy";
        QTest::newRow("Ctrl+End beside the items") << "beside" << QKeySequence("Ctrl+End") << "";
    }
    void keysReachTheList()
    {
        QFETCH(QString, where);
        QFETCH(QKeySequence, key);
        MainWindowFixture f;
        for (const char* name : {"Ann", "Bob", "Cy"})
            f.add(name, QDate(1990, 5, 5));
        f.setSettings("ArrangeIcons=Name DeleteConfirm=1");
        MainWindow& window = f.shown();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QListView* list = window.listView()->iconView();
        QWidget* focus = list;
        if (where.startsWith("search")) {
            f.select({"Bob"});
            focus = window.searchField();
            focus->setFocus();
            QTest::keyClicks(focus, where.section(' ', 1));
            window.searchField()->setCursorPosition(0);
        } else {
            f.select({"Ann"});
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              QPoint(list->width() - 5, list->height() - 5));
            QVERIFY(window.listView()->selectedRows().isEmpty());
        }
        f.answers = {QMessageBox::No};
        const auto dialog = closeNextModal();
        QTest::keySequence(focus, key);
        QTest::qWait(50);
        QString seen = f.messages.join(' ');
        if (!dialog->isEmpty())
            seen = "window: " + *dialog;
        else if (where.startsWith("search") && seen.isEmpty())
            seen = "text: " + window.searchField()->text() +
                   (window.searchField()->hasSelectedText() ? ", selected" : "");
        else if (where == "beside")
            for (int row : window.listView()->selectedRows())
                seen += f.column().value(row);
        QTEST(seen, "seen");
    }

    void commands_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("command"); // a menu item or a toolbar button
        // Settings, "empty" (no events), "broken" (the file taken away), "stale" (see below),
        // "no" (the answer to the question) or "ok" (the dialog's default button).
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("seen"); // messages, and the title of a window opened
        QTest::addColumn<QString>("left");     // the list after: name and key
        const auto row = [](const QString& name, const char* selected, const char* command,
                            const char* before, const QStringList& seen, const char* left) {
            QTest::newRow(qPrintable(name)) << selected << command << before << seen << left;
        };
        const char* all = "Ann 0, Bob 1, Cy 2, Di 3";
        const QString one = "Question: Are you sure you want to delete Cy permanently from your "
                            "birthdays list?";
        const QString three = "Question: Are you sure you want to delete these 3 items "
                              "permanently from your birthdays list?";
        const QString stale = "Warning: The event \"Bob\" was changed by another program after "
                              "the list showed it, so %1.  The list now shows the events as they "
                              "are.";
        for (const char* command :
             {"mnuPopupEdit", "mnuBirthdaysDuplicate", "mnuBirthdaysDelete"}) {
            row(QString("empty list, ") + command, "", command, "empty",
                {"Warning: You currently have no birthdays in your list.  Please use the New "
                 "Birthday option to create a birthday."},
                "");
            row(QString("none selected, ") + command, "", command, "",
                {"Warning: You have not selected a birthday to use.  Please select a birthday "
                 "from the Birthday's list and then try again."},
                all);
        }
        row("new", "", "newbirthday", "", {"window: Add New Birthday"}, all);
        row("edit three", "Ann Cy Bob", "mnuPopupEdit", "",
            {"Information: Because you can only edit one birthay at a time, only the last one "
             "you selected will be displayed.",
             "window: Edit Birthday Details"},
            all);
        // Top to bottom: Ann's copy takes the lower key.
        row("duplicate two", "Cy Ann", "duplicatebirthday", "", {},
            "Ann 0, Ann 4, Bob 1, Cy 2, Cy 5, Di 3");
        row("delete one, yes", "Cy", "deletebirthday", "", {one}, "Ann 0, Bob 1, Di 3");
        row("delete one, no", "Cy", "mnuBirthdaysDelete", "DeleteConfirm=1 no", {one}, all);
        row("delete three, yes", "Ann Di Bob", "mnuBirthdaysDelete", "", {three}, "Cy 2");
        row("no question", "Ann Di", "deletebirthday", "DeleteConfirm=True", {}, "Bob 1, Cy 2");
        row("delete fails", "Bob", "mnuBirthdaysDelete", "broken",
            {"Question: Are you sure you want to delete Bob permanently from your birthdays "
             "list?",
             "Critical: \"Bob\" could not be deleted."},
            all);
        row("duplicate fails", "Bob", "mnuBirthdaysDuplicate", "broken",
            {"Critical: \"Bob\" could not be duplicated."}, all);
        // Another copy deleted Bob and Nora took his key: a command acts on the events as the
        // list showed them, and tells why not on Bob. The check stamped Ann, who is due today,
        // after the list had read her: that is no change by another program.
        row("stale delete", "Ann Bob", "deletebirthday", "stale",
            {"Question: Are you sure you want to delete these 2 items permanently from your "
             "birthdays list?",
             stale.arg("it was not deleted")},
            "Cy 2, Di 3, Nora 1");
        row("stale duplicate", "Ann Bob", "duplicatebirthday", "stale",
            {stale.arg("it was not duplicated")}, "Ann 0, Ann 4, Cy 2, Di 3, Nora 1");
        row("stale edit", "Bob", "editbirthday", "stale ok",
            {stale.arg("your changes to it were not saved"), "window: Edit Birthday Details"},
            "Ann 0, Cy 2, Di 3, Nora 1");
        // Di deleted after the day's backup: the restore asks first, naming the backup.
        const QString restore = "Question: Replace your events with the 4 events of the backup "
                                "of Friday, March 1, 2024?";
        row("restore, yes", "", "mnuBirthdaysRestore", "backup ok",
            {restore, "window: Restore from Backup"}, all);
        row("restore, no", "", "mnuBirthdaysRestore", "backup ok no",
            {restore, "window: Restore from Backup"}, "Ann 0, Bob 1, Cy 2");
        row("special", "", "special", "", {"window: Special Events"}, all);
        row("preferences", "", "preferences", "", {"window: Candlewatcher Preferences"}, all);
        row("quit, no", "", "quit", "no", {exitText}, all);
        row("exit from the menu, no", "", "mnuBirthdaysExit", "no", {exitText}, all);
        row("tray new", "", "mnuSysTrayNew", "", {"window: Add New Birthday"}, all);
        row("tray about", "", "mnuSysTrayAbout", "", {"window: About Candlewatcher v2.00"}, all);
        row("tray preferences", "", "mnuSysTrayPreferences", "",
            {"window: Candlewatcher Preferences"}, all);
        // Identifiers match exactly; anything else does nothing.
        row("other case", "Ann", "DeleteBirthday", "", {}, all);
    }

    void commands()
    {
        QFETCH(QString, selected);
        QFETCH(QString, command);
        QFETCH(QString, before);
        MainWindowFixture f;
        for (const char* name : {"Ann", "Bob", "Cy", "Di"}) {
            if (before != "empty")
                f.add(name, QDate(1990, *name == 'A' ? 3 : 1, 1), "1", "10", "1");
        }
        f.setSettings((QStringList("ArrangeIcons=Name") + before.split(' ').filter("=")).join(' '));
        f.store.setClock(f.clock);
        if (before.startsWith("backup"))
            QVERIFY(f.store.backup() && f.fields.deleteField("Name", 3));
        MainWindow& window = f.open();
        const QStringList chosen = selected.split(' ', Qt::SkipEmptyParts);
        f.select(chosen);
        if (before == "broken")
            QVERIFY(QFile::remove(f.path()) && QDir(f.dir.path()).mkdir("birthday.dat"));
        if (before.startsWith("stale")) {
            QVERIFY(!f.fields.readRecord(0)->value(BirthdayRecord::LastDate).isEmpty());
            BirthdayStore other(f.path());
            QCOMPARE(other.deleteRecord(*StoreFields(other).readRecord(1)),
                     BirthdayStore::Outcome::Done);
            QCOMPARE(f.add("Nora", QDate(1993, 9, 4)), 1);
        }
        const auto listed = [&f] {
            QStringList texts = f.column();
            for (int row = 0; row < texts.size(); ++row)
                texts[row] += ' ' + f.column(0, BirthdayListModel::RecordKeyRole)[row];
            return texts.join(", ");
        };
        const QStringList steps = before.split(' ');
        f.answers = {steps.contains("no") ? QMessageBox::No : QMessageBox::Yes};
        const auto dialog = closeNextModal(steps.contains("ok"));
        if (QAction* item = window.findChild<QAction*>(command))
            item->trigger();
        else if (auto* button = window.toolbar()->findChild<QToolButton*>("objToolbar_" + command))
            button->click();
        QStringList seen;
        for (const QString& message : f.messages)
            seen << message.section("\n\n", 0, 0); // what failed, not the store's reason
        if (!dialog->isEmpty())
            seen << "window: " + *dialog;
        QTEST(seen, "seen");
        QTEST(listed(), "left");
        // Refreshed or not, the selection stays on the chosen events still listed as they were.
        const QStringList keys{"Ann", "Bob", "Cy", "Di"};
        const QStringList left = listed().split(", ");
        qsizetype still = 0;
        for (const QString& name : chosen)
            still += left.contains(name + ' ' + QString::number(keys.indexOf(name)));
        QCOMPARE(window.listView()->selectedRows().size(), still);
        QCOMPARE(f.unloadedCount, 0);
        QVERIFY(!window.isVisible());
    }

    // The events a subscription keeps in step carry a mark and say which in their tip; an edit
    // of one, which would detach it, asks first. Rows: the link's state, the answer, what shows.
    void followedEventsAskBeforeAnEdit_data()
    {
        QTest::addColumn<int>("state"); // SyncLink::State
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("seen");
        const QString asked = "Question: \"Ann\" follows the subscription \"Family\".  Once you "
                              "change it here it is your own: later changes in the subscription "
                              "no longer reach it.  Edit it?";
        QTest::newRow("linked, no")
            << int(SyncLink::State::Linked) << int(QMessageBox::No) << "Ann \u21BB" << asked;
        QTest::newRow("linked, yes") << int(SyncLink::State::Linked) << int(QMessageBox::Yes)
                                     << "Ann \u21BB" << asked + " window: Edit Birthday Details";
        QTest::newRow("detached") << int(SyncLink::State::Detached) << int(QMessageBox::No) << "Ann"
                                  << "window: Edit Birthday Details";
    }
    void followedEventsAskBeforeAnEdit()
    {
        QFETCH(int, state);
        QFETCH(int, answer);
        MainWindowFixture f;
        SubscriptionTable table;
        SyncSource source;
        source.id = "s1", source.url = "https://dav.test/ab/", source.displayName = "Family";
        table.sources = {source};
        SyncLink link;
        link.sourceId = "s1", link.href = "/ab/Ann.vcf", link.key = f.add("Ann", QDate(1990, 5, 5));
        link.state = SyncLink::State(state);
        table.links = {link};
        QVERIFY(SubscriptionFile::save(SubscriptionFile::pathFor(f.path()), table));
        MainWindow& window = f.open();
        QTEST(f.column().value(0), "name");
        const QString tip = f.index(0).data(Qt::ToolTipRole).toString();
        QCOMPARE(tip, state == int(SyncLink::State::Linked)
                          ? "Ann\nFollows the subscription \"Family\": a change there changes it "
                            "here."
                          : "Ann");
        window.listView()->selectRow(0);
        f.answers = {QMessageBox::StandardButton(answer)};
        const auto dialog = closeNextModal();
        window.editBirthday();
        QTest::qWait(50);
        QStringList seen = f.messages;
        if (!dialog->isEmpty())
            seen << "window: " + *dialog;
        QTEST(seen.join(' '), "seen");
        // A sync that rewrites the table shows at the next refresh.
        table.links.first().state =
            SyncLink::State(int(SyncLink::State::Linked) + int(SyncLink::State::Detached) - state);
        QVERIFY(SubscriptionFile::save(SubscriptionFile::pathFor(f.path()), table));
        f.services->reminders.refresh();
        QCOMPARE(f.column().value(0).endsWith(u'\u21BB'), state != int(SyncLink::State::Linked));
    }

    // An edit changes the event it was made on: the list keeps that event selected.
    void editKeepsTheEventSelected()
    {
        MainWindowFixture f;
        f.add("Ann", QDate(1990, 3, 1));
        f.add("Bob", QDate(1990, 1, 1));
        MainWindow& window = f.open();
        f.select({"Bob"});
        QTimer::singleShot(50, qApp, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>("txtName")->setText("Bobby");
            dialog->findChild<QPushButton*>("cmdOK")->click();
        });
        window.findChild<QAction*>("mnuPopupEdit")->trigger();
        const QList<int> rows = window.listView()->selectedRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(window.listView()->model()->row(rows.first()).name, "Bobby");
    }

    // Another writer replaces the file as a sync tool does, then writes it in place: each time
    // the list follows within two seconds, keeping selected what still shows the same event,
    // and the check runs on what it reads. The program's own writes bring no second refresh.
    // A copy of a moving day moves as the event does.
    void duplicateKeepsTheRule()
    {
        MainWindowFixture f;
        f.add("Mum", QDate(2024, 5, 12));
        const YearlyRule rule = YearlyRule::nthWeekday(2, Qt::Sunday, 5);
        QVERIFY(EventRuleFile::setRule(EventRuleFile::pathFor(f.path()),
                                       f.store.readAllRecords()->first(), rule));
        MainWindow& window = f.open();
        f.select({"Mum"});
        window.findChild<QAction*>("mnuBirthdaysDuplicate")->trigger();
        const QList<BirthdayRecord> records = *f.store.readAllRecords();
        QCOMPARE(records.size(), 2);
        for (const BirthdayRecord& record : records)
            QCOMPARE(record.rule, rule);
    }

    void listFollowsTheFile()
    {
        MainWindowFixture f;
        for (const char* name : {"Ann", "Bob", "Cy"})
            f.add(name, QDate(1990, 5, 5));
        f.setSetting("ArrangeIcons", "Name");
        MainWindow& window = f.open();
        f.select({"Bob", "Cy"});
        ReminderRunner* runner = &f.services->runner;
        QVERIFY(!runner->notificationWindow());
        const QString copy = f.dir.filePath("sync.tmp");
        QVERIFY(QFile::copy(f.path(), copy));
        BirthdayStore store(copy);
        QVERIFY(StoreFields(store).writeField("Name", 0, "Anna") &&
                StoreFields(store).writeField("Date", 0, TextConv::dateToText(f.clock.today())));
        QVERIFY(std::rename(qPrintable(copy), qPrintable(f.path())) == 0);
        QTRY_COMPARE_WITH_TIMEOUT(f.column(), (QStringList{"Anna", "Bob", "Cy"}), 2000);
        QCOMPARE(window.listView()->selectedRows(), (QList<int>{1, 2}));
        QVERIFY(runner->notificationWindow() && runner->notificationWindow()->isVisible());
        QCOMPARE(f.setting("NotifyDate"), TextConv::dateToText(f.clock.today()));
        // Its help reaches the main window's panel.
        QVERIFY(QTest::qWaitForWindowExposed(runner->notificationWindow()));
        QTest::mouseMove(runner->notificationWindow(), QPoint(10, 10));
        QCOMPARE(window.helpPanel()->title(), "Notifications");
        BirthdayStore again(f.path());
        QVERIFY(StoreFields(again).writeField("Notify", 2, "9"));
        QTRY_COMPARE_WITH_TIMEOUT(window.listView()->selectedRows(), QList<int>{1}, 2000);
        QCOMPARE(window.listView()->currentRow(), 1);
        QSignalSpy refreshes(window.listView()->model(), &QAbstractItemModel::modelReset);
        f.setSetting("DeleteConfirm", "0");
        window.deleteBirthdays();
        QCOMPARE(f.column(), (QStringList{"Anna", "Cy"}));
        QTest::qWait(DataFileWatcher::quietIntervalMs * 3);
        QCOMPARE(refreshes.size(), 1);
        QVERIFY(f.messages.isEmpty());
        f.quit();
        QTRY_VERIFY(!runner->notificationWindow() || !runner->notificationWindow()->isVisible());
    }

    // A right click on an item not selected makes it the selection and opens the menu at the
    // pointer; on a selected item or empty space the selection stays. A double click edits.
    void mouseOnTheList()
    {
        MainWindowFixture f;
        f.add("Ann", QDate(1990, 1, 1));
        f.add("Bob", QDate(1990, 1, 1));
        MainWindow& window = f.shown();
        window.actions().detailsAction->trigger();
        f.select({"Bob"});
        QWidget* viewport = window.listView()->detailsView()->viewport();
        const QPoint ann = window.listView()->detailsView()->visualRect(f.index(0)).center();
        QMenu* popup = window.actions().contextMenu;
        const std::pair<QPoint, QList<int>> clicks[] = {
            {ann, {0}}, {ann, {0, 1}}, {QPoint(10, viewport->height() - 5), {0, 1}}};
        for (const auto& [at, selection] : clicks) {
            QTest::mousePress(viewport, Qt::RightButton, {}, at);
            QVERIFY(!popup->isVisible()); // it opens on the release
            QTest::mouseRelease(viewport, Qt::RightButton, {}, at);
            QTRY_VERIFY(popup->isVisible());
            QCOMPARE(popup->pos(), viewport->mapToGlobal(at));
            popup->close();
            QCOMPARE(window.listView()->selectedRows(), selection);
            f.select({"Bob"});
        }
        window.actions().largeIconsAction->trigger();
        QListView* icons = window.listView()->iconView();
        const std::pair<QPoint, QString> doubleClicks[] = {
            {icons->visualRect(f.index(0)).center(), "Edit Birthday Details"},
            {QPoint(icons->width() - 5, icons->height() - 5), ""}};
        for (const auto& [at, title] : doubleClicks) {
            const auto dialog = closeNextModal();
            // A double click comes after the press of its first click.
            QTest::mouseClick(icons->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(icons->viewport(), Qt::LeftButton, {}, at);
            QTest::qWait(50);
            QCOMPARE(*dialog, title);
        }
        QVERIFY(f.messages.isEmpty());
    }
};

CW_MAINWINDOW_TEST_MAIN(TestListCommands)

#include "test_listcommands.moc"
