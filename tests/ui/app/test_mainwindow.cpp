#include "accesskeys.h"
#include "core/store/datafilewatcher.h"
#include "core/sync/subscriptions.h"
#include "mainwindowfixture.h"
#include "ui/app/exchangecommands.h"
#include "ui/app/toolbaricons.h"
#include "ui/app/windowlayout.h"
#include "ui/dialogs/birthdaydialog.h"
#include "ui/dialogs/importdialog.h"
#include "ui/dialogs/preferencesdialog.h"
#include "ui/dialogs/restoredialog.h"
#include "ui/dialogs/wellknowndaysdialog.h"
#include "ui/help/helppanel.h"
#include "ui/reminders/alertdialog.h"
#include "ui/reminders/notificationwindow.h"
#include "ui/reminders/reminderrunner.h"
#include "ui/web/aboutdialog.h"
#include "ui/web/commentsform.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

QString toolbarId(QToolBar* toolbar, const QAction* button)
{
    return toolbar->widgetForAction(const_cast<QAction*>(button))
        ->objectName()
        .mid(QString("objToolbar_").size());
}

const QString exitText = "Question: If you exit then you will not be alerted to any future "
                         "events.  Are you sure you want to exit?";

// Each item's caption, shortcut (where the menu shows it: a menu not opened from the menu bar
// shows none of an action that says so), check mark and whether it is its menu's default, in
// bold; "-" for a separator; a submenu's items in braces after it.
QString menuText(const QList<QAction*>& actions, const QMenu* in = nullptr, bool popup = false)
{
    QStringList items;
    for (const QAction* action : actions) {
        QString item = action->isSeparator() ? QStringLiteral("-") : action->text();
        if (!action->shortcut().isEmpty() && (!popup || action->isShortcutVisibleInContextMenu()))
            item += ' ' + action->shortcut().toString();
        if (action->isCheckable())
            item += action->isChecked() ? " [x]" : " [ ]";
        if (in && in->defaultAction() == action)
            item += action->font().bold() ? " (default)" : " (default, not bold)";
        if (QMenu* menu = action->menu()) {
            const QList<QObject*> shownIn = action->associatedObjects();
            const bool fromBar = std::any_of(shownIn.begin(), shownIn.end(),
                                             [](QObject* o) { return qobject_cast<QMenuBar*>(o); });
            item += '{' + menuText(menu->actions(), menu, in ? popup : !fromBar) + '}';
        }
        items << item + (action->isEnabled() ? "" : " (disabled)");
    }
    return items.join('|');
}

