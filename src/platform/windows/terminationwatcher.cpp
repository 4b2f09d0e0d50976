#include "platform/terminationwatcher.h"

#include <QMetaObject>
#include <QPointer>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// What ends a Windows program besides the session's end (which Qt's session manager brings):
// Ctrl+C, Ctrl+Break and the closing of the console the program was started from, which reach
// it only while it is attached to that console. The system calls the handler on a thread of
// its own and ends the process once a close's handler returns, so the handler hands the
// request to the event loop and, for a close, waits until the watcher is gone, which is after
// the unload.
namespace {

QPointer<TerminationWatcher> watcher;
HANDLE unloaded = nullptr;
// The system's grace for a console's close is five seconds.
constexpr DWORD closeWaitMs = 4500;

BOOL WINAPI consoleHandler(DWORD event)
{
    if (!watcher)
        return FALSE;
    QMetaObject::invokeMethod(watcher.data(), "endRequested", Qt::QueuedConnection);
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        WaitForSingleObject(unloaded, closeWaitMs);
    return TRUE;
}

} // namespace

struct TerminationWatcher::Watch
{
};

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent) {}

TerminationWatcher::~TerminationWatcher()
{
    if (!m_watch)
        return;
    SetConsoleCtrlHandler(consoleHandler, FALSE);
    watcher = nullptr;
    SetEvent(unloaded);
}

bool TerminationWatcher::watch()
{
    if (m_watch)
        return true;
    if (watcher)
        return false; // another object holds the handler
    if (!unloaded)
        unloaded = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!unloaded || !SetConsoleCtrlHandler(consoleHandler, TRUE))
        return false;
    ResetEvent(unloaded);
    watcher = this;
    m_watch = std::make_unique<Watch>();
    return true;
}
