#include "app/tavorin_dlg.h"

#include <shellapi.h>

#include "app/capture_host_win32.h"
#include "app/main_window.h"
#include "app/repeat_host_win32.h"
#include "app/tavorin_app_win32.h"
#include "config/config_store.h"
#include "library/choose_record_file_win32.h"
#include "library/record_library.h"
#include "library/save_record_dlg.h"
#include "playback/run_state.h"
#include "resources/resource.h"
#include "ui/dialog_controls_win32.h"
#include "ui/dialog_look_win32.h"
#include "ui/record_list_view_win32.h"

namespace {

const wchar_t kHelpPage[] = L"http://brenlow.example/tavorin-help.html";

// The plain up-down controls keep their buddy's number themselves until the
// program's own spinners take their place.
void SetUpSpinner(UpDown& spinner, Edit& buddy, int minimum, int maximum)
{
    LONG_PTR style = GetWindowLongPtrW(spinner.Handle(), GWL_STYLE);
    SetWindowLongPtrW(spinner.Handle(), GWL_STYLE, style | UDS_SETBUDDYINT | UDS_NOTHOUSANDS);
    spinner.SetBuddy(buddy.Handle());
    spinner.SetRange32(minimum, maximum);
}

}  // namespace

CTavorinDlg::CTavorinDlg(CTavorinApp& app)
    : Dialog(IDD_MAIN),
      m_app(app),
      m_hIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TAVORIN)))
{
}

void CTavorinDlg::BindControls()
{
    Bind(IDC_TIMES, m_editTimes);
    Bind(IDC_TIMES_SPIN, m_spinTimes);
    Bind(IDC_MODE_ONCE, m_radioOnce);
    Bind(IDC_MODE_TIMES, m_radioTimes);
    Bind(IDC_MODE_DURATION, m_radioDuration);
    Bind(IDC_DURATION_SPIN, m_spinDuration);
    Bind(IDC_DURATION, m_editDuration);
    Bind(IDC_DURATION_UNIT, m_comboUnit);
    Bind(IDC_DELAY, m_checkDelay);
    Bind(IDC_DELAY_HOURS, m_editHours);
    Bind(IDC_DELAY_HOURS_SPIN, m_spinHours);
    Bind(IDC_DELAY_MINUTES, m_editMinutes);
    Bind(IDC_DELAY_MINUTES_SPIN, m_spinMinutes);
    Bind(IDC_DELAY_SECONDS, m_editSeconds);
    Bind(IDC_DELAY_SECONDS_SPIN, m_spinSeconds);
    Bind(IDC_SPEED, m_sliderSpeed);
    Bind(IDC_RECORD_LIST, m_listRecords);
    Bind(IDC_RECORD, m_buttonRecord);
    Bind(IDC_REPEAT, m_buttonRepeat);
    Bind(IDC_SHUTDOWN, m_checkShutdown);
    Bind(IDC_DELAY_RANDOM, m_checkRandomDelay);
}

BOOL CTavorinDlg::OnInitDialog()
{
    BindControls();
    m_prompt.SetOwner(Handle());

    wchar_t aboutText[128] = {};
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    if (systemMenu && LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, aboutText, 128) > 0) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, ID_SYS_ABOUT, aboutText);
    }
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    InitRepeatControls();
    m_sliderSpeed.SetRange(0, 10, false);
    m_sliderSpeed.SetPosition(5);
    InitRecordList();
    Win32RecordListView records(m_listRecords.Handle());
    FillRecordList(records, g_paths.recordDirectory);

    // The command line and the stored repeat settings are applied here once
    // those parts of the program exist.

    Win32DialogControls controls(Handle());
    UpdateRepeatControls(controls);
    UpdateDelayControls(controls);
    RegisterMainHotkeys(m_desktop, m_profile, m_prompt, Handle(), controls);
    // The focus goes to the record list: on the Record button, the first
    // control, Enter would start a recording.
    m_listRecords.Focus();
    return FALSE;
}

void CTavorinDlg::InitRepeatControls()
{
    SetUpSpinner(m_spinTimes, m_editTimes, 1, 10000000);
    SetUpSpinner(m_spinDuration, m_editDuration, 1, 10000000);
    SetUpSpinner(m_spinHours, m_editHours, 0, 10000000);
    SetUpSpinner(m_spinMinutes, m_editMinutes, 0, 10000000);
    SetUpSpinner(m_spinSeconds, m_editSeconds, 0, 10000000);
    for (const wchar_t* unit : kDurationUnits) m_comboUnit.AddString(unit);
    Win32DialogControls controls(Handle());
    ResetRepeatControls(controls);
}

void CTavorinDlg::InitRecordList()
{
    m_listRecords.SetExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client;
    GetClientRect(m_listRecords.Handle(), &client);
    ColumnWidths widths = RecordListColumnWidths(client.right - client.left);
    m_listRecords.InsertColumn(0, L"Record Name", widths.name);
    m_listRecords.InsertColumn(1, L"Record Location", widths.location);
}

