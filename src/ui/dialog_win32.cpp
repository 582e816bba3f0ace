#include "ui/dialog_win32.h"

#include "base/text.h"

namespace {

HINSTANCE ModuleOr(HINSTANCE module)
{
    return module ? module : GetModuleHandleW(nullptr);
}

// The one place the rule is applied.
INT_PTR ProcedureResult(HWND window, UINT message, bool handled, LRESULT result)
{
    if (ReturnsResultDirectly(message)) return handled ? static_cast<INT_PTR>(result) : FALSE;
    if (!handled) return FALSE;
    // A handler may have destroyed its own dialog.
    if (IsWindow(window)) SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace

bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    }
    return false;
}

Dialog::Dialog(int templateId, HINSTANCE module) : m_templateId(templateId), m_module(module) {}

Dialog::Dialog(const DLGTEMPLATE* memoryTemplate) : m_template(memoryTemplate) {}

Dialog::~Dialog()
{
    HWND window = m_hwnd;
    if (!window) return;
    // Its last messages must not reach a half-destroyed object.
    SetWindowLongPtrW(window, DWLP_USER, 0);
    m_hwnd = nullptr;
    DestroyWindow(window);
}

INT_PTR Dialog::RunModal(HWND owner)
{
    if (m_hwnd) return -1;
    m_modal = true;
    m_result = -1;
    LPARAM self = reinterpret_cast<LPARAM>(this);
    HINSTANCE module = ModuleOr(m_module);
    INT_PTR result = m_template
                         ? DialogBoxIndirectParamW(module, m_template, owner, Procedure, self)
                         : DialogBoxParamW(module, MAKEINTRESOURCEW(m_templateId), owner, Procedure, self);
    m_modal = false;
    return result;
}

bool Dialog::Create(HWND owner)
{
    if (m_hwnd) return false;
    m_modal = false;
    m_result = 0;
    LPARAM self = reinterpret_cast<LPARAM>(this);
    HINSTANCE module = ModuleOr(m_module);
    HWND window = m_template ? CreateDialogIndirectParamW(module, m_template, owner, Procedure, self)
                             : CreateDialogParamW(module, MAKEINTRESOURCEW(m_templateId), owner, Procedure, self);
    // A set-up that failed destroyed the dialog, which cleared m_hwnd.
    return window && m_hwnd == window;
}

void Dialog::End(int result)
{
    m_result = result;
    if (!m_hwnd) return;
    if (m_modal)
        EndDialog(m_hwnd, result);
    else
        DestroyWindow(m_hwnd);
}

bool Dialog::OnCommand(int id, int code, HWND)
{
    // Buttons send BN_CLICKED (0), accelerators 1.
    if (code != BN_CLICKED && code != 1) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool Dialog::OnNotify(NMHDR*, LRESULT*)
{
    return false;
}

bool Dialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_INITDIALOG:
        *result = OnInitDialog();
        return true;
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam), result);
    }
    return false;
}

HWND Dialog::RequireControl(int id, const wchar_t* className) const
{
    HWND control = GetDlgItem(m_hwnd, id);
    if (!control) throw ControlBindingError(id, "no such control in the dialog");
    if (className) {
        wchar_t actual[64] = {};
        GetClassNameW(control, actual, 64);
        if (lstrcmpiW(actual, className) != 0)
            throw ControlBindingError(id, "a " + ToUtf8(actual) + ", not a " + ToUtf8(className));
    }
    return control;
}

void Dialog::BindCustom(int id, Window& control)
{
    if (!control.Attach(RequireControl(id))) throw ControlBindingError(id, "already bound");
}

// Touches `self` after the handler only at WM_INITDIALOG and WM_NCDESTROY:
// any other handler may have destroyed the dialog and, through
// OnFinalMessage, the object.
INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        if (self) self->m_hwnd = window;
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    if (!self) return FALSE;  // messages before WM_INITDIALOG

    LRESULT result = 0;
    bool handled = false;
    try {
        handled = Window::Reflect(window, message, wParam, lParam, &result) ||
                  self->OnMessage(message, wParam, lParam, &result);
    } catch (...) {
        ReportCurrentException(L"dialog procedure", message);
        handled = false;
        if (message == WM_INITDIALOG) {
            // A dialog that could not set itself up is not shown.
            self->End(-1);
            handled = true;
            result = FALSE;
        }
    }

    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        self->m_hwnd = nullptr;
        try {
            self->OnFinalMessage();
        } catch (...) {
            ReportCurrentException(L"final message", message);
        }
        return FALSE;
    }
    return ProcedureResult(window, message, handled, result);
}
