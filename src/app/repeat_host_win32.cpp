#include "app/repeat_host_win32.h"

#include <cstdlib>
#include <ctime>

#include "app/main_window_win32.h"
#include "playback/progress_dlg.h"
#include "playback/shutdown_dlg.h"
#include "playback/shutdown_win32.h"
#include "playback/stop_tip_dlg.h"
#include "resources/resource.h"
#include "ui/prompt_win32.h"

MainRepeatHost::MainRepeatHost(HWND mainWindow, DesktopInput& desktop, Profile& profile, PromptWin32& prompt)
    : m_main(mainWindow),
      m_desktop(desktop),
      m_profile(profile),
      m_prompt(prompt),
      m_list(GetDlgItem(mainWindow, IDC_RECORD_LIST)),
      m_controls(mainWindow)
{
}

MainRepeatHost::~MainRepeatHost() = default;

Prompt& MainRepeatHost::Messages()
{
    return m_prompt;
}

void MainRepeatHost::HideMainWindow()
{
    ShowWindow(m_main, SW_HIDE);
}

void MainRepeatHost::SetMainWindowReference(bool set)
{
    // Boxes shown during the run must not be owned by the hidden main window.
    m_prompt.SetOwner(set ? m_main : nullptr);
}

ProgressWindow& MainRepeatHost::CreateProgressWindow(bool visible)
{
    m_progress.reset(new CProgDlg(m_desktop, m_profile, m_main));
    m_progress->Create();
    m_progress->MoveToBottomRight();
    if (visible) m_progress->ShowWithoutActivation();
    return *m_progress;
}

void MainRepeatHost::DestroyProgressWindow()
{
    m_progress.reset();
}

void MainRepeatHost::ShowUserControlNotice()
{
    CStopTipDlg notice(m_profile);
    notice.DoModal(m_main);
}

bool MainRepeatHost::ShutdownCancelled()
{
    Win32Shutdown shutdown;
    CShutdownDlg countdown(shutdown);
    // Only an accepted shutdown keeps the main window away; a countdown that
    // could not even be shown counts as called off.
    return countdown.DoModal(m_main) != IDOK;
}

void MainRepeatHost::BringBackMainWindow()
{
    ShowMainWindowOnTop(m_main);
    SetFocus(GetDlgItem(m_main, IDC_RECORD_LIST));
}

void MainRepeatHost::CloseMainWindow(bool post)
{
    if (post)
        PostMessageW(m_main, WM_CLOSE, 0, 0);
    else
        SendMessageW(m_main, WM_CLOSE, 0, 0);
}

void MainRepeatHost::EndProcess(int exitCode)
{
    ExitProcess(static_cast<UINT>(exitCode));
}

int64_t MainRepeatHost::Now()
{
    return static_cast<int64_t>(time(nullptr));
}

LocalClock MainRepeatHost::LocalTimeOf(int64_t when)
{
    time_t value = static_cast<time_t>(when);
    const tm* local = localtime(&value);
    if (!local) return {0, 0, 0};
    return {local->tm_hour, local->tm_min, local->tm_sec};
}

void MainRepeatHost::SeedRandom(int64_t seed)
{
    srand(static_cast<unsigned>(seed));
}

int MainRepeatHost::Random()
{
    return rand();
}
