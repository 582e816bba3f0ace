#include "playback/progress_dlg.h"

#include "playback/progress_hotkeys.h"
#include "resources/resource.h"
#include "ui/gdi_win32.h"

namespace {

const COLORREF kFloatingFill = RGB(255, 255, 255);
const COLORREF kFloatingOutline = RGB(36, 93, 219);

DesktopRect WorkAreaOrScreen(DesktopInput& desktop)
{
    return PlacementArea(desktop.WorkArea(), GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN));
}

void MoveTo(HWND window, DesktopInput& desktop, DesktopPoint (*place)(const DesktopRect&, int32_t, int32_t))
{
    RECT rect;
    if (!window || !GetWindowRect(window, &rect)) return;
    DesktopPoint at = place(WorkAreaOrScreen(desktop), rect.right - rect.left, rect.bottom - rect.top);
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Like the brushes, made once and kept for the life of the process.
HPEN OutlinePen()
{
    static HPEN pen = CreatePen(PS_SOLID, 1, kFloatingOutline);
    return pen;
}

void PaintFloatingBackground(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    SelectGuard pen(dc, OutlinePen());
    SelectGuard brush(dc, SolidBrushFor(kFloatingFill));
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
}

}  // namespace

void MoveToBottomRight(HWND window, DesktopInput& desktop)
{
    MoveTo(window, desktop, &MoveToBottomRight);
}

void MoveToBottomLeft(HWND window, DesktopInput& desktop)
{
    MoveTo(window, desktop, &MoveToBottomLeft);
}

void FollowHoverCorner(HoverCorner& hover, HWND window, DesktopInput& desktop)
{
    RECT rect;
    if (!GetWindowRect(window, &rect)) return;
    switch (hover.OnTimerTick(desktop.GetCursor(), {rect.left, rect.top, rect.right, rect.bottom})) {
    case Corner::BottomLeft: MoveToBottomLeft(window, desktop); break;
    case Corner::BottomRight: MoveToBottomRight(window, desktop); break;
    case Corner::None: break;
    }
}

CProgDlg::CProgDlg(DesktopInput& desktop, Profile& profile, HWND parent)
    : Dialog(IDD_PROGRESS), m_desktop(desktop), m_profile(profile), m_parent(parent)
{
    AttachProgressWindow(this);
}

CProgDlg::~CProgDlg()
{
    // The base destructor cuts the window off before destroying it, so the
    // WM_DESTROY handling would not run.
    Close();
    DetachProgressWindow(this);
}

void CProgDlg::Close()
{
    if (!Handle()) return;
    KillTimer(Handle(), kPlacementTimerId);
    UnregisterProgressHotkeys(m_desktop, Handle());
}

BOOL CProgDlg::OnInitDialog()
{
    Bind(IDC_PROGRESS, m_progress);
    Bind(IDC_STATUS, m_stcStatus);
    Bind(IDC_STOP_HINT, m_stcStopHint);
    AttachProgressWindow(this);
    RegisterProgressHotkeys(m_desktop, m_profile, m_prompt, Handle(),
                            [this](const std::wstring& hint) { m_stcStopHint.SetText(hint); });
    SetTimer(Handle(), kPlacementTimerId, kPlacementTimerMs, nullptr);
    // Focusing a control would activate the window and take the focus from
    // the program being driven.
    return FALSE;
}

void CProgDlg::SetRange(uint32_t total)
{
    m_progress.SetRange(0, static_cast<int>(total));
}

void CProgDlg::SetPosition(uint32_t position)
{
    m_progress.SetPosition(static_cast<int>(position));
}

std::wstring CProgDlg::GetStatusText()
{
    return m_stcStatus.GetText();
}

void CProgDlg::SetStatusText(const std::wstring& text)
{
    m_stcStatus.SetText(text);
}

bool CProgDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_HOTKEY:
        OnProgressHotkey(static_cast<int>(wParam));
        return false;  // then the default processing
    case WM_TIMER:
        if (wParam == kPlacementTimerId) FollowHoverCorner(m_hover, Handle(), m_desktop);
        return false;
    case WM_ERASEBKGND:
        PaintFloatingBackground(Handle(), reinterpret_cast<HDC>(wParam));
        *result = TRUE;
        return true;
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        *result = reinterpret_cast<LRESULT>(SolidBrushFor(kFloatingFill).Get());
        return true;
    case WM_SYSCOMMAND:
        // Not closed, moved or minimised through the system menu or Alt+F4.
        *result = 0;
        return true;
    case WM_DESTROY:
        Close();
        return false;
    }
    return Dialog::OnMessage(message, wParam, lParam, result);
}
