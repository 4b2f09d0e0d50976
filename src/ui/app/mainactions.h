#pragma once

#include <QCoreApplication>
#include <QList>
#include <QObject>

class MainWindow;
class QAction;
class QMenu;
class QMenuBar;
class QToolBar;

// The main window's commands, one QAction each, which the menu bar, the list's pop-up menu, the
// tray menu and the toolbar show. A command is one row of the table in mainactions.cpp (its
// object name, caption, shortcut, check mark and the window's slot it runs), then named in the
// menus and toolbar that show it. The pop-up and the tray menu show no shortcut keys.
//
// A command has a second action only where one menu shows it otherwise: the pop-up's Edit,
// which is the pop-up's default item and bold there (an action's font is the same in every
// menu), and the tray's New, About, Website and Preferences, whose captions differ from the
// menu bar's. Each action carries a fixed object name, by which tests and assistive tools find
// it; the toolbar's buttons carry their own ("objToolbar_" and the button's identifier).
struct MainActions
{
    Q_DECLARE_TR_FUNCTIONS(MainActions)

public:
    // Birthdays (newAction, duplicateAction and deleteAction also in the pop-up menu, exitAction
    // in the tray menu; the toolbar's in buildToolbar)
    QAction* newAction = nullptr;
    QAction* specialEventsAction = nullptr;
    QAction* editAction = nullptr;
    QAction* duplicateAction = nullptr;
    QAction* deleteAction = nullptr;
    QAction* importAction = nullptr;
    QAction* exportAction = nullptr;
    QAction* restoreAction = nullptr;
    QAction* subscriptionsAction = nullptr;
    QAction* exitAction = nullptr;
    // View
    QAction* toolbarAction = nullptr;
    QAction* statusBarAction = nullptr;
    QAction* largeIconsAction = nullptr;
    QAction* smallIconsAction = nullptr;
    QAction* listModeAction = nullptr;
    QAction* detailsAction = nullptr;
    QAction* arrangeByNameAction = nullptr;
    QAction* arrangeByDateAction = nullptr;
    QAction* arrangeByNextDateAction = nullptr;
    QAction* arrangeByAgeAction = nullptr;
    QAction* preferencesAction = nullptr;
    // Help
    QAction* interactiveHelpAction = nullptr;
    QAction* aboutAction = nullptr;
    QAction* commentsAction = nullptr;
    QAction* websiteAction = nullptr;
    // The list's pop-up menu: its default item
    QMenu* contextMenu = nullptr;
    QAction* contextEditAction = nullptr;
    // The tray menu's own items
    QMenu* trayMenu = nullptr;
    QAction* trayShowAction = nullptr;
    QAction* trayNotificationsAction = nullptr;
    QAction* trayNewAction = nullptr;
    QAction* trayAboutAction = nullptr;
    QAction* trayWebsiteAction = nullptr;
    QAction* trayPreferencesAction = nullptr;

    // The actions, connected to the window's slots, and the menus, children of the window.
    void build(MainWindow* window);
    // The menus go into the window's menu bar, which is built with the window's controls.
    void buildMenuBar(QMenuBar* bar);
    // The toolbar's eight buttons, in order, with their pictures and tips.
    void buildToolbar(QToolBar* toolbar);
    // The four view mode items, in menu order.
    QList<QAction*> viewModeActions() const;
    // The arrangement items, in the order of ListArrange.
    QList<QAction*> arrangeActions() const;

private:
    QList<QMenu*> m_barMenus;
};
