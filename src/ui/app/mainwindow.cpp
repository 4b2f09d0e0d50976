#include "ui/app/mainwindow.h"

#include "app/syncservice.h"

#include "core/program/programidentity.h"
#include "core/settings/settingsstore.h"
#include "core/sync/subscriptions.h"
#include "core/text/textconv.h"
#include "platform/notifier.h"
#include "ui/app/exchangecommands.h"
#include "ui/app/listhelplayout.h"
#include "ui/app/searchkeys.h"
#include "ui/app/synccommands.h"
#include "ui/app/windowlayout.h"
#include "ui/dialogs/preferencesdialog.h"
#include "ui/dialogs/wellknowndaysdialog.h"
#include "ui/help/helppanel.h"
#include "ui/list/birthdaycommands.h"
#include "ui/list/birthdaylistview.h"
#include "ui/presentation/listdate.h"
#include "ui/reminders/reminderrunner.h"
#include "ui/tray/programicon.h"
#include "ui/tray/trayicon.h"
#include "ui/web/aboutdialog.h"
#include "ui/web/commentsform.h"
#include "ui/web/shelllaunch.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The inside of the window below the menu bar on a first start.
constexpr QSize designSize(482, 356);
constexpr int helpPanelWidth = 180;

} // namespace

MainWindow::MainWindow(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                       const Services& services, QWidget* parent)
    : QMainWindow(parent), m_store(store), m_settings(settings), m_clock(clock),
      m_services(services), m_prompt(this), m_rows(SubscriptionFile::pathFor(store.dataPath()))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(programTitle());
    setWindowIcon(programIcon());
    // Right clicks on the bars would offer Qt's own toolbar menu, which bypasses the check
    // marks of the View menu.
    setContextMenuPolicy(Qt::PreventContextMenu);

    // The tray's menu is among them; it works from the start.
    m_actions.build(this);
    connectChoices();

    m_services.reminders.setListingSink(
        [this](ReminderScheduler::Listing&& listing) { showRecords(std::move(listing)); });
    connect(&m_services.reminders, &ReminderScheduler::readFailed, this, [this](const QString& e) {
        m_prompt.reportFailure(tr("The birthdays list could not be read."), e);
    });
    ReminderRunner& runner = m_services.runner;
    runner.setHelpSink(helpSink());
    runner.setOwnerWindow(this);
    runner.setWindowPlaceable([this] { return windowPlaceable(); });
    // The notice takes the panel's place rather than a message over it: a message that comes
    // while the window is hidden would leave the panel showing beneath it.
    connect(&runner, &ReminderRunner::notificationsUnavailable, this, [this] {
        setStatusNotice(tr("No desktop notification service answered: reminders show in the "
                           "Candlewatcher window."));
    });

    m_exchange = new ExchangeCommands(m_store, m_settings, m_clock, m_prompt, this);
    connect(m_exchange, &ExchangeCommands::refreshNeeded, this, &MainWindow::refreshBirthdays);
    m_sync = new SyncCommands(m_services.sync, m_store, m_clock, this);
    connect(m_sync, &SyncCommands::eventsChanged, this, &MainWindow::refreshBirthdays);
    connect(&m_services.sync, &SyncService::eventsChanged, this, &MainWindow::refreshBirthdays);
    // Kept for the status bar until the window is first shown, as a sync at start reports.
    connect(&m_services.sync, &SyncService::status, this,
            [this](const QString& text) { setStatusNotice(text); });

    m_layout = std::make_unique<WindowLayout>(m_settings, this, m_actions);

    // The first start's size; the menu bar's height joins it when the bar is built (measuring
    // it loads the fonts).
    resize(designSize);
}

void MainWindow::build(bool withRows)
{
    if (!m_list) {
        createControls();
        m_actions.buildToolbar(m_toolbar);
        m_commands =
            new BirthdayCommands(m_store, m_settings, m_clock, *m_list, m_prompt, helpSink(), this);
        connect(m_commands, &BirthdayCommands::refreshNeeded, this, &MainWindow::refreshBirthdays);
        m_actions.buildMenuBar(QMainWindow::menuBar());
        m_layout->controlsBuilt({m_list, m_toolbar, m_statusBar, m_help},
                                QMainWindow::menuBar()->sizeHint().height());
        addHelpHooks();
        if (!m_statusNotice.isEmpty())
            showStatusText(m_statusNotice);
        if (!m_pendingHelpKey.isEmpty())
            m_help->showTopic(m_pendingHelpKey);
    }
    if (withRows && m_pendingRows)
        showPendingRows();
}

