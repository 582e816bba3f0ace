// The countdown before the computer is shut down at the end of a run. Cancel
// (also Escape and the close box) ends it with IDCANCEL; when the system has
// accepted the shutdown it ends with IDOK.
#pragma once

#include "playback/shutdown_countdown.h"
#include "ui/controls_win32.h"
#include "ui/dialog_win32.h"

class CShutdownDlg : public Dialog, private CountdownView {
public:
    explicit CShutdownDlg(ShutdownPort& port);
    INT_PTR DoModal(HWND owner = nullptr) { return RunModal(owner); }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void ShowCountdown(const std::wstring& text) override;
    void StopTimer() override;
    void EndShuttingDown() override;

    Static m_stcCountdown;
    ShutdownCountdown m_countdown;
};
