// The controls of a real dialog, reached by id, for the portable logic.
#pragma once

#include <windows.h>

#include "ui/dialog_controls.h"

// Positions and selections are read the way the control's class keeps them.
// An id the dialog lacks, or a control that has no such value, is reported
// (failure_win32.h) and reads as empty, unchecked, -1 or 0.
class Win32DialogControls : public DialogControls {
public:
    explicit Win32DialogControls(HWND dialog) : m_dialog(dialog) {}

    bool IsChecked(int id) override;
    void SetChecked(int id, bool checked) override;
    std::wstring GetText(int id) override;
    void SetText(int id, const std::wstring& text) override;
    void Enable(int id, bool enabled) override;
    bool IsEnabled(int id) override;
    int GetSelection(int id) override;
    void SetSelection(int id, int index) override;
    int GetPosition(int id) override;
    void SetPosition(int id, int position) override;
    void Redraw(int id) override;

private:
    HWND Find(int id, const char* use);

    HWND m_dialog;
};
