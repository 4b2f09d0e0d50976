#include "app/toolbaricons.h"
#include "help/helppanel.h"
#include "listwindow/birthdaylistview.h"
#include "mainwindowfixture.h"
#include "reminders/notificationwindow.h"
#include "reminders/reminderrunner.h"
#include "store/datafilewatcher.h"

#include "dialogs/birthdaydialog.h"
#include "dialogs/preferencesdialog.h"
#include "dialogs/wellknowndaysdialog.h"
#include "reminders/alertdialog.h"
#include "web/aboutdialog.h"
#include "web/commentsform.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <cstdio>

namespace {

const QString emptyListMessage = QStringLiteral(
    "You currently have no birthdays in your list.  Please use the New Birthday option to create "
    "a birthday.");
const QString noSelectionMessage = QStringLiteral(
    "You have not selected a birthday to use.  Please select a birthday from the Birthday's list "
    "and then try again.");
const QString welcomeText = QStringLiteral(
    "Welcome to Candlewatcher Interactive help.  Simply move your mouse over any area of the "
    "screen to get help on that item.");
const QString exitQuestionText = QStringLiteral(
    "If you exit then you will not be alerted to any future events.  Are you sure you want to "
    "exit?");

QStringList column(const MainWindow& window, int col, int role = Qt::DisplayRole)
{
    QStringList texts;
    const BirthdayListModel* model = window.listView()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, col).data(role).toString());
    return texts;
}

void selectNames(MainWindow& window, const QStringList& names)
{
    BirthdayListView* list = window.listView();
    for (const QString& name : names) {
        const int row = int(column(window, 0).indexOf(name));
        QVERIFY2(row >= 0, qPrintable(name));
        const QModelIndex index = list->model()->index(row, 0);
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select);
    }
}

QList<int> liveKeys(BirthdayStore& store)
{
    QList<int> keys = store.recordKeysList().value_or(QList<int>{});
    std::sort(keys.begin(), keys.end());
    return keys;
}

// Closes the modal dialog a command opens, once it is up (looks for a second at most), and
// tells its class name.
void modalReject(const std::shared_ptr<QString>& seenClass, int triesLeft)
{
    QTimer::singleShot(10, [seenClass, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (triesLeft > 0)
                modalReject(seenClass, triesLeft - 1);
            return;
        }
        *seenClass = QString::fromLatin1(modal->metaObject()->className());
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
}

std::shared_ptr<QString> rejectNextModal()
{
    auto seenClass = std::make_shared<QString>();
    modalReject(seenClass, 100);
    return seenClass;
}

// The one message the command showed.
void onlyMessage(const MainWindowFixture& f, QMessageBox::Icon icon, const QString& text,
                 QMessageBox::StandardButtons buttons)
{
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.messages.first().text, text);
    QCOMPARE(f.messages.first().icon, icon);
    QCOMPARE(f.messages.first().buttons, buttons);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void loadState();
    void menus_data();
    void menus();
    void popupAndTrayMenus();
    void toolbarButtons();

    void refreshKeys();
    void dateColumn_data();
    void dateColumn();
    void sortedAtEveryRefill();
    void refreshRunsReminderCheck();
    void comingUpSearchAndReturn();

    void selectionChecks_data();
    void selectionChecks();
    void deleteQuestions_data();
    void deleteQuestions();
    void duplicateTwo();
    void staleListActsOnWhatItShowed_data();
    void staleListActsOnWhatItShowed();
    void listFollowsTheFile();
    void editSeveralInformsOnce();
    void toolbarDispatch_data();
    void toolbarDispatch();
    void rightClickOpensPopup();
    void doubleClickEdits();
    void storeFailuresAreShown();
    void commandFailuresAreShown_data();
    void commandFailuresAreShown();

    void viewChecks();
    void arrangeChecks();
    void barsToggle();

    void controlsArrangeWidths();
    void controlsArrangeKeepsSizeWhenNoRoom();

    void helpUpdateKeys_data();
    void helpUpdateKeys();
    void helpRepaintsOnlyOnChange();
    void helpHooks();

    void closeButton_data();
    void closeButton();
    void exitQuestion_data();
    void exitQuestion();
    void sessionEndUnloadsWithoutQuestion();
    void realMessageBox();
    void accessibleNames();
};

void TestMainWindow::initTestCase()
{
    // "M/d/yy": the list shows dates with "/".
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestMainWindow::loadState()
{
    MainWindowFixture f;
    MainWindow& window = f.open(false);
    QCOMPARE(window.windowTitle(), QStringLiteral("Candlewatcher"));
    window.formLoad();
    QCOMPARE(window.windowTitle(), QStringLiteral("Candlewatcher v2.00"));
    QVERIFY(!window.isVisible());
    QTimer* timer = window.findChild<QTimer*>(QStringLiteral("tmrCheck"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 30000);
    // One panel with a notice.
    const QList<QLabel*> panels = window.objStatusBar()->findChildren<QLabel*>();
    QCOMPARE(panels.size(), 1);
    QVERIFY(panels.first()->text().contains(QLatin1String("Candlewatcher")));
    QCOMPARE(window.helpPanel()->title(), QStringLiteral("Interactive Help"));
    QCOMPARE(window.helpPanel()->text(), welcomeText);
    QVERIFY(f.messages.isEmpty());
}

void TestMainWindow::menus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<int>("checked"); // -1: no check mark at all

    const auto row = [](const char* name, const char* caption, const char* shortcut, int checked) {
        QTest::newRow(name) << name << caption << shortcut << checked;
    };
    row("mnuBirthdaysNew", "&New Birthday", "Ctrl+N", -1);
    row("mnuBirthdaysSpecialEvents", "&Special Events", "", -1);
    row("mnuBirthdaysEdit", "&Edit Birthday", "Ctrl+E", -1);
    row("mnuBirthdaysDuplicate", "Du&plicate Birthday", "Ctrl+D", -1);
    row("mnuBirthdaysDelete", "&Delete Birthday", "Del", -1);
    row("mnuBirthdaysExit", "E&xit Candlewatcher", "", -1);
    row("mnuViewToolbarsStandard", "Standard &Toolbar", "Ctrl+T", 1);
    row("mnuViewToolbarsStatus", "&Status Bar", "Ctrl+S", 1);
    row("mnuViewLargeIcons", "Lar&ge Icons", "", 1);
    row("mnuViewSmallIcons", "&Small Icons", "", 0);
    row("mnuViewList", "&List", "", 0);
    row("mnuViewDetails", "&Details", "", 0);
    row("mnuViewArrangeIconsName", "By &Name", "", 0);
    row("mnuViewArrangeIconsDate", "By &Date", "", 0);
    row("mnuViewArrangeIconsNextDate", "By &Next Date", "", 1); // a new user's arrangement
    row("mnuViewPreferences", "Preferences", "F12", -1);
    row("mnuHelpInteractive", "Interactive Help", "F1", 0);
    row("mnuHelpAbout", "About Candlewatcher", "Ctrl+A", -1);
    row("mnuHelpCommentsAndSuggestions", "&Comments and Suggestions", "F3", -1);
    row("mnuHelpMarrowfellWebsite", "Marrowfell &Website", "F2", -1);
}

void TestMainWindow::menus()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(int, checked);

    MainWindowFixture f;
    MainWindow& window = f.open();
    QAction* item = nullptr;
    // Reached through the menu bar, as the user reaches it.
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == name)
                item = action;
        }
    }
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut().toString(), shortcut);
    QCOMPARE(item->isCheckable() ? int(item->isChecked()) : -1, checked);
    QVERIFY(item->isEnabled());
}

