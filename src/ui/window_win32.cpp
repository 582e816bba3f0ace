#include "ui/window_win32.h"

#include "ui/failure_win32.h"

namespace {

// Properties rather than GWLP_USERDATA: a subclassed control may use its
// user data itself.
const wchar_t kObjectProperty[] = L"Tavorin.Window";
const wchar_t kOldProcProperty[] = L"Tavorin.WindowProc";

HINSTANCE Module()
{
    return GetModuleHandleW(nullptr);
}

WNDPROC OldProcOf(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetPropW(window, kOldProcProperty));
}

LRESULT CallOld(WNDPROC old, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return old ? CallWindowProcW(old, window, message, wParam, lParam)
               : DefWindowProcW(window, message, wParam, lParam);
}

// The window that sent a reflectable notification, or nullptr.
HWND SenderOf(HWND parent, UINT message, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        // Carries only the id; a menu's has no window at all.
        const MEASUREITEMSTRUCT* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? GetDlgItem(parent, static_cast<int>(item->CtlID)) : nullptr;
    }
    case WM_COMPAREITEM: {
        const COMPAREITEMSTRUCT* item = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam);
        return item ? item->hwndItem : nullptr;
    }
    case WM_DELETEITEM: {
        const DELETEITEMSTRUCT* item = reinterpret_cast<const DELETEITEMSTRUCT*>(lParam);
        return item ? item->hwndItem : nullptr;
    }
    }
    return nullptr;
}

}  // namespace

Window::~Window()
{
    HWND window = m_hwnd;
    if (!window) return;
    if (IsAttached()) {
        Detach();
        return;
    }
    // Forget the window first: its last messages must not reach a half-destroyed object.
    RemovePropW(window, kObjectProperty);
    m_hwnd = nullptr;
    DestroyWindow(window);
}

ATOM Window::RegisterWindowClass(const wchar_t* name, HBRUSH background, UINT style, HICON icon, HICON smallIcon)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    ATOM existing = static_cast<ATOM>(GetClassInfoExW(Module(), name, &wc));
    if (existing) return existing;
    wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = CreatedProc;
    wc.hInstance = Module();
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc);
}

bool Window::Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                    int width, int height, HWND parent, HMENU menu)
{
    if (m_hwnd) return false;
    if (CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu, Module(), this))
        return true;
    m_hwnd = nullptr;  // a creation refused after WM_NCCREATE
    return false;
}

bool Window::CreateChild(const wchar_t* className, HWND parent, int id, DWORD style, const RECT& rect,
                         DWORD exStyle)
{
    return Create(className, L"", style | WS_CHILD, exStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

bool Window::Attach(HWND window)
{
    if (m_hwnd || !window || !IsWindow(window) || FromHandle(window)) return false;
    // A window we subclassed before and could not unchain still has its old procedure recorded.
    WNDPROC recorded = OldProcOf(window);
    if (!SetPropW(window, kObjectProperty, this)) return false;
    m_hwnd = window;
    if (recorded) {
        m_oldProc = recorded;
        return true;
    }
    WNDPROC old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    // Our own procedure as the old one would call itself forever.
    if (!old || old == SubclassProc || !SetPropW(window, kOldProcProperty, reinterpret_cast<HANDLE>(old))) {
        if (old) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        RemovePropW(window, kObjectProperty);
        m_hwnd = nullptr;
        return false;
    }
    m_oldProc = old;
    return true;
}

HWND Window::Detach()
{
    HWND window = m_hwnd;
    if (!window) return nullptr;
    RemovePropW(window, kObjectProperty);
    if (m_oldProc && reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == SubclassProc) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldProc));
        RemovePropW(window, kOldProcProperty);
    }
    // Otherwise someone subclassed on top of us: SubclassProc stays in the
    // chain and forwards to the recorded procedure.
    m_hwnd = nullptr;
    m_oldProc = nullptr;
    return window;
}

bool Window::Destroy()
{
    return m_hwnd && DestroyWindow(m_hwnd);
}

Window* Window::FromHandle(HWND window)
{
    return window ? static_cast<Window*>(GetPropW(window, kObjectProperty)) : nullptr;
}

bool Window::Reflect(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    HWND sender = SenderOf(parent, message, lParam);
    if (!sender || sender == parent) return false;
    Window* child = FromHandle(sender);
    return child && child->OnReflected(message, wParam, lParam, result);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallOld(m_oldProc, m_hwnd, message, wParam, lParam);
}

bool Window::OnReflected(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

LRESULT CALLBACK Window::CreatedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self && (self->m_hwnd || !SetPropW(window, kObjectProperty, self))) return FALSE;
        if (self) self->m_hwnd = window;
    } else {
        self = FromHandle(window);
    }
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return Dispatch(self, window, message, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* self = FromHandle(window);
    if (self) return Dispatch(self, window, message, wParam, lParam);
    // Detached while another subclass sat above us: just pass it on.
    WNDPROC old = OldProcOf(window);
    if (message == WM_NCDESTROY) RemovePropW(window, kOldProcProperty);
    return CallOld(old, window, message, wParam, lParam);
}

// Touches `self` after the handler only at WM_NCDESTROY: any other handler
// may have destroyed the window and, through OnFinalMessage, the object.
LRESULT Window::Dispatch(Window* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    try {
        if (!Reflect(window, message, wParam, lParam, &result)) result = self->OnMessage(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException(L"window procedure", message);
        // A window whose set-up failed is not made at all.
        if (message == WM_NCCREATE)
            result = FALSE;
        else if (message == WM_CREATE)
            result = -1;
        else
            result = CallOld(OldProcOf(window), window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        self->Release(window);
        try {
            self->OnFinalMessage();
        } catch (...) {
            ReportCurrentException(L"final message", message);
        }
    }
    return result;
}

void Window::Release(HWND window)
{
    RemovePropW(window, kObjectProperty);
    if (m_oldProc) {
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == SubclassProc)
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldProc));
        RemovePropW(window, kOldProcProperty);
    }
    m_hwnd = nullptr;
    m_oldProc = nullptr;
}
