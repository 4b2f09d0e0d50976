#include "ui/app/mainwindow.h"

#include "core/calendar/nextevent.h"
#include "core/presentation/controlsarrangement.h"
#include "core/settings/settingsstore.h"
#include "core/store/birthdaystore.h"
#include "core/store/datafilewatcher.h"
#include "core/text/textconv.h"
#include "ui/app/exchangecommands.h"
#include "ui/app/windowlayout.h"
#include "ui/dialogs/preferencesdialog.h"
#include "ui/dialogs/wellknowndaysdialog.h"
#include "ui/help/helphook.h"
#include "ui/help/helppanel.h"
#include "ui/list/birthdaycommands.h"
#include "ui/list/birthdaylistview.h"
#include "ui/platform/notifier.h"
#include "ui/reminders/reminderrunner.h"
#include "ui/tray/trayicon.h"
#include "ui/web/aboutdialog.h"
#include "ui/web/commentsform.h"
#include "ui/web/shelllaunch.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int twips = WindowLayout::twipsPerPixel;
// The inside of the window below the menu bar on a first start: 7230 x 5340 twips.
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
    // A new day changes the list's "Next" and "In" columns: the refresh ends in the check.
    connect(m_tmrCheck, &QTimer::timeout, this, [this] {
        if (m_listDay != m_clock.today())
            birthdaysRefresh();
        else
            ReminderCheck(false);
    });
    m_runner->setWindowPlaceable([this] { return windowPlaceable(); });
    connect(m_runner, &ReminderRunner::notificationsUnavailable, this, [this] {
        m_statusBar->showMessage(
            QStringLiteral("No desktop notification service answered: reminders show in the "
                           "Candlewatcher window."));
    });

    m_watcher = new DataFileWatcher(m_store.dataPath(), this);
    connect(m_watcher, &DataFileWatcher::changed, this, &MainWindow::birthdaysFollow);

    m_layout = std::make_unique<WindowLayout>(
        m_settings,
        WindowLayout::Controls{this, m_list, m_toolbar, m_statusBar, m_help, &m_actions});

    actionsConnect();
    helpHooksAdd();
    resize(designSize + QSize(0, menuBar()->sizeHint().height()));
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

    // The search field above the client area filters the list by name as the user types.
    // The client area: list and help panel are placed by controlsArrange, not by a layout.
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_search = new QLineEdit(central);
    m_client = new QWidget(central);
    m_client->setObjectName(QStringLiteral("frmMainClient"));
    m_client->installEventFilter(this);
    column->addWidget(m_search);
    column->addWidget(m_client, 1);
    setCentralWidget(central);
    m_list = new BirthdayListView(m_client);
    m_list->model()->setIcon(QIcon(QStringLiteral(":/icons/candlewatcher.svg")));
    m_search->setObjectName(QStringLiteral("txtSearch"));
    m_search->setPlaceholderText(QStringLiteral("Search by name (Ctrl+F)"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(QStringLiteral("Search by name"));
    m_search->installEventFilter(this);
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
    m_help = new HelpPanel(m_client);
    m_help->resize(helpPanelWidth, m_help->height());
    m_help->hide();

    connect(m_list, &BirthdayListView::itemDoubleClicked, this, &MainWindow::birthdayEdit);
    connect(m_list, &BirthdayListView::contextMenuRequested, this, &MainWindow::popupShow);
    connect(m_list, &BirthdayListView::columnClicked, this, [this](int logicalIndex) {
        // "Next" and "In" sort by what is coming up; the age goes with the date.
        const bool next = logicalIndex == BirthdayListModel::NextColumn ||
                          logicalIndex == BirthdayListModel::InColumn;
        arrangeChoose(logicalIndex == BirthdayListModel::NameColumn ? ListArrange::Name
                      : next                                        ? ListArrange::NextDate
                                                                    : ListArrange::Date);
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
    const std::pair<QAction*, std::function<void(ExchangeCommands&)>> exchange[] = {
        {a.mnuBirthdaysImport, &ExchangeCommands::importChoose},
        {a.mnuBirthdaysExport, &ExchangeCommands::exportChoose},
        {a.mnuBirthdaysRestore, &ExchangeCommands::restoreChoose}};
    for (const auto& [item, command] : exchange)
        connect(item, &QAction::triggered, this, [this, command = command] {
            if (!modalAlreadyOpen())
                command(*m_exchange);
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
    connect(a.mnuViewArrangeIconsNextDate, &QAction::triggered, this,
            [this] { arrangeChoose(ListArrange::NextDate); });
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
    helpHook(m_search, QStringLiteral("bdaylist"), sink);
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
    if (m_unloaded)
        return; // ended while a message of the refresh was open
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

void MainWindow::setNotifier(Notifier* notifier)
{
    m_runner->setNotifier(notifier);
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
    if (!m_settings.read(Setting::quitConfirm))
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
    dataSave(reason == UnloadReason::Exit);
    if (m_tray)
        m_tray->trayIconRemove();
    m_runner->notificationUnload();
    hide();
    emit unloaded();
}

void MainWindow::dataCommit(bool interactive)
{
    if (!m_unloaded)
        dataSave(interactive);
}

void MainWindow::dataSave(bool interactive)
{
    layoutSave();
    if (m_store.databaseCompact())
        return;
    // Nothing is lost: the deleted cells stay until the next compaction. At logout or on
    // SIGTERM nobody may be there to answer a message box, which would hold up the end.
    if (interactive)
        m_prompt.failure(QStringLiteral("The data file could not be compacted."),
                         m_store.errorString());
    else
        qWarning("Candlewatcher: the data file could not be compacted: %s",
                 qPrintable(m_store.errorString()));
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
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        // Escape in the search field clears it, and the whole list comes back.
        if (watched == m_search && key == Qt::Key_Escape && !m_search->text().isEmpty()) {
            m_search->clear();
            return true;
        }
        // Return on a selected event edits it, as a double click does.
        const bool inList = watched == m_list->iconView() || watched == m_list->detailsView();
        if (enter && inList && m_list->currentRow() != -1) {
            birthdayEdit();
            return true;
        }
    }
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
    std::optional<QList<BirthdayRecord>> records = m_store.recordsReadAll();
    if (!records) {
        rowsSet({}, comingEvents({}, m_clock.today(), LeapDayRule::March1), m_store.fileState(),
                false);
        m_prompt.failure(QStringLiteral("The birthdays list could not be read."),
                         m_store.errorString());
        return;
    }
    recordsCheck(std::move(*records), false, ListFill::Anew);
}

void MainWindow::rowsSet(QList<BirthdayRecord> records, ComingEvents coming,
                         const BirthdayStore::FileState& state, bool keepSelection)
{
    m_listState = state;
    m_listDay = coming.today;
    QList<BirthdayListModel::Row> rows;
    rows.reserve(records.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        BirthdayRecord& record = records[i];
        RecordDates& dates = coming.records[i];
        BirthdayListModel::Row& row =
            rows.emplaceBack(record.key, record.value(BirthdayRecord::Name), dates.date);
        row.setNext(std::move(dates.next));
        row.record = std::move(record);
    }
    if (keepSelection)
        m_list->rowsReplace(std::move(rows));
    else
        m_list->model()->setRows(std::move(rows));
}

void MainWindow::recordsCheck(QList<BirthdayRecord> records, bool forceShow, ListFill fill)
{
    // One read serves the check and the list, and the dates the check works out serve the
    // list's columns. The check goes first, so the rows can take the records over rather than
    // copy them; nothing runs in between, so the user sees the same.
    BirthdayStore::FileState read = m_store.fileState();
    ComingEvents coming = m_runner->ReminderCheck(records, forceShow);
    // The check stamps LastDate: the rows take the stamps in, so that a command on them does
    // not take the program's own stamp for another program's change.
    if (m_store.fileState() != read) {
        if (std::optional<QList<BirthdayRecord>> again = m_store.recordsReadAll()) {
            records = std::move(*again);
            read = m_store.fileState();
            coming = comingEvents(records, coming.today, coming.rule);
        }
    }
    if (fill == ListFill::Anew || read != m_listState)
        rowsSet(std::move(records), std::move(coming), read, fill == ListFill::Follow);
}

void MainWindow::ReminderCheck(bool forceShow)
{
    // Silent, as the check is.
    if (m_unloaded)
        return;
    std::optional<QList<BirthdayRecord>> records = m_store.recordsReadAll();
    if (records)
        recordsCheck(std::move(*records), forceShow, ListFill::Follow);
}

void MainWindow::birthdaysFollow()
{
    // The program's own writes were followed by their refresh already.
    if (m_unloaded || BirthdayStore::fileStateOf(m_store.dataPath()) == m_listState)
        return;
    ReminderCheck(false);
}

void MainWindow::popupShow(const QPoint& globalPos)
{
    m_actions.mnuPopup->popup(globalPos);
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
    const QList<QAction*> items = m_actions.arrangeActions();
    for (int i = 0; i < items.size(); ++i)
        items.at(i)->setChecked(i == int(arrange));
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
    // Only OK stores events (some, when a write fails part way); Cancel changes nothing.
    if (dialog.exec() != QDialog::Accepted)
        return;
    birthdaysRefresh();
    controlsArrange();
}

void MainWindow::preferencesShow()
{
    if (modalAlreadyOpen())
        return;
    PreferencesDialog dialog(m_settings, helpSink(), this, windowPlaceable());
    // The leap-day rule moves the "Next" column; the check reads its settings itself.
    if (dialog.exec() == QDialog::Accepted)
        birthdaysRefresh();
}

void MainWindow::aboutShow()
{
    if (modalAlreadyOpen())
        return;
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::commentsShow()
{
    if (modalAlreadyOpen())
        return;
    CommentsForm dialog(m_settings, this);
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
