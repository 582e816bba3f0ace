#include "ui/dialog_controls_win32.h"

#include "base/text.h"
#include "ui/controls_win32.h"
#include "ui/failure_win32.h"

namespace {

void ReportUnsupported(int id, const char* use)
{
    ReportFailure(Format(L"control %d has no %s", id, FromUtf8(use)));
}

}  // namespace

HWND Win32DialogControls::Find(int id, const char* use)
{
    HWND control = GetDlgItem(m_dialog, id);
    if (!control) ReportFailure(Format(L"control %d: no such control in the dialog (%s)", id, FromUtf8(use)));
    return control;
}

bool Win32DialogControls::IsChecked(int id)
{
    HWND control = Find(id, "checked state");
    return control && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32DialogControls::SetChecked(int id, bool checked)
{
    if (HWND control = Find(id, "checked state"))
        SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::wstring Win32DialogControls::GetText(int id)
{
    HWND control = Find(id, "text");
    return control ? GetWindowString(control) : std::wstring();
}

void Win32DialogControls::SetText(int id, const std::wstring& text)
{
    if (HWND control = Find(id, "text")) SetWindowTextW(control, text.c_str());
}

void Win32DialogControls::Enable(int id, bool enabled)
{
    if (HWND control = Find(id, "enabled state")) EnableWindow(control, enabled);
}

bool Win32DialogControls::IsEnabled(int id)
{
    HWND control = Find(id, "enabled state");
    return control && IsWindowEnabled(control);
}

int Win32DialogControls::GetSelection(int id)
{
    HWND control = Find(id, "selection");
    if (!control) return -1;
    switch (KindOf(control)) {
    case ControlKind::ComboBox: return static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
    case ControlKind::ListBox: return static_cast<int>(SendMessageW(control, LB_GETCURSEL, 0, 0));
    case ControlKind::ListView: return ListView(control).GetSelection();
    default: ReportUnsupported(id, "selection"); return -1;
    }
}

void Win32DialogControls::SetSelection(int id, int index)
{
    HWND control = Find(id, "selection");
    if (!control) return;
    switch (KindOf(control)) {
    case ControlKind::ComboBox: SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0); break;
    case ControlKind::ListBox: SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0); break;
    case ControlKind::ListView: ListView(control).Select(index); break;
    default: ReportUnsupported(id, "selection"); break;
    }
}

int Win32DialogControls::GetPosition(int id)
{
    HWND control = Find(id, "position");
    if (!control) return 0;
    switch (KindOf(control)) {
    case ControlKind::Slider: return Slider(control).GetPosition();
    case ControlKind::UpDown: return UpDown(control).GetPosition();
    case ControlKind::Progress: return Progress(control).GetPosition();
    default: ReportUnsupported(id, "position"); return 0;
    }
}

void Win32DialogControls::SetPosition(int id, int position)
{
    HWND control = Find(id, "position");
    if (!control) return;
    switch (KindOf(control)) {
    case ControlKind::Slider: Slider(control).SetPosition(position); break;
    case ControlKind::UpDown: UpDown(control).SetPosition(position); break;
    case ControlKind::Progress: Progress(control).SetPosition(position); break;
    default: ReportUnsupported(id, "position"); break;
    }
}

void Win32DialogControls::Redraw(int id)
{
    if (HWND control = Find(id, "redraw")) InvalidateRect(control, nullptr, TRUE);
}