void TestMainWindow::popupAndTrayMenus()
{
    MainWindowFixture f;
    MainWindow& window = f.open();
    const auto captions = [](QMenu* menu) {
        QStringList texts;
        for (QAction* action : menu->actions())
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    };
    QMenu* popup = window.actions().mnuPopup;
    QCOMPARE(captions(popup), (QStringList{"&New Birthday", "-", "&Edit Birthday",
                                           "Du&plicate Birthday", "&Delete Birthday"}));
    QCOMPARE(popup->defaultAction()->text(), QStringLiteral("&Edit Birthday"));
    QVERIFY(popup->defaultAction()->font().bold());

    QMenu* tray = window.sysTrayMenu();
    QCOMPARE(tray->title(), QStringLiteral("SysTray"));
    QCOMPARE(captions(tray),
             (QStringList{"&Show Candlewatcher", "Show N&otifications", "Add &New Birthday", "-",
                          "&About Candlewatcher", "&Marrowfell Website", "&Preferences", "-",
                          "E&xit Candlewatcher"}));
    QCOMPARE(tray->defaultAction()->text(), QStringLiteral("&Show Candlewatcher"));
    QVERIFY(tray->defaultAction()->font().bold());
    for (QMenu* menu : {popup, tray}) {
        for (QAction* action : menu->actions()) {
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
            QVERIFY2(action->isEnabled() && action->isVisible(), qPrintable(action->text()));
        }
    }
    // Neither is part of the menu bar.
    QCOMPARE(window.menuBar()->actions().size(), 3);
    QCOMPARE(captions(window.menuBar()->findChild<QMenu*>(QStringLiteral("mnuBirthdays"))),
             (QStringList{"&New Birthday", "&Special Events", "-", "&Edit Birthday",
                          "Du&plicate Birthday", "&Delete Birthday", "-", "&Import...",
                          "&Export...", "Restore from &Backup...", "-", "E&xit Candlewatcher"}));
    window.actions().mnuBirthdaysRestore->trigger();
    QVERIFY(f.messages.last().text.startsWith(QLatin1String("There are no backups yet.")));
}

void TestMainWindow::toolbarButtons()
{
    MainWindowFixture f;
    MainWindow& window = f.open();
    QStringList ids;
    QStringList tips;
    for (QAction* action : window.toolbar()->actions()) {
        if (action->isSeparator())
            continue;
        ids.append(action->data().toString());
        tips.append(action->toolTip());
        QVERIFY2(!action->icon().isNull(), qPrintable(action->toolTip()));
        // Our own picture stands in where the desktop's theme has none.
        const QIcon own = toolbarFallbackIcon(ids.last());
        QVERIFY2(!own.pixmap(24, 24).isNull(), qPrintable(ids.last()));
    }
    QVERIFY(toolbarFallbackIcon(QStringLiteral("print")).isNull());
    QCOMPARE(ids, (QStringList{"newbirthday", "editbirthday", "duplicatebirthday", "deletebirthday",
                               "special", "preferences", "website", "quit"}));
    QCOMPARE(tips, (QStringList{"Add New Birthday", "Edit Selected Birthday", "Duplicate Birthday",
                                "Delete Selected Birthday", "Insert Special Events", "Preferences",
                                "Marrowfell Website", "Exit Candlewatcher"}));
}

void TestMainWindow::refreshKeys()
{
    MainWindowFixture f;
    for (const char* name : {"Ann", "Bob", "Carl", "Dora"})
        QVERIFY(f.addRecord(QLatin1String(name), QDate(1980, 5, 17)) >= 0);
    QCOMPARE(f.store->recordDelete(*f.store->recordRead(2)), BirthdayStore::Outcome::Done);
    MainWindow& window = f.open();
    QCOMPARE(column(window, 0), (QStringList{"Ann", "Bob", "Dora"}));
    QCOMPARE(column(window, 0, BirthdayListModel::ItemKeyRole),
             (QStringList{"key0", "key1", "key3"}));
    QVERIFY(f.messages.isEmpty());
}

void TestMainWindow::dateColumn_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("christmas 1990") << TextConv::dateToText(QDate(1990, 12, 25)) << "1990/12/25";
    QTest::newRow("leap day") << TextConv::dateToText(QDate(2000, 2, 29)) << "2000/02/29";
    for (const char* stored : {"the 5th of May", ""})
        QTest::addRow("unreadable '%s'", stored) << stored << QString();
}

void TestMainWindow::dateColumn()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    MainWindowFixture f;
    QVERIFY(f.addRecord(QStringLiteral("Zed"), QDate(1970, 1, 1)) >= 0);
    QVERIFY(f.addRecord(QStringLiteral("Eve"), stored) >= 0);
    f.setSetting("ArrangeIcons", QStringLiteral("Name"));
    MainWindow& window = f.open();
    // A date that does not read leaves its record in the list all the same.
    QCOMPARE(column(window, 0), (QStringList{"Eve", "Zed"}));
    QCOMPARE(column(window, 1), (QStringList{shown, "1970/01/01"}));
}

