#include "app/candlewatcherapp.h"

#include "app/reminderscheduler.h"
#include "app/stallprobe.h"
#include "app/syncservice.h"
#include "core/calendar/clock.h"
#include "core/calendar/nextevent.h"
#include "core/program/programidentity.h"
#include "core/settings/datelocale.h"
#include "core/settings/settingsstore.h"
#include "core/store/birthdaystore.h"
#include "core/store/datafilepath.h"
#include "core/text/translations.h"
#include "platform/keychainsecrets.h"
#include "platform/notifier.h"
#include "platform/processsignals.h"
#include "platform/singleinstance.h"
#include "platform/terminationwatcher.h"
#include "ui/app/mainwindow.h"
#include "ui/reminders/reminderrunner.h"
#include "ui/tray/programicon.h"
#include "ui/tray/trayicon.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QSessionManager>

#include <cstdio>

CandlewatcherApp::CandlewatcherApp(BirthdayStore& store, SettingsStore& settings,
                                   const Clock& clock, QObject* parent)
    : QObject(parent), m_store(store), m_settings(settings), m_clock(clock),
      m_tray(std::make_unique<TrayIcon>()),
      m_notifier(createNotifier([tray = m_tray.get()] { return tray->systemTrayIcon(); })),
      m_termination(std::make_unique<TerminationWatcher>())
{
    connect(m_termination.get(), &TerminationWatcher::endRequested, this,
            &CandlewatcherApp::endSession);
    connect(&m_trayRetry, &QTimer::timeout, this, &CandlewatcherApp::retryTray);
    m_trayRetry.setInterval(TrayRetryIntervalMs);
}

MainWindow& CandlewatcherApp::mainWindow()
{
    if (m_window)
        return *m_window;
    // Made with the window, after the icon is in the tray: none of them is needed before.
    m_runner = std::make_unique<ReminderRunner>(m_store, m_settings, m_clock);
    m_reminders = std::make_unique<ReminderScheduler>(
        m_store, m_clock,
        [runner = m_runner.get()](const QList<BirthdayRecord>& records, bool forceShow) {
            return runner->check(records, forceShow);
        });
    const SecretStoreFactory secrets =
        m_secretStores ? m_secretStores : [] { return std::make_unique<KeychainSecrets>(); };
    m_sync = std::make_unique<SyncService>(m_store, m_settings, m_clock, m_syncClients, secrets);
    // Whoever wrote it, the published calendar follows a few seconds later.
    connect(m_reminders.get(), &ReminderScheduler::dataFileChanged, m_sync.get(),
            &SyncService::publishSoon);
    m_window = std::make_unique<MainWindow>(m_store, m_settings, m_clock,
                                            MainWindow::Services{*m_reminders, *m_runner, *m_sync});
    m_window->setTrayIcon(m_tray.get());
    m_window->setNotifier(m_notifier.get());
    // The check names the next event in the icon's tip.
    connect(m_runner.get(), &ReminderRunner::trayTipChanged, m_tray.get(), &TrayIcon::setTip);
    connect(m_tray.get(), &TrayIcon::showRequested, this, &CandlewatcherApp::showWindow);
    connect(m_window.get(), &MainWindow::unloaded, this, &CandlewatcherApp::finish);
    return *m_window;
}

ReminderRunner& CandlewatcherApp::reminderRunner()
{
    mainWindow();
    return *m_runner;
}

CandlewatcherApp::~CandlewatcherApp()
{
    m_termination.reset(); // the signals' own handlers back first
    // The icon goes first: it refers to the window's menu.
    m_tray->removeFromTray();
    m_window.reset();
}

void CandlewatcherApp::setTrayRetry(int intervalMs, int attempts)
{
    m_trayRetry.setInterval(intervalMs);
    m_trayRetryAttempts = attempts;
}

void CandlewatcherApp::start()
{
    // The icon goes to the tray before the window's controls are built: those take most of
    // the start (the font database among them). Its menu follows before the event loop runs,
    // so no click can reach it without one.
    m_iconAtStart = m_tray->isTrayAvailable() &&
                    m_tray->addToTray(nullptr, programIcon(), trayTipText(std::nullopt));
    if (m_iconAtStart)
        QGuiApplication::sync(); // the dock request reaches the tray now, not after the build
    // The sync runs the event loop for a moment: an end the session asked for meanwhile took
    // the icon back, and nothing is left to build.
    if (m_unloaded)
        return;
    MainWindow& window = mainWindow();
    // Whether a tray is there decides how the first check's notification appears.
    window.setTrayAvailable(m_iconAtStart);
    if (m_iconAtStart)
        m_tray->systemTrayIcon()->setContextMenu(window.trayMenu());
    // The load and its first check wait for the event loop: the icon shows only once the
    // loop has answered the tray, and a load before that keeps it out of sight for as long.
    // A window that must show for want of a tray needs no wait.
    QTimer::singleShot(m_iconAtStart ? m_loadDelayMs : 0, this, &CandlewatcherApp::load);
}

