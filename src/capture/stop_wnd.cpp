#include "capture/stop_wnd.h"

#include "base/text.h"
#include "config/hotkeys.h"
#include "playback/run_state.h"
#include "resources/resource.h"
#include "ui/floating_window_win32.h"

namespace {

const wchar_t kStopWindowClass[] = L"TavorinStopWindow";
constexpr UINT_PTR kHoverTimer = 100;
constexpr UINT kHoverTimerMs = 1000;

}  // namespace

CStopWnd::CStopWnd(DesktopInput& desktop, Profile& profile) : m_desktop(desktop), m_profile(profile) {}

bool CStopWnd::CreateAndShow()
{
    RegisterWindowClass(kStopWindowClass, nullptr, 0);
    if (!Create(kStopWindowClass, L"", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, 0, 0, 120, 50)) return false;
    MoveToBottomRight(Handle(), m_desktop);
    ShowWindow(Handle(), SW_SHOWNA);
    return true;
}

int CStopWnd::OnCreate()
{
    RECT client;
    GetClientRect(Handle(), &client);
    InflateRect(&client, -4, -3);
    HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, client.left, client.top,
                                  client.right - client.left, client.bottom - client.top, Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STOP)), GetModuleHandleW(nullptr),
                                  nullptr);
    if (!button) return -1;
    m_btnStop.Attach(button);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    // The button names the hotkey even when another program holds it.
    RegisterHotkeyFromConfig(m_desktop, m_profile, m_prompt, Handle(), kHotkeyStopRecord,
                             [this](const std::wstring& text) { m_btnStop.SetText(Format(L"Stop (%s)", text)); });
    SetTimer(Handle(), kHoverTimer, kHoverTimerMs, nullptr);
    return 0;
}

void CStopWnd::OnStop()
{
    m_desktop.UnregisterHotkey(Handle(), kHotkeyStopRecord.id);
    g_bStop = true;
    // Wakes the recording loop, which sees the stop and ends.
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

LRESULT CStopWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_STOP) {
            OnStop();
            return 0;
        }
        break;
    case WM_HOTKEY:
        if (static_cast<int>(wParam) == kHotkeyStopRecord.id) OnStop();
        break;  // then the default handling
    case WM_TIMER:
        if (wParam == kHoverTimer) FollowHoverCorner(m_hover, Handle(), m_desktop);
        break;
    case WM_ERASEBKGND:
        PaintFloatingBackground(Handle(), reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_DESTROY:
        KillTimer(Handle(), kHoverTimer);
        m_desktop.UnregisterHotkey(Handle(), kHotkeyStopRecord.id);
        break;
    default:
        break;
    }
    return Window::OnMessage(message, wParam, lParam);
}