void TestMainWindow::sortedAtEveryRefill()
{
    MainWindowFixture f;
    f.addRecord(QStringLiteral("carol"), QDate(2001, 1, 1));
    f.addRecord(QStringLiteral("Alice"), QDate(1999, 6, 1));
    f.addRecord(QStringLiteral("bert"), QDate(1999, 2, 1));
    f.setSetting("ArrangeIcons", QStringLiteral("Name"));
    MainWindow& window = f.open();
    QCOMPARE(column(window, 0), (QStringList{"Alice", "bert", "carol"}));
    window.actions().mnuViewArrangeIconsDate->trigger();
    QCOMPARE(column(window, 0), (QStringList{"bert", "Alice", "carol"}));
    f.addRecord(QStringLiteral("Abe"), QDate(2000, 1, 1));
    window.birthdaysRefresh();
    QCOMPARE(column(window, 0), (QStringList{"bert", "Alice", "Abe", "carol"}));
}

void TestMainWindow::refreshRunsReminderCheck()
{
    MainWindowFixture f;
    MainWindow& window = f.open();
    ReminderRunner* runner = window.reminderRunner();
    QVERIFY(!runner->notificationWindow());
    QCOMPARE(f.setting("NotifyDate"), QString());

    // Added today's event. Cancel in the special events picker refreshes nothing, so checks
    // nothing; the refresh that follows checks and notifies at once.
    f.addRecord(QStringLiteral("Ann"), QDate(1990, 3, 1));
    const auto picker = rejectNextModal();
    window.actions().mnuBirthdaysSpecialEvents->trigger();
    QCOMPARE(*picker, QStringLiteral("WellKnownDaysDialog"));
    QVERIFY(!runner->notificationWindow());
    window.birthdaysRefresh();
    QVERIFY(runner->notificationWindow());
    QVERIFY(runner->notificationWindow()->isVisible());
    QCOMPARE(f.setting("NotifyDate"), TextConv::dateToText(QDate(2024, 3, 1)));

    // Its help reaches the main window's panel.
    QVERIFY(QTest::qWaitForWindowExposed(runner->notificationWindow()));
    QTest::mouseMove(runner->notificationWindow(), QPoint(10, 10));
    QCOMPARE(window.helpPanel()->title(), QStringLiteral("Notifications"));

    // Unloading closes it.
    f.setSetting("QuitConfirm", QStringLiteral("0"));
    window.exitCommand();
    QTRY_VERIFY(!runner->notificationWindow() || !runner->notificationWindow()->isVisible());
}

void TestMainWindow::comingUpSearchAndReturn()
{
    MainWindowFixture f; // 1 March 2024
    f.addRecord(QStringLiteral("Ann"), QDate(1996, 2, 29));
    f.addRecord(QStringLiteral("Bob"), QDate(1990, 3, 2));
    f.setSetting("LeapDayEvents", QStringLiteral("February28"));
    MainWindow& window = f.open();
    window.showFromTray();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(window.searchField()->hasFocus());
    QTest::keyClicks(window.searchField(), "AN");
    QCOMPARE(column(window, 0), QStringList{"Ann"});
    QTest::keyClick(window.searchField(), Qt::Key_Escape);
    QCOMPARE(column(window, 0), (QStringList{"Bob", "Ann"})); // by next date

    // Return on a selected event edits it; with none selected it does nothing.
    QWidget* view = window.listView()->iconView();
    QTest::keyClick(view, Qt::Key_Return);
    selectNames(window, {"Ann"});
    const auto dialogClass = rejectNextModal();
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(*dialogClass, QStringLiteral("BirthdayDialog"));
    QVERIFY(f.messages.isEmpty());

    // 29 February kept on 28 February; a new day moves the "In" column at the next tick.
    QCOMPARE(column(window, 2), (QStringList{"3/2/2024", "2/28/2025"}));
    QCOMPARE(column(window, 3), (QStringList{"tomorrow", "in 364 days"}));
    f.clock.setNow(f.clock.now().addDays(1));
    window.checkTimer()->setInterval(1);
    QTRY_COMPARE(column(window, 3), (QStringList{"today", "in 363 days"}));
}

void TestMainWindow::selectionChecks_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("command");

    for (const char* command : {"mnuPopupEdit", "mnuBirthdaysDuplicate", "mnuPopupDelete"}) {
        QTest::addRow("empty list, %s", command) << 0 << emptyListMessage << command;
        QTest::addRow("no current item, %s", command) << 2 << noSelectionMessage << command;
    }
}

void TestMainWindow::selectionChecks()
{
    QFETCH(int, records);
    QFETCH(QString, message);
    QFETCH(QString, command);
    MainWindowFixture f;
    for (int i = 0; i < records; ++i)
        f.addRecord(QStringLiteral("Event %1").arg(i), QDate(2000, 1, 1 + i));
    MainWindow& window = f.open();
    window.findChild<QAction*>(command)->trigger();
    onlyMessage(f, QMessageBox::Warning, message, QMessageBox::Ok);
    QCOMPARE(liveKeys(*f.store).size(), records);
    QCOMPARE(window.listView()->itemCount(), records);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindow::deleteQuestions_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("deleteConfirm"); // "": never set
    QTest::addColumn<QString>("question");      // "": none asked
    QTest::addColumn<QStringList>("left");

    const QStringList all{"Ann", "Bob", "Cy", "Di"};
    const QString one =
        QStringLiteral("Are you sure you want to delete Cy permanently from your birthdays list?");
    const QString three = QStringLiteral(
        "Are you sure you want to delete these 3 items permanently from your birthdays list?");
    const QStringList threeNames{"Ann", "Di", "Bob"};
    QTest::newRow("one, yes") << QStringList{"Cy"} << int(QMessageBox::Yes) << "" << one
                              << QStringList{"Ann", "Bob", "Di"};
    QTest::newRow("one, no") << QStringList{"Cy"} << int(QMessageBox::No) << "1" << one << all;
    QTest::newRow("three, yes") << threeNames << int(QMessageBox::Yes) << "1" << three
                                << QStringList{"Cy"};
    QTest::newRow("three, no") << threeNames << int(QMessageBox::No) << "" << three << all;
    // DeleteConfirm other than exactly "1": no question.
    for (const char* confirm : {"0", "2", "True", "1 "})
        QTest::addRow("DeleteConfirm '%s'", confirm)
            << QStringList{"Ann", "Di"} << int(QMessageBox::No) << confirm << QString()
            << QStringList{"Bob", "Cy"};
}

