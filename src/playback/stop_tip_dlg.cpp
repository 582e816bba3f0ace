#include "playback/stop_tip_dlg.h"

#include "playback/user_control_notice.h"
#include "resources/resource.h"
#include "ui/dialog_look_win32.h"

CStopTipDlg::CStopTipDlg(Profile& profile) : Dialog(IDD_STOP_TIP), m_profile(profile) {}

BOOL CStopTipDlg::OnInitDialog()
{
    Bind(IDC_DONT_SHOW, m_chkDontShow);
    return TRUE;
}

bool CStopTipDlg::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_DONT_SHOW && code == BN_CLICKED) {
        WriteDontShowChoice(m_profile, m_chkDontShow.IsChecked());
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool CStopTipDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (PaintDialogLook(Handle(), message, wParam, result)) return true;
    return Dialog::OnMessage(message, wParam, lParam, result);
}
