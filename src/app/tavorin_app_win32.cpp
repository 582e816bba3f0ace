#include "app/tavorin_app_win32.h"

#include <commctrl.h>

#include "app/tavorin_dlg.h"
#include "config/config_store.h"
#include "config/profile_win32.h"
#include "config/system_folders_win32.h"
#include "playback/run_state.h"

OSVERSIONINFOW g_osVersion;

const wchar_t kMainWindowClass[] = L"BrenlowTavorin_4IRIOE24D";

namespace {

const wchar_t kInstanceMutex[] = L"Brenlow_Tavorin_uoiep23dz";

// True when another instance holds the mutex; that one is brought forward.
bool HandOverToRunningInstance()
{
    SetLastError(ERROR_SUCCESS);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kInstanceMutex);
    if (GetLastError() != ERROR_ALREADY_EXISTS) return false;  // kept until the process ends
    CloseHandle(mutex);
    if (HWND window = FindWindowW(kMainWindowClass, nullptr)) {
        ShowWindow(window, SW_RESTORE);
        SetForegroundWindow(window);
    }
    return true;
}

void EnableDebugPrivilege()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY | READ_CONTROL, &token)) return;
    TOKEN_PRIVILEGES privileges = {};
    if (LookupPrivilegeValueW(nullptr, L"SeDebugPrivilege", &privileges.Privileges[0].Luid)) {
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        AdjustTokenPrivileges(token, FALSE, &privileges, sizeof(privileges), nullptr, nullptr);
    }
    CloseHandle(token);
}

// The main window's class: the dialog class under our own name, so that a
// second instance can find the first.
bool RegisterMainWindowClass()
{
    WNDCLASSW windowClass;
    if (!GetClassInfoW(GetModuleHandleW(nullptr), L"#32770", &windowClass)) return false;
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassW(&windowClass);
    return true;
}

}  // namespace

void CTavorinApp::InitInstance()
{
    if (HandOverToRunningInstance()) return;
    EnableDebugPrivilege();

    ZeroMemory(&g_osVersion, sizeof(g_osVersion));
    g_osVersion.dwOSVersionInfoSize = sizeof(g_osVersion);
    GetVersionExW(&g_osVersion);
    g_bAbsoluteMoves = UsesAbsoluteMoves(g_osVersion.dwMajorVersion, g_osVersion.dwMinorVersion);

    Win32SystemFolders folders;
    Win32Profile profile;
    ResolveFolders(folders, profile);

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    if (!RegisterMainWindowClass()) return;
    CTavorinDlg dialog(*this);
    dialog.DoModal();
}
