#include "playback/shutdown_win32.h"

#include <windows.h>

#include <reason.h>

bool Win32Shutdown::ShutdownComputer()
{
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        TOKEN_PRIVILEGES privileges = {};
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        bool named = LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid) != FALSE;
        DWORD error = ERROR_INVALID_PARAMETER;
        if (named) {
            AdjustTokenPrivileges(token, FALSE, &privileges, sizeof(privileges), nullptr, nullptr);
            // Also non-zero when the call succeeded without assigning the privilege.
            error = GetLastError();
        }
        CloseHandle(token);
        if (error != ERROR_SUCCESS) return false;
    }
    // Without a token the request is made anyway; the system decides.
    return ExitWindowsEx(EWX_SHUTDOWN | EWX_FORCEIFHUNG,
                         SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MAJOR_OPERATINGSYSTEM |
                             SHTDN_REASON_MINOR_UPGRADE) != FALSE;
}
