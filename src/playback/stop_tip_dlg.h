// The notice a run shows when it stopped because the user moved the mouse by
// hand, with a check box that switches the notice off.
#pragma once

#include "ui/controls_win32.h"
#include "ui/dialog_win32.h"

class Profile;

class CStopTipDlg : public Dialog {
public:
    explicit CStopTipDlg(Profile& profile);
    INT_PTR DoModal(HWND owner = nullptr) { return RunModal(owner); }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    Profile& m_profile;
    Button m_chkDontShow;
};
