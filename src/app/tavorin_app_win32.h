// The application: one instance per session, start-up, and one modal run of
// the main window.
#pragma once

#include <windows.h>

// The system's version, read once at start-up.
extern OSVERSIONINFOW g_osVersion;

extern const wchar_t kMainWindowClass[];

class CTavorinApp {
public:
    explicit CTavorinApp(const wchar_t* commandLine) : m_commandLine(commandLine ? commandLine : L"") {}
    // Runs the whole application; returns when it is to end.
    void InitInstance();
    const wchar_t* CommandLine() const { return m_commandLine; }

private:
    const wchar_t* m_commandLine;
};