void TestMainWindow::deleteQuestions()
{
    QFETCH(QStringList, selected);
    QFETCH(int, answer);
    QFETCH(QString, deleteConfirm);
    QFETCH(QString, question);
    QFETCH(QStringList, left);

    MainWindowFixture f;
    if (!deleteConfirm.isEmpty())
        f.setSetting("DeleteConfirm", deleteConfirm);
    for (const char* name : {"Ann", "Bob", "Cy", "Di"})
        f.addRecord(QLatin1String(name), QDate(1990, 1, 1));
    MainWindow& window = f.open();
    selectNames(window, selected);
    f.answers = {QMessageBox::StandardButton(answer)};
    window.actions().mnuBirthdaysDelete->trigger();

    if (!question.isEmpty())
        onlyMessage(f, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No);
    else
        QVERIFY(f.messages.isEmpty());
    QCOMPARE(column(window, 0), left);
    QCOMPARE(liveKeys(*f.store).size(), left.size());
    if (!question.isEmpty() && answer == QMessageBox::No) {
        // Not refreshed: the selection is still there.
        QCOMPARE(window.listView()->selectedRows().size(), selected.size());
    }
}

void TestMainWindow::duplicateTwo()
{
    MainWindowFixture f;
    f.addRecord(QStringLiteral("Ann"), QDate(1990, 1, 1));
    f.addRecord(QStringLiteral("Bob"), QDate(1991, 2, 2));
    f.addRecord(QStringLiteral("Cy"), QDate(1992, 3, 3));
    QVERIFY(f.store->fieldWrite(QStringLiteral("LastDate"), 2,
                                TextConv::dateToText(QDate(2023, 3, 3))));
    f.setSetting("ArrangeIcons", QStringLiteral("Name"));
    MainWindow& window = f.open();
    selectNames(window, {"Cy", "Ann"});
    window.objToolbarButtonClick(QStringLiteral("duplicatebirthday"));
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(liveKeys(*f.store), (QList<int>{0, 1, 2, 3, 4}));
    // Top to bottom: Ann first, so Ann's copy takes the lowest free key.
    BirthdayRecord ann = *f.store->recordRead(0);
    BirthdayRecord cy = *f.store->recordRead(2);
    BirthdayRecord copy3 = *f.store->recordRead(3);
    BirthdayRecord copy4 = *f.store->recordRead(4);
    QCOMPARE(copy3.values, ann.values);
    QCOMPARE(copy4.values, cy.values);
    QCOMPARE(copy4.value(BirthdayRecord::LastDate), TextConv::dateToText(QDate(2023, 3, 3)));
    QCOMPARE(column(window, 0), (QStringList{"Ann", "Ann", "Bob", "Cy", "Cy"}));
}

void TestMainWindow::staleListActsOnWhatItShowed_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("notDone");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("delete") << "deletebirthday"
                            << "it was not deleted" << QStringList{"Cy", "Nora"};
    QTest::newRow("duplicate") << "duplicatebirthday"
                               << "it was not duplicated"
                               << QStringList{"Ann", "Ann", "Cy", "Nora"};
}

// The list shows Ann, Bob and Cy; behind its back another copy deletes Bob and adds Nora, who
// takes Bob's key. A command on Ann and Bob acts on Ann only and says why not on Bob. Ann is
// due today, so the check stamped her LastDate after the list read her: that stamp is no
// change by another program.
void TestMainWindow::staleListActsOnWhatItShowed()
{
    QFETCH(QString, command);
    QFETCH(QString, notDone);
    QFETCH(QStringList, left);
    MainWindowFixture f;
    f.addRecord(QStringLiteral("Ann"), QDate(1990, 3, 1));
    f.addRecord(QStringLiteral("Bob"), QDate(1991, 7, 2));
    f.addRecord(QStringLiteral("Cy"), QDate(1992, 8, 3));
    MainWindow& window = f.open();
    QVERIFY(!f.store->recordRead(0)->value(BirthdayRecord::LastDate).isEmpty());
    selectNames(window, {"Ann", "Bob"});
    BirthdayStore other(f.store->dataPath());
    QCOMPARE(other.recordDelete(*other.recordRead(1)), BirthdayStore::Outcome::Done);
    QCOMPARE(f.addRecord(QStringLiteral("Nora"), QDate(1993, 9, 4)), 1);

    window.objToolbarButtonClick(command);
    QVERIFY(!f.messages.isEmpty());
    QCOMPARE(f.messages.last().text,
             QStringLiteral("The event \"Bob\" was changed by another program after the list "
                            "showed it, so %1.  The list now shows the events as they are.")
                 .arg(notDone));
    QCOMPARE(f.messages.size(), command == QLatin1String("deletebirthday") ? 2 : 1);
    QCOMPARE(column(window, 0), left);
    QCOMPARE(f.store->recordRead(1)->value(BirthdayRecord::Name), QStringLiteral("Nora"));
}

