// Drives the real program from outside: starts it, finds its windows, reads
// and works its controls by messages, and takes pictures of its windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The folder of this test program, where tavorin.exe lies too.
std::wstring ProgramFolder();
// Where screenshots go: the build folder's "screenshots".
std::wstring ScreenshotFolder();

// Dispatches what waits in this thread's queue (the probe window's input).
void PumpOwnMessages();
// Polls `done` every 20 ms, serving this thread's windows meanwhile, until it
// holds or `ms` pass.
bool WaitFor(const std::function<bool()>& done, DWORD ms = 10000);

class ProgramProcess {
public:
    ProgramProcess() = default;
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // Starts tavorin.exe with `arguments` as its command line.
    bool Start(const std::wstring& arguments = L"");
    // Waits for the process to end; false on timeout.
    bool WaitForExit(DWORD ms, DWORD* exitCode = nullptr);
    void Kill();
    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }

private:
    PROCESS_INFORMATION m_info = {};
};

// The main window, by its class, once it is visible.
HWND FindMainWindow(DWORD ms = 15000);
// A top-level dialog box (class "#32770") of `process` with that caption,
// once it exists (and, unless told otherwise, is visible).
HWND FindDialog(DWORD processId, const std::wstring& caption, DWORD ms = 10000, bool visibleOnly = true);
// The first descendant of `parent` of that class, once it exists.
HWND FindDescendant(HWND parent, const std::wstring& className, DWORD ms = 5000);

std::wstring WindowText(HWND window);
std::wstring ItemText(HWND dialog, int id);

// List-view access across processes.
int ListRowCount(HWND list);
std::wstring ListText(HWND list, int row, int column);
int ListSelectedRow(HWND list);
void ListSelectRow(HWND list, int row);

// Saves the window's picture as a PNG file named `name`.png in the
// screenshot folder; returns the path.
std::wstring SaveScreenshot(HWND window, const std::wstring& name);
