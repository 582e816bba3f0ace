#include "playback/shutdown_dlg.h"

#include "resources/resource.h"
#include "ui/dialog_look_win32.h"

CShutdownDlg::CShutdownDlg(ShutdownPort& port) : Dialog(IDD_SHUTDOWN), m_countdown(*this, port) {}

BOOL CShutdownDlg::OnInitDialog()
{
    Bind(IDC_COUNTDOWN, m_stcCountdown);
    SetTimer(Handle(), kCountdownTimerId, kCountdownTimerMs, nullptr);
    m_countdown.Start();
    return TRUE;  // Cancel, first in tab order, gets the focus
}

bool CShutdownDlg::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_SHUTDOWN_NOW && code == BN_CLICKED) {
        m_countdown.ShutdownNow();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool CShutdownDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (PaintDialogLook(Handle(), message, wParam, result)) return true;
    if (message == WM_TIMER && wParam == kCountdownTimerId) {
        m_countdown.OnTick();
        return false;  // then the default processing
    }
    return Dialog::OnMessage(message, wParam, lParam, result);
}

void CShutdownDlg::ShowCountdown(const std::wstring& text)
{
    m_stcCountdown.SetText(text);
}

void CShutdownDlg::StopTimer()
{
    KillTimer(Handle(), kCountdownTimerId);
}

void CShutdownDlg::EndShuttingDown()
{
    End(IDOK);
}
