#include "app/capture_host_win32.h"

#include "app/main_window_win32.h"
#include "capture/stop_wnd.h"
#include "library/record_library.h"
#include "library/save_record_dlg.h"
#include "resources/resource.h"
#include "ui/prompt_win32.h"

MainCaptureHost::MainCaptureHost(HWND mainWindow, DesktopInput& desktop, Profile& profile, PromptWin32& prompt)
    : m_main(mainWindow),
      m_desktop(desktop),
      m_profile(profile),
      m_prompt(prompt),
      m_list(GetDlgItem(mainWindow, IDC_RECORD_LIST))
{
}

MainCaptureHost::~MainCaptureHost() = default;

Prompt& MainCaptureHost::Messages()
{
    return m_prompt;
}

void MainCaptureHost::HideMainWindow()
{
    ShowWindow(m_main, SW_HIDE);
}

void MainCaptureHost::BringBackMainWindow()
{
    ShowMainWindowOnTop(m_main);
}

void MainCaptureHost::CreateStopWindow()
{
    m_stop.reset(new CStopWnd(m_desktop, m_profile));
    m_stop->CreateAndShow();
}

void MainCaptureHost::DestroyStopWindow()
{
    m_stop.reset();
}

bool MainCaptureHost::GetNextMessage()
{
    BOOL got = GetMessageW(&m_msg, nullptr, 0, 0);
    if (got == 0) PostQuitMessage(static_cast<int>(m_msg.wParam));  // for the loop that owns it
    return got > 0;
}

void MainCaptureHost::DispatchTakenMessage()
{
    TranslateMessage(&m_msg);
    DispatchMessageW(&m_msg);
}

bool MainCaptureHost::RunSaveDialog(SaveRecordFields& fields)
{
    CSaveRecDlg dialog;
    dialog.m_strName = fields.name;
    dialog.m_strDescription = fields.description;
    if (dialog.RunModal(m_main) != IDOK) return false;
    fields.name = dialog.m_strName;
    fields.description = dialog.m_strDescription;
    return true;
}
