// A window and the object that handles its messages. The object's address is
// stored in the window, so it can be neither copied nor moved.
#pragma once

#include <windows.h>

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // A window made by Create is destroyed; an attached one is only detached.
    virtual ~Window();

    // Registers a class whose windows dispatch to the Window that Create made
    // them for (windows of it must come from Create). Registering again
    // returns the existing class.
    static ATOM RegisterWindowClass(const wchar_t* name, HBRUSH background = nullptr,
                                    UINT style = CS_HREDRAW | CS_VREDRAW, HICON icon = nullptr,
                                    HICON smallIcon = nullptr);

    // `this` travels in lpCreateParams and is stored at WM_NCCREATE.
    bool Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle = 0,
                int x = CW_USEDEFAULT, int y = CW_USEDEFAULT, int width = CW_USEDEFAULT,
                int height = CW_USEDEFAULT, HWND parent = nullptr, HMENU menu = nullptr);
    bool CreateChild(const wchar_t* className, HWND parent, int id, DWORD style, const RECT& rect,
                     DWORD exStyle = 0);

    // Subclasses a window made elsewhere (a template's child, say); its own
    // procedure becomes the default. Fails if this or the window is taken.
    bool Attach(HWND window);
    // Gives the window back to its own procedure and forgets it.
    HWND Detach();
    bool Destroy();

    HWND Handle() const { return m_hwnd; }
    bool IsAttached() const { return m_oldProc != nullptr; }

    // The object handling a window, or nullptr.
    static Window* FromHandle(HWND window);

    // Offers a notification that `parent` received (owner-draw, colour,
    // WM_NOTIFY, WM_COMMAND, scrolling) to the object of the child that sent
    // it. Returns whether the child handled it, with its result.
    static bool Reflect(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    // Derived classes switch on the message and call named handlers; what
    // they do not handle goes to Window::OnMessage, the default procedure.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // A notification this window sent to its parent, offered back first.
    virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // After WM_NCDESTROY, with the handle already cleared; may delete this.
    virtual void OnFinalMessage() {}

private:
    static LRESULT CALLBACK CreatedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT Dispatch(Window* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Release(HWND window);

    HWND m_hwnd = nullptr;
    WNDPROC m_oldProc = nullptr;  // set while attached
};
