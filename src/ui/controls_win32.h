// Typed views of standard and common controls. They do not own their window:
// the dialog or parent that made it destroys it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

// Registers the common control classes the program uses; call before the first dialog.
bool InitControlClasses();

// Window text of any length.
std::wstring GetWindowString(HWND window);

// What a control is, by its window class.
enum class ControlKind { Other, Button, Edit, ComboBox, ListBox, ListView, Slider, Progress, UpDown, HotKey, Static };
ControlKind KindOf(HWND control);

class ControlHandle {
public:
    ControlHandle() = default;
    explicit ControlHandle(HWND window) : m_hwnd(window) {}
    // Any class is accepted when binding.
    static const wchar_t* ClassName() { return nullptr; }

    void Attach(HWND window) { m_hwnd = window; }
    HWND Handle() const { return m_hwnd; }
    explicit operator bool() const { return m_hwnd != nullptr; }

    int Id() const { return GetDlgCtrlID(m_hwnd); }
    std::wstring GetText() const { return GetWindowString(m_hwnd); }
    void SetText(const std::wstring& text) { SetWindowTextW(m_hwnd, text.c_str()); }
    void Enable(bool enabled) { EnableWindow(m_hwnd, enabled); }
    bool IsEnabled() const { return IsWindowEnabled(m_hwnd) != 0; }
    void Show(bool visible) { ShowWindow(m_hwnd, visible ? SW_SHOW : SW_HIDE); }
    void Focus() { SetFocus(m_hwnd); }

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageW(m_hwnd, message, wParam, lParam);
    }

    HWND m_hwnd = nullptr;
};

class Static : public ControlHandle {
public:
    using ControlHandle::ControlHandle;
    static const wchar_t* ClassName() { return L"Static"; }
};

class Button : public ControlHandle {
public:
    using ControlHandle::ControlHandle;
    static const wchar_t* ClassName() { return L"Button"; }
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked) { SetCheck(checked ? BST_CHECKED : BST_UNCHECKED); }
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }
    void SetCheck(int state) { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }
};

class Edit : public ControlHandle {
public:
    using ControlHandle::ControlHandle;
    static const wchar_t* ClassName() { return L"Edit"; }
    void SelectAll() { Send(EM_SETSEL, 0, -1); }
    void SetLimit(int characters) { Send(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
    int GetLimit() const { return static_cast<int>(Send(EM_GETLIMITTEXT)); }
    void SetReadOnly(bool readOnly) { Send(EM_SETREADONLY, readOnly); }
    bool IsReadOnly() const { return (GetWindowLongW(m_hwnd, GWL_STYLE) & ES_READONLY) != 0; }
};

class ComboBox : public ControlHandle {
public:
    using ControlHandle::ControlHandle;
    static const wchar_t* ClassName() { return L"ComboBox"; }
    // The new item's index, or CB_ERR.
    int AddString(const std::wstring& text);
    std::wstring GetItemText(int index) const;
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    void Clear() { Send(CB_RESETCONTENT); }
    // -1 when nothing is selected.
    int GetSelection() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetSelection(int index) { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
};

class ListView : public ControlHandle {
public:
    using ControlHandle::ControlHandle;
    static const wchar_t* ClassName() { return WC_LISTVIEWW; }
    void SetExtendedStyle(DWORD mask, DWORD style) { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style); }
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    // Report-view column; returns its index or -1.
    int InsertColumn(int index, const std::wstring& heading, int width, int format = LVCFMT_LEFT);
    // Inserts a row with the first column's text; returns its index or -1.
    int InsertRow(int index, const std::wstring& text);
    bool SetItemText(int row, int column, const std::wstring& text);
    std::wstring GetItemText(int row, int column) const;
    int Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    // The first selected row, or -1.
    int GetSelection() const { return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }
    // Selects and focuses one row, clearing every other; -1 clears all.
    void Select(int row);
    void EnsureVisible(int row, bool partialOk = false) { Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), partialOk); }
    bool DeleteRow(int row) { return Send(LVM_DELETEITEM, static_cast<WPARAM>(row)) != 0; }
    bool DeleteAll() { return Send(LVM_DELETEALLITEMS) != 0; }
};

class Slider : public ControlHandle {
public:
    using ControlHandle::ControlHandle;
    static const wchar_t* ClassName() { return TRACKBAR_CLASSW; }
    void SetRange(int minimum, int maximum, bool redraw = true);
    int GetMinimum() const { return static_cast<int>(Send(TBM_GETRANGEMIN)); }
    int GetMaximum() const { return static_cast<int>(Send(TBM_GETRANGEMAX)); }
    int GetPosition() const { return static_cast<int>(Send(TBM_GETPOS)); }
    void SetPosition(int position) { Send(TBM_SETPOS, TRUE, position); }
};

class Progress : public ControlHandle {
public:
    using ControlHandle::ControlHandle;
    static const wchar_t* ClassName() { return PROGRESS_CLASSW; }
    void SetRange(int minimum, int maximum) { Send(PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum); }
    int GetPosition() const { return static_cast<int>(Send(PBM_GETPOS)); }
    void SetPosition(int position) { Send(PBM_SETPOS, static_cast<WPARAM>(position)); }
};

class UpDown : public ControlHandle {
public:
    using ControlHandle::ControlHandle;
    static const wchar_t* ClassName() { return UPDOWN_CLASSW; }
    void SetBuddy(HWND buddy) { Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)); }
    HWND GetBuddy() const { return reinterpret_cast<HWND>(Send(UDM_GETBUDDY)); }
    void SetRange32(int minimum, int maximum) { Send(UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum); }
    void GetRange32(int* minimum, int* maximum) const;
    int GetPosition() const { return static_cast<int>(Send(UDM_GETPOS32)); }
    void SetPosition(int position) { Send(UDM_SETPOS32, 0, position); }
};

class HotKey : public ControlHandle {
public:
    using ControlHandle::ControlHandle;
    static const wchar_t* ClassName() { return HOTKEY_CLASSW; }
    // Virtual key in the low byte, HOTKEYF_* modifiers in the high byte.
    WORD GetValue() const { return static_cast<WORD>(Send(HKM_GETHOTKEY)); }
    void SetValue(BYTE virtualKey, BYTE modifiers) { Send(HKM_SETHOTKEY, MAKEWORD(virtualKey, modifiers)); }
    void SetRules(WORD invalidCombinations, WORD replacementModifiers)
    {
        Send(HKM_SETRULES, invalidCombinations, MAKELPARAM(replacementModifiers, 0));
    }
};
