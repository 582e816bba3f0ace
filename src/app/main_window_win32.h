// Bringing the main window back after a recording or a run.
#pragma once

#include <windows.h>

// Shown, in front, and at the top of the z-order without staying topmost.
inline void ShowMainWindowOnTop(HWND main)
{
    ShowWindow(main, SW_SHOW);
    SetForegroundWindow(main);
    SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
