/* Logs the session-end messages a hidden top-level window gets, as the tray program's own
 * window (src/platform/windows/terminationwatcher.cpp) would get them, and how the process ends.
 * Build: x86_64-w64-mingw32-gcc-posix -O2 -o session-messages.exe scripts/wine-session-messages.c
 * Run under Wine on an X display, then end the session one way or another:
 *   wine session-messages.exe &  wineboot --shutdown     (docs/windows.md has what each did) */
#include <stdio.h>
#include <windows.h>

static void say(const char* what, WPARAM wParam, LPARAM lParam)
{
    printf("%lu ms %s wParam=%llu lParam=0x%llx\n", GetTickCount(), what,
           (unsigned long long)wParam, (unsigned long long)lParam);
    fflush(stdout);
}

static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_QUERYENDSESSION) {
        say("WM_QUERYENDSESSION", wParam, lParam);
        return TRUE;
    }
    if (message == WM_ENDSESSION) {
        say("WM_ENDSESSION", wParam, lParam);
        return 0;
    }
    if (message == WM_CLOSE || message == WM_DESTROY)
        say(message == WM_CLOSE ? "WM_CLOSE" : "WM_DESTROY", wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

static BOOL WINAPI consoleHandler(DWORD event)
{
    say("console event", event, 0);
    return FALSE;
}

int main(void)
{
    WNDCLASSW windowClass = {0};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(NULL);
    windowClass.lpszClassName = L"EndSessionLog";
    RegisterClassW(&windowClass);
    CreateWindowExW(0, L"EndSessionLog", L"", WS_OVERLAPPED, 0, 0, 0, 0, NULL, NULL,
                    windowClass.hInstance, NULL);
    SetConsoleCtrlHandler(consoleHandler, TRUE);
    say("running", 0, 0);
    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0)
        DispatchMessageW(&msg);
    say("message loop ended", 0, 0);
    return 0;
}