// Another writer replaces the file as a sync tool does, writes it in place, deletes it and
// writes it anew: each time the list follows within two seconds, keeping selected what still
// shows the same event. The program's own writes bring no second refresh.
void TestMainWindow::listFollowsTheFile()
{
    MainWindowFixture f;
    for (const char* name : {"Ann", "Bob", "Cy"})
        f.addRecord(QLatin1String(name), QDate(1990, 5, 5));
    MainWindow& window = f.open();
    selectNames(window, {"Bob", "Cy"});
    const QString path = f.store->dataPath();
    const auto replace = [&](bool byRename, const char* field, int key, const char* value) {
        const QString copy = f.dir.filePath(QStringLiteral("sync.tmp"));
        QVERIFY(QFile::copy(path, copy));
        QVERIFY(BirthdayStore(copy).fieldWrite(QLatin1String(field), key, QLatin1String(value)));
        QVERIFY(byRename ? std::rename(qPrintable(copy), qPrintable(path)) == 0
                         : QFile::remove(path) && QFile::rename(copy, path));
    };
    replace(true, "Name", 0, "Anna");
    QTRY_COMPARE_WITH_TIMEOUT(column(window, 0), (QStringList{"Anna", "Bob", "Cy"}), 2000);
    QCOMPARE(window.listView()->selectedRows(), (QList<int>{1, 2}));
    QVERIFY(BirthdayStore(path).fieldWrite(QStringLiteral("Notify"), 2, QStringLiteral("9")));
    QTRY_COMPARE_WITH_TIMEOUT(window.listView()->selectedRows(), QList<int>{1}, 2000);
    QCOMPARE(window.listView()->currentRow(), 1);
    replace(false, "Name", 0, "Annie");
    QTRY_COMPARE_WITH_TIMEOUT(column(window, 0), (QStringList{"Annie", "Bob", "Cy"}), 2000);

    QSignalSpy refreshes(window.listView()->model(), &QAbstractItemModel::modelReset);
    f.setSetting("DeleteConfirm", QStringLiteral("0"));
    window.birthdaysDelete();
    QCOMPARE(column(window, 0), (QStringList{"Annie", "Cy"}));
    QTest::qWait(DataFileWatcher::QuietIntervalMs * 3);
    QCOMPARE(refreshes.size(), 1);
    QVERIFY(f.messages.isEmpty());
}

void TestMainWindow::editSeveralInformsOnce()
{
    MainWindowFixture f;
    for (const char* name : {"Ann", "Bob", "Cy"})
        f.addRecord(QLatin1String(name), QDate(1990, 1, 1));
    MainWindow& window = f.open();
    selectNames(window, {"Ann", "Bob", "Cy"});
    const auto dialogClass = rejectNextModal();
    window.actions().mnuBirthdaysEdit->trigger();
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.messages.first().icon, QMessageBox::Information);
    QCOMPARE(f.messages.first().text,
             QStringLiteral("Because you can only edit one birthay at a time, only the last one "
                            "you selected will be displayed."));
    QCOMPARE(*dialogClass, QStringLiteral("BirthdayDialog"));
}

void TestMainWindow::toolbarDispatch_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("message");
    for (const char* id : {"editbirthday", "duplicatebirthday", "deletebirthday"})
        QTest::newRow(id) << id << emptyListMessage;
    QTest::newRow("quit") << "quit" << exitQuestionText;
    // Identifiers match exactly; anything else does nothing.
    for (const char* id : {"DeleteBirthday", "print", ""})
        QTest::addRow("ignored '%s'", id) << id << QString();
}

void TestMainWindow::toolbarDispatch()
{
    QFETCH(QString, identifier);
    QFETCH(QString, message);
    MainWindowFixture f;
    MainWindow& window = f.open();
    f.answers = {QMessageBox::No};
    window.objToolbarButtonClick(identifier);
    QCOMPARE(f.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(f.messages.first().text, message);
    QCOMPARE(f.unloadedCount, 0);
}

void TestMainWindow::rightClickOpensPopup()
{
    MainWindowFixture f;
    for (const char* name : {"Ann", "Bob"})
        f.addRecord(QLatin1String(name), QDate(1990, 1, 1));
    MainWindow& window = f.open();
    window.actions().mnuViewDetails->trigger();
    window.showFromTray();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    selectNames(window, {"Bob"});
    QWidget* viewport = window.listView()->detailsView()->viewport();

    // On an item that is not selected: it becomes the selection, and the menu opens with its
    // corner at the pointer.
    const QPoint ann = window.listView()
                           ->detailsView()
                           ->visualRect(window.listView()->model()->index(0, 0))
                           .center();
    QTest::mouseClick(viewport, Qt::RightButton, {}, ann);
    QMenu* popup = window.actions().mnuPopup;
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->pos(), viewport->mapToGlobal(ann));
    QCOMPARE(window.listView()->selectedRows(), QList<int>{0});
    popup->close();

    // On one of the selected items, or on empty space below the items: the selection stays.
    selectNames(window, {"Bob"});
    for (const QPoint& at : {ann, QPoint(10, viewport->height() - 5)}) {
        QTest::mouseClick(viewport, Qt::RightButton, {}, at);
        QTRY_VERIFY(popup->isVisible());
        popup->close();
        QCOMPARE(window.listView()->selectedRows(), (QList<int>{0, 1}));
    }
}

void TestMainWindow::doubleClickEdits()
{
    MainWindowFixture f;
    f.addRecord(QStringLiteral("Ann"), QDate(1990, 1, 1));
    MainWindow& window = f.open();
    window.showFromTray();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QListView* view = window.listView()->iconView();
    const QRect itemRect = view->visualRect(window.listView()->model()->index(0, 0));

    const auto dialogClass = rejectNextModal();
    // A double click comes after the press of its first click.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, itemRect.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, itemRect.center());
    QCOMPARE(*dialogClass, QStringLiteral("BirthdayDialog"));
    QVERIFY(f.messages.isEmpty());

    // On empty space: no item, no command.
    const auto noDialog = rejectNextModal();
    const QPoint empty(view->viewport()->width() - 5, view->viewport()->height() - 5);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, empty);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, empty);
    QTest::qWait(50);
    QCOMPARE(*noDialog, QString());
    QVERIFY(f.messages.isEmpty());
}

void TestMainWindow::storeFailuresAreShown()
{
    // A data file that is a folder: nothing can be read, compacted or written.
    MainWindowFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("birthday.dat")));
    MainWindow& window = f.open();
    QCOMPARE(window.listView()->itemCount(), 0);
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.messages.first().icon, QMessageBox::Critical);
    QVERIFY2(
        f.messages.first().text.startsWith(QLatin1String("The birthdays list could not be read.")),
        qPrintable(f.messages.first().text));

    f.messages.clear();
    f.setSetting("QuitConfirm", QStringLiteral("0"));
    window.exitCommand();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(
        f.messages.first().text.startsWith(QLatin1String("The data file could not be compacted.")));
    // The program ends all the same, with its layout saved.
    QCOMPARE(f.unloadedCount, 1);
    QCOMPARE(f.setting("WindowState"), QStringLiteral("0"));

    // At the end of the session nobody answers: the same failure ends without a message.
    MainWindowFixture g;
    QVERIFY(QDir(g.dir.path()).mkdir(QStringLiteral("birthday.dat")));
    MainWindow& ending = g.open();
    g.messages.clear();
    ending.sessionEnd();
    QVERIFY(g.messages.isEmpty());
    QCOMPARE(g.unloadedCount, 1);
}

