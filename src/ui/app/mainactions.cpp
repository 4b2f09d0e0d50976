#include "ui/app/mainactions.h"

#include "core/program/programidentity.h"
#include "ui/app/toolbaricons.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption,
              const QKeySequence& shortcut = QKeySequence())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QAction* checkItem(QMenu* menu, const char* name, const QString& caption, bool checked,
                   const QKeySequence& shortcut = QKeySequence())
{
    QAction* action = item(menu, name, caption, shortcut);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QAction* separator(QMenu* menu, const char* name)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}

// The desktop's icon where its theme has one, else our own.
QIcon themeIcon(const char* themeName, const QString& identifier)
{
    return QIcon::fromTheme(QLatin1String(themeName), toolbarFallbackIcon(identifier));
}

void makeDefault(QMenu* menu, QAction* action)
{
    menu->setDefaultAction(action);
    QFont bold = menu->font();
    bold.setBold(true);
    action->setFont(bold);
}

} // namespace

void MainActions::build(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();

    QMenu* birthdays = bar->addMenu(QStringLiteral("&Birthdays"));
    birthdays->setObjectName(QStringLiteral("mnuBirthdays"));
    newAction = item(birthdays, "mnuBirthdaysNew", QStringLiteral("&New Birthday"),
                     QKeySequence(Qt::CTRL | Qt::Key_N));
    specialEventsAction =
        item(birthdays, "mnuBirthdaysSpecialEvents", QStringLiteral("&Special Events"));
    separator(birthdays, "mnuSeparator1");
    editAction = item(birthdays, "mnuBirthdaysEdit", QStringLiteral("&Edit Birthday"),
                      QKeySequence(Qt::CTRL | Qt::Key_E));
    duplicateAction =
        item(birthdays, "mnuBirthdaysDuplicate", QStringLiteral("Du&plicate Birthday"),
             QKeySequence(Qt::CTRL | Qt::Key_D));
    deleteAction = item(birthdays, "mnuBirthdaysDelete", QStringLiteral("&Delete Birthday"),
                        QKeySequence(Qt::Key_Delete));
    separator(birthdays, "mnuSeparator10");
    importAction = item(birthdays, "mnuBirthdaysImport", QStringLiteral("&Import..."));
    exportAction = item(birthdays, "mnuBirthdaysExport", QStringLiteral("Exp&ort..."));
    restoreAction =
        item(birthdays, "mnuBirthdaysRestore", QStringLiteral("Restore from &Backup..."));
    separator(birthdays, "mnuSeparator2");
    exitAction = item(birthdays, "mnuBirthdaysExit", QStringLiteral("E&xit Candlewatcher"));

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QMenu* toolbars = view->addMenu(QStringLiteral("&Toolbars"));
    toolbars->setObjectName(QStringLiteral("mnuViewToolbars"));
    toolbarAction =
        checkItem(toolbars, "mnuViewToolbarsStandard", QStringLiteral("Standard &Toolbar"), true,
                  QKeySequence(Qt::CTRL | Qt::Key_T));
    statusBarAction = checkItem(toolbars, "mnuViewToolbarsStatus", QStringLiteral("&Status Bar"),
                                true, QKeySequence(Qt::CTRL | Qt::Key_S));
    separator(view, "mnuSeparator3");
    largeIconsAction = checkItem(view, "mnuViewLargeIcons", QStringLiteral("Lar&ge Icons"), true);
    smallIconsAction = checkItem(view, "mnuViewSmallIcons", QStringLiteral("&Small Icons"), false);
    listModeAction = checkItem(view, "mnuViewList", QStringLiteral("&List"), false);
    detailsAction = checkItem(view, "mnuViewDetails", QStringLiteral("&Details"), false);
    separator(view, "mnuSeparator4");
    QMenu* arrange = view->addMenu(QStringLiteral("&Arrange Icons"));
    arrange->setObjectName(QStringLiteral("mnuViewArrangeIcons"));
    arrangeByNameAction =
        checkItem(arrange, "mnuViewArrangeIconsName", QStringLiteral("By &Name"), true);
    arrangeByDateAction =
        checkItem(arrange, "mnuViewArrangeIconsDate", QStringLiteral("By &Date"), false);
    arrangeByNextDateAction =
        checkItem(arrange, "mnuViewArrangeIconsNextDate", QStringLiteral("By Ne&xt Date"), false);
    arrangeByAgeAction =
        checkItem(arrange, "mnuViewArrangeIconsAge", QStringLiteral("By &Age"), false);
    preferencesAction =
        item(view, "mnuViewPreferences", QStringLiteral("Preferences"), QKeySequence(Qt::Key_F12));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    interactiveHelpAction =
        checkItem(help, "mnuHelpInteractive", QStringLiteral("Interactive Help"), false,
                  QKeySequence(Qt::Key_F1));
    separator(help, "mnuSeparator9");
    aboutAction = item(help, "mnuHelpAbout", QStringLiteral("About Candlewatcher"),
                       QKeySequence(Qt::CTRL | Qt::Key_A));
    commentsAction = item(help, "mnuHelpCommentsAndSuggestions",
                          QStringLiteral("&Comments and Suggestions"), QKeySequence(Qt::Key_F3));
    websiteAction =
        item(help, "mnuHelpMarrowfellWebsite", organisationName() + QStringLiteral(" &Website"),
             QKeySequence(Qt::Key_F2));

    contextMenu = new QMenu(QStringLiteral("Popup"), window);
    contextMenu->setObjectName(QStringLiteral("mnuPopup"));
    contextNewAction = item(contextMenu, "mnuPopupNew", QStringLiteral("&New Birthday"));
    separator(contextMenu, "mnuSeparator6");
    contextEditAction = item(contextMenu, "mnuPopupEdit", QStringLiteral("&Edit Birthday"));
    contextDuplicateAction =
        item(contextMenu, "mnuPopupDuplicate", QStringLiteral("Du&plicate Birthday"));
    contextDeleteAction = item(contextMenu, "mnuPopupDelete", QStringLiteral("&Delete Birthday"));
    makeDefault(contextMenu, contextEditAction);

    trayMenu = new QMenu(QStringLiteral("SysTray"), window);
    trayMenu->setObjectName(QStringLiteral("mnuSysTray"));
    trayShowAction = item(trayMenu, "mnuSysTrayShow", QStringLiteral("&Show Candlewatcher"));
    trayNotificationsAction =
        item(trayMenu, "mnuSysTrayNotifications", QStringLiteral("Show N&otifications"));
    trayNewAction = item(trayMenu, "mnuSysTrayNew", QStringLiteral("Add &New Birthday"));
    separator(trayMenu, "mnuSeparator7");
    trayAboutAction = item(trayMenu, "mnuSysTrayAbout", QStringLiteral("&About Candlewatcher"));
    trayWebsiteAction =
        item(trayMenu, "mnuSysTrayWebsite", u'&' + organisationName() + QStringLiteral(" Website"));
    trayPreferencesAction = item(trayMenu, "mnuSysTrayPreferences", QStringLiteral("&Preferences"));
    separator(trayMenu, "mnuSeparator8");
    trayExitAction = item(trayMenu, "mnuSysTrayExit", QStringLiteral("E&xit Candlewatcher"));
    makeDefault(trayMenu, trayShowAction);
}

