// The small topmost window a repeat run shows while the main window is
// hidden: the pass's progress, a status line and the stop hotkey's hint. It
// owns the stop and pause hotkeys for as long as it exists.
#pragma once

#include <windows.h>

#include "capture/desktop_input.h"
#include "playback/corner_placement.h"
#include "playback/progress_window.h"
#include "ui/controls_win32.h"
#include "ui/dialog_win32.h"
#include "ui/floating_window_win32.h"
#include "ui/prompt_win32.h"

class Profile;

class CProgDlg : public Dialog, public ProgressWindow {
public:
    // `parent` is the main window, used by Create().
    CProgDlg(DesktopInput& desktop, Profile& profile, HWND parent = nullptr);
    // Unregisters the hotkeys and destroys the window if it is still open.
    ~CProgDlg() override;

    using Dialog::Create;
    // Modeless, owned by the parent given at construction.
    bool Create() { return Create(m_parent); }
    void MoveToBottomRight() { ::MoveToBottomRight(Handle(), m_desktop); }
    // Shown without taking the focus from the program being driven.
    void ShowWithoutActivation() { ShowWindow(Handle(), SW_SHOWNA); }

    void SetRange(uint32_t total) override;
    void SetPosition(uint32_t position) override;
    std::wstring GetStatusText() override;
    void SetStatusText(const std::wstring& text) override;

    int HoverTicks() const { return m_hover.HoverTicks(); }

protected:
    BOOL OnInitDialog() override;
    // Enter and Escape never end it: only the run does.
    void OnOK() override {}
    void OnCancel() override {}
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void Close();

    DesktopInput& m_desktop;
    Profile& m_profile;
    HWND m_parent;
    // Conflict messages are owned by no window: the main window is hidden.
    PromptWin32 m_prompt;
    HoverCorner m_hover;
    Progress m_progress;
    Static m_stcStatus;
    Static m_stcStopHint;
};
