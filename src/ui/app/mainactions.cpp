#include "ui/app/mainactions.h"

#include "core/program/programidentity.h"
#include "ui/app/mainwindow.h"
#include "ui/app/toolbaricons.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <variant>

namespace {

// A text with "%1" for the organisation's name gets it.
QString withOrganisation(const QString& text)
{
    return text.contains(QLatin1String("%1")) ? text.arg(organisationName()) : text;
}

using Member = QAction* MainActions::*;
enum class Check { None, Off, On };
constexpr QKeyCombination noKey = Qt::Key_unknown;

// One command: its action's object name, caption ("%1" stands for the organisation's name),
// shortcut, check mark and the window's slot it runs (none: the window connects it, as it does
// the choices of a group).
struct Command
{
    Member action;
    const char* name;
    const char* caption;
    QKeyCombination key = noKey;
    Check check = Check::None;
    void (MainWindow::*run)() = nullptr;
};

const Command commands[] = {
    {&MainActions::newAction, "mnuBirthdaysNew", QT_TRANSLATE_NOOP("MainActions", "&New Birthday"),
     Qt::CTRL | Qt::Key_N, Check::None, &MainWindow::newBirthday},
    {&MainActions::specialEventsAction, "mnuBirthdaysSpecialEvents",
     QT_TRANSLATE_NOOP("MainActions", "&Special Events"), noKey, Check::None,
     &MainWindow::showSpecialEvents},
    {&MainActions::editAction, "mnuBirthdaysEdit",
     QT_TRANSLATE_NOOP("MainActions", "&Edit Birthday"), Qt::CTRL | Qt::Key_E, Check::None,
     &MainWindow::editBirthday},
    {&MainActions::duplicateAction, "mnuBirthdaysDuplicate",
     QT_TRANSLATE_NOOP("MainActions", "Du&plicate Birthday"), Qt::CTRL | Qt::Key_D, Check::None,
     &MainWindow::duplicateBirthdays},
    {&MainActions::deleteAction, "mnuBirthdaysDelete",
     QT_TRANSLATE_NOOP("MainActions", "&Delete Birthday"), Qt::Key_Delete, Check::None,
     &MainWindow::deleteBirthdays},
    {&MainActions::importAction, "mnuBirthdaysImport",
     QT_TRANSLATE_NOOP("MainActions", "&Import..."), noKey, Check::None, &MainWindow::importFiles},
    {&MainActions::exportAction, "mnuBirthdaysExport",
     QT_TRANSLATE_NOOP("MainActions", "Exp&ort..."), noKey, Check::None, &MainWindow::exportEvents},
    {&MainActions::restoreAction, "mnuBirthdaysRestore",
     QT_TRANSLATE_NOOP("MainActions", "Restore from &Backup..."), noKey, Check::None,
     &MainWindow::restoreBackup},
    {&MainActions::subscriptionsAction, "mnuBirthdaysSubscriptions",
     QT_TRANSLATE_NOOP("MainActions", "S&ubscriptions..."), noKey, Check::None,
     &MainWindow::showSubscriptions},
    {&MainActions::exitAction, "mnuBirthdaysExit",
     QT_TRANSLATE_NOOP("MainActions", "E&xit Candlewatcher"), noKey, Check::None,
     &MainWindow::exitProgram},
    {&MainActions::toolbarAction, "mnuViewToolbarsStandard",
     QT_TRANSLATE_NOOP("MainActions", "Standard &Toolbar"), Qt::CTRL | Qt::Key_T, Check::On,
     &MainWindow::toggleToolbar},
    {&MainActions::statusBarAction, "mnuViewToolbarsStatus",
     QT_TRANSLATE_NOOP("MainActions", "&Status Bar"), Qt::CTRL | Qt::Key_S, Check::On,
     &MainWindow::toggleStatusBar},
    {&MainActions::largeIconsAction, "mnuViewLargeIcons",
     QT_TRANSLATE_NOOP("MainActions", "Lar&ge Icons"), noKey, Check::On},
    {&MainActions::smallIconsAction, "mnuViewSmallIcons",
     QT_TRANSLATE_NOOP("MainActions", "&Small Icons"), noKey, Check::Off},
    {&MainActions::listModeAction, "mnuViewList", QT_TRANSLATE_NOOP("MainActions", "&List"), noKey,
     Check::Off},
    {&MainActions::detailsAction, "mnuViewDetails", QT_TRANSLATE_NOOP("MainActions", "&Details"),
     noKey, Check::Off},
    {&MainActions::arrangeByNameAction, "mnuViewArrangeIconsName",
     QT_TRANSLATE_NOOP("MainActions", "By &Name"), noKey, Check::On},
    {&MainActions::arrangeByDateAction, "mnuViewArrangeIconsDate",
     QT_TRANSLATE_NOOP("MainActions", "By &Date"), noKey, Check::Off},
    {&MainActions::arrangeByNextDateAction, "mnuViewArrangeIconsNextDate",
     QT_TRANSLATE_NOOP("MainActions", "By Ne&xt Date"), noKey, Check::Off},
    {&MainActions::arrangeByAgeAction, "mnuViewArrangeIconsAge",
     QT_TRANSLATE_NOOP("MainActions", "By &Age"), noKey, Check::Off},
    {&MainActions::preferencesAction, "mnuViewPreferences",
     QT_TRANSLATE_NOOP("MainActions", "Preferences"), Qt::Key_F12, Check::None,
     &MainWindow::showPreferences},
    {&MainActions::interactiveHelpAction, "mnuHelpInteractive",
     QT_TRANSLATE_NOOP("MainActions", "Interactive Help"), Qt::Key_F1, Check::Off,
     &MainWindow::toggleHelp},
    {&MainActions::aboutAction, "mnuHelpAbout",
     QT_TRANSLATE_NOOP("MainActions", "About Candlewatcher"), Qt::CTRL | Qt::Key_A, Check::None,
     &MainWindow::showAbout},
    {&MainActions::commentsAction, "mnuHelpCommentsAndSuggestions",
     QT_TRANSLATE_NOOP("MainActions", "&Comments and Suggestions"), Qt::Key_F3, Check::None,
     &MainWindow::showComments},
    {&MainActions::websiteAction, "mnuHelpMarrowfellWebsite",
     QT_TRANSLATE_NOOP("MainActions", "%1 &Website"), Qt::Key_F2, Check::None,
     &MainWindow::openWebsite},
    {&MainActions::contextEditAction, "mnuPopupEdit",
     QT_TRANSLATE_NOOP("MainActions", "&Edit Birthday"), noKey, Check::None,
     &MainWindow::editBirthday},
    {&MainActions::trayShowAction, "mnuSysTrayShow",
     QT_TRANSLATE_NOOP("MainActions", "&Show Candlewatcher"), noKey, Check::None,
     &MainWindow::showFromTray},
    {&MainActions::trayNotificationsAction, "mnuSysTrayNotifications",
     QT_TRANSLATE_NOOP("MainActions", "Show N&otifications"), noKey, Check::None,
     &MainWindow::showNotifications},
    {&MainActions::trayNewAction, "mnuSysTrayNew",
     QT_TRANSLATE_NOOP("MainActions", "Add &New Birthday"), noKey, Check::None,
     &MainWindow::newBirthday},
    {&MainActions::trayAboutAction, "mnuSysTrayAbout",
     QT_TRANSLATE_NOOP("MainActions", "&About Candlewatcher"), noKey, Check::None,
     &MainWindow::showAbout},
    {&MainActions::trayWebsiteAction, "mnuSysTrayWebsite",
     QT_TRANSLATE_NOOP("MainActions", "&%1 Website"), noKey, Check::None, &MainWindow::openWebsite},
    {&MainActions::trayPreferencesAction, "mnuSysTrayPreferences",
     QT_TRANSLATE_NOOP("MainActions", "&Preferences"), noKey, Check::None,
     &MainWindow::showPreferences},
};

// A menu's items in order: an action, or a separator by its object name.
using Item = std::variant<Member, const char*>;

void fill(MainActions& a, QMenu* menu, std::initializer_list<Item> items)
{
    for (const Item& item : items) {
        if (const auto* member = std::get_if<Member>(&item))
            menu->addAction(a.*(*member));
        else
            menu->addSeparator()->setObjectName(QLatin1String(std::get<const char*>(item)));
    }
}

QMenu* menu(QWidget* parent, const char* name, const QString& title)
{
    auto* made = new QMenu(title, parent);
    made->setObjectName(QLatin1String(name));
    return made;
}

void makeDefault(QMenu* menu, QAction* action)
{
    menu->setDefaultAction(action);
    QFont bold = menu->font();
    bold.setBold(true);
    action->setFont(bold);
}

// A toolbar button: the command it runs, its identifier (its pictures' and its object name's),
// its text, its tip ("%1" stands for the organisation's name) and its theme icon.
struct Button
{
    Member action;
    const char* id;
    const char* text;
    const char* tip;
    const char* theme;
};

} // namespace

