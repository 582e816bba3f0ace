// The main window: repeat options, the record list, Record and Repeat, the
// menu, and the two hotkeys it owns.
#pragma once

#include "capture/desktop_input_win32.h"
#include "config/profile_win32.h"
#include "ui/controls_win32.h"
#include "ui/dialog_win32.h"
#include "ui/prompt_win32.h"

class CTavorinApp;

class CTavorinDlg : public Dialog {
public:
    explicit CTavorinDlg(CTavorinApp& app);
    INT_PTR DoModal() { return RunModal(nullptr); }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT* result) override;
    // Enter and Escape never end the main window; only a close request does.
    void OnOK() override {}
    void OnCancel() override {}
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void BindControls();
    void InitRepeatControls();
    void InitRecordList();
    void OnClose();
    void OnHotKey(int id);
    bool OnPaintMinimized();

    void OnRecord();
    void OnRepeatCommand();
    void RepeatGuarded();
    void OnFileOpen();
    void OnEditRecord();
    void OnDeleteRecord();
    void RunOptionsDialog();
    void OnAbout();
    void OnUpdate();
    void OnHelp();

    CTavorinApp& m_app;
    HICON m_hIcon;
    bool m_bOptionsOpen = false;

    Edit m_editTimes;
    UpDown m_spinTimes;
    Button m_radioOnce;
    Button m_radioTimes;
    Button m_radioDuration;
    UpDown m_spinDuration;
    Edit m_editDuration;
    ComboBox m_comboUnit;
    Button m_checkDelay;
    Edit m_editHours;
    UpDown m_spinHours;
    Edit m_editMinutes;
    UpDown m_spinMinutes;
    Edit m_editSeconds;
    UpDown m_spinSeconds;
    Slider m_sliderSpeed;
    ListView m_listRecords;
    Button m_buttonRecord;
    Button m_buttonRepeat;
    Button m_checkShutdown;
    Button m_checkRandomDelay;

    Win32Desktop m_desktop;
    Win32Profile m_profile;
    PromptWin32 m_prompt;
};