void MainWindow::setVisible(bool visible)
{
    if (visible && !m_list) {
        // The rows follow in the next turn of the loop, before the window manager has shown
        // the window: two short waits for the loop rather than one long one.
        build(false);
        QMetaObject::invokeMethod(
            this, [this] { build(); }, Qt::QueuedConnection);
    }
    QMainWindow::setVisible(visible);
}

void MainWindow::setStatusNotice(const QString& text)
{
    m_statusNotice = text;
    if (m_statusPanel)
        showStatusText(text);
}

void MainWindow::showStatusText(const QString& text)
{
    m_statusText = text;
    m_statusPanel->setToolTip(text);
    elideStatusText();
}

void MainWindow::elideStatusText()
{
    // A hidden panel has no width of its own yet: it is cut when it is laid out.
    if (!m_statusPanel->isVisible()) {
        m_statusPanel->setText(m_statusText);
        return;
    }
    m_statusPanel->setText(m_statusPanel->fontMetrics().elidedText(m_statusText, Qt::ElideRight,
                                                                   m_statusPanel->width()));
}

MainWindow::~MainWindow()
{
    // The services outlive the window: nothing of theirs calls it any more.
    m_services.reminders.setListingSink({});
    m_services.runner.setWindowPlaceable([] { return true; });
    // Hooked controls may still see the pointer while the children go (an Enter sent when a
    // widget under it disappears), and the notification window may outlive this window.
    *m_helpAlive = false;
}

HelpSink MainWindow::helpSink()
{
    return [this, alive = m_helpAlive](const QString& key) {
        if (*alive)
            showHelp(key);
    };
}