void TestMainWindow::commandFailuresAreShown_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::newRow("delete") << "mnuBirthdaysDelete"
                            << "\"Bob\" could not be deleted.";
    QTest::newRow("duplicate") << "mnuPopupDuplicate"
                               << "\"Bob\" could not be duplicated.";
}

void TestMainWindow::commandFailuresAreShown()
{
    QFETCH(QString, command);
    QFETCH(QString, message);
    MainWindowFixture f;
    f.setSetting("DeleteConfirm", QStringLiteral("0"));
    f.addRecord(QStringLiteral("Bob"), QDate(1990, 1, 1));
    MainWindow& window = f.open();
    selectNames(window, {"Bob"});
    // The data file is taken away under the running program.
    QVERIFY(QFile::remove(f.store->dataPath()));
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("birthday.dat")));

    window.findChild<QAction*>(command)->trigger();
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.messages.first().icon, QMessageBox::Critical);
    QVERIFY2(f.messages.first().text.startsWith(message), qPrintable(f.messages.first().text));
    // The reason follows, below what failed.
    QVERIFY(f.messages.first().text.size() > message.size() + 2);
    // Nothing was done, so the list stays as it was.
    QCOMPARE(column(window, 0), QStringList{"Bob"});
}

void TestMainWindow::viewChecks()
{
    MainWindowFixture f;
    MainWindow& window = f.open();
    const QList<QAction*> items = window.actions().viewModeActions();
    const QList<ListViewMode> modes{ListViewMode::LargeIcons, ListViewMode::SmallIcons,
                                    ListViewMode::List, ListViewMode::Details};
    // Every item, then each again (choosing the checked one keeps its mark).
    for (int pass = 0; pass < 2; ++pass) {
        for (int i : {3, 1, 1, 2, 0, 0, 3, 3}) {
            items.at(i)->trigger();
            for (int j = 0; j < items.size(); ++j)
                QCOMPARE(items.at(j)->isChecked(), i == j);
            QCOMPARE(window.listView()->viewMode(), modes.at(i));
            const bool details = modes.at(i) == ListViewMode::Details;
            QCOMPARE(window.listView()->activeView(),
                     details ? static_cast<QWidget*>(window.listView()->detailsView())
                             : static_cast<QWidget*>(window.listView()->iconView()));
        }
    }
}

void TestMainWindow::arrangeChecks()
{
    MainWindowFixture f;
    f.addRecord(QStringLiteral("Young"), QDate(2010, 1, 1));
    f.addRecord(QStringLiteral("Old"), QDate(1930, 1, 1));
    MainWindow& window = f.open();
    const MainActions& a = window.actions();
    window.actions().mnuViewDetails->trigger();
    window.showFromTray();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QHeaderView* header = window.listView()->header();

    const auto clickHeader = [header](int logical) {
        const int x = header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    const auto arrangedByDate = [](const MainActions& actions, bool byDate) {
        QCOMPARE(actions.mnuViewArrangeIconsDate->isChecked(), byDate);
        QCOMPARE(actions.mnuViewArrangeIconsName->isChecked(), !byDate);
    };
    clickHeader(1);
    arrangedByDate(a, true);
    QCOMPARE(column(window, 0), (QStringList{"Old", "Young"}));
    clickHeader(0);
    arrangedByDate(a, false);
    QCOMPARE(column(window, 0), (QStringList{"Old", "Young"}));
    // Same place in the list: Young before Old would be by date only.
    a.mnuViewArrangeIconsDate->trigger();
    a.mnuViewArrangeIconsDate->trigger();
    arrangedByDate(a, true);
    a.mnuViewArrangeIconsName->trigger();
    arrangedByDate(a, false);

    // Arranged by date from the header: the next start arranges by date.
    clickHeader(1);
    f.setSetting("QuitConfirm", QStringLiteral("0"));
    window.exitCommand();
    QCOMPARE(f.setting("ArrangeIcons"), QStringLiteral("Date"));
    MainWindow& again = f.open();
    arrangedByDate(again.actions(), true);
    QCOMPARE(column(again, 0), (QStringList{"Old", "Young"}));
    QCOMPARE(again.listView()->model()->sortColumn(), ListArrange::Date);
}

void TestMainWindow::barsToggle()
{
    MainWindowFixture f;
    MainWindow& window = f.open();
    window.showFromTray();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const MainActions& a = window.actions();
    const int listHeight = window.listView()->height();
    a.mnuViewToolbarsStandard->trigger();
    QVERIFY(!a.mnuViewToolbarsStandard->isChecked());
    QVERIFY(window.toolbar()->isHidden());
    QTRY_VERIFY(window.listView()->height() > listHeight);
    a.mnuViewToolbarsStatus->trigger();
    QVERIFY(!a.mnuViewToolbarsStatus->isChecked());
    QVERIFY(window.objStatusBar()->isHidden());
    QCOMPARE(window.listView()->height(), window.clientArea()->height());

    f.setSetting("QuitConfirm", QStringLiteral("0"));
    window.exitCommand();
    MainWindow& again = f.open();
    QVERIFY(!again.actions().mnuViewToolbarsStandard->isChecked());
    QVERIFY(!again.actions().mnuViewToolbarsStatus->isChecked());
    QVERIFY(again.toolbar()->isHidden());
    QVERIFY(again.objStatusBar()->isHidden());
    again.actions().mnuViewToolbarsStatus->trigger();
    QVERIFY(again.actions().mnuViewToolbarsStatus->isChecked());
    QVERIFY(!again.objStatusBar()->isHidden());
}

void TestMainWindow::controlsArrangeWidths()
{
    MainWindowFixture f;
    MainWindow& window = f.open();
    window.showFromTray();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* client = window.clientArea();
    BirthdayListView* list = window.listView();
    HelpPanel* panel = window.helpPanel();

    QAction* help = window.actions().mnuHelpInteractive;
    // Panel hidden: the list takes the whole client area.
    QVERIFY(panel->isHidden());
    QCOMPARE(list->geometry(), client->rect());

    help->trigger();
    QVERIFY(help->isChecked());
    QVERIFY(panel->isVisible());
    // 100 twips between list and panel, 50 from the panel to the edge (the classic frame's
    // borders take the rest of the form's 150).
    const auto checkSideBySide = [&] {
        QCOMPARE(list->width(), client->width() - panel->width() - 7);
        QCOMPARE(panel->geometry().right() + 1, client->width() - 3);
        QCOMPARE(panel->height(), list->height());
        QCOMPARE(panel->y(), list->y());
    };
    checkSideBySide();
    window.resize(window.width() + 90, window.height() + 40);
    QTRY_COMPARE(list->height(), client->height());
    checkSideBySide();

    help->trigger();
    QVERIFY(!help->isChecked());
    QVERIFY(panel->isHidden());
    QCOMPARE(list->geometry(), client->rect());
}

void TestMainWindow::controlsArrangeKeepsSizeWhenNoRoom()
{
    MainWindowFixture f;
    MainWindow& window = f.open();
    window.showFromTray();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    BirthdayListView* list = window.listView();
    const QSize before = list->size();
    QWidget* client = window.clientArea();

    // No height left: the list keeps its height and takes the new width.
    client->resize(client->width() - 20, 0);
    QCOMPARE(list->height(), before.height());
    QCOMPARE(list->width(), before.width() - 20);

    // No width left beside the shown panel: the width stays.
    window.actions().mnuHelpInteractive->trigger();
    const int widthWithPanel = list->width();
    QVERIFY(widthWithPanel < before.width() - 20);
    client->resize(window.helpPanel()->width() + 5, 150);
    QCOMPARE(list->width(), widthWithPanel);
    QCOMPARE(list->height(), 150);
}

void TestMainWindow::helpUpdateKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString welcomeTitle = QStringLiteral("Interactive Help");
    QTest::newRow("unknown") << "nothing" << welcomeTitle << welcomeText;
    QTest::newRow("wrong case") << "OK" << welcomeTitle << welcomeText;
    QTest::newRow("ok") << "ok"
                        << "OK Button"
                        << "Closes the current window and saves any settings.";
    QTest::newRow("close") << "close"
                           << "Close Button"
                           << "Closes the current window.";
    QTest::newRow("date") << "date"
                          << "Birthday Date"
                          << "This is the date that the event occurs.  If it is a recurring "
                             "event such as a birthday, that happens every year, it might be "
                             "convenient to set the year as the date of birth of that "
                             "person.\r\n\r\nTip: using the down arrow will show you a calendar.";
}

