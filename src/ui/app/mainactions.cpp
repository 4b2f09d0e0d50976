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
    mnuBirthdaysNew = item(birthdays, "mnuBirthdaysNew", QStringLiteral("&New Birthday"),
                           QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuBirthdaysSpecialEvents =
        item(birthdays, "mnuBirthdaysSpecialEvents", QStringLiteral("&Special Events"));
    separator(birthdays, "mnuSeparator1");
    mnuBirthdaysEdit = item(birthdays, "mnuBirthdaysEdit", QStringLiteral("&Edit Birthday"),
                            QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuBirthdaysDuplicate =
        item(birthdays, "mnuBirthdaysDuplicate", QStringLiteral("Du&plicate Birthday"),
             QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuBirthdaysDelete = item(birthdays, "mnuBirthdaysDelete", QStringLiteral("&Delete Birthday"),
                              QKeySequence(Qt::Key_Delete));
    separator(birthdays, "mnuSeparator10");
    mnuBirthdaysImport = item(birthdays, "mnuBirthdaysImport", QStringLiteral("&Import..."));
    mnuBirthdaysExport = item(birthdays, "mnuBirthdaysExport", QStringLiteral("&Export..."));
    mnuBirthdaysRestore =
        item(birthdays, "mnuBirthdaysRestore", QStringLiteral("Restore from &Backup..."));
    separator(birthdays, "mnuSeparator2");
    mnuBirthdaysExit = item(birthdays, "mnuBirthdaysExit", QStringLiteral("E&xit Candlewatcher"));

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QMenu* toolbars = view->addMenu(QStringLiteral("&Toolbars"));
    toolbars->setObjectName(QStringLiteral("mnuViewToolbars"));
    mnuViewToolbarsStandard =
        checkItem(toolbars, "mnuViewToolbarsStandard", QStringLiteral("Standard &Toolbar"), true,
                  QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuViewToolbarsStatus =
        checkItem(toolbars, "mnuViewToolbarsStatus", QStringLiteral("&Status Bar"), true,
                  QKeySequence(Qt::CTRL | Qt::Key_S));
    separator(view, "mnuSeparator3");
    mnuViewLargeIcons = checkItem(view, "mnuViewLargeIcons", QStringLiteral("Lar&ge Icons"), true);
    mnuViewSmallIcons = checkItem(view, "mnuViewSmallIcons", QStringLiteral("&Small Icons"), false);
    mnuViewList = checkItem(view, "mnuViewList", QStringLiteral("&List"), false);
    mnuViewDetails = checkItem(view, "mnuViewDetails", QStringLiteral("&Details"), false);
    separator(view, "mnuSeparator4");
    QMenu* arrange = view->addMenu(QStringLiteral("&Arrange Icons"));
    arrange->setObjectName(QStringLiteral("mnuViewArrangeIcons"));
    mnuViewArrangeIconsName =
        checkItem(arrange, "mnuViewArrangeIconsName", QStringLiteral("By &Name"), true);
    mnuViewArrangeIconsDate =
        checkItem(arrange, "mnuViewArrangeIconsDate", QStringLiteral("By &Date"), false);
    mnuViewArrangeIconsNextDate =
        checkItem(arrange, "mnuViewArrangeIconsNextDate", QStringLiteral("By &Next Date"), false);
    mnuViewPreferences =
        item(view, "mnuViewPreferences", QStringLiteral("Preferences"), QKeySequence(Qt::Key_F12));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpInteractive = checkItem(help, "mnuHelpInteractive", QStringLiteral("Interactive Help"),
                                   false, QKeySequence(Qt::Key_F1));
    separator(help, "mnuSeparator9");
    mnuHelpAbout = item(help, "mnuHelpAbout", QStringLiteral("About Candlewatcher"),
                        QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuHelpCommentsAndSuggestions =
        item(help, "mnuHelpCommentsAndSuggestions", QStringLiteral("&Comments and Suggestions"),
             QKeySequence(Qt::Key_F3));
    mnuHelpMarrowfellWebsite =
        item(help, "mnuHelpMarrowfellWebsite", organisationName() + QStringLiteral(" &Website"),
             QKeySequence(Qt::Key_F2));

    mnuPopup = new QMenu(QStringLiteral("Popup"), window);
    mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    mnuPopupNew = item(mnuPopup, "mnuPopupNew", QStringLiteral("&New Birthday"));
    separator(mnuPopup, "mnuSeparator6");
    mnuPopupEdit = item(mnuPopup, "mnuPopupEdit", QStringLiteral("&Edit Birthday"));
    mnuPopupDuplicate = item(mnuPopup, "mnuPopupDuplicate", QStringLiteral("Du&plicate Birthday"));
    mnuPopupDelete = item(mnuPopup, "mnuPopupDelete", QStringLiteral("&Delete Birthday"));
    makeDefault(mnuPopup, mnuPopupEdit);

    mnuSysTray = new QMenu(QStringLiteral("SysTray"), window);
    mnuSysTray->setObjectName(QStringLiteral("mnuSysTray"));
    mnuSysTrayShow = item(mnuSysTray, "mnuSysTrayShow", QStringLiteral("&Show Candlewatcher"));
    mnuSysTrayNotifications =
        item(mnuSysTray, "mnuSysTrayNotifications", QStringLiteral("Show N&otifications"));
    mnuSysTrayNew = item(mnuSysTray, "mnuSysTrayNew", QStringLiteral("Add &New Birthday"));
    separator(mnuSysTray, "mnuSeparator7");
    mnuSysTrayAbout = item(mnuSysTray, "mnuSysTrayAbout", QStringLiteral("&About Candlewatcher"));
    mnuSysTrayWebsite = item(mnuSysTray, "mnuSysTrayWebsite",
                             u'&' + organisationName() + QStringLiteral(" Website"));
    mnuSysTrayPreferences =
        item(mnuSysTray, "mnuSysTrayPreferences", QStringLiteral("&Preferences"));
    separator(mnuSysTray, "mnuSeparator8");
    mnuSysTrayExit = item(mnuSysTray, "mnuSysTrayExit", QStringLiteral("E&xit Candlewatcher"));
    makeDefault(mnuSysTray, mnuSysTrayShow);
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
    return {mnuViewLargeIcons, mnuViewSmallIcons, mnuViewList, mnuViewDetails};
}

QList<QAction*> MainActions::arrangeActions() const
{
    return {mnuViewArrangeIconsName, mnuViewArrangeIconsDate, mnuViewArrangeIconsNextDate};
}
