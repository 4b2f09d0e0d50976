#include "mainwindow.h"

#include <QMenu>

// TODO(mainwindow): placeholder until the main window lands.
MainWindow::MainWindow(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                       QWidget* parent)
    : QMainWindow(parent), m_store(store), m_settings(settings), m_clock(clock)
{
}

MainWindow::~MainWindow() = default;

void MainWindow::formLoad() {}
QMenu* MainWindow::sysTrayMenu() const { return nullptr; }
void MainWindow::setTrayIcon(TrayIcon*) {}
void MainWindow::setTrayAvailable(bool) {}
void MainWindow::showFromTray() { show(); }
void MainWindow::ReminderCheck(bool) {}
void MainWindow::birthdaysRefresh() {}
void MainWindow::birthdayNew() {}
void MainWindow::preferencesShow() {}
void MainWindow::aboutShow() {}
void MainWindow::websiteShow() {}
void MainWindow::exitCommand() { emit unloaded(); }
void MainWindow::sessionEnd() { emit unloaded(); }
