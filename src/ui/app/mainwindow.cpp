#include "mainwindow.h"

#include "app/exchangecommands.h"
#include "dialogs/preferencesdialog.h"
#include "dialogs/wellknowndaysdialog.h"
#include "help/helphook.h"
#include "help/helppanel.h"
#include "listwindow/birthdaycommands.h"
#include "listwindow/birthdaylistview.h"
#include "listwindow/controlsarrangement.h"
#include "listwindow/listdate.h"
#include "reminders/reminderrunner.h"
#include "settings/settingsstore.h"
#include "store/birthdaystore.h"
#include "text/textconv.h"
#include "tray/trayicon.h"
#include "web/aboutdialog.h"
#include "web/commentsform.h"
#include "web/shelllaunch.h"
#include "windowlayout.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int twips = WindowLayout::twipsPerPixel;
// The inside of the window on a first start: 7230 x 5340 twips.
constexpr QSize designSize(7230 / twips, 5340 / twips);
// The help panel's width: 2700 twips.
constexpr int helpPanelWidth = 2700 / twips;
constexpr int checkInterval = 30000;

int toPixels(int twipsValue)
{
    return qRound(double(twipsValue) / twips);
}

} // namespace

MainWindow::MainWindow(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                       QWidget* parent)
    : QMainWindow(parent), m_store(store), m_settings(settings), m_clock(clock), m_prompt(this)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QLatin1String(MessagePrompt::title));
    setWindowIcon(QIcon(QStringLiteral(":/icons/candlewatcher.svg")));
    // Right clicks on the bars would offer Qt's own toolbar menu, which bypasses the check
    // marks of the View menu.
    setContextMenuPolicy(Qt::PreventContextMenu);

    controlsCreate();
    m_actions.build(this);
    m_actions.buildToolbar(m_toolbar);

    m_runner = new ReminderRunner(m_store, m_settings, m_clock, this);
    m_runner->setHelpSink(helpSink());
    m_commands =
        new BirthdayCommands(m_store, m_settings, m_clock, *m_list, m_prompt, helpSink(), this);
    connect(m_commands, &BirthdayCommands::refreshNeeded, this, &MainWindow::birthdaysRefresh);
    m_exchange = new ExchangeCommands(m_store, m_settings, m_clock, m_prompt, this);
    connect(m_exchange, &ExchangeCommands::refreshNeeded, this, &MainWindow::birthdaysRefresh);

    m_tmrCheck = new QTimer(this);
    m_tmrCheck->setObjectName(QStringLiteral("tmrCheck"));
    m_tmrCheck->setInterval(checkInterval);
    connect(m_tmrCheck, &QTimer::timeout, this, [this] { ReminderCheck(false); });

    m_layout = std::make_unique<WindowLayout>(
        m_settings,
        WindowLayout::Controls{this, m_list, m_toolbar, m_statusBar, m_help, &m_actions});

    actionsConnect();
    helpHooksAdd();
    resize(designSize);
}

MainWindow::~MainWindow()
{
    // Hooked controls may still see the pointer while the children go (an Enter sent when a
    // widget under it disappears), and the notification window may outlive this window.
    *m_helpAlive = false;
}

HelpSink MainWindow::helpSink()
{
    return [this, alive = m_helpAlive](const QString& key) {
        if (*alive)
            helpUpdate(key);
    };
}

void MainWindow::controlsCreate()
{
    m_toolbar = new QToolBar(QStringLiteral("Standard Toolbar"), this);
    m_toolbar->setObjectName(QStringLiteral("objToolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(24, 24));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    connect(m_toolbar, &QToolBar::actionTriggered, this,
            [this](QAction* button) { objToolbarButtonClick(button->data().toString()); });

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("objStatusBar"));
    m_statusPanel =
        new QLabel(QStringLiteral("Marrowfell Candlewatcher %1 - never miss a birthday again")
                       .arg(TextConv::versionText()),
                   m_statusBar);
    m_statusPanel->setObjectName(QStringLiteral("objStatusBarPanel1"));
    m_statusBar->addWidget(m_statusPanel, 1);
    setStatusBar(m_statusBar);

    // The client area: list and help panel are placed by controlsArrange, not by a layout.
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("frmMainClient"));
    m_client->installEventFilter(this);
    setCentralWidget(m_client);
    m_list = new BirthdayListView(m_client);
    m_list->model()->setIcon(QIcon(QStringLiteral(":/icons/candlewatcher.svg")));
    m_help = new HelpPanel(m_client);
    m_help->resize(helpPanelWidth, m_help->height());
    m_help->hide();

    connect(m_list, &BirthdayListView::itemDoubleClicked, this, &MainWindow::birthdayEdit);
    connect(m_list, &BirthdayListView::contextMenuRequested, this, &MainWindow::popupShow);
    connect(m_list, &BirthdayListView::columnClicked, this, [this](int logicalIndex) {
        arrangeChoose(logicalIndex == 0 ? ListArrange::Name : ListArrange::Date);
    });
}

