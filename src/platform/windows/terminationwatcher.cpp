#include "platform/terminationwatcher.h"

#include <QMetaObject>
#include <QPointer>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// What ends a Windows program: Ctrl+C, Ctrl+Break and the closing of the console the program
// was started from, which reach it only while it is attached to that console, and the
// session's end. The system calls the console handler on a thread of its own and ends the
// process once a close's handler returns, so the handler hands the request to the event loop
// and, for a close, waits until the watcher is gone, which is after the unload.
//
// The session's end comes as WM_QUERYENDSESSION and WM_ENDSESSION to every top-level window,
// and Qt's session manager hears of it only through a window of its own. A program in the tray
// has none until its main window was shown (the tray icon's window passes both messages to
// DefWindowProc), so it would be ended without its unload: a hidden window of ours hears them.
// The process may be ended as soon as WM_ENDSESSION returns, so the unload runs inside it.
namespace {

QPointer<TerminationWatcher> watcher;
HANDLE unloaded = nullptr;
HWND sessionWindow = nullptr;
// The system's grace for a console's close is five seconds.
constexpr DWORD closeWaitMs = 4500;
const wchar_t sessionWindowClass[] = L"CandlewatcherSessionWindow";

BOOL WINAPI consoleHandler(DWORD event)
{
    if (!watcher)
        return FALSE;
    QMetaObject::invokeMethod(watcher.data(), "endRequested", Qt::QueuedConnection);
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        WaitForSingleObject(unloaded, closeWaitMs);
    return TRUE;
}

LRESULT CALLBACK sessionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_QUERYENDSESSION)
        return TRUE; // ends without a question
    if (message == WM_ENDSESSION) {
        if (wParam && watcher)
            Q_EMIT watcher->endRequested();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createSessionWindow()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = sessionWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = sessionWindowClass;
    if (!RegisterClassW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    // Top-level and never shown: a message-only window (HWND_MESSAGE) is not told.
    return CreateWindowExW(0, sessionWindowClass, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                           windowClass.hInstance, nullptr);
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
    DestroyWindow(sessionWindow);
    sessionWindow = nullptr;
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
    if (!unloaded)
        return false;
    sessionWindow = createSessionWindow();
    if (!sessionWindow)
        return false;
    if (!SetConsoleCtrlHandler(consoleHandler, TRUE)) {
        DestroyWindow(sessionWindow);
        sessionWindow = nullptr;
        return false;
    }
    ResetEvent(unloaded);
    watcher = this;
    m_watch = std::make_unique<Watch>();
    return true;
}
