#pragma once

#include <QCoreApplication>
#include <QList>
#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;

// The main window's menus: the menu bar, the list's context menu, the tray menu, and the
// toolbar's buttons. Each action carries a fixed object name, by which tests and assistive
// tools find it; the toolbar's actions carry their button identifier as data. Built once; the
// window connects the actions to its commands.
struct MainActions
{
    Q_DECLARE_TR_FUNCTIONS(MainActions)

public:
    // Birthdays
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
    // The list's context menu
    QMenu* contextMenu = nullptr;
    QAction* contextNewAction = nullptr;
    QAction* contextEditAction = nullptr;
    QAction* contextDuplicateAction = nullptr;
    QAction* contextDeleteAction = nullptr;
    // Tray menu
    QMenu* trayMenu = nullptr;
    QAction* trayShowAction = nullptr;
    QAction* trayNotificationsAction = nullptr;
    QAction* trayNewAction = nullptr;
    QAction* trayAboutAction = nullptr;
    QAction* trayWebsiteAction = nullptr;
    QAction* trayPreferencesAction = nullptr;
    QAction* trayExitAction = nullptr;

    // The menus and the pop-up menus, children of the window.
    void build(QMainWindow* window);
    // The menus go into the window's menu bar, which is built with the window's controls.
    void buildMenuBar(QMenuBar* bar);
    // The toolbar's eight buttons, in order.
    void buildToolbar(QToolBar* toolbar);
    // The four view mode items, in menu order.
    QList<QAction*> viewModeActions() const;
    // The arrangement items, in the order of ListArrange.
    QList<QAction*> arrangeActions() const;

private:
    QList<QMenu*> m_barMenus;
};
