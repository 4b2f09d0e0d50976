#pragma once

// What the main window's tests share: the texts they compare menus and the toolbar by, and
// the start on two screens side by side, the right one smaller, that the layout tests place
// the window on.
#include "accesskeys.h"
#include "core/store/datafilewatcher.h"
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
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cstdio>

inline QString toolbarId(QToolBar* toolbar, const QAction* button)
{
    return toolbar->widgetForAction(const_cast<QAction*>(button))
        ->objectName()
        .mid(QString("objToolbar_").size());
}

inline const QString exitText = "Question: If you exit then you will not be alerted to any future "
                                "events.  Are you sure you want to exit?";

// Each item's caption, shortcut (where the menu shows it: a menu not opened from the menu bar
// shows none of an action that says so), check mark and whether it is its menu's default, in
// bold; "-" for a separator; a submenu's items in braces after it.
inline QString menuText(const QList<QAction*>& actions, const QMenu* in = nullptr,
                        bool popup = false)
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

// The toolbar's buttons: each one's identifier (its object name's end), tip and theme icon; "-"
// for a separator.
inline QString toolbarText(QToolBar* toolbar)
{
    QStringList items;
    for (QAction* action : toolbar->actions())
        items << (action->isSeparator()
                      ? QStringLiteral("-")
                      : toolbarId(toolbar, action) + ": " + action->toolTip() +
                            (action->isEnabled() ? "" : " (disabled)") +
                            (action->icon().name().isEmpty() ? QString()
                                                             : " [" + action->icon().name() + "]"));
    return items.join('|');
}

// Two screens side by side, the right one smaller, for the offscreen platform.
inline bool twoScreens(const QTemporaryDir& dir)
{
    const QString config = dir.filePath("screens.json");
    if (!writeFile(config, R"({"screens": [{"name": "left", "width": 800, "height": 600},
            {"name": "right", "x": 800, "width": 640, "height": 480}]})"))
        return false;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    return true;
}

// The test's main: the application on the two screens, in "M/d/yy" (the list shows dates with "/").
#define CW_MAINWINDOW_TEST_MAIN(TestClass)                                                         \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QTemporaryDir dir;                                                                         \
        if (!twoScreens(dir))                                                                      \
            return 1;                                                                              \
        QApplication app(argc, argv);                                                              \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                     \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