void MainWindow::actionsConnect()
{
    const MainActions& a = m_actions;
    for (QAction* item : {a.mnuBirthdaysNew, a.mnuPopupNew, a.mnuSysTrayNew})
        connect(item, &QAction::triggered, this, &MainWindow::birthdayNew);
    for (QAction* item : {a.mnuBirthdaysEdit, a.mnuPopupEdit})
        connect(item, &QAction::triggered, this, &MainWindow::birthdayEdit);
    for (QAction* item : {a.mnuBirthdaysDuplicate, a.mnuPopupDuplicate})
        connect(item, &QAction::triggered, this, &MainWindow::birthdaysDuplicate);
    for (QAction* item : {a.mnuBirthdaysDelete, a.mnuPopupDelete})
        connect(item, &QAction::triggered, this, &MainWindow::birthdaysDelete);
    connect(a.mnuBirthdaysSpecialEvents, &QAction::triggered, this, &MainWindow::specialEventsShow);
    const std::pair<QAction*, void (ExchangeCommands::*)()> exchange[] = {
        {a.mnuBirthdaysImport, &ExchangeCommands::importChoose},
        {a.mnuBirthdaysExport, &ExchangeCommands::exportChoose},
        {a.mnuBirthdaysRestore, &ExchangeCommands::restoreChoose}};
    for (const auto& [item, command] : exchange)
        connect(item, &QAction::triggered, this, [this, command = command] {
            if (!modalAlreadyOpen())
                (m_exchange->*command)();
        });
    for (QAction* item : {a.mnuBirthdaysExit, a.mnuSysTrayExit})
        connect(item, &QAction::triggered, this, &MainWindow::exitCommand);

    connect(a.mnuViewToolbarsStandard, &QAction::triggered, this,
            [this] { barToggle(m_actions.mnuViewToolbarsStandard, m_toolbar); });
    connect(a.mnuViewToolbarsStatus, &QAction::triggered, this,
            [this] { barToggle(m_actions.mnuViewToolbarsStatus, m_statusBar); });
    for (QAction* item : a.viewModeActions())
        connect(item, &QAction::triggered, this, [this, item] { viewModeChoose(item); });
    connect(a.mnuViewArrangeIconsName, &QAction::triggered, this,
            [this] { arrangeChoose(ListArrange::Name); });
    connect(a.mnuViewArrangeIconsDate, &QAction::triggered, this,
            [this] { arrangeChoose(ListArrange::Date); });
    for (QAction* item : {a.mnuViewPreferences, a.mnuSysTrayPreferences})
        connect(item, &QAction::triggered, this, &MainWindow::preferencesShow);

    connect(a.mnuHelpInteractive, &QAction::triggered, this, &MainWindow::helpToggle);
    for (QAction* item : {a.mnuHelpAbout, a.mnuSysTrayAbout})
        connect(item, &QAction::triggered, this, &MainWindow::aboutShow);
    connect(a.mnuHelpCommentsAndSuggestions, &QAction::triggered, this, &MainWindow::commentsShow);
    for (QAction* item : {a.mnuHelpMarrowfellWebsite, a.mnuSysTrayWebsite})
        connect(item, &QAction::triggered, this, &MainWindow::websiteShow);

    connect(a.mnuSysTrayShow, &QAction::triggered, this, &MainWindow::showFromTray);
    connect(a.mnuSysTrayNotifications, &QAction::triggered, this, [this] { ReminderCheck(true); });
}

void MainWindow::helpHooksAdd()
{
    const HelpSink sink = helpSink();
    helpHook(m_list->iconView(), QStringLiteral("bdaylist"), sink);
    helpHook(m_list->detailsView(), QStringLiteral("bdaylist"), sink);
    helpHook(m_list->header(), QStringLiteral("bdaylist"), sink);
    helpHook(m_statusBar, QStringLiteral("statusbar"), sink);
    helpHook(m_toolbar, QStringLiteral("toolbar"), sink);
    helpHook(m_help, QStringLiteral("help"), sink);
    helpHook(m_help->titleLabel(), QStringLiteral("help"), sink);
    helpHook(m_help->textLabel(), QStringLiteral("help"), sink);
}