void CandlewatcherApp::load()
{
    if (m_loaded || m_unloaded)
        return;
    m_loaded = true;
    m_window->load();
    if (m_unloaded)
        return; // ended while a message of the load was open
    // In the background: the first sync's answers come while the program already runs.
    m_sync->start();
    if (m_iconAtStart) {
        m_tray->setTip(m_runner->trayTip());
        return;
    }
    // A window that starts hidden with no icon to open it could only be ended by a signal.
    m_window->showAsStored();
    m_trayRetryLeft = m_trayRetryAttempts;
    if (m_trayRetryLeft > 0)
        m_trayRetry.start();
}

void CandlewatcherApp::showWindow()
{
    // A request that comes before the load's turn shows the loaded window, never the shell.
    if (m_window)
        load();
    if (!m_unloaded)
        mainWindow().showFromTray();
}

bool CandlewatcherApp::addTrayIcon()
{
    if (!m_tray->addToTray(m_window->trayMenu(), programIcon(), m_runner->trayTip()))
        return false;
    m_window->setTrayAvailable(true);
    return true;
}

void CandlewatcherApp::retryTray()
{
    // The window stays as the user has it; from now on its close button hides it again.
    if (!m_unloaded && addTrayIcon()) {
        m_trayRetry.stop();
        return;
    }
    if (--m_trayRetryLeft <= 0)
        m_trayRetry.stop();
}

void CandlewatcherApp::finish()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_trayRetry.stop();
    // The window takes the icon back itself; make sure none outlives the program's end.
    m_tray->removeFromTray();
    Q_EMIT finished();
}

void CandlewatcherApp::endSession()
{
    if (m_unloaded)
        return;
    if (!m_loaded) {
        finish(); // nothing read yet, nothing to save
        return;
    }
    // The exit's unload may be waiting on its failure message: the data is committed as far
    // as it could be, and the end does not wait for an answer.
    if (m_window->isUnloaded())
        finish();
    else
        m_window->endSession();
}

void CandlewatcherApp::watchSession()
{
    // Qt asks this for every save of the session, also when no logout follows: not the end.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        if (!m_unloaded && m_loaded)
            m_window->commitData(false);
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &CandlewatcherApp::endSession);
    qApp->installEventFilter(this);
}

bool CandlewatcherApp::eventFilter(QObject* watched, QEvent* event)
{
    // The session's end reaches the application as a Quit event, before Qt closes the windows:
    // unloaded first, the main window lets itself be closed instead of only hiding.
    if (watched == qApp && event->type() == QEvent::Quit)
        endSession();
    return QObject::eventFilter(watched, event);
}

bool CandlewatcherApp::watchTermSignals()
{
    return m_termination->watch();
}

int runTrayProgram(int argc, char** argv, SyncClientFactory clients, SecretStoreFactory secrets)
{
    // Before the application object: the settings and the data folder follow the identity.
    setProgramIdentity();
    QApplication app(argc, argv);
    app.setDesktopFileName(QStringLiteral("candlewatcher"));
    // Before the first text: a right-to-left language also turns the windows round.
    Translations::install(app, QLocale::system().uiLanguages());
    app.setWindowIcon(programIcon());
    // The program lives in the tray: closing or hiding its last window does not end it.
    app.setQuitOnLastWindowClosed(false);
    // For the benchmarks: how long the event loop is kept waiting, from here to the end.
    std::unique_ptr<StallProbe> stallProbe;
    if (const QString log = qEnvironmentVariable("CANDLEWATCHER_STALL_LOG"); !log.isEmpty())
        stallProbe = std::make_unique<StallProbe>(log);

    const QString dataPath = dataFilePath();
    // Before any window, tray icon or check: a second start only shows the first copy.
    SingleInstance instance(dataPath);
    switch (instance.start()) {
    case SingleInstance::Role::HandedOver:
        return 0;
    case SingleInstance::Role::Unanswered:
        std::fprintf(stderr, "candlewatcher: %s\n", qPrintable(instance.errorString()));
        return 1;
    case SingleInstance::Role::Alone:
    case SingleInstance::Role::Primary:
        if (!instance.errorString().isEmpty())
            qWarning("candlewatcher: %s", qPrintable(instance.errorString()));
        break;
    }

    BirthdayStore store(dataPath);
    SettingsStore settings;
    // Before anything is read: the first start of this version records the language the
    // existing file's dates were written in.
    store.setDateLocale(DateLocale::recordOnce(settings));
    Clock clock;
    CandlewatcherApp candlewatcher(store, settings, clock);
    candlewatcher.setSyncClients(std::move(clients));
    candlewatcher.setSecretStores(std::move(secrets));
    // A later start asks for the window, as a click on the tray icon does.
    QObject::connect(&instance, &SingleInstance::showRequested, &candlewatcher,
                     &CandlewatcherApp::showWindow);
    // exit, not quit: it ends every running loop at once, a dialog's or a message box's too,
    // and nothing can refuse it.
    QObject::connect(&candlewatcher, &CandlewatcherApp::finished, &app,
                     [] { QCoreApplication::exit(0); });
    // Logging off or shutting down unloads without a question, as a terminating signal does.
    candlewatcher.watchSession();
    candlewatcher.watchTermSignals();
    candlewatcher.start();
    // Held since main's first line and through the start, which runs the event loop for a
    // moment but is not to be ended halfway: one sent meanwhile now reaches the handler and
    // ends the program from the loop, as any later one does.
    ProcessSignals::releaseTermination();
    return app.exec();
}
