// A dialog box run from a template, modally or modelessly, with its
// controls bound to typed wrappers and custom control objects.
#pragma once

#include <windows.h>

#include "ui/failure_win32.h"
#include "ui/window_win32.h"

class Dialog {
public:
    // A template from the resources of `module` (nullptr: the program).
    explicit Dialog(int templateId, HINSTANCE module = nullptr);
    // A DLGTEMPLATE or DLGTEMPLATEEX in memory; it must outlive RunModal or Create.
    explicit Dialog(const DLGTEMPLATE* memoryTemplate);
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    // Destroys a modeless dialog that is still open.
    virtual ~Dialog();

    // The value given to End, or -1 when the dialog could not be made or its
    // set-up failed (a binding error, say).
    INT_PTR RunModal(HWND owner);
    // Modeless: false when the dialog could not be made or its set-up failed.
    bool Create(HWND owner);
    // Ends a modal dialog or destroys a modeless one, keeping `result`.
    void End(int result);
    int Result() const { return m_result; }
    bool IsModal() const { return m_modal; }
    HWND Handle() const { return m_hwnd; }
    HWND Control(int id) const { return GetDlgItem(m_hwnd, id); }
    // For the message loop that runs beside a modeless dialog.
    bool PreTranslate(MSG& message) { return m_hwnd && IsDialogMessageW(m_hwnd, &message); }

protected:
    // TRUE lets the system focus the first control; FALSE when focus was set here.
    virtual BOOL OnInitDialog() { return TRUE; }
    // Returns whether the command was handled; IDOK and IDCANCEL go to OnOK and OnCancel.
    virtual bool OnCommand(int id, int code, HWND control);
    virtual bool OnNotify(NMHDR* header, LRESULT* result);
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // Every message after reflection; the default calls the handlers above.
    // Returns whether it was handled, the result in *result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // After WM_NCDESTROY, with the handle already cleared; may delete this.
    virtual void OnFinalMessage() {}

    // The child with this id, of this class if given; throws ControlBindingError.
    HWND RequireControl(int id, const wchar_t* className = nullptr) const;
    // Points a typed wrapper (controls_win32.h) at a template child.
    template <class Wrapper>
    void Bind(int id, Wrapper& control)
    {
        control.Attach(RequireControl(id, Wrapper::ClassName()));
    }
    // Subclasses a template child so `control` gets its messages and its
    // reflected notifications.
    void BindCustom(int id, Window& control);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    const DLGTEMPLATE* m_template = nullptr;
    int m_templateId = 0;
    HINSTANCE m_module = nullptr;
    HWND m_hwnd = nullptr;
    bool m_modal = false;
    int m_result = 0;
};

// The dialog procedure's return rule: a few messages return their result
// directly, all others through DWLP_MSGRESULT with TRUE.
bool ReturnsResultDirectly(UINT message);