void TestMainWindow::helpUpdateKeys()
{
    QFETCH(QString, key);
    MainWindowFixture f;
    MainWindow& window = f.open();
    window.helpUpdate(key);
    QTEST(window.helpPanel()->title(), "title");
    QTEST(window.helpPanel()->text(), "text");
    // An unknown key after a known one keeps the known one.
    window.helpUpdate(QStringLiteral("Cancel"));
    QTEST(window.helpPanel()->title(), "title");
}

namespace {

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

void TestMainWindow::helpRepaintsOnlyOnChange()
{
    MainWindowFixture f;
    f.setSetting("InteractiveHelp", QStringLiteral("True"));
    MainWindow& window = f.open();
    window.showFromTray();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    PaintCounter counter;
    window.helpPanel()->textLabel()->installEventFilter(&counter);

    window.helpUpdate(QStringLiteral("toolbar"));
    // Painted before helpUpdate returns, not at the next turn of the event loop.
    QVERIFY(counter.paints > 0);
    QCOMPARE(window.helpPanel()->title(), QStringLiteral("Toolbar"));

    QCoreApplication::processEvents();
    counter.paints = 0;
    window.helpUpdate(QStringLiteral("toolbar"));
    window.helpUpdate(QStringLiteral("Toolbar"));
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 0);

    window.helpUpdate(QStringLiteral("statusbar"));
    QVERIFY(counter.paints > 0);
}

void TestMainWindow::helpHooks()
{
    MainWindowFixture f;
    f.addRecord(QStringLiteral("Ann"), QDate(1990, 1, 1));
    MainWindow& window = f.open();
    window.showFromTray();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    HelpPanel* panel = window.helpPanel();
    QVERIFY(panel->isHidden());

    // Over the list while the panel is hidden: the hidden labels change all the same.
    QTest::mouseMove(window.listView()->iconView()->viewport(), QPoint(20, 20));
    QCOMPARE(panel->title(), QStringLiteral("Birthdays List"));
    window.actions().mnuHelpInteractive->trigger();
    QCOMPARE(panel->title(), QStringLiteral("Birthdays List"));

    QToolButton* button = qobject_cast<QToolButton*>(
        window.toolbar()->widgetForAction(window.toolbar()->actions()[0]));
    QVERIFY(button);
    QTest::mouseMove(button, QPoint(5, 5));
    QCOMPARE(panel->title(), QStringLiteral("Toolbar"));

    QTest::mouseMove(window.objStatusBar()->findChild<QLabel*>(), QPoint(5, 5));
    QCOMPARE(panel->title(), QStringLiteral("Status Bar"));

    QTest::mouseMove(panel->textLabel(), QPoint(5, 5));
    QCOMPARE(panel->title(), QStringLiteral("Interactive Help"));
    QVERIFY(panel->text().startsWith(QLatin1String("Interactive Help provides information")));

    window.actions().mnuViewDetails->trigger();
    QTest::mouseMove(window.listView()->detailsView()->viewport(), QPoint(15, 15));
    QCOMPARE(panel->title(), QStringLiteral("Birthdays List"));
}

void TestMainWindow::closeButton_data()
{
    QTest::addColumn<bool>("tray");
    QTest::newRow("hides with a tray") << true;
    QTest::newRow("minimises without a tray") << false;
}

void TestMainWindow::closeButton()
{
    QFETCH(bool, tray);
    MainWindowFixture f;
    MainWindow& window = f.open();
    window.setTrayAvailable(tray);
    window.showFromTray();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.close());
    QCOMPARE(window.isVisible(), !tray);
    if (!tray)
        QTRY_VERIFY(window.isMinimized());
    QCOMPARE(f.unloadedCount, 0);
    QVERIFY(f.messages.isEmpty());
    // Nothing saved.
    QCOMPARE(f.setting("WindowState"), QString());
    QVERIFY(window.checkTimer()->isActive());
    window.showFromTray();
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
}

