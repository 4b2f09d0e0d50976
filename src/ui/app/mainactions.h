#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// The menus of frmMain: the menu bar, the list's pop-up menu mnuPopup, the tray menu
// mnuSysTray, and the toolbar's buttons. Each action carries its menu item's name as object
// name; the toolbar's actions carry their button identifier as data. Built once; the window
// connects the actions to its commands.
struct MainActions
{
    // Birthdays
    QAction* mnuBirthdaysNew = nullptr;
    QAction* mnuBirthdaysSpecialEvents = nullptr;
    QAction* mnuBirthdaysEdit = nullptr;
    QAction* mnuBirthdaysDuplicate = nullptr;
    QAction* mnuBirthdaysDelete = nullptr;
    QAction* mnuBirthdaysImport = nullptr;
    QAction* mnuBirthdaysExport = nullptr;
    QAction* mnuBirthdaysRestore = nullptr;
    QAction* mnuBirthdaysExit = nullptr;
    // View
    QAction* mnuViewToolbarsStandard = nullptr;
    QAction* mnuViewToolbarsStatus = nullptr;
    QAction* mnuViewLargeIcons = nullptr;
    QAction* mnuViewSmallIcons = nullptr;
    QAction* mnuViewList = nullptr;
    QAction* mnuViewDetails = nullptr;
    QAction* mnuViewArrangeIconsName = nullptr;
    QAction* mnuViewArrangeIconsDate = nullptr;
    QAction* mnuViewArrangeIconsNextDate = nullptr;
    QAction* mnuViewPreferences = nullptr;
    // Help
    QAction* mnuHelpInteractive = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QAction* mnuHelpCommentsAndSuggestions = nullptr;
    QAction* mnuHelpMarrowfellWebsite = nullptr;
    // Pop-up menu of the list
    QMenu* mnuPopup = nullptr;
    QAction* mnuPopupNew = nullptr;
    QAction* mnuPopupEdit = nullptr;
    QAction* mnuPopupDuplicate = nullptr;
    QAction* mnuPopupDelete = nullptr;
    // Tray menu
    QMenu* mnuSysTray = nullptr;
    QAction* mnuSysTrayShow = nullptr;
    QAction* mnuSysTrayNotifications = nullptr;
    QAction* mnuSysTrayNew = nullptr;
    QAction* mnuSysTrayAbout = nullptr;
    QAction* mnuSysTrayWebsite = nullptr;
    QAction* mnuSysTrayPreferences = nullptr;
    QAction* mnuSysTrayExit = nullptr;

    // The menus go into the window's menu bar; the pop-up menus are children of the window.
    void build(QMainWindow* window);
    // The eight buttons of objToolbar, in order.
    void buildToolbar(QToolBar* toolbar);
    // The four view mode items, in menu order.
    QList<QAction*> viewModeActions() const;
    // The arrangement items, in the order of ListArrange.
    QList<QAction*> arrangeActions() const;
};