// ---- lifecycle ----

void MainWindow::formLoad()
{
    layoutLoad();
    birthdaysRefresh();
    setWindowTitle(QStringLiteral("Candlewatcher v") + TextConv::versionText());
    m_tmrCheck->start();
}

QMenu* MainWindow::sysTrayMenu() const
{
    return m_actions.mnuSysTray;
}

void MainWindow::setTrayIcon(TrayIcon* tray)
{
    m_tray = tray;
}

void MainWindow::setTrayAvailable(bool available)
{
    m_trayAvailable = available;
}

void MainWindow::showFromTray()
{
    if (m_unloaded)
        return;
    // A window left minimised comes back to its normal or maximised state.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_unloaded) {
        event->accept();
        return;
    }
    // The close button keeps the program running; nothing is saved.
    event->ignore();
    if (m_trayAvailable)
        formQueryUnload(UnloadReason::CloseButton);
    else
        showMinimized(); // no tray icon to bring it back from
}

bool MainWindow::formQueryUnload(UnloadReason reason)
{
    switch (reason) {
    case UnloadReason::CloseButton:
        hide();
        return false;
    case UnloadReason::SessionEnd:
    case UnloadReason::TaskManager:
        return true;
    case UnloadReason::Exit:
        break;
    }
    if (m_settings.settingRead(QStringLiteral("QuitConfirm"), QStringLiteral("1")) !=
        QLatin1String("1"))
        return true;
    return m_prompt.ask(QMessageBox::Question,
                        QStringLiteral("If you exit then you will not be alerted to any future "
                                       "events.  Are you sure you want to exit?"),
                        QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MainWindow::formUnload(UnloadReason reason)
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_tmrCheck->stop();
    layoutSave();
    if (!m_store.databaseCompact()) {
        // Nothing is lost: the deleted cells stay until the next compaction. At logout or on
        // SIGTERM nobody may be there to answer a message box, which would hold up the end.
        if (reason == UnloadReason::Exit)
            m_prompt.failure(QStringLiteral("The data file could not be compacted."),
                             m_store.errorString());
        else
            qWarning("Candlewatcher: the data file could not be compacted: %s",
                     qPrintable(m_store.errorString()));
    }
    if (m_tray)
        m_tray->trayIconRemove();
    m_runner->notificationUnload();
    hide();
    emit unloaded();
}

void MainWindow::exitCommand()
{
    if (m_unloaded)
        return;
    if (formQueryUnload(UnloadReason::Exit))
        formUnload(UnloadReason::Exit);
}

void MainWindow::sessionEnd()
{
    if (formQueryUnload(UnloadReason::SessionEnd))
        formUnload(UnloadReason::SessionEnd);
}

// ---- layout ----

void MainWindow::layoutLoad()
{
    m_layout->layoutLoad();
}

void MainWindow::layoutSave()
{
    m_layout->layoutSave();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Form_Resize: the client area changes with the window and with the bars.
    if (watched == m_client && event->type() == QEvent::Resize)
        controlsArrange();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::controlsArrange()
{
    // The client area, taken as a form whose classic frame (borders, caption, menu and the
    // bars) lies around it.
    const bool toolbarShown = !m_toolbar->isHidden();
    const bool statusShown = !m_statusBar->isHidden();
    const int toolbarHeight = toolbarShown ? m_toolbar->height() * twips : 0;
    const int statusHeight = statusShown ? m_statusBar->height() * twips : 0;

    ArrangeInput in;
    in.formWidth = m_client->width() * twips + 100;
    in.formHeight = m_client->height() * twips + 680 + toolbarHeight + statusHeight;
    in.helpVisible = !m_help->isHidden();
    in.helpWidth = m_help->width() * twips;
    in.statusBarVisible = statusShown;
    in.statusBarHeight = statusHeight;
    in.toolbarVisible = toolbarShown;
    in.toolbarHeight = toolbarHeight;
    in.listWidth = m_list->width() * twips;
    in.listHeight = m_list->height() * twips;
    const ArrangeResult out = controlsArrangement(in);

    // The toolbar sits above the client area already.
    const int listTop = toPixels(out.listTop - toolbarHeight);
    m_list->setGeometry(m_list->x(), listTop, toPixels(out.listWidth), toPixels(out.listHeight));
    m_help->setGeometry(toPixels(out.helpLeft), listTop, m_help->width(), toPixels(out.helpHeight));
}

// ---- the list ----

void MainWindow::birthdaysRefresh()
{
    QList<BirthdayListModel::Row> rows;
    const std::optional<QList<BirthdayRecord>> records = m_store.recordsReadAll();
    if (records) {
        for (const BirthdayRecord& record : *records) {
            rows.append({record.key, record.value(BirthdayRecord::Name),
                         ListDate::columnText(record.value(BirthdayRecord::Date))});
        }
    }
    m_list->model()->setRows(rows);
    if (!records) {
        m_prompt.failure(QStringLiteral("The birthdays list could not be read."),
                         m_store.errorString());
    }
    ReminderCheck(false);
}

void MainWindow::ReminderCheck(bool forceShow)
{
    m_runner->ReminderCheck(forceShow);
}

void MainWindow::popupShow(const QPoint& globalPos)
{
    m_actions.mnuPopup->popup(globalPos, m_actions.mnuPopupEdit);
}

void MainWindow::helpUpdate(const QString& helpKey)
{
    m_help->helpUpdate(helpKey);
}

void MainWindow::helpToggle()
{
    // The triggered item has toggled its own check mark already.
    m_help->setVisible(m_actions.mnuHelpInteractive->isChecked());
    controlsArrange();
}

void MainWindow::viewModeChoose(QAction* chosen)
{
    const QList<QAction*> items = m_actions.viewModeActions();
    for (QAction* item : items)
        item->setChecked(item == chosen);
    m_list->setViewMode(ListViewMode(items.indexOf(chosen)));
}

void MainWindow::arrangeChoose(ListArrange arrange)
{
    m_actions.mnuViewArrangeIconsName->setChecked(arrange == ListArrange::Name);
    m_actions.mnuViewArrangeIconsDate->setChecked(arrange == ListArrange::Date);
    m_list->setArrange(arrange);
}

void MainWindow::barToggle(QAction* item, QWidget* bar)
{
    bar->setVisible(item->isChecked());
    controlsArrange();
}

// ---- commands ----

bool MainWindow::birthdaysSelectedCheck()
{
    return m_commands->birthdaysSelectedCheck();
}

bool MainWindow::modalAlreadyOpen() const
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    modal->raise();
    modal->activateWindow();
    return true;
}

void MainWindow::birthdayNew()
{
    if (!modalAlreadyOpen())
        m_commands->birthdayNew();
}

void MainWindow::birthdayEdit()
{
    if (!modalAlreadyOpen())
        m_commands->birthdayEdit();
}

void MainWindow::birthdaysDuplicate()
{
    if (!modalAlreadyOpen())
        m_commands->birthdaysDuplicate();
}

void MainWindow::birthdaysDelete()
{
    if (!modalAlreadyOpen())
        m_commands->birthdaysDelete();
}

void MainWindow::specialEventsShow()
{
    if (modalAlreadyOpen())
        return;
    WellKnownDaysDialog dialog(m_store, helpSink(), this);
    dialog.exec();
    // The picker may have stored some of the events before it closed, whatever its result.
    birthdaysRefresh();
    controlsArrange();
}

void MainWindow::preferencesShow()
{
    if (modalAlreadyOpen())
        return;
    PreferencesDialog dialog(m_settings, helpSink(), this);
    dialog.exec();
}

void MainWindow::aboutShow()
{
    if (modalAlreadyOpen())
        return;
    AboutDialog dialog(helpSink(), this);
    dialog.exec();
}

void MainWindow::commentsShow()
{
    if (modalAlreadyOpen())
        return;
    CommentsForm dialog(m_settings, helpSink(), this);
    dialog.exec();
}

void MainWindow::websiteShow()
{
    websiteOpen(this);
}

void MainWindow::objToolbarButtonClick(const QString& identifier)
{
    if (identifier == QLatin1String("newbirthday"))
        birthdayNew();
    else if (identifier == QLatin1String("editbirthday"))
        birthdayEdit();
    else if (identifier == QLatin1String("duplicatebirthday"))
        birthdaysDuplicate();
    else if (identifier == QLatin1String("deletebirthday"))
        birthdaysDelete();
    else if (identifier == QLatin1String("preferences"))
        preferencesShow();
    else if (identifier == QLatin1String("website"))
        websiteShow();
    else if (identifier == QLatin1String("quit"))
        exitCommand();
    else if (identifier == QLatin1String("special"))
        specialEventsShow();
}

void MainWindow::setMessageHook(MessagePrompt::Hook hook)
{
    m_prompt.setHook(std::move(hook));
}