void TestMainWindow::exitQuestion_data()
{
    QTest::addColumn<QString>("quitConfirm"); // "" : never set
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("ends");

    QTest::newRow("1, No") << "1" << int(QMessageBox::No) << true << false;
    QTest::newRow("1, Yes") << "1" << int(QMessageBox::Yes) << true << true;
    QTest::newRow("not set, No") << "" << int(QMessageBox::No) << true << false;
    QTest::newRow("0") << "0" << int(QMessageBox::No) << false << true;
    QTest::newRow("other text") << "yes" << int(QMessageBox::No) << false << true;
}

void TestMainWindow::exitQuestion()
{
    QFETCH(QString, quitConfirm);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, ends);

    MainWindowFixture f;
    if (!quitConfirm.isEmpty())
        f.setSetting("QuitConfirm", quitConfirm);
    f.addRecord(QStringLiteral("Ann"), QDate(1990, 1, 1));
    f.addRecord(QStringLiteral("Bob"), QDate(1990, 1, 1));
    QCOMPARE(f.store->recordDelete(*f.store->recordRead(0)), BirthdayStore::Outcome::Done);
    const qint64 sizeBefore = QFileInfo(f.store->dataPath()).size();
    MainWindow& window = f.open();
    window.showFromTray();
    f.answers = {QMessageBox::StandardButton(answer)};
    window.actions().mnuBirthdaysExit->trigger();

    if (asked)
        onlyMessage(f, QMessageBox::Question, exitQuestionText, QMessageBox::Yes | QMessageBox::No);
    else
        QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.unloadedCount, ends ? 1 : 0);
    QCOMPARE(window.isUnloaded(), ends);
    QCOMPARE(window.isVisible(), !ends);
    QCOMPARE(window.checkTimer()->isActive(), !ends);
    // Layout saved and data file compacted only on the way out.
    QCOMPARE(f.setting("IconView"), ends ? QStringLiteral("LargeIcons") : QString());
    const qint64 sizeAfter = QFileInfo(f.store->dataPath()).size();
    QCOMPARE(sizeAfter < sizeBefore, ends);
    QCOMPARE(liveKeys(*f.store), QList<int>{1});
}

void TestMainWindow::sessionEndUnloadsWithoutQuestion()
{
    MainWindowFixture f;
    f.setSetting("QuitConfirm", QStringLiteral("1"));
    MainWindow& window = f.open();
    window.sessionEnd();
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.unloadedCount, 1);
    QCOMPARE(f.setting("InteractiveHelp"), QStringLiteral("False"));
    // A second end (the exit after the session's end) does nothing more.
    window.exitCommand();
    window.sessionEnd();
    QCOMPARE(f.unloadedCount, 1);
    QVERIFY(f.messages.isEmpty());
}

void TestMainWindow::realMessageBox()
{
    // No hook: the question comes up as a real message box, the name in it as plain text.
    MainWindowFixture f;
    f.addRecord(QStringLiteral("<b>Mum</b>"), QDate(1990, 1, 1));
    MainWindow window(*f.store, *f.settings, f.clock);
    window.formLoad();
    selectNames(window, {"<b>Mum</b>"});
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        format = box->textFormat();
        box->button(QMessageBox::No)->click();
    });
    window.birthdaysDelete();
    QCOMPARE(title, QStringLiteral("Candlewatcher"));
    QCOMPARE(text, QStringLiteral("Are you sure you want to delete <b>Mum</b> permanently from "
                                  "your birthdays list?"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(liveKeys(*f.store), QList<int>{0});

    // A slip of the Return key on the delete question deletes nothing.
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            QTest::keyClick(box, Qt::Key_Return);
    });
    window.actions().mnuBirthdaysDelete->trigger();
    QCOMPARE(liveKeys(*f.store), QList<int>{0});
}

// Every control a user can reach, by keyboard or mouse, tells assistive tools its name; those
// without a caption take the one their label or frame gives them.
void TestMainWindow::accessibleNames()
{
    MainWindowFixture f;
    MainWindow& window = f.open();
    window.showFromTray();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<BirthdayDialog>(BirthdayDialog::Mode::Add, BirthdayRecord(),
                                                       *f.store, f.clock, HelpSink()));
    windows.push_back(std::make_unique<PreferencesDialog>(*f.settings, HelpSink()));
    windows.push_back(std::make_unique<WellKnownDaysDialog>(*f.store, HelpSink()));
    windows.push_back(std::make_unique<AboutDialog>());
    windows.push_back(std::make_unique<CommentsForm>(*f.settings));
    windows.push_back(std::make_unique<AlertDialog>());
    windows.push_back(std::make_unique<NotificationWindow>());
    QMap<QString, QString> names; // window/control: name
    const auto namesRead = [&names](QWidget* top) {
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(top) || w->focusProxy() ||
                (w->focusPolicy() == Qt::NoFocus && !qobject_cast<QAbstractButton*>(w) &&
                 w->cursor().shape() != Qt::PointingHandCursor))
                continue;
            auto* tool = qobject_cast<QToolButton*>(w);
            const QString control = tool && tool->defaultAction()
                                        ? tool->defaultAction()->objectName()
                                        : w->objectName();
            names.insert(top->objectName() + '/' + control,
                         QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name));
        }
    };
    for (QAction* view : {window.actions().mnuViewLargeIcons, window.actions().mnuViewDetails}) {
        view->trigger();
        namesRead(&window);
    }
    for (const auto& other : windows)
        namesRead(other.get());
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        QVERIFY2(!it.value().isEmpty(), qPrintable(it.key()));
    // Toolbar buttons and clickable labels count too.
    QVERIFY(names.contains("frmMain/objToolbar_quit") &&
            names.contains("frmNotification/lblClose"));
    QCOMPARE(names.value("frmMain/lvwBirthdaysDetails"), QStringLiteral("Birthdays List"));
    QCOMPARE(names.value("frmAlert/lstDue"), QStringLiteral("Birthdays Due Today"));
    QVERIFY(names.value("frmSpecialEvents/lvwSpecialEvents").startsWith("Please select any dates"));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