void MainActions::build(MainWindow* window)
{
    for (const Command& command : commands) {
        auto* action = new QAction(withOrganisation(tr(command.caption)), window);
        action->setObjectName(QLatin1String(command.name));
        if (command.key != noKey)
            action->setShortcut(QKeySequence(command.key));
        // The pop-up and the tray menu show no shortcut keys.
        action->setShortcutVisibleInContextMenu(false);
        // The toolbar's pictures are its own: no menu shows them.
        action->setIconVisibleInMenu(false);
        if (command.check != Check::None) {
            action->setCheckable(true);
            action->setChecked(command.check == Check::On);
        }
        if (command.run)
            QObject::connect(action, &QAction::triggered, window, command.run);
        this->*command.action = action;
    }

    // The menu bar's own menus before the bar: creating the bar loads Qt's image format
    // plug-ins (its extension button's icon), which a start in the tray has no use for.
    QMenu* birthdays = menu(window, "mnuBirthdays", tr("&Birthdays"));
    fill(*this, birthdays,

         {&MainActions::newAction, &MainActions::specialEventsAction, "mnuSeparator1",
          &MainActions::editAction, &MainActions::duplicateAction, &MainActions::deleteAction,
          "mnuSeparator10", &MainActions::importAction, &MainActions::exportAction,
          &MainActions::restoreAction, &MainActions::subscriptionsAction, "mnuSeparator2",
          &MainActions::exitAction});
    QMenu* view = menu(window, "mnuView", tr("&View"));
    QMenu* toolbars = menu(view, "mnuViewToolbars", tr("&Toolbars"));
    fill(*this, toolbars, {&MainActions::toolbarAction, &MainActions::statusBarAction});
    QMenu* arrange = menu(view, "mnuViewArrangeIcons", tr("&Arrange Icons"));
    fill(*this, arrange,

         {&MainActions::arrangeByNameAction, &MainActions::arrangeByDateAction,
          &MainActions::arrangeByNextDateAction, &MainActions::arrangeByAgeAction});
    view->addMenu(toolbars);
    fill(*this, view,
         {"mnuSeparator3", &MainActions::largeIconsAction, &MainActions::smallIconsAction,
          &MainActions::listModeAction, &MainActions::detailsAction, "mnuSeparator4"});
    view->addMenu(arrange);
    fill(*this, view, {&MainActions::preferencesAction});
    QMenu* help = menu(window, "mnuHelp", tr("&Help"));
    fill(*this, help,

         {&MainActions::interactiveHelpAction, "mnuSeparator9", &MainActions::aboutAction,
          &MainActions::commentsAction, &MainActions::websiteAction});
    m_barMenus = {birthdays, view, help};

    contextMenu = menu(window, "mnuPopup", QStringLiteral("Popup"));
    fill(*this, contextMenu,

         {&MainActions::newAction, "mnuSeparator6", &MainActions::contextEditAction,
          &MainActions::duplicateAction, &MainActions::deleteAction});
    makeDefault(contextMenu, contextEditAction);

    trayMenu = menu(window, "mnuSysTray", QStringLiteral("SysTray"));
    fill(*this, trayMenu,

         {&MainActions::trayShowAction, &MainActions::trayNotificationsAction,
          &MainActions::trayNewAction, "mnuSeparator7", &MainActions::trayAboutAction,
          &MainActions::trayWebsiteAction, &MainActions::trayPreferencesAction, "mnuSeparator8",
          &MainActions::exitAction});
    makeDefault(trayMenu, trayShowAction);
}

