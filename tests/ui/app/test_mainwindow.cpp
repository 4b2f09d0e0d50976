#include "core/store/eventrulefile.h"
#include "mainwindowtest.h"
#include "ui/presentation/helptopics.h"

#include <functional>

namespace {

// Every window but the main one as the program makes them; the alert with both its lists.
std::vector<std::unique_ptr<QWidget>> otherWindows(MainWindowFixture& f)
{
    auto alert = std::make_unique<AlertDialog>();
    alert->addDue("Anna Schmidt");
    alert->addMissed("Ben (1.12.)");
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<BirthdayDialog>(BirthdayDialog::Mode::Add, BirthdayRecord(),
                                                       f.store, f.clock, HelpSink()));
    windows.push_back(std::make_unique<PreferencesDialog>(f.settings, HelpSink()));
    windows.push_back(std::make_unique<WellKnownDaysDialog>(f.store, HelpSink()));
    windows.push_back(std::make_unique<AboutDialog>());
    windows.push_back(std::make_unique<CommentsForm>(f.settings));
    windows.push_back(std::move(alert));
    windows.push_back(std::make_unique<NotificationWindow>());
    windows.push_back(
        std::make_unique<ImportDialog>(QList<ImportPlan::Item>(1), QStringList{"a.vcf"}));
    windows.push_back(std::make_unique<RestoreDialog>(QList<Backups::Backup>(1)));
    return windows;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstLoad()
    {
        // The desktop's own icons where its theme has them (here the tests' own theme).
        const auto unthemed =
            qScopeGuard([theme = QIcon::themeName()] { QIcon::setThemeName(theme); });
        QIcon::setThemeSearchPaths({CW_TEST_DATA "/icons"});
        QIcon::setThemeName("test");
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
        QCOMPARE(menuText(window.menuBar()->actions() << window.actions().contextMenu->menuAction()
                                                      << window.trayMenu()->menuAction()),
                 "&Birthdays{&New Birthday Ctrl+N|&Special Events|-|&Edit Birthday Ctrl+E|"
                 "Du&plicate Birthday Ctrl+D|&Delete Birthday Del|-|&Import...|Exp&ort...|"
                 "Restore from &Backup...|S&ubscriptions...|-|E&xit Candlewatcher}|"
                 "&View{&Toolbars{Standard &Toolbar Ctrl+T [x]|&Status Bar Ctrl+S [x]}|-|"
                 "Lar&ge Icons [x]|&Small Icons [ ]|&List [ ]|&Details [ ]|-|"
                 "&Arrange Icons{By &Name [ ]|By &Date [ ]|By Ne&xt Date [x]|By &Age [ ]}|"
                 "Preferences F12}|&Help{Interactive Help F1 [ ]|-|About Candlewatcher Ctrl+A|"
                 "&Comments and Suggestions F3|Marrowfell &Website F2}|Popup{&New Birthday|-|"
                 "&Edit Birthday (default)|Du&plicate Birthday|&Delete Birthday}|"
                 "SysTray{&Show Candlewatcher (default)|Show N&otifications|Add &New Birthday|-|"
                 "&About Candlewatcher|&Marrowfell Website|&Preferences|-|E&xit Candlewatcher}");
        QCOMPARE(toolbarText(window.toolbar()),
                 "newbirthday: Add New Birthday [document-new]|editbirthday: Edit Selected "
                 "Birthday [document-properties]|duplicatebirthday: Duplicate Birthday "
                 "[edit-copy]|deletebirthday: Delete Selected Birthday [edit-delete]|-|special: "
                 "Insert Special Events [x-office-calendar]|-|preferences: Preferences "
                 "[preferences-system]|website: Marrowfell Website [internet-web-browser]|-|quit: "
                 "Exit Candlewatcher [application-exit]");
        // Our own pictures stand in where the theme has none, each as drawn when it was last
        // looked at, named by the button's place on the toolbar (CW_WRITE_REFERENCES=1 takes
        // them anew after a deliberate change).
        int place = 0;
        for (const QAction* button : window.toolbar()->actions()) {
            if (button->isSeparator())
                continue;
            const QImage image =
                toolbarFallbackIcon(toolbarId(window.toolbar(), button)).pixmap(24).toImage();
            const QString seen = CW_TEST_DATA "/toolbar/button" + QString::number(++place) + ".png";
            if (qEnvironmentVariableIsSet("CW_WRITE_REFERENCES"))
                image.save(seen);
            QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
                     QImage(seen).convertToFormat(QImage::Format_ARGB32));
        }
        window.actions().restoreAction->trigger();
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].startsWith("Information: There are no backups yet."));
        // A notice that comes while the window is hidden shows alone once it opens.
        Q_EMIT f.services->runner.notificationsUnavailable();
        window.showFromTray();
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        auto* panel = window.statusBar()->findChild<QLabel*>();
        QVERIFY(panel->text().startsWith("No desktop"));
        // A notice longer than the panel is cut there, whole in its tip; the window keeps its
        // width.
        const int width = window.width();
        const QString longNotice = QString("No secret service answered. ").repeated(8);
        Q_EMIT f.services->sync.status(longNotice);
        QTest::qWait(50);
        QCOMPARE(window.width(), width);
        QCOMPARE(panel->toolTip(), longNotice);
        QVERIFY2(panel->text().endsWith(QChar(0x2026)), qPrintable(panel->text()));
    }

    // Arranged by what is coming up (the leap-day rule applied, unreadable dates last). The list
    // has the keyboard; Ctrl+F filters by name, Down goes to the first match, Escape brings all
    // back and the keyboard to the list, Return edits the selected event (in the search field the
    // first match); a new day moves the "In" column at the next tick, the selection kept.
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
        // A right click on the bars offers no menu of Qt's own beside the View menu's marks.
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(window.toolbar(), &click);
        QVERIFY(!QApplication::activePopupWidget());
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
    // or frame gives them); no access key twice in a window or menu; no text cut; every control
    // that shows something in sight, at the size the window opens with, which is its design's.
    void namedAndFitInEveryLanguage_data() { languageRows(); }
    void namedAndFitInEveryLanguage()
    {
        QFETCH(QString, language);
        // Each window's size in English, and where its controls lie: a control moved, resized or
        // hidden since they were last looked at is a change to look at, where the font is the
        // same (CW_WRITE_REFERENCES=1 takes them anew after a deliberate change).
        QHash<QString, QSize> designed;
        QStringList places{
            QFontInfo(qApp->font()).family() + ' ' +
            QString::number(QFontMetrics(qApp->font()).horizontalAdvance("Ag 2026"))};
        const auto lookAt = [&places, &designed](QWidget* top) {
            top->show();
            designed.insert(top->objectName(), top->size());
            places << top->objectName() + QString::asprintf(" %dx%d", top->width(), top->height());
            for (const QWidget* w : top->findChildren<QWidget*>()) {
                const QPoint at = w->mapTo(top, QPoint());
                if (!w->isVisibleTo(top) || w->objectName().isEmpty())
                    continue;
                places << top->objectName() + '/' + w->objectName() +
                              QString::asprintf(" %d,%d %dx%d", at.x(), at.y(), w->width(),
                                                w->height());
                // And a list's first item, as its view lays the items out.
                const auto* view = qobject_cast<const QAbstractItemView*>(w);
                if (const QRect item = view && view->model()
                                           ? view->visualRect(view->model()->index(0, 0))
                                           : QRect();
                    !item.isNull())
                    places.last() += QString::asprintf(" item %d,%d %dx%d", item.x(), item.y(),
                                                       item.width(), item.height());
            }
            // Its menus, commands and separators by name, with their keys (Qt's own left out).
            for (const QMenu* menu : top->findChildren<QMenu*>(QRegularExpression(".")))
                places << top->objectName() + ' ' + menu->objectName();
            for (const QAction* a : top->findChildren<QAction*>())
                if (!a->objectName().isEmpty() && !a->objectName().startsWith("_q_"))
                    places << top->objectName() + ' ' + a->objectName() +
                                  (a->shortcut().isEmpty() ? "" : ' ' + a->shortcut().toString());
        };
        {
            MainWindowFixture english;
            english.add("Ann", QDate(1980, 5, 4));
            lookAt(&english.shown());
            for (const auto& other : otherWindows(english))
                lookAt(other.get());
        }
        const QString seen = CW_TEST_DATA "/layout-en.txt";
        if (language == "en" && qEnvironmentVariableIsSet("CW_WRITE_REFERENCES"))
            QVERIFY(writeFile(seen, places.join('\n').toUtf8() + '\n'));
        const QStringList last = QString(readFile(seen)).trimmed().split('\n');
        if (language == "en" && last.first() == places.first())
            QCOMPARE(places, last);
        const InLanguage in(language);
        MainWindowFixture f;
        // Widths stored in another language (In at 40 px), an event far ahead ("in 353 Tagen"
        // still shows whole) and one in another calendar.
        f.setSettings("Column1Width=1500 Column4Width=600");
        f.add("Far Ahead", f.clock.today().addDays(353));
        f.add("Yahrzeit", "2027/04/29");
        QVERIFY(EventRuleFile::setRule(
            EventRuleFile::pathFor(f.path()), f.store.readAllRecords()->last(),
            YearlyRule::inCalendar(YearlyRule::Calendar::Hebrew, 8, 22)));
        MainWindow& window = f.shown();
        // The help follows the pointer in the window's language, not in its English source.
        QTest::mouseMove(window.listView()->iconView()->viewport(), QPoint(20, 20));
        const HelpTopic* topic = HelpTopics::find("bdaylist");
        QCOMPARE(window.helpPanel()->title() == QLatin1String(topic->title), language == "en");
        QCOMPARE(window.helpPanel()->text() == QLatin1String(topic->text), language == "en");
        // The search key as Qt's own translation names it.
        const QHash<QString, QString> findKeys{
            {"en", "(Ctrl+F)"}, {"de", "(Strg+F)"}, {"es", "(Control+F)"}};
        QVERIFY(window.searchField()->placeholderText().endsWith(findKeys.value(language, ")")));
        const std::vector<std::unique_ptr<QWidget>> others = otherWindows(f);
        QStringList named; // window/control
        const auto namesRead = [&named, &language, &designed](QWidget* top) {
            // The fixed designs open at their English size (the notification may widen for a
            // longer translation, the main window's bars follow the font's line height);
            // windows laid out to their texts stay on the smallest screen supported, 800 x 600.
            const QSize size = designed.value(top->objectName());
            const bool fixed = top->objectName() == "frmAlert" || top->objectName() == "frmMain";
            QVERIFY2(top->objectName() == "frmNotification"
                         ? top->width() >= size.width() && top->height() == size.height()
                     : fixed
                         ? top->width() == size.width() && qAbs(top->height() - size.height()) < 8
                         : top->width() <= 800 && top->height() <= 600,
                     qPrintable(top->objectName()));
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

    // An import reads and plans off the window's thread. Its progress (here at once) cancelled,
    // nothing is added; left to finish, the preview lists what the file holds, and what is
    // chosen is added while the window goes on.
    void importInTheBackground()
    {
        MainWindowFixture f;
        const auto write = [&f](const QString& name, int count) {
            QByteArray cards;
            for (int i = 1; i <= count; ++i)
                cards += QString("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:%1 %2\r\nBDAY:1980-01-%3\r\n"
                                 "END:VCARD\r\n")
                             .arg(name)
                             .arg(i)
                             .arg(i % 28 + 1, 2, 10, QChar('0'))
                             .toUtf8();
            QVERIFY(writeFile(f.dir.filePath(name), cards));
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
        QCOMPARE(f.names(), QStringList({"three 1", "three 2", "three 3"}));
        QCOMPARE(f.messages, QStringList());
        // A file that does not read is told of, and nothing more.
        commands.importFiles({f.dir.filePath("missing")});
        QCOMPARE(f.messages.size(), 1);
    }
};

CW_MAINWINDOW_TEST_MAIN(TestMainWindow)

#include "test_mainwindow.moc"
