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

// The menu bar's own menus before the bar: creating the bar loads Qt's image format
// plug-ins (its extension button's icon), which a start in the tray has no use for.
QMenu* barMenu(QMainWindow* window, QList<QMenu*>& menus, const QString& title)
{
    auto* menu = new QMenu(title, window);
    menus.append(menu);
    return menu;
}

} // namespace

void MainActions::build(QMainWindow* window)
{
    QMenu* birthdays = barMenu(window, m_barMenus, tr("&Birthdays"));
    birthdays->setObjectName(QStringLiteral("mnuBirthdays"));
    newAction =
        item(birthdays, "mnuBirthdaysNew", tr("&New Birthday"), QKeySequence(Qt::CTRL | Qt::Key_N));
    specialEventsAction = item(birthdays, "mnuBirthdaysSpecialEvents", tr("&Special Events"));
    separator(birthdays, "mnuSeparator1");
    editAction = item(birthdays, "mnuBirthdaysEdit", tr("&Edit Birthday"),
                      QKeySequence(Qt::CTRL | Qt::Key_E));
    duplicateAction = item(birthdays, "mnuBirthdaysDuplicate", tr("Du&plicate Birthday"),
                           QKeySequence(Qt::CTRL | Qt::Key_D));
    deleteAction =
        item(birthdays, "mnuBirthdaysDelete", tr("&Delete Birthday"), QKeySequence(Qt::Key_Delete));
    separator(birthdays, "mnuSeparator10");
    importAction = item(birthdays, "mnuBirthdaysImport", tr("&Import..."));
    exportAction = item(birthdays, "mnuBirthdaysExport", tr("Exp&ort..."));
    restoreAction = item(birthdays, "mnuBirthdaysRestore", tr("Restore from &Backup..."));
    subscriptionsAction = item(birthdays, "mnuBirthdaysSubscriptions", tr("S&ubscriptions..."));
    separator(birthdays, "mnuSeparator2");
    exitAction = item(birthdays, "mnuBirthdaysExit", tr("E&xit Candlewatcher"));

    QMenu* view = barMenu(window, m_barMenus, tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QMenu* toolbars = view->addMenu(tr("&Toolbars"));
    toolbars->setObjectName(QStringLiteral("mnuViewToolbars"));
    toolbarAction = checkItem(toolbars, "mnuViewToolbarsStandard", tr("Standard &Toolbar"), true,
                              QKeySequence(Qt::CTRL | Qt::Key_T));
    statusBarAction = checkItem(toolbars, "mnuViewToolbarsStatus", tr("&Status Bar"), true,
                                QKeySequence(Qt::CTRL | Qt::Key_S));
    separator(view, "mnuSeparator3");
    largeIconsAction = checkItem(view, "mnuViewLargeIcons", tr("Lar&ge Icons"), true);
    smallIconsAction = checkItem(view, "mnuViewSmallIcons", tr("&Small Icons"), false);
    listModeAction = checkItem(view, "mnuViewList", tr("&List"), false);
    detailsAction = checkItem(view, "mnuViewDetails", tr("&Details"), false);
    separator(view, "mnuSeparator4");
    QMenu* arrange = view->addMenu(tr("&Arrange Icons"));
    arrange->setObjectName(QStringLiteral("mnuViewArrangeIcons"));
    arrangeByNameAction = checkItem(arrange, "mnuViewArrangeIconsName", tr("By &Name"), true);
    arrangeByDateAction = checkItem(arrange, "mnuViewArrangeIconsDate", tr("By &Date"), false);
    arrangeByNextDateAction =
        checkItem(arrange, "mnuViewArrangeIconsNextDate", tr("By Ne&xt Date"), false);
    arrangeByAgeAction = checkItem(arrange, "mnuViewArrangeIconsAge", tr("By &Age"), false);
    preferencesAction =
        item(view, "mnuViewPreferences", tr("Preferences"), QKeySequence(Qt::Key_F12));

    QMenu* help = barMenu(window, m_barMenus, tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    interactiveHelpAction = checkItem(help, "mnuHelpInteractive", tr("Interactive Help"), false,
                                      QKeySequence(Qt::Key_F1));
    separator(help, "mnuSeparator9");
    aboutAction =
        item(help, "mnuHelpAbout", tr("About Candlewatcher"), QKeySequence(Qt::CTRL | Qt::Key_A));
    commentsAction = item(help, "mnuHelpCommentsAndSuggestions", tr("&Comments and Suggestions"),
                          QKeySequence(Qt::Key_F3));
    websiteAction = item(help, "mnuHelpMarrowfellWebsite",
                         tr("%1 &Website").arg(organisationName()), QKeySequence(Qt::Key_F2));

    contextMenu = new QMenu(QStringLiteral("Popup"), window);
    contextMenu->setObjectName(QStringLiteral("mnuPopup"));
    contextNewAction = item(contextMenu, "mnuPopupNew", tr("&New Birthday"));
    separator(contextMenu, "mnuSeparator6");
    contextEditAction = item(contextMenu, "mnuPopupEdit", tr("&Edit Birthday"));
    contextDuplicateAction = item(contextMenu, "mnuPopupDuplicate", tr("Du&plicate Birthday"));
    contextDeleteAction = item(contextMenu, "mnuPopupDelete", tr("&Delete Birthday"));
    makeDefault(contextMenu, contextEditAction);

    trayMenu = new QMenu(QStringLiteral("SysTray"), window);
    trayMenu->setObjectName(QStringLiteral("mnuSysTray"));
    trayShowAction = item(trayMenu, "mnuSysTrayShow", tr("&Show Candlewatcher"));
    trayNotificationsAction = item(trayMenu, "mnuSysTrayNotifications", tr("Show N&otifications"));
    trayNewAction = item(trayMenu, "mnuSysTrayNew", tr("Add &New Birthday"));
    separator(trayMenu, "mnuSeparator7");
    trayAboutAction = item(trayMenu, "mnuSysTrayAbout", tr("&About Candlewatcher"));
    trayWebsiteAction =
        item(trayMenu, "mnuSysTrayWebsite", tr("&%1 Website").arg(organisationName()));
    trayPreferencesAction = item(trayMenu, "mnuSysTrayPreferences", tr("&Preferences"));
    separator(trayMenu, "mnuSeparator8");
    trayExitAction = item(trayMenu, "mnuSysTrayExit", tr("E&xit Candlewatcher"));
    makeDefault(trayMenu, trayShowAction);
}

void MainActions::buildMenuBar(QMenuBar* bar)
{
    for (QMenu* menu : std::as_const(m_barMenus))
        bar->addMenu(menu);
}

void MainActions::buildToolbar(QToolBar* toolbar)
{
    struct Button
    {
        const char* id;
        const char* text;
        const char* tip;
        const char* theme;
    };
    static const Button buttons[] = {
        {"newbirthday", QT_TR_NOOP("New"), QT_TR_NOOP("Add New Birthday"), "document-new"},
        {"editbirthday", QT_TR_NOOP("Edit"), QT_TR_NOOP("Edit Selected Birthday"),
         "document-properties"},
        {"duplicatebirthday", QT_TR_NOOP("Duplicate"), QT_TR_NOOP("Duplicate Birthday"),
         "edit-copy"},
        {"deletebirthday", QT_TR_NOOP("Delete"), QT_TR_NOOP("Delete Selected Birthday"),
         "edit-delete"},
        {"special", QT_TR_NOOP("Special Events"), QT_TR_NOOP("Insert Special Events"),
         "x-office-calendar"},
        {"preferences", QT_TR_NOOP("Preferences"), QT_TR_NOOP("Preferences"), "preferences-system"},
        {"website", QT_TR_NOOP("Website"), QT_TR_NOOP("%1 Website"), "internet-web-browser"},
        {"quit", QT_TR_NOOP("Exit"), QT_TR_NOOP("Exit Candlewatcher"), "application-exit"},
    };
    for (const Button& button : buttons) {
        const QString id = QLatin1String(button.id);
        // Groups: the list commands, the special events, settings and web, the exit.
        if (id == QLatin1String("special") || id == QLatin1String("preferences") ||
            id == QLatin1String("quit"))
            toolbar->addSeparator();
        QAction* action = toolbar->addAction(themeIcon(button.theme, id), tr(button.text));
        action->setObjectName(QStringLiteral("objToolbar_") + id);
        action->setData(id);
        const QString tip = tr(button.tip);
        action->setToolTip(id == QLatin1String("website") ? tip.arg(organisationName()) : tip);
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
