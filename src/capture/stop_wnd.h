// The floating window with the Stop button while a recording runs.
#pragma once

#include <windows.h>

#include "capture/desktop_input.h"
#include "playback/corner_placement.h"
#include "ui/controls_win32.h"
#include "ui/prompt_win32.h"
#include "ui/window_win32.h"

class Profile;

class CStopWnd : public Window {
public:
    CStopWnd(DesktopInput& desktop, Profile& profile);

    // A topmost tool window of 120 x 50 pixels, in the bottom-right corner of
    // the work area, shown without taking the focus.
    bool CreateAndShow();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int OnCreate();
    void OnStop();

    DesktopInput& m_desktop;
    Profile& m_profile;
    PromptWin32 m_prompt;
    Button m_btnStop;
    HoverCorner m_hover;
};