void MainActions::buildToolbar(QToolBar* toolbar)
{
    struct Button
    {
        const char* id;
        const char* text;
        QString tip;
        const char* theme;
    };
    static const Button buttons[] = {
        {"newbirthday", "New", "Add New Birthday", "document-new"},
        {"editbirthday", "Edit", "Edit Selected Birthday", "document-properties"},
        {"duplicatebirthday", "Duplicate", "Duplicate Birthday", "edit-copy"},
        {"deletebirthday", "Delete", "Delete Selected Birthday", "edit-delete"},
        {"special", "Special Events", "Insert Special Events", "x-office-calendar"},
        {"preferences", "Preferences", "Preferences", "preferences-system"},
        {"website", "Website", organisationName() + QStringLiteral(" Website"),
         "internet-web-browser"},
        {"quit", "Exit", "Exit Candlewatcher", "application-exit"},
    };
    for (const Button& button : buttons) {
        const QString id = QLatin1String(button.id);
        // Groups: the list commands, the special events, settings and web, the exit.
        if (id == QLatin1String("special") || id == QLatin1String("preferences") ||
            id == QLatin1String("quit"))
            toolbar->addSeparator();
        QAction* action =
            toolbar->addAction(themeIcon(button.theme, id), QLatin1String(button.text));
        action->setObjectName(QStringLiteral("objToolbar_") + id);
        action->setData(id);
        action->setToolTip(button.tip);
    }
}

QList<QAction*> MainActions::viewModeActions() const
{
    return {largeIconsAction, smallIconsAction, listModeAction, detailsAction};
}

QList<QAction*> MainActions::arrangeActions() const
{
    return {arrangeByNameAction, arrangeByDateAction, arrangeByNextDateAction, arrangeByAgeAction};
}