bool CTavorinDlg::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case ID_FILE_RECORD:  // also the Record button
        OnRecord();
        return true;
    case ID_FILE_REPEAT:  // also the Repeat button
        OnRepeatCommand();
        return true;
    case ID_FILE_OPEN:
        OnFileOpen();
        return true;
    case ID_EDIT_RECORD:
        OnEditRecord();
        return true;
    case ID_DELETE_RECORD:
        OnDeleteRecord();
        return true;
    case ID_FILE_EXIT:
        SendMessageW(Handle(), WM_CLOSE, 0, 0);
        return true;
    case ID_TOOLS_OPTIONS:
        RunOptionsDialog();
        return true;
    case ID_HELP_ABOUT:
        OnAbout();
        return true;
    case ID_HELP_UPDATE:
        OnUpdate();
        return true;
    case ID_HELP_PAGE:
        OnHelp();
        return true;
    case IDC_MODE_ONCE:
    case IDC_MODE_TIMES:
    case IDC_MODE_DURATION:
        if (code == BN_CLICKED) {
            Win32DialogControls controls(Handle());
            UpdateRepeatControls(controls);
        }
        return true;
    case IDC_DELAY:
        if (code == BN_CLICKED) {
            Win32DialogControls controls(Handle());
            UpdateDelayControls(controls);
        }
        return true;
    default:
        return Dialog::OnCommand(id, code, control);
    }
}

bool CTavorinDlg::OnNotify(NMHDR* header, LRESULT* result)
{
    if (header->idFrom == IDC_RECORD_LIST && header->code == NM_DBLCLK) {
        if (m_listRecords.GetSelection() >= 0) OnRepeatCommand();
        *result = 0;
        return true;
    }
    return Dialog::OnNotify(header, result);
}

bool CTavorinDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (PaintDialogLook(Handle(), message, wParam, result)) return true;
    switch (message) {
    case WM_CLOSE:
        OnClose();
        *result = 0;
        return true;
    case WM_HOTKEY:
        OnHotKey(static_cast<int>(wParam));
        break;  // then the default processing
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == ID_SYS_ABOUT) {
            OnAbout();
            *result = 0;
            return true;
        }
        break;
    case WM_PAINT:
        if (OnPaintMinimized()) {
            *result = 0;
            return true;
        }
        break;
    case DM_GETDEFID:
        // Enter outside a focused button means OK, which does nothing here,
        // rather than a click on the Record button.
        *result = MAKELRESULT(IDOK, DC_HASDEFID);
        return true;
    case WM_QUERYDRAGICON:
        *result = reinterpret_cast<LRESULT>(m_hIcon);
        return true;
    default:
        break;
    }
    return Dialog::OnMessage(message, wParam, lParam, result);
}

void CTavorinDlg::OnClose()
{
    g_bStop = true;
    UnregisterMainHotkeys(m_desktop, Handle());
    End(IDCANCEL);
}

void CTavorinDlg::OnHotKey(int id)
{
    switch (MainHotkeyActionFor(id, m_bOptionsOpen)) {
    case MainHotkeyAction::Record:
        // Runs the whole Record command before the hotkey is done with.
        SendMessageW(Handle(), WM_COMMAND, ID_FILE_RECORD, 0);
        break;
    case MainHotkeyAction::Repeat:
        RepeatGuarded();
        break;
    case MainHotkeyAction::None:
        break;
    }
}

bool CTavorinDlg::OnPaintMinimized()
{
    if (!IsIconic(Handle())) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    RECT client;
    GetClientRect(Handle(), &client);
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(Handle(), &paint);
    return true;
}

void CTavorinDlg::OnRecord()
{
    MainCaptureHost host(Handle(), m_desktop, m_profile, m_prompt);
    RunRecording(host, g_paths.recordDirectory);
}

void CTavorinDlg::OnRepeatCommand()
{
    SetForegroundWindow(Handle());
    RepeatGuarded();
    CommandLineRun = false;
}

void CTavorinDlg::RepeatGuarded()
{
    // The saving of the repeat settings and the crash-report guard come with
    // their own work; the run itself is here.
    MainRepeatHost host(Handle(), m_desktop, m_profile, m_prompt);
    RunRepeat(host);
}

void CTavorinDlg::OnFileOpen()
{
    wchar_t path[MAX_PATH];
    if (!ChooseRecordFile(Handle(), path)) return;
    Win32RecordListView records(m_listRecords.Handle());
    AddRecordToList(records, path);
}

void CTavorinDlg::OnEditRecord()
{
    Win32RecordListView records(m_listRecords.Handle());
    EditSelectedRecord(records, m_prompt, g_paths.recordDirectory, [this](SaveRecordFields& fields) {
        CSaveRecDlg dialog;
        dialog.m_strName = fields.name;
        dialog.m_strDescription = fields.description;
        dialog.m_bEditMode = fields.editMode;
        dialog.m_strOldPath = fields.oldPath;
        if (dialog.RunModal(Handle()) != IDOK) return false;
        fields.name = dialog.m_strName;
        fields.description = dialog.m_strDescription;
        return true;
    });
}

void CTavorinDlg::OnDeleteRecord()
{
    Win32RecordListView records(m_listRecords.Handle());
    DeleteSelectedRecord(records, m_prompt);
}

void CTavorinDlg::RunOptionsDialog()
{
    m_bOptionsOpen = true;
    // The Options dialog arrives with the configuration work.
    m_bOptionsOpen = false;
}

void CTavorinDlg::OnAbout()
{
    // The About box arrives with the custom controls.
}

void CTavorinDlg::OnUpdate()
{
    // The update check arrives with the support services.
}

void CTavorinDlg::OnHelp()
{
    ShellExecuteW(nullptr, L"open", kHelpPage, nullptr, nullptr, SW_SHOW);
}