void MainWindow::createControls()
{
    m_toolbar = new QToolBar(tr("Standard Toolbar"), this);
    m_toolbar->setObjectName(QStringLiteral("objToolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(24, 24));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, m_toolbar);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("objStatusBar"));
    m_statusPanel = new QLabel(m_statusBar);
    m_statusPanel->setObjectName(QStringLiteral("objStatusBarPanel1"));
    m_statusPanel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_statusPanel->installEventFilter(this);
    showStatusText(
        tr("%1 %2 - never miss a birthday again").arg(fullProgramTitle(), TextConv::versionText()));
    m_statusBar->addWidget(m_statusPanel, 1);
    m_unreadableDates = new QLabel(m_statusBar);
    m_unreadableDates->setObjectName(QStringLiteral("lblUnreadableDates"));
    m_unreadableDates->hide();
    m_statusBar->addPermanentWidget(m_unreadableDates);
    setStatusBar(m_statusBar);

    // The search field above the client area filters the list by name as the user types.
    // The client area below it: list and help panel placed by a layout of their own.
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_search = new QLineEdit(central);
    m_client = new QWidget(central);
    m_client->setObjectName(QStringLiteral("frmMainClient"));
    column->addWidget(m_search);
    column->addWidget(m_client, 1);
    setCentralWidget(central);
    m_list = new BirthdayListView(m_client);
    m_list->model()->setIcon(programIcon());
    m_search->setObjectName(QStringLiteral("txtSearch"));
    // The key as Qt names it in the language ("Strg+F"), the one the shortcut below is bound to.
    //: %1 is the key that moves to this field, as the desktop names it (Ctrl+F, Strg+F).
    m_search->setPlaceholderText(
        tr("Search by name (%1)")
            .arg(QKeySequence(QKeySequence::Find).toString(QKeySequence::NativeText)));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(tr("Search by name"));
    // Qt's own buttons show a picture only: a screen reader has nothing else to read out.
    if (auto* clear = m_search->findChild<QToolButton*>())
        clear->setAccessibleName(tr("Clear the search"));
    if (auto* more = m_toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More toolbar buttons"));
    new SearchKeys(m_search, m_list, {m_actions.editAction},
                   {m_actions.deleteAction, m_actions.aboutAction}, [this] { editBirthday(); });
    connect(m_search, &QLineEdit::textChanged, m_list->model(), &BirthdayListModel::setFilter);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });
    setTabOrder(m_search, m_list->iconView());
    setTabOrder(m_list->iconView(), m_list->detailsView());
    for (QWidget* view :
         {static_cast<QWidget*>(m_list->iconView()), static_cast<QWidget*>(m_list->detailsView())})
        view->installEventFilter(this);
    // The menu's shortcuts (Ctrl+E, Del, ...) act on the list: it has the keyboard at the start.
    m_list->activeView()->setFocus();
    m_help = new HelpPanel(m_client);
    m_help->resize(helpPanelWidth, m_help->height());
    m_help->hide();
    m_clientLayout = new ListHelpLayout(m_client, m_list, m_help);

    connect(m_list, &BirthdayListView::itemDoubleClicked, this, &MainWindow::editBirthday);
    connect(m_list, &BirthdayListView::contextMenuRequested, this, &MainWindow::showContextMenu);
    connect(m_list, &BirthdayListView::columnClicked, this, [this](int logicalIndex) {
        // "Next" and "In" sort by what is coming up.
        const bool next = logicalIndex == BirthdayListModel::NextColumn ||
                          logicalIndex == BirthdayListModel::InColumn;
        chooseArrange(logicalIndex == BirthdayListModel::NameColumn  ? ListArrange::Name
                      : logicalIndex == BirthdayListModel::AgeColumn ? ListArrange::Age
                      : next                                         ? ListArrange::NextDate
                                                                     : ListArrange::Date);
    });
}

void MainWindow::connectChoices()
{
    // The view modes and the arrangements are groups: the window keeps one mark in each.
    for (QAction* item : m_actions.viewModeActions())
        connect(item, &QAction::triggered, this, [this, item] { chooseViewMode(item); });
    const QList<QAction*> arrangeItems = m_actions.arrangeActions();
    for (int i = 0; i < arrangeItems.size(); ++i)
        connect(arrangeItems.at(i), &QAction::triggered, this,
                [this, i] { chooseArrange(ListArrange(i)); });
}

void MainWindow::addHelpHooks()
{
    const HelpSink sink = helpSink();
    installHelpHook(m_list->iconView(), QStringLiteral("bdaylist"), sink);
    installHelpHook(m_list->detailsView(), QStringLiteral("bdaylist"), sink);
    installHelpHook(m_list->header(), QStringLiteral("bdaylist"), sink);
    installHelpHook(m_search, QStringLiteral("bdaylist"), sink);
    installHelpHook(m_statusBar, QStringLiteral("statusbar"), sink);
    installHelpHook(m_toolbar, QStringLiteral("toolbar"), sink);
    installHelpHook(m_help, QStringLiteral("help"), sink);
    installHelpHook(m_help->titleLabel(), QStringLiteral("help"), sink);
    installHelpHook(m_help->textLabel(), QStringLiteral("help"), sink);
}

// ---- lifecycle ----

void MainWindow::load()
{
    m_layout->layoutLoad();
    refreshBirthdays();
    if (m_unloaded)
        return; // ended while a message of the refresh was open
    setWindowTitle(programTitle() + QStringLiteral(" v") + TextConv::versionText());
    m_services.reminders.start();
}

QMenu* MainWindow::trayMenu() const
{
    return m_actions.trayMenu;
}

void MainWindow::setTrayIcon(TrayIcon* tray)
{
    m_tray = tray;
}

void MainWindow::setTrayAvailable(bool available)
{
    m_trayAvailable = available;
}

void MainWindow::setNotifier(Notifier* notifier)
{
    m_services.runner.setNotifier(notifier);
    if (notifier)
        connect(notifier, &Notifier::showRequested, this, &MainWindow::showFromTray);
}

bool MainWindow::windowPlaceable() const
{
    return m_trayAvailable && !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
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

void MainWindow::introduceTray()
{
    showFromTray();
    setStatusNotice(tr("Candlewatcher runs in the system tray: closing this window keeps it "
                       "there, and a click on its icon brings the window back."));
}

void MainWindow::showAsStored()
{
    if (windowState().testFlag(Qt::WindowMinimized) && !m_unloaded)
        showMinimized();
    else
        showFromTray();
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
        confirmUnload(UnloadReason::CloseButton);
    else
        showMinimized(); // no tray icon to bring it back from
}

bool MainWindow::confirmUnload(UnloadReason reason)
{
    switch (reason) {
    case UnloadReason::CloseButton:
        hide();
        return false;
    case UnloadReason::SessionEnd:
        return true;
    case UnloadReason::Exit:
        break;
    }
    if (!m_settings.read(Setting::quitConfirm))
        return true;
    return m_prompt.ask(QMessageBox::Question,
                        tr("If you exit then you will not be alerted to any future "
                           "events.  Are you sure you want to exit?"),
                        QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MainWindow::unload(UnloadReason reason)
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_services.reminders.stop();
    saveData(reason == UnloadReason::Exit);
    if (m_tray)
        m_tray->removeFromTray();
    m_services.runner.closeNotification();
    hide();
    Q_EMIT unloaded();
}

void MainWindow::commitData(bool interactive)
{
    if (!m_unloaded)
        saveData(interactive);
}

void MainWindow::saveData(bool interactive)
{
    m_layout->layoutSave();
    const Expected<> compacted = m_store.compact();
    if (compacted) {
        if (m_store.setAsideRecords() == 0)
            return;
        const QString note =
            tr("%n event(s) whose writing was cut off (a name without a date) were taken out of "
               "the data file; their cells are kept in \"%1\".",
               nullptr, m_store.setAsideRecords())
                .arg(QDir::toNativeSeparators(m_store.setAsidePath()));
        if (interactive)
            m_prompt.inform(QMessageBox::Warning, note);
        else
            qWarning("Candlewatcher: %s", qPrintable(note));
        return;
    }
    // Nothing is lost: the deleted cells stay until the next compaction. At logout or on
    // SIGTERM nobody may be there to answer a message box, which would hold up the end.
    if (interactive)
        m_prompt.reportFailure(tr("The data file could not be compacted."), compacted.error());
    else
        qWarning("Candlewatcher: the data file could not be compacted: %s",
                 qPrintable(compacted.error()));
}

void MainWindow::exitProgram()
{
    if (m_unloaded)
        return;
    if (confirmUnload(UnloadReason::Exit))
        unload(UnloadReason::Exit);
}

void MainWindow::endSession()
{
    if (confirmUnload(UnloadReason::SessionEnd))
        unload(UnloadReason::SessionEnd);
}

// ---- layout ----

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_statusPanel && event->type() == QEvent::Resize)
        elideStatusText();
    const bool inList =
        m_list && (watched == m_list->iconView() || watched == m_list->detailsView());
    // Tabbing into the list selects the item it will act on, so the keys act on what shows.
    if (inList && event->type() == QEvent::FocusIn && m_list->currentRow() == -1 &&
        m_list->itemCount() > 0) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            m_list->selectRow(std::max(0, m_list->selectionModel()->currentIndex().row()));
    }
    // Return on a selected event edits it, as a double click does.
    if (inList && event->type() == QEvent::KeyPress && m_list->currentRow() != -1) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            editBirthday();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::arrangeControls()
{
    // The client area follows the window and the bars by itself; the panel shown or hidden
    // moves the list at once.
    if (m_clientLayout)
        m_clientLayout->setGeometry(m_client->rect());
}

// ---- the list ----

void MainWindow::refreshBirthdays()
{
    m_services.reminders.refresh();
}

void MainWindow::showRecords(ReminderScheduler::Listing&& listing)
{
    ListRows::Built built =
        m_rows.build(std::move(listing.records), std::move(listing.coming.records));
    // Said once for them all, whichever language wrote them: they are never dropped unseen.
    m_unreadableSummary = ListDate::unreadableSummary(built.unreadableDates);
    m_pendingRows = std::move(built.rows);
    if (m_list)
        showPendingRows();
}

void MainWindow::showPendingRows()
{
    m_unreadableDates->setText(m_unreadableSummary);
    m_unreadableDates->setVisible(!m_unreadableSummary.isEmpty());
    m_list->replaceRows(std::move(*m_pendingRows));
    m_pendingRows.reset();
}

void MainWindow::checkReminders(bool forceShow)
{
    if (!m_unloaded)
        m_services.reminders.check(forceShow);
}

void MainWindow::showNotifications()
{
    checkReminders(true);
}

void MainWindow::showContextMenu(const QPoint& globalPos)
{
    m_actions.contextMenu->popup(globalPos);
}

void MainWindow::showHelp(const QString& helpKey)
{
    if (m_help)
        m_help->showTopic(helpKey);
    else
        m_pendingHelpKey = helpKey;
}

void MainWindow::toggleHelp()
{
    // The triggered item has toggled its own check mark already; controls built later follow it.
    if (m_help)
        m_help->setVisible(m_actions.interactiveHelpAction->isChecked());
    arrangeControls();
}

void MainWindow::chooseViewMode(QAction* chosen)
{
    const QList<QAction*> items = m_actions.viewModeActions();
    for (QAction* item : items)
        item->setChecked(item == chosen);
    if (m_list)
        m_list->setViewMode(ListViewMode(items.indexOf(chosen)));
}

void MainWindow::chooseArrange(ListArrange arrange)
{
    const QList<QAction*> items = m_actions.arrangeActions();
    for (int i = 0; i < items.size(); ++i)
        items.at(i)->setChecked(i == int(arrange));
    if (m_list)
        m_list->setArrange(arrange);
}

void MainWindow::toggleToolbar()
{
    toggleBar(m_actions.toolbarAction, m_toolbar);
}

void MainWindow::toggleStatusBar()
{
    toggleBar(m_actions.statusBarAction, m_statusBar);
}

void MainWindow::toggleBar(QAction* item, QWidget* bar)
{
    if (bar)
        bar->setVisible(item->isChecked());
    arrangeControls();
}

// ---- commands ----

bool MainWindow::modalAlreadyOpen() const
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    modal->raise();
    modal->activateWindow();
    return true;
}

