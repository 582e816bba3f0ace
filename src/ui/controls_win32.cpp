#include "ui/controls_win32.h"

#include <vector>

bool InitControlClasses()
{
    INITCOMMONCONTROLSEX classes = {};
    classes.dwSize = sizeof(classes);
    classes.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS |
                    ICC_HOTKEY_CLASS;
    return InitCommonControlsEx(&classes) != FALSE;
}

std::wstring GetWindowString(HWND window)
{
    // The length may be an overestimate, never an underestimate.
    int length = GetWindowTextLengthW(window);
    if (length <= 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    int copied = GetWindowTextW(window, buffer.data(), length + 1);
    return std::wstring(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

ControlKind KindOf(HWND control)
{
    struct Entry {
        const wchar_t* className;
        ControlKind kind;
    };
    static const Entry kinds[] = {
        {L"Button", ControlKind::Button},         {L"Edit", ControlKind::Edit},
        {L"ComboBox", ControlKind::ComboBox},     {L"ListBox", ControlKind::ListBox},
        {WC_LISTVIEWW, ControlKind::ListView},    {TRACKBAR_CLASSW, ControlKind::Slider},
        {PROGRESS_CLASSW, ControlKind::Progress}, {UPDOWN_CLASSW, ControlKind::UpDown},
        {HOTKEY_CLASSW, ControlKind::HotKey},     {L"Static", ControlKind::Static},
    };
    wchar_t name[64] = {};
    if (!control || !GetClassNameW(control, name, 64)) return ControlKind::Other;
    for (const Entry& entry : kinds)
        if (lstrcmpiW(name, entry.className) == 0) return entry.kind;
    return ControlKind::Other;
}

int ComboBox::AddString(const std::wstring& text)
{
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

std::wstring ComboBox::GetItemText(int index) const
{
    LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR || length <= 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    LRESULT copied = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

int ListView::InsertColumn(int index, const std::wstring& heading, int width, int format)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(heading.c_str());
    column.iSubItem = index;
    return static_cast<int>(Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

int ListView::InsertRow(int index, const std::wstring& text)
{
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListView::SetItemText(int row, int column, const std::wstring& text)
{
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    return Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != 0;
}

std::wstring ListView::GetItemText(int row, int column) const
{
    // The control says only how much it copied: grow until it stops filling the buffer.
    std::vector<wchar_t> buffer(256);
    for (;;) {
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        LRESULT copied = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (copied < 0) copied = 0;
        if (static_cast<size_t>(copied) + 1 < buffer.size() || buffer.size() >= (1u << 24)) {
            buffer.back() = L'\0';
            return std::wstring(buffer.data());
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

void ListView::Select(int row)
{
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (row < 0) return;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void Slider::SetRange(int minimum, int maximum, bool redraw)
{
    // TBM_SETRANGE packs both ends into 16 bits each; these take full ints.
    Send(TBM_SETRANGEMIN, FALSE, minimum);
    Send(TBM_SETRANGEMAX, redraw, maximum);
}

void UpDown::GetRange32(int* minimum, int* maximum) const
{
    Send(UDM_GETRANGE32, reinterpret_cast<WPARAM>(minimum), reinterpret_cast<LPARAM>(maximum));
}
