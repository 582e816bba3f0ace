#include "playback/progress_hotkeys.h"

#include "base/text.h"
#include "config/hotkeys.h"
#include "playback/run_state.h"

std::wstring StopHintText(const std::wstring& hotkeyText)
{
    return Format(L"Press %s to Stop", hotkeyText);
}

void RegisterProgressHotkeys(DesktopInput& desktop, Profile& profile, Prompt& prompt, WindowHandle window,
                             const std::function<void(const std::wstring&)>& showStopHint)
{
    RegisterHotkeyFromConfig(desktop, profile, prompt, window, kHotkeyStopRepeat,
                             [&](const std::wstring& text) { showStopHint(StopHintText(text)); });
    RegisterHotkeyFromConfig(desktop, profile, prompt, window, kHotkeyPauseRepeat, [](const std::wstring&) {});
}

void UnregisterProgressHotkeys(DesktopInput& desktop, WindowHandle window)
{
    desktop.UnregisterHotkey(window, kHotkeyStopRepeat.id);
    desktop.UnregisterHotkey(window, kHotkeyPauseRepeat.id);
}

void OnProgressHotkey(int id)
{
    if (id == kHotkeyStopRepeat.id) {
        g_bStoppedByUser = true;
        g_bStop = true;
    } else if (id == kHotkeyPauseRepeat.id) {
        g_bPaused = !g_bPaused;
    }
}

void AttachProgressWindow(StatusText* window)
{
    g_pProgDlg = window;
    g_bStoppedByUser = false;
    g_bPaused = false;
}

void DetachProgressWindow(StatusText* window)
{
    if (g_pProgDlg == window) g_pProgDlg = nullptr;
}