BirthdayCommands& MainWindow::listCommands()
{
    build();
    return *m_commands;
}

void MainWindow::newBirthday()
{
    if (!modalAlreadyOpen())
        listCommands().newBirthday();
}

void MainWindow::editBirthday()
{
    if (modalAlreadyOpen())
        return;
    BirthdayCommands& commands = listCommands();
    // From the search field, as Return there: the first match unless one is selected.
    if (m_search->hasFocus() && m_list->currentRow() == -1 && m_list->itemCount() > 0)
        m_list->selectRow(0);
    commands.editBirthday();
}

void MainWindow::duplicateBirthdays()
{
    if (!modalAlreadyOpen())
        listCommands().duplicateBirthdays();
}

void MainWindow::deleteBirthdays()
{
    if (!modalAlreadyOpen())
        listCommands().deleteBirthdays();
}

void MainWindow::showSpecialEvents()
{
    if (modalAlreadyOpen())
        return;
    WellKnownDaysDialog dialog(m_store, helpSink(), this);
    // Only OK stores events (some, when a write fails part way); Cancel changes nothing.
    if (dialog.exec() != QDialog::Accepted)
        return;
    refreshBirthdays();
    arrangeControls();
}

void MainWindow::showPreferences()
{
    if (modalAlreadyOpen())
        return;
    PreferencesDialog dialog(m_settings, helpSink(), this, windowPlaceable());
    // The leap-day rule moves the "Next" column; the check reads its settings itself.
    if (dialog.exec() == QDialog::Accepted)
        refreshBirthdays();
}

void MainWindow::importFiles()
{
    if (!modalAlreadyOpen())
        m_exchange->importChosenFiles();
}

void MainWindow::exportEvents()
{
    if (!modalAlreadyOpen())
        m_exchange->exportToChosenFile();
}

void MainWindow::restoreBackup()
{
    if (!modalAlreadyOpen())
        m_exchange->restoreChosenBackup();
}

void MainWindow::showSubscriptions()
{
    if (!modalAlreadyOpen())
        m_sync->showSubscriptions();
}

void MainWindow::showAbout()
{
    if (!modalAlreadyOpen())
        AboutDialog(this).exec();
}

void MainWindow::showComments()
{
    if (!modalAlreadyOpen())
        CommentsForm(m_settings, this).exec();
}

void MainWindow::openWebsite()
{
    ::openWebsite(this);
}

void MainWindow::setMessageHook(MessagePrompt::Hook hook)
{
    m_prompt.setHook(std::move(hook));
}