void MainActions::buildMenuBar(QMenuBar* bar)
{
    for (QMenu* menu : std::as_const(m_barMenus))
        bar->addMenu(menu);
}

void MainActions::buildToolbar(QToolBar* toolbar)
{
    static const Button buttons[] = {

        {&MainActions::newAction, "newbirthday", QT_TR_NOOP("New"), QT_TR_NOOP("Add New Birthday"),
         "document-new"},

        {&MainActions::editAction, "editbirthday", QT_TR_NOOP("Edit"),
         QT_TR_NOOP("Edit Selected Birthday"), "document-properties"},

        {&MainActions::duplicateAction, "duplicatebirthday", QT_TR_NOOP("Duplicate"),
         QT_TR_NOOP("Duplicate Birthday"), "edit-copy"},

        {&MainActions::deleteAction, "deletebirthday", QT_TR_NOOP("Delete"),
         QT_TR_NOOP("Delete Selected Birthday"), "edit-delete"},

        {&MainActions::specialEventsAction, "special", QT_TR_NOOP("Special Events"),
         QT_TR_NOOP("Insert Special Events"), "x-office-calendar"},

        {&MainActions::preferencesAction, "preferences", QT_TR_NOOP("Preferences"),
         QT_TR_NOOP("Preferences"), "preferences-system"},

        {&MainActions::websiteAction, "website", QT_TR_NOOP("Website"), QT_TR_NOOP("%1 Website"),
         "internet-web-browser"},

        {&MainActions::exitAction, "quit", QT_TR_NOOP("Exit"), QT_TR_NOOP("Exit Candlewatcher"),
         "application-exit"},
    };
    for (const Button& button : buttons) {
        const QString id = QLatin1String(button.id);
        // Groups: the list commands, the special events, settings and web, the exit.
        if (id == QLatin1String("special") || id == QLatin1String("preferences") ||
            id == QLatin1String("quit"))
            toolbar->addSeparator();
        QAction* action = this->*button.action;
        // The desktop's icon where its theme has one, else our own; drawn only now, as the
        // window is first shown.
        action->setIcon(QIcon::fromTheme(QLatin1String(button.theme), toolbarFallbackIcon(id)));
        action->setIconText(tr(button.text));
        action->setToolTip(withOrganisation(tr(button.tip)));
        toolbar->addAction(action);
        toolbar->widgetForAction(action)->setObjectName(QStringLiteral("objToolbar_") + id);
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