// The toolbar's buttons: each one's identifier (its object name's end) and tip; "-" for a
// separator.
QString toolbarText(QToolBar* toolbar)
{
    QStringList items;
    for (QAction* action : toolbar->actions())
        items << (action->isSeparator() ? QStringLiteral("-")
                                        : toolbarId(toolbar, action) + ": " + action->toolTip() +
                                              (action->isEnabled() ? "" : " (disabled)"));
    return items.join('|');
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // "M/d/yy": the list shows dates with "/".
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void firstLoad()
    {
        MainWindowFixture f;
        MainWindow& window = f.open(false);
        QCOMPARE(window.windowTitle(), "Candlewatcher");
        window.load();
        window.buildControls();
        QCOMPARE(window.windowTitle(), "Candlewatcher v2.00");
        QVERIFY(!window.isVisible() && f.services->reminders.timer()->isActive());
        QCOMPARE(f.services->reminders.timer()->interval(), 30000);
        QCOMPARE(window.statusBar()->findChild<QLabel*>()->text(),
                 "Marrowfell Candlewatcher 2.00 - never miss a birthday again");
        QCOMPARE(window.helpPanel()->title() + ": " + window.helpPanel()->text(),
                 "Interactive Help: Welcome to Candlewatcher Interactive help.  Simply move your "
                 "mouse over any area of the screen to get help on that item.");
        // The menus by the names assistive tools and scripts find them by.
        for (const char* name : {"mnuBirthdays", "mnuView", "mnuViewToolbars",
                                 "mnuViewArrangeIcons", "mnuHelp", "mnuPopup", "mnuSysTray"})
            QVERIFY2(window.findChild<QMenu*>(name) || window.trayMenu()->objectName() == name,
                     name);
        QCOMPARE(menuText(window.menuBar()->actions() << window.actions().contextMenu->menuAction()
                                                      << window.trayMenu()->menuAction()),
                 "&Birthdays{&New Birthday Ctrl+N|&Special Events|-|&Edit Birthday Ctrl+E|"
                 "Du&plicate Birthday Ctrl+D|&Delete Birthday Del|-|&Import...|Exp&ort...|"
                 "Restore from &Backup...|S&ubscriptions...|-|E&xit Candlewatcher}|"
                 "&View{&Toolbars{Standard &Toolbar Ctrl+T [x]|&Status Bar Ctrl+S [x]}|-|"
                 "Lar&ge Icons [x]|&Small Icons [ ]|&List [ ]|&Details [ ]|-|"
                 "&Arrange Icons{By &Name [ ]|By &Date [ ]|By Ne&xt Date [x]|By &Age [ "
                 "]}|Preferences F12}|"
                 "&Help{Interactive Help F1 [ ]|-|About Candlewatcher Ctrl+A|"
                 "&Comments and Suggestions F3|Marrowfell &Website F2}|"
                 "Popup{&New Birthday|-|&Edit Birthday (default)|Du&plicate Birthday|"
                 "&Delete Birthday}|"
                 "SysTray{&Show Candlewatcher (default)|Show N&otifications|Add &New Birthday|-|"
                 "&About Candlewatcher|&Marrowfell Website|&Preferences|-|E&xit Candlewatcher}");
        QCOMPARE(toolbarText(window.toolbar()),
                 "newbirthday: Add New Birthday|editbirthday: Edit Selected Birthday|"
                 "duplicatebirthday: Duplicate Birthday|deletebirthday: Delete Selected Birthday|"
                 "-|special: Insert Special Events|-|preferences: Preferences|"
                 "website: Marrowfell Website|-|quit: Exit Candlewatcher");
        // Our own pictures stand in where the theme has none: one per button, none blank.
        QSet<QByteArray> pictures{QByteArray(24 * 24 * 4, 0)};
        for (const QAction* button : window.toolbar()->actions()) {
            if (button->isSeparator())
                continue;
            const QImage image =
                toolbarFallbackIcon(toolbarId(window.toolbar(), button)).pixmap(24).toImage();
            pictures.insert(
                QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
            // Each picture as drawn when it was last looked at (CW_WRITE_REFERENCES=1 takes
            // them anew after a deliberate change).
            // Named by the button's place on the toolbar.
            const QString seen =
                CW_TOOLBAR_DATA "/button" + QString::number(pictures.size() - 1) + ".png";
            if (qEnvironmentVariableIsSet("CW_WRITE_REFERENCES"))
                image.save(seen);
            QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
                     QImage(seen).convertToFormat(QImage::Format_ARGB32));
        }
        QCOMPARE(pictures.size(), 9);
        window.actions().restoreAction->trigger();
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].startsWith("Information: There are no backups yet."));
        // A notice that comes while the window is hidden shows alone once it opens.
        Q_EMIT f.services->runner.notificationsUnavailable();
        window.showFromTray();
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        auto* panel = window.statusBar()->findChild<QLabel*>();
        QVERIFY(panel->text().startsWith("No desktop"));
        // A notice longer than the panel is cut there, whole in its tip: the window keeps its
        // width.
        const int width = window.width();
        const QString longNotice = QString("No secret service answered. ").repeated(8);
        Q_EMIT f.services->sync.status(longNotice);
        QTest::qWait(50);
        QCOMPARE(window.width(), width);
        QCOMPARE(panel->toolTip(), longNotice);
        QVERIFY2(panel->text().endsWith(QChar(0x2026)), qPrintable(panel->text()));
    }

    // Arranged by what is coming up (the leap-day rule applied, unreadable dates last). The
    // list has the keyboard; Ctrl+F filters by name, Down goes to the first match, Escape brings
    // all back and the keyboard to the list, Return edits the selected event (in the search
    // field the first match); a new day moves the "In" column at the next tick, the selection
    // kept.
    void searchReturnAndNewDay()
    {
        MainWindowFixture f; // 1 March 2024
        f.add("Ann", QDate(1996, 2, 29));
        f.add("Eve", "the 5th of May");
        f.add("Bob", QDate(1990, 3, 10));
        f.setSetting("LeapDayEvents", "February28");
        MainWindow& window = f.shown();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(f.column(), (QStringList{"Bob", "Ann", "Eve"}));
        QCOMPARE(f.column(2), (QStringList{"3/10/2024", "2/28/2025", ""}));
        QCOMPARE(f.column(3), (QStringList{"in 9 days", "in 364 days", ""}));
        QWidget* list = window.listView()->iconView();
        QVERIFY(list->hasFocus());
        QCOMPARE(f.column(1).last(), "\u26A0 the 5th of May");
        QCOMPARE(window.findChild<QLabel*>("lblUnreadableDates")->text(),
                 "1 event has a date that cannot be read (marked \u26A0)");
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(window.searchField()->hasFocus());
        QTest::keyClicks(window.searchField(), "e");
        QCOMPARE(f.column(), (QStringList{"Eve"}));
        QTest::keyClick(window.searchField(), Qt::Key_Down);
        QVERIFY(list->hasFocus());
        QCOMPARE(window.listView()->currentRow(), 0);
        window.searchField()->setFocus();
        QTest::keyClick(window.searchField(), Qt::Key_Escape);
        QCOMPARE(f.column(), (QStringList{"Bob", "Ann", "Eve"}));
        QVERIFY(list->hasFocus() && window.searchField()->text().isEmpty());
        // The selection followed Eve through the filter.
        QCOMPARE(window.listView()->selectedRows(), QList<int>{2});
        // Tab into the list selects its current item.
        window.listView()->selectionModel()->clear();
        window.searchField()->setFocus();
        QTest::keyClick(window.searchField(), Qt::Key_Tab);
        QVERIFY(list->hasFocus());
        QCOMPARE(window.listView()->selectedRows(), QList<int>{0});
        for (const char* name : {"", "Ann"}) {
            window.listView()->selectionModel()->clear();
            f.select(QString(name).split(' ', Qt::SkipEmptyParts));
            const auto dialog = closeNextModal();
            QTest::keyClick(list, Qt::Key_Return);
            QTest::qWait(50);
            QCOMPARE(*dialog, *name ? "Edit Birthday Details" : "");
        }
        window.searchField()->setText("b");
        const auto dialog = closeNextModal();
        QTest::keyClick(window.searchField(), Qt::Key_Return);
        QTRY_COMPARE(*dialog, "Edit Birthday Details");
        QVERIFY(f.messages.isEmpty());
        window.searchField()->clear();
        f.clock.setNow(f.clock.now().addDays(1));
        f.services->reminders.timer()->setInterval(1);
        // Nothing is due, so nothing is written: the new day alone refreshes the list.
        QTRY_COMPARE(f.column(3), (QStringList{"in 8 days", "in 363 days", ""}));
    }

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
        QTest::newRow("Ctrl+E, search empty")
            << "search" << QKeySequence("Ctrl+E") << "window: Edit Birthday Details";
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
        row("edit", "Cy", "editbirthday", "", {"window: Edit Birthday Details"}, all);
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
        table.sources = {SyncSource{"s1",
                                    SyncSource::Kind::AddressBook,
                                    "https://dav.test/ab/",
                                    "ann",
                                    "Family",
                                    {},
                                    {},
                                    {},
                                    {}}};
        SyncLink link;
        link.sourceId = "s1", link.href = "/ab/Ann.vcf", link.key = f.add("Ann", QDate(1990, 5, 5));
        link.state = SyncLink::State(state);
        table.links = {link};
        QString error;
        QVERIFY(SubscriptionFile::save(SubscriptionFile::pathFor(f.path()), table, error));
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

    // The View menu's marks, the header's clicks, the bars and the help panel beside the list,
    // which follows the pointer (hidden too).
    void viewMenuAndHelp()
    {
        MainWindowFixture f;
        f.add("Young", QDate(2010, 6, 1));
        f.add("Old", QDate(1930, 1, 1));
        MainWindow& window = f.shown();
        const MainActions& a = window.actions();
        HelpPanel* panel = window.helpPanel();
        QTest::mouseMove(window.listView()->iconView()->viewport(), QPoint(20, 20));
        QCOMPARE(panel->title(), "Birthdays List");
        // Every view, each again (choosing the checked one keeps its mark).
        const QList<QAction*> views = a.viewModeActions();
        for (int i : {3, 1, 1, 2, 0, 0, 3}) {
            views.at(i)->trigger();
            for (int j = 0; j < views.size(); ++j)
                QCOMPARE(views.at(j)->isChecked(), i == j);
            QCOMPARE(int(window.listView()->viewMode()), i);
        }
        // A column's header arranges by it: "Next" and "In" by what is coming up.
        QHeaderView* header = window.listView()->header();
        QStringList titles;
        for (int i = 0; i < header->count(); ++i)
            titles << header->model()->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(titles, (QStringList{"Name", "Date", "Next", "In", "Age"}));
        const std::pair<int, QAction*> clicks[] = {
            {1, a.arrangeByDateAction},     {0, a.arrangeByNameAction},
            {3, a.arrangeByNextDateAction}, {4, a.arrangeByAgeAction},
            {2, a.arrangeByNextDateAction}, {0, a.arrangeByNameAction}};
        for (const auto& [column, item] : clicks) {
            const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
            for (QAction* arrange : a.arrangeActions())
                QCOMPARE(arrange->isChecked(), arrange == item);
        }
        QCOMPARE(f.column(), (QStringList{"Old", "Young"}));
        a.arrangeByNextDateAction->trigger();
        a.arrangeByNextDateAction->trigger();
        QVERIFY(a.arrangeByNextDateAction->isChecked());
        QCOMPARE(f.column(), (QStringList{"Young", "Old"}));

        QWidget* client = window.clientArea();
        BirthdayListView* list = window.listView();
        QCOMPARE(list->geometry(), client->rect());
        a.interactiveHelpAction->trigger();
        QVERIFY(panel->isVisible());
        // 100 twips between list and panel, 50 from the panel to the edge (the classic frame's
        // borders take the rest of the form's 150).
        QCOMPARE(list->width(), client->width() - panel->width() - 7);
        QCOMPARE(panel->geometry(),
                 QRect(client->width() - panel->width() - 3, 0, panel->width(), list->height()));
        const std::pair<QWidget*, const char*> places[] = {
            {window.toolbar()->widgetForAction(window.toolbar()->actions().first()), "Toolbar"},
            {list->detailsView()->viewport(), "Birthdays List"},
            {window.statusBar()->findChild<QLabel*>(), "Status Bar"},
            {header, "Birthdays List"},
            {panel->textLabel(), "Interactive Help"},
            {window.searchField(), "Birthdays List"}};
        for (const auto& [widget, title] : places) {
            QTest::mouseMove(widget, QPoint(5, 5));
            QCOMPARE(panel->title(), title);
        }
        const int listHeight = list->height();
        a.toolbarAction->trigger();
        QTRY_VERIFY(window.toolbar()->isHidden() && list->height() > listHeight);
        a.statusBarAction->trigger();
        QVERIFY(window.statusBar()->isHidden());
        QTRY_COMPARE(list->height(), client->height());
        // No height left: the list keeps its height.
        client->resize(client->width() + 20, 0);
        QCOMPARE(list->size(), QSize(client->width() - panel->width() - 7, panel->height()));
        a.interactiveHelpAction->trigger();
        QVERIFY(panel->isHidden());
        QCOMPARE(list->width(), client->width());
    }

    void endings_data()
    {
        QTest::addColumn<QString>("quitConfirm"); // "": never set
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("ends");
        const auto row = [](const char* name, const char* quitConfirm, bool yes, bool asked,
                            bool ends) {
            QTest::newRow(name) << QString(quitConfirm)
                                << int(yes ? QMessageBox::Yes : QMessageBox::No) << asked << ends;
        };
        // The close button hides the window, or minimises it where no tray icon brings it back.
        row("close", "1", true, false, false);
        row("close, no tray", "1", true, false, false);
        row("exit, 1, No", "1", false, true, false);
        row("exit, 1, Yes", "1", true, true, true);
        row("exit, not set, No", "", false, true, false);
        row("exit, 0", "0", false, false, true);
        row("exit, other text", "yes", false, false, true);
    }

    void endings()
    {
        QFETCH(QString, quitConfirm);
        QFETCH(bool, ends);
        const QString how = QString(QTest::currentDataTag()).section(',', 0, 0);
        const bool noTray = QString(QTest::currentDataTag()).contains("no tray");
        MainWindowFixture f;
        if (!quitConfirm.isEmpty())
            f.setSetting("QuitConfirm", quitConfirm);
        f.add("Ann", QDate(1990, 1, 1));
        f.add("Bob", QDate(1990, 1, 1));
        QCOMPARE(f.store.deleteRecord(*f.fields.readRecord(0)), BirthdayStore::Outcome::Done);
        const qint64 sizeBefore = f.bytes().size();
        MainWindow& window = f.shown();
        window.setTrayAvailable(!noTray);
        QFETCH(int, answer);
        f.answers = {QMessageBox::StandardButton(answer)};
        if (how == "exit")
            window.actions().exitAction->trigger();
        else
            QVERIFY(!window.close());
        QFETCH(bool, asked);
        QCOMPARE(f.messages, asked ? QStringList{exitText} : QStringList());
        QCOMPARE(f.unloadedCount, int(ends));
        QCOMPARE(window.isVisible(), !ends && (how == "exit" || noTray));
        QTRY_COMPARE(window.isMinimized(), noTray);
        QCOMPARE(f.services->reminders.timer()->isActive(), !ends);
        // Layout saved and data file compacted only on the way out.
        QCOMPARE(f.setting("IconView"), ends ? "LargeIcons" : "");
        QCOMPARE(f.bytes().size() < sizeBefore, ends);
        window.showFromTray();
        QCOMPARE(window.isVisible() && !window.isMinimized(), !ends);
    }

    void storeFailuresAreShown()
    {
        // A data file that is a folder: nothing can be read, compacted or written.
        MainWindowFixture f;
        QVERIFY(QDir(f.dir.path()).mkdir("birthday.dat"));
        QCOMPARE(f.open().listView()->itemCount(), 0);
        f.quit();
        QCOMPARE(f.messages.size(), 2);
        QVERIFY(f.messages[0].startsWith("Critical: The birthdays list could not be read.\n\n"));
        QVERIFY(f.messages[1].startsWith("Critical: The data file could not be compacted.\n\n"));
        // The program ends all the same, with its layout saved.
        QCOMPARE(f.unloadedCount, 1);
        QCOMPARE(f.setting("WindowState"), "0");
        // At the end of the session nobody answers: the same failure ends without a message.
        f.open().endSession();
        QCOMPARE(f.messages.size(), 3);
        QCOMPARE(f.unloadedCount, 2);
    }

    void realMessageBox()
    {
        // No hook: the question comes up as a real message box, the name in it as plain text,
        // No its default (a slip of the Return key must not delete).
        StoreFixture f;
        f.add("<b>Mum</b>", QDate(1990, 1, 1));
        ServicesFixture services(f);
        MainWindow window(f.store, f.settings, f.clock, services.handed());
        window.load();
        window.listView()->selectionModel()->setCurrentIndex(
            window.listView()->model()->index(0, 0), QItemSelectionModel::Select);
        QString seen;
        QTimer::singleShot(0, qApp, [&seen] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = QString("%1|%2|%3|%4|%5|%6")
                           .arg(box->windowTitle(), box->text())
                           .arg(box->icon())
                           .arg(box->standardButtons())
                           .arg(box->standardButton(box->defaultButton()))
                           .arg(box->textFormat());
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        window.deleteBirthdays();
        QCOMPARE(seen, QString("Candlewatcher|Are you sure you want to delete <b>Mum</b> "
                               "permanently from your birthdays list?|%1|%2|%3|%4")
                           .arg(QMessageBox::Question)
                           .arg(QMessageBox::Yes | QMessageBox::No)
                           .arg(QMessageBox::No)
                           .arg(Qt::PlainText));
        QCOMPARE(*f.fields.recordKeys(), QList<int>{0});
    }

    // In every shipped language, every window: each control a user can reach, by keyboard or
    // mouse, tells assistive tools its name (those without a caption take the one their label
    // or frame gives them); no access key twice in a window or menu; no text cut.
    void namedAndFitInEveryLanguage_data() { languageRows(); }
    void namedAndFitInEveryLanguage()
    {
        QFETCH(QString, language);
        const InLanguage in(language);
        MainWindowFixture f;
        MainWindow& window = f.shown();
        std::unique_ptr<QWidget> others[] = {
            std::make_unique<BirthdayDialog>(BirthdayDialog::Mode::Add, BirthdayRecord(), f.store,
                                             f.clock, HelpSink()),
            std::make_unique<PreferencesDialog>(f.settings, HelpSink()),
            std::make_unique<WellKnownDaysDialog>(f.store, HelpSink()),
            std::make_unique<AboutDialog>(),
            std::make_unique<CommentsForm>(f.settings),
            std::make_unique<AlertDialog>(),
            std::make_unique<NotificationWindow>(),
            std::make_unique<ImportDialog>(QList<ImportPlan::Item>(1), QStringList{"a.vcf"}),
            std::make_unique<RestoreDialog>(QList<Backups::Backup>(1))};
        QStringList named; // window/control
        const auto namesRead = [&named, &language](QWidget* top) {
            for (QWidget* w : top->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(top) || w->focusProxy() ||
                    (w->focusPolicy() == Qt::NoFocus && !qobject_cast<QAbstractButton*>(w) &&
                     w->cursor().shape() != Qt::PointingHandCursor))
                    continue;
                auto* tool = qobject_cast<QToolButton*>(w);
                named << top->objectName() + '/' +
                             (w->objectName().isEmpty() && tool && tool->defaultAction()
                                  ? tool->defaultAction()->objectName()
                                  : w->objectName());
                QVERIFY2(
                    !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(),
                    qPrintable(named.last()));
            }
            // English keeps the designed column widths, where a long row may end in "…".
            const QStringList faults = languageFaults(top, language != "en");
            QVERIFY2(faults.isEmpty(), qPrintable(top->objectName() + ": " + faults.join(" | ")));
        };
        for (QAction* view : {window.actions().largeIconsAction, window.actions().detailsAction}) {
            view->trigger();
            namesRead(&window);
        }
        // As a screen reader reads the window, with the controls that show only at times: the
        // search field's clear button and the toolbar's button for what does not fit.
        window.searchField()->setText("x");
        window.resize(160, window.height());
        QStringList unnamed, acting;
        const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            using A = QAccessible;
            static const QSet<A::Role> actingRoles = {
                A::PushButton, A::CheckBox, A::RadioButton, A::ComboBox,  A::EditableText,
                A::SpinBox,    A::List,     A::Tree,        A::ButtonMenu};
            if (node->state().invisible)
                return;
            const QString id = node->object() ? node->object()->objectName() : QString();
            if (actingRoles.contains(node->role()))
                (node->text(A::Name).isEmpty() ? unnamed : acting) << id;
            for (int i = 0; i < node->childCount(); ++i)
                if (QAccessibleInterface* child = node->child(i))
                    walk(child);
        };
        QTRY_VERIFY(window.toolbar()->findChild<QWidget*>("qt_toolbar_ext_button")->isVisible());
        walk(QAccessible::queryAccessibleInterface(&window));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        QVERIFY2(acting.contains("qt_toolbar_ext_button"), qPrintable(acting.join(", ")));
        for (const auto& other : others) {
            other->show();
            namesRead(other.get());
        }
        // Toolbar buttons, the list's views and clickable labels count too.
        for (const char* control :
             {"frmMain/objToolbar_quit", "frmMain/lvwBirthdaysIcons", "frmMain/lvwBirthdaysDetails",
              "frmNotification/lblClose", "frmImport/lvwImport", "frmRestore/lvwBackups"})
            QVERIFY2(named.contains(control), control);
    }

    // The layout: a first start has every default; the exit writes them all, the place and
    // size of the window's outer frame in twips; the next start brings back what was changed.
    void layoutSavedAndRestored()
    {
        MainWindowFixture f;
        MainWindow& first = f.shown();
        QCOMPARE(first.windowState(), Qt::WindowNoState);
        // The inside below the menu bar has the first start's size; the frame lies around it.
        QCOMPARE(first.size() - QSize(0, first.menuBar()->height()), QSize(482, 356));
        const QRect frame = first.frameGeometry();
        QVERIFY(frame.size() != first.size());
        // "Age" and its sort arrow need a little more than the first width.
        const int ageWidth = first.listView()->header()->sectionSize(4);
        QVERIFY(ageWidth >= 40);
        f.quit();
        QFile ini(f.dir.filePath("settings.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(ini.readAll()).split('\n', Qt::SkipEmptyParts),
                 QString("[Settings] ArrangeIcons=NextDate Column1Pos=1 Column1Width=3000 "
                         "Column2Pos=2 Column2Width=1440 Column3Pos=3 Column3Width=1200 "
                         "Column4Pos=4 Column4Width=1200 Column5Pos=5 Column5Width=%5 "
                         "IconView=LargeIcons InteractiveHelp=False LastCheck=2024-03-01T12:00:00 "
                         "QuitConfirm=0 StatusBar=True ToolBar=True WindowHeight=%1 WindowLeft=%2 "
                         "WindowState=0 WindowTop=%3 WindowWidth=%4")
                     .arg(frame.height() * 15)
                     .arg(frame.x() * 15)
                     .arg(frame.y() * 15)
                     .arg(frame.width() * 15)
                     .arg(ageWidth * 15)
                     .split(' '));
        MainWindow& second = f.open();
        const MainActions& a = second.actions();
        for (QAction* item :
             {a.listModeAction, a.arrangeByDateAction, a.interactiveHelpAction, a.toolbarAction})
            item->trigger();
        second.listView()->header()->resizeSection(0, 150);
        second.listView()->header()->moveSection(1, 0); // Date, Name
        second.showFromTray();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        second.setGeometry(40, 30, 600, 420);
        QTRY_COMPARE(second.geometry().size(), QSize(600, 420));
        const QRect secondFrame = second.frameGeometry();
        f.quit();
        QCOMPARE(f.settingsOf("Column1Pos Column2Pos"), "Column1Pos=2 Column2Pos=1");
        MainWindow& again = f.open();
        again.buildControls();
        QVERIFY(
            menuText(again.menuBar()->actions())
                .contains(
                    "Standard &Toolbar Ctrl+T [ ]|&Status Bar Ctrl+S [x]}|-|Lar&ge "
                    "Icons [ ]|&Small Icons [ ]|&List [x]|&Details [ ]|-|&Arrange "
                    "Icons{By &Name [ ]|By &Date [x]|By Ne&xt Date [ ]|By &Age [ ]}|Preferences "
                    "F12}|&Help{Interactive Help F1 [x]"));
        QCOMPARE(again.listView()->viewMode(), ListViewMode::List);
        QCOMPARE(again.listView()->model()->sortColumn(), ListArrange::Date);
        QVERIFY(!again.helpPanel()->isHidden() && again.toolbar()->isHidden());
        QCOMPARE(again.listView()->header()->sectionSize(0), 150);
        QCOMPARE(again.listView()->header()->logicalIndex(0), 1);
        again.showFromTray();
        QTRY_COMPARE(again.frameGeometry(), secondFrame);
    }

    // A start and exit that never show the window build no list, and the stored layout stays
    // byte for byte: the columns the user set are not written over by a list never built.
    void layoutOfAWindowNeverShown()
    {
        MainWindowFixture f;
        f.shown().listView()->header()->resizeSection(1, 150);
        f.window->listView()->header()->moveSection(1, 0);
        f.quit();
        QFile ini(f.dir.filePath("settings.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray stored = ini.readAll();
        QVERIFY(stored.contains("Column2Width=2250"));
        f.open().exitProgram();
        QCOMPARE(f.unloadedCount, 2); // the second window has unloaded too
        QVERIFY(!f.window->findChild<BirthdayListView*>());
        QVERIFY(ini.seek(0));
        QCOMPARE(ini.readAll(), stored);
    }

    // An import reads and plans off the window's thread. Its progress (here at once) cancelled,
    // nothing is added; left to finish, the preview lists what the file holds, and what is
    // chosen is added while the window goes on.
    void importInTheBackground()
    {
        MainWindowFixture f;
        const auto write = [&f](const QString& name, int count) {
            QFile file(f.dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            for (int i = 1; i <= count; ++i)
                file.write(QString("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:%1 %2\r\nBDAY:1980-01-%3\r\n"
                                   "END:VCARD\r\n")
                               .arg(name)
                               .arg(i)
                               .arg(i % 28 + 1, 2, 10, QChar('0'))
                               .toUtf8());
        };
        write("many", 10000);
        write("three", 3);
        QWidget parent;
        MessagePrompt prompt(&parent);
        prompt.setHook([&f](QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons) {
            f.messages << text;
            return QMessageBox::Ok;
        });
        ExchangeCommands commands(f.store, f.settings, f.clock, prompt, &parent);
        commands.setProgressDelay(0);
        const std::shared_ptr<QString> cancelled = closeNextModal();
        commands.importFiles({f.dir.filePath("many")});
        QCOMPARE(*cancelled, "Candlewatcher");
        // The chosen events go in one a slice: the window has its turns in between.
        commands.setProgressDelay(60000);
        commands.setSliceTime(0);
        QSet<qsizetype> seen;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] { seen << f.fields.recordKeys()->size(); });
        watch.start(0);
        const std::shared_ptr<QString> preview = closeNextModal(true);
        commands.importFiles({f.dir.filePath("three")});
        QCOMPARE(*preview, "Import");
        QVERIFY(seen.contains(1) && seen.contains(2));
        QStringList names;
        const std::optional<QList<BirthdayRecord>> records = f.store.readAllRecords();
        for (const BirthdayRecord& record : *records)
            names << record.value(BirthdayRecord::Name);
        QCOMPARE(names, QStringList({"three 1", "three 2", "three 3"}));
        QCOMPARE(f.messages, QStringList());
    }

    void storedLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("savedAgain");
        // Stored twips are written back as they were; what does not convert or fit falls back
        // to the default. A view or arrangement of no exact name: none is checked, nor written.
        // A window never shown has no outer size to write.
        for (const char* row :
             {"Column1Width 1234.5 1234", "Column1Width wide 3000", "Column1Width -15 3000",
              "Column1Pos 0 1", "Column2Pos 6 2", "WindowState 3 0", "WindowWidth 0 0",
              "WindowHeight  ", "StatusBar off True", "InteractiveHelp 1 True",
              "InteractiveHelp yes False", "IconView details details", "ArrangeIcons DATE DATE"}) {
            const QStringList fields = QString(row).split(' ');
            QTest::newRow(row) << fields[0] << fields[1] << fields[2];
        }
    }

    void storedLayout()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(QString, savedAgain);
        MainWindowFixture f;
        f.setSetting(name, stored);
        MainWindow& window = f.open();
        window.buildControls();
        const MainActions& a = window.actions();
        // The check marks are the record; the controls follow them.
        QCOMPARE(window.statusBar()->isHidden(), !a.statusBarAction->isChecked());
        QCOMPARE(window.toolbar()->isHidden(), !a.toolbarAction->isChecked());
        QCOMPARE(window.helpPanel()->isHidden(), !a.interactiveHelpAction->isChecked());
        if (name == "Column1Width")
            QCOMPARE(window.listView()->header()->sectionSize(0),
                     qRound(savedAgain.toInt() / 15.0));
        for (QAction* item : name == "IconView"       ? a.viewModeActions()
                             : name == "ArrangeIcons" ? a.arrangeActions()
                                                      : QList<QAction*>())
            QVERIFY2(!item->isChecked(), qPrintable(item->objectName()));
        f.quit();
        QCOMPARE(f.setting(name), savedAgain);
    }

    void placementFitted_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("fitted");
        // The screens of main: 0,0 800 x 600 and 800,0 640 x 480.
        QTest::newRow("inside") << QRect(100, 100, 300, 200) << QRect(100, 100, 300, 200);
        QTest::newRow("past the right") << QRect(1300, 100, 300, 200) << QRect(1140, 100, 300, 200);
        QTest::newRow("above the top") << QRect(100, -50, 300, 200) << QRect(100, 0, 300, 200);
        QTest::newRow("most on the right") << QRect(700, 50, 300, 200) << QRect(800, 50, 300, 200);
        QTest::newRow("most on the left") << QRect(600, 50, 300, 200) << QRect(500, 50, 300, 200);
        QTest::newRow("too large") << QRect(900, 100, 1000, 700) << QRect(800, 0, 640, 480);
        QTest::newRow("on no screen") << QRect(3000, 3000, 300, 200) << QRect(250, 200, 300, 200);
    }

    void placementFitted()
    {
        QFETCH(QRect, frame);
        QTEST(WindowLayout::placementFitted(frame), "fitted");
    }

    void storedPlacementApplied()
    {
        // (0, 0) is a stored place like any other, and the size is the outer frame's; maximised,
        // the window keeps it for later, and the next start opens maximised.
        MainWindowFixture f;
        const QString placement = "WindowLeft=0 WindowTop=0 WindowWidth=6000 WindowHeight=4500";
        f.setSettings(placement);
        QVERIFY(f.open().testAttribute(Qt::WA_Moved));
        f.window->showFromTray();
        QTRY_COMPARE(f.window->frameGeometry(), QRect(0, 0, 400, 300));
        f.window->showMaximized();
        QTRY_VERIFY(f.window->isMaximized());
        f.quit();
        QCOMPARE(f.settingsOf("WindowState WindowLeft WindowTop WindowWidth WindowHeight"),
                 "WindowState=2 " + placement);
        f.open().showFromTray();
        QTRY_VERIFY(f.window->isMaximized());
        // Nothing stored: the window manager places it.
        QVERIFY(!MainWindowFixture().open().testAttribute(Qt::WA_Moved));
        // Left minimised: the start's own showing opens it minimised, and so it stays.
        f.setSetting("WindowState", "1");
        f.open().showAsStored();
        QTRY_VERIFY(f.window->isMinimized() && f.window->isVisible());
        f.quit();
        QCOMPARE(f.setting("WindowState"), "1");
    }
};

int main(int argc, char** argv)
{
    // Two screens side by side, the right one smaller.
    QTemporaryDir dir;
    QFile config(dir.filePath("screens.json"));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens": [{"name": "left", "width": 800, "height": 600},
            {"name": "right", "x": 800, "width": 640, "height": 480}]})") < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mainwindow.moc"
