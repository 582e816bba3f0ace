#include "capture/desktop_input_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include "capture/hooks_win32.h"

namespace {

HHOOK g_mouseHook = nullptr;
HHOOK g_keyboardHook = nullptr;

HHOOK& HookSlot(InputHook hook)
{
    return hook == InputHook::Mouse ? g_mouseHook : g_keyboardHook;
}

}  // namespace

void Win32Desktop::MouseEvent(uint32_t flags, int32_t dx, int32_t dy, int32_t data)
{
    mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), static_cast<DWORD>(data), 0);
}

void Win32Desktop::KeyEvent(uint8_t vk, uint8_t scan, uint32_t flags)
{
    keybd_event(vk, scan, flags, 0);
}

uint32_t Win32Desktop::ScanCodeOf(uint32_t vk)
{
    return MapVirtualKeyW(vk, 0);  // MAPVK_VK_TO_VSC
}

void Win32Desktop::SetCursor(int32_t x, int32_t y)
{
    SetCursorPos(x, y);
}

DesktopPoint Win32Desktop::GetCursor()
{
    POINT pt = {0, 0};
    GetCursorPos(&pt);
    return {pt.x, pt.y};
}

int32_t Win32Desktop::ScreenWidth()
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int32_t Win32Desktop::ScreenHeight()
{
    return GetSystemMetrics(SM_CYSCREEN);
}

bool Win32Desktop::ButtonsSwapped()
{
    return GetSystemMetrics(SM_SWAPBUTTON) != 0;
}

DesktopRect Win32Desktop::WorkArea()
{
    RECT rc = {0, 0, 0, 0};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

uint32_t Win32Desktop::Ticks()
{
    // The same wrapping millisecond count as GetTickCount, but as fine as the
    // timer period (1 ms while precise timing is on) instead of 10-16 ms
    // steps, which would make every wait of a schedule late by a step.
    return timeGetTime();
}

void Win32Desktop::SleepMs(uint32_t ms)
{
    Sleep(ms);
}

void Win32Desktop::PumpWaitingMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the loop that owns it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

namespace {

// From Windows 11 a process whose windows are hidden loses the fine timer
// unless it opts out of that throttling; older systems lack the call.
void KeepTimerResolutionWhileHidden(bool keep)
{
    struct PowerThrottlingState {
        ULONG Version;
        ULONG ControlMask;
        ULONG StateMask;
    };
    const int kProcessPowerThrottling = 4;
    const ULONG kIgnoreTimerResolution = 0x4;
    using SetInformation = BOOL(WINAPI*)(HANDLE, int, void*, DWORD);
    static SetInformation setInformation = reinterpret_cast<SetInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetProcessInformation")));
    if (!setInformation) return;
    PowerThrottlingState state = {1, kIgnoreTimerResolution, 0};
    if (!keep) state.ControlMask = 0;  // back to the system's choice
    setInformation(GetCurrentProcess(), kProcessPowerThrottling, &state, sizeof(state));
}

}  // namespace

void Win32Desktop::SetPreciseTiming(bool on)
{
    if (on) {
        timeBeginPeriod(1);
        KeepTimerResolutionWhileHidden(true);
    } else {
        KeepTimerResolutionWhileHidden(false);
        timeEndPeriod(1);
    }
}

bool Win32Desktop::RegisterHotkey(WindowHandle window, int id, uint32_t modifiers, uint32_t vk)
{
    return RegisterHotKey(static_cast<HWND>(window), id, modifiers, vk) != 0;
}

void Win32Desktop::UnregisterHotkey(WindowHandle window, int id)
{
    UnregisterHotKey(static_cast<HWND>(window), id);
}

int Win32Desktop::KeyNameText(uint32_t keyParam, wchar_t* buffer, int size)
{
    return GetKeyNameTextW(static_cast<LONG>(keyParam), buffer, size);
}

bool Win32Desktop::InstallHook(InputHook hook, uint32_t* error)
{
    HHOOK& slot = HookSlot(hook);
    if (hook == InputHook::Mouse)
        slot = SetWindowsHookExW(WH_MOUSE_LL, MouseHookProc, GetModuleHandleW(nullptr), 0);
    else
        slot = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHookProc, GetModuleHandleW(nullptr), 0);
    if (slot) return true;
    if (error) *error = GetLastError();
    return false;
}

void Win32Desktop::RemoveHook(InputHook hook)
{
    HHOOK& slot = HookSlot(hook);
    if (slot) UnhookWindowsHookEx(slot);
    slot = nullptr;
}
