// The repeat run's view of the main window, its floating windows and the
// system.
#pragma once

#include <windows.h>

#include <memory>

#include "playback/repeat_run.h"
#include "ui/dialog_controls_win32.h"
#include "ui/record_list_view_win32.h"

class CProgDlg;
class PromptWin32;

class MainRepeatHost : public RepeatHost {
public:
    MainRepeatHost(HWND mainWindow, DesktopInput& desktop, Profile& profile, PromptWin32& prompt);
    ~MainRepeatHost() override;

    RecordListView& RecordList() override { return m_list; }
    DialogControls& MainControls() override { return m_controls; }
    Prompt& Messages() override;
    Profile& Settings() override { return m_profile; }
    DesktopInput& Desktop() override { return m_desktop; }

    void HideMainWindow() override;
    void SetMainWindowReference(bool set) override;
    ProgressWindow& CreateProgressWindow(bool visible) override;
    void DestroyProgressWindow() override;
    void ShowUserControlNotice() override;
    bool ShutdownCancelled() override;
    void BringBackMainWindow() override;
    void CloseMainWindow(bool post) override;
    void EndProcess(int exitCode) override;

    int64_t Now() override;
    LocalClock LocalTimeOf(int64_t time) override;
    void SeedRandom(int64_t seed) override;
    int Random() override;

private:
    HWND m_main;
    DesktopInput& m_desktop;
    Profile& m_profile;
    PromptWin32& m_prompt;
    Win32RecordListView m_list;
    Win32DialogControls m_controls;
    std::unique_ptr<CProgDlg> m_progress;
};
