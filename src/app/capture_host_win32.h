// The Record command's view of the main window, the stop window, the
// thread's message queue and the save dialog.
#pragma once

#include <windows.h>

#include <memory>

#include "capture/capture_engine.h"
#include "config/system_folders_win32.h"
#include "ui/record_list_view_win32.h"

class CStopWnd;
class Profile;
class PromptWin32;

class MainCaptureHost : public CaptureHost {
public:
    MainCaptureHost(HWND mainWindow, DesktopInput& desktop, Profile& profile, PromptWin32& prompt);
    ~MainCaptureHost() override;

    DesktopInput& Desktop() override { return m_desktop; }
    Prompt& Messages() override;
    RecordListView& RecordList() override { return m_list; }
    SystemFolders& Folders() override { return m_folders; }
    void HideMainWindow() override;
    void BringBackMainWindow() override;
    void CreateStopWindow() override;
    void DestroyStopWindow() override;
    bool GetNextMessage() override;
    void DispatchTakenMessage() override;
    bool RunSaveDialog(SaveRecordFields& fields) override;

private:
    HWND m_main;
    DesktopInput& m_desktop;
    Profile& m_profile;
    PromptWin32& m_prompt;
    Win32RecordListView m_list;
    Win32SystemFolders m_folders;
    std::unique_ptr<CStopWnd> m_stop;
    MSG m_msg = {};
};
