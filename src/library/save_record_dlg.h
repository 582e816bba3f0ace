// Names and describes a new recording or an edited record.
#pragma once

#include <string>

#include "ui/controls_win32.h"
#include "ui/dialog_win32.h"

class CSaveRecDlg : public Dialog {
public:
    CSaveRecDlg();

    std::wstring m_strName;
    std::wstring m_strDescription;
    BOOL m_bEditMode = FALSE;
    std::wstring m_strOldPath;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    Edit m_editName;
    Edit m_editDescription;
};
