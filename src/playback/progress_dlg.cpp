#include "playback/progress_dlg.h"

#include "playback/progress_hotkeys.h"
#include "resources/resource.h"
#include "ui/floating_window_win32.h"
#include "ui/gdi_win32.h"


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
