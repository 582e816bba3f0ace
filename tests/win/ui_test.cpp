// The window layer over real windows: object lifetime, dispatch, the dialog
// procedure's return rule, binding, reflection, and the controls adapters.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/controls_win32.h"
#include "ui/dialog_controls_win32.h"
#include "ui/dialog_win32.h"
#include "ui/failure_win32.h"
#include "ui/gdi_win32.h"
#include "ui/record_list_view_win32.h"
#include "ui/window_win32.h"

namespace {

// A DLGTEMPLATEEX in memory, so the tests need no resource script. Test
// dialogs have no caption and are shown with SW_SHOWNA: under Wine without a
// window manager, destroying a captioned or activated window waits 2 s.
class TemplateBuilder {
public:
    explicit TemplateBuilder(DWORD style = WS_POPUP)
    {
        Word(1);
        Word(0xFFFF);
        DWord(0);  // help id
        DWord(0);  // extended style
        DWord(style | DS_SETFONT);
        m_countAt = m_words.size();
        Word(0);
        Shorts(0, 0, 240, 160);
        Word(0);  // no menu
        Word(0);  // the dialog class
        String(L"UI test");
        Word(8);    // point size
        Word(400);  // weight
        Word(0);    // italic, charset
        String(L"MS Shell Dlg");
    }

    TemplateBuilder& Add(const wchar_t* className, int id, DWORD style, short x, short y, short cx, short cy,
                         const wchar_t* text = L"")
    {
        if (m_words.size() % 2) Word(0);  // items start on a DWORD boundary
        DWord(0);
        DWord(0);
        DWord(style | WS_CHILD | WS_VISIBLE);
        Shorts(x, y, cx, cy);
        DWord(static_cast<DWORD>(id));
        String(className);
        String(text);
        Word(0);  // no creation data
        ++m_words[m_countAt];
        return *this;
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void Word(WORD value) { m_words.push_back(value); }
    void DWord(DWORD value)
    {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Shorts(short x, short y, short cx, short cy)
    {
        for (short value : {x, y, cx, cy}) Word(static_cast<WORD>(value));
    }
    void String(const wchar_t* text)
    {
        for (; *text; ++text) Word(static_cast<WORD>(*text));
        Word(0);
    }

    std::vector<WORD> m_words;
    size_t m_countAt = 0;
};

std::vector<std::wstring> g_reports;

void CaptureReport(const std::wstring& text)
{
    g_reports.push_back(text);
}

bool Reported(const std::wstring& part)
{
    for (const std::wstring& report : g_reports)
        if (report.find(part) != std::wstring::npos) return true;
    return false;
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(InitControlClasses());
        g_reports.clear();
        m_previous = SetFailureReporter(CaptureReport);
    }
    void TearDown() override { SetFailureReporter(m_previous); }

private:
    FailureReporter m_previous = nullptr;
};

// Suites by subject, sharing the set-up.
class UiWindow : public UiTest {};
class UiDialog : public UiTest {};
class UiControls : public UiTest {};
class UiGdi : public UiTest {};

const UINT kThrow = WM_APP + 1;

// Throws what the test asks for from inside a handler.
std::function<void()> g_throw;

struct ThrowCase {
    std::function<void()> action;
    const wchar_t* reported;
};

const ThrowCase kThrowCases[] = {
    {[] { throw std::runtime_error("boom"); }, L"boom"},
    {[] { throw ControlBindingError(77, "test"); }, L"control 77"},
    {[] { throw 7; }, L"unknown type"},
};

class ProbeWindow : public Window {
public:
    bool reachableAtNcCreate = false;
    bool clearedAtFinal = false;
    int finalCount = 0;
    HWND lastHandle = nullptr;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_NCCREATE: reachableAtNcCreate = Handle() != nullptr && FromHandle(Handle()) == this; break;
        case WM_APP: return 0x1000 + static_cast<LRESULT>(wParam);
        case kThrow: g_throw(); break;
        }
        lastHandle = Handle();
        return Window::OnMessage(message, wParam, lParam);
    }
    void OnFinalMessage() override
    {
        ++finalCount;
        clearedAtFinal = Handle() == nullptr && FromHandle(lastHandle) == nullptr;
    }
};

const wchar_t kProbeClass[] = L"TavorinUiProbe";

// A custom child that draws, colours and answers for itself when allowed to.
class SelfDrawing : public Window {
public:
    bool handles = true;
    std::vector<UINT> seen;
    HBRUSH brush = nullptr;

protected:
    bool OnReflected(UINT message, WPARAM, LPARAM, LRESULT* result) override
    {
        seen.push_back(message);
        if (!handles) return false;
        *result = message == WM_CTLCOLORSTATIC ? reinterpret_cast<LRESULT>(brush) : 0x77;
        return true;
    }
};

TEST_F(UiWindow, ObjectLivesFromNcCreateToNcDestroy)
{
    ASSERT_NE(Window::RegisterWindowClass(kProbeClass), 0);
    ASSERT_EQ(Window::RegisterWindowClass(kProbeClass), Window::RegisterWindowClass(kProbeClass));
    ProbeWindow probe;
    ASSERT_TRUE(probe.Create(kProbeClass, L"probe", WS_POPUP));
    EXPECT_TRUE(probe.reachableAtNcCreate);
    HWND window = probe.Handle();
    EXPECT_EQ(Window::FromHandle(window), &probe);
    EXPECT_EQ(SendMessageW(window, WM_APP, 5, 0), 0x1005);
    SetWindowTextW(window, L"default procedure");
    EXPECT_EQ(GetWindowString(window), L"default procedure");

    // A plain window reflects to its children as a dialog does.
    SelfDrawing child;
    OwnedBrush childBrush(CreateSolidBrush(RGB(7, 8, 9)));
    child.brush = childBrush.Get();
    ASSERT_TRUE(child.Attach(CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 10, 10, window, nullptr, nullptr,
                                             nullptr)));
    EXPECT_EQ(SendMessageW(window, WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(child.Handle())),
              reinterpret_cast<LRESULT>(childBrush.Get()));

    DestroyWindow(window);
    EXPECT_EQ(probe.finalCount, 1);
    EXPECT_TRUE(probe.clearedAtFinal);
    EXPECT_EQ(probe.Handle(), nullptr);

    // An object that goes first takes its window with it, without a final call.
    HWND orphan = nullptr;
    {
        ProbeWindow scoped;
        ASSERT_TRUE(scoped.Create(kProbeClass, L"", WS_POPUP));
        orphan = scoped.Handle();
    }
    EXPECT_FALSE(IsWindow(orphan));
}

TEST_F(UiWindow, AttachSubclassesAndDetachRestores)
{
    HWND control = CreateWindowExW(0, L"Static", L"text", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    LONG_PTR original = GetWindowLongPtrW(control, GWLP_WNDPROC);
    ProbeWindow probe, other;
    ASSERT_TRUE(probe.Attach(control));
    EXPECT_FALSE(other.Attach(control));
    EXPECT_NE(GetWindowLongPtrW(control, GWLP_WNDPROC), original);
    EXPECT_EQ(SendMessageW(control, WM_APP, 1, 0), 0x1001);
    EXPECT_EQ(GetWindowString(control), L"text");  // the control's own procedure answers

    EXPECT_EQ(probe.Detach(), control);
    EXPECT_EQ(GetWindowLongPtrW(control, GWLP_WNDPROC), original);
    EXPECT_EQ(SendMessageW(control, WM_APP, 1, 0), 0);
    EXPECT_EQ(Window::FromHandle(control), nullptr);

    ASSERT_TRUE(other.Attach(control));
    DestroyWindow(control);
    EXPECT_EQ(other.finalCount, 1);
    EXPECT_TRUE(other.clearedAtFinal);
    EXPECT_EQ(probe.finalCount, 0);
}

TEST_F(UiWindow, ExceptionsStopAtTheProcedure)
{
    ASSERT_NE(Window::RegisterWindowClass(kProbeClass), 0);
    ProbeWindow probe;
    ASSERT_TRUE(probe.Create(kProbeClass, L"", WS_POPUP));
    for (const ThrowCase& c : kThrowCases) {
        g_reports.clear();
        g_throw = c.action;
        EXPECT_EQ(SendMessageW(probe.Handle(), kThrow, 0, 0), 0);
        EXPECT_TRUE(Reported(c.reported)) << c.reported;
        EXPECT_EQ(SendMessageW(probe.Handle(), WM_APP, 2, 0), 0x1002);
    }
}

// A dialog that records what it saw and answers as the test sets it up.
class ProbeDialog : public Dialog {
public:
    using Dialog::Dialog;
    std::function<void(ProbeDialog&)> init;
    bool reachableAtInit = false;
    BOOL initResult = FALSE;  // no focus unless asked: see TemplateBuilder
    int finalCount = 0;
    std::vector<UINT> seen;
    HBRUSH staticBrush = nullptr;

    using Dialog::Bind;
    using Dialog::BindCustom;

protected:
    BOOL OnInitDialog() override
    {
        reachableAtInit =
            Handle() != nullptr && GetWindowLongPtrW(Handle(), DWLP_USER) == reinterpret_cast<LONG_PTR>(this);
        if (init) init(*this);
        return initResult;
    }
    bool OnNotify(NMHDR* header, LRESULT* result) override
    {
        seen.push_back(WM_NOTIFY);
        if (header->code != 999u) return false;
        *result = 0x5A5A;
        return true;
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        switch (message) {
        case WM_APP: End(static_cast<int>(wParam)); return true;
        case WM_APP + 2: *result = 77; return true;
        case kThrow: g_throw(); return true;
        case WM_CTLCOLORSTATIC:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            seen.push_back(message);
            if (message != WM_CTLCOLORSTATIC || !staticBrush) return false;
            *result = reinterpret_cast<LRESULT>(staticBrush);
            return true;
        }
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) != IDOK &&
            LOWORD(wParam) != IDCANCEL)
            seen.push_back(WM_COMMAND);
        return Dialog::OnMessage(message, wParam, lParam, result);
    }
    void OnFinalMessage() override { ++finalCount; }
};

TEST_F(UiDialog, ModalReturnsTheEndValue)
{
    struct Case {
        UINT message;
        WPARAM wParam;
        INT_PTR expected;
    };
    const Case cases[] = {
        {WM_APP, 42, 42}, {WM_COMMAND, IDOK, IDOK}, {WM_COMMAND, IDCANCEL, IDCANCEL}, {WM_CLOSE, 0, IDCANCEL}};
    TemplateBuilder dialogTemplate;
    for (const Case& c : cases) {
        ProbeDialog dialog(dialogTemplate.Get());
        dialog.init = [&](ProbeDialog& d) { PostMessageW(d.Handle(), c.message, c.wParam, 0); };
        EXPECT_EQ(dialog.RunModal(nullptr), c.expected) << c.message;
        EXPECT_TRUE(dialog.reachableAtInit);
        EXPECT_EQ(dialog.finalCount, 1);
        EXPECT_EQ(dialog.Handle(), nullptr);
    }
}

TEST_F(UiDialog, ModelessLifetime)
{
    TemplateBuilder dialogTemplate;
    ProbeDialog dialog(dialogTemplate.Get());
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_TRUE(dialog.reachableAtInit);
    HWND window = dialog.Handle();
    EXPECT_TRUE(IsWindow(window));
    dialog.End(7);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(dialog.Result(), 7);
    EXPECT_EQ(dialog.finalCount, 1);

    // The same object opens again; going out of scope closes it.
    ASSERT_TRUE(dialog.Create(nullptr));
    window = dialog.Handle();
    {
        ProbeDialog scoped(dialogTemplate.Get());
        ASSERT_TRUE(scoped.Create(nullptr));
        window = scoped.Handle();
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindow(dialog.Handle()));
}

TEST_F(UiDialog, ResultRule)
{
    const int kStatic = 20;
    TemplateBuilder dialogTemplate;
    dialogTemplate.Add(L"Static", kStatic, SS_LEFT, 10, 10, 80, 12, L"label");
    ProbeDialog dialog(dialogTemplate.Get());
    OwnedBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    dialog.staticBrush = brush.Get();
    ASSERT_TRUE(dialog.Create(nullptr));
    HWND label = dialog.Control(kStatic);
    NMHDR handled = {label, static_cast<UINT_PTR>(kStatic), 999u};
    NMHDR declined = {label, static_cast<UINT_PTR>(kStatic), 998u};
    HDC dc = GetDC(label);

    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT expected;
    };
    const Case cases[] = {
        {WM_NOTIFY, kStatic, reinterpret_cast<LPARAM>(&handled), 0x5A5A},       // through DWLP_MSGRESULT
        {WM_APP + 2, 0, 0, 77},                                                  // through DWLP_MSGRESULT
        {WM_NOTIFY, kStatic, reinterpret_cast<LPARAM>(&declined), 0},           // not handled
        {WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label),
         reinterpret_cast<LRESULT>(brush.Get())},                               // returned directly
    };
    for (const Case& c : cases)
        EXPECT_EQ(SendMessageW(dialog.Handle(), c.message, c.wParam, c.lParam), c.expected) << c.message;
    ReleaseDC(label, dc);

    // WM_INITDIALOG returns directly too: TRUE has the system focus the first tab stop.
    const int kEdit = 21;
    TemplateBuilder focusTemplate;
    focusTemplate.Add(L"Edit", kEdit, WS_TABSTOP | WS_BORDER, 10, 10, 80, 12);
    for (BOOL initResult : {FALSE, TRUE}) {
        ProbeDialog focused(focusTemplate.Get());
        focused.initResult = initResult;
        SetFocus(nullptr);
        ASSERT_TRUE(focused.Create(nullptr));
        EXPECT_EQ(GetFocus() == focused.Control(kEdit), initResult == TRUE);
    }
}

TEST_F(UiDialog, ExceptionsStopAtTheProcedure)
{
    TemplateBuilder dialogTemplate;
    ProbeDialog dialog(dialogTemplate.Get());
    ASSERT_TRUE(dialog.Create(nullptr));
    for (const ThrowCase& c : kThrowCases) {
        g_reports.clear();
        g_throw = c.action;
        EXPECT_EQ(SendMessageW(dialog.Handle(), kThrow, 0, 0), 0);
        EXPECT_TRUE(Reported(c.reported)) << c.reported;
        EXPECT_EQ(SendMessageW(dialog.Handle(), WM_APP + 2, 0, 0), 77);
    }
}

TEST_F(UiDialog, BindingFailureNamesTheId)
{
    const int kButton = 10;
    TemplateBuilder dialogTemplate;
    dialogTemplate.Add(L"Button", kButton, BS_PUSHBUTTON, 10, 10, 50, 14, L"Go");
    Edit edit;
    ListView list;
    ProbeWindow custom;
    struct Case {
        std::function<void(ProbeDialog&)> bind;
        const wchar_t* reported;
    };
    const Case cases[] = {
        {[&](ProbeDialog& d) { d.Bind(4321, edit); }, L"control 4321: no such control"},
        {[&](ProbeDialog& d) { d.BindCustom(4322, custom); }, L"control 4322: no such control"},
        {[&](ProbeDialog& d) { d.Bind(kButton, list); }, L"control 10: a Button, not a SysListView32"},
    };
    for (const Case& c : cases) {
        for (bool modal : {true, false}) {
            g_reports.clear();
            ProbeDialog dialog(dialogTemplate.Get());
            // Should the failure not end the dialog, this does, and the test fails instead of hanging.
            dialog.init = [&](ProbeDialog& d) {
                PostMessageW(d.Handle(), WM_APP, 99, 0);
                c.bind(d);
            };
            if (modal)
                EXPECT_EQ(dialog.RunModal(nullptr), -1);
            else
                EXPECT_FALSE(dialog.Create(nullptr));
            EXPECT_EQ(dialog.Handle(), nullptr);
            EXPECT_EQ(dialog.finalCount, 1);
            EXPECT_TRUE(Reported(c.reported)) << c.reported << (g_reports.empty() ? L"" : g_reports[0]);
        }
    }
}

TEST_F(UiDialog, ReflectsNotificationsToTheBoundChild)
{
    const int kLabel = 30, kOwnerDrawn = 31;
    TemplateBuilder dialogTemplate;
    dialogTemplate.Add(L"Static", kLabel, SS_LEFT, 10, 10, 80, 12, L"label")
        .Add(L"Button", kOwnerDrawn, BS_OWNERDRAW, 10, 30, 60, 14);
    OwnedBrush childBrush(CreateSolidBrush(RGB(4, 5, 6)));
    SelfDrawing label, button;
    label.brush = childBrush.Get();
    ProbeDialog dialog(dialogTemplate.Get());
    dialog.init = [&](ProbeDialog& d) {
        d.BindCustom(kLabel, label);
        d.BindCustom(kOwnerDrawn, button);
    };
    ASSERT_TRUE(dialog.Create(nullptr));
    ShowWindow(dialog.Handle(), SW_SHOWNA);

    // Real painting and clicking.
    RedrawWindow(dialog.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    auto saw = [](const std::vector<UINT>& seen, UINT message) {
        return std::find(seen.begin(), seen.end(), message) != seen.end();
    };
    EXPECT_TRUE(saw(label.seen, WM_CTLCOLORSTATIC));
    EXPECT_TRUE(saw(button.seen, WM_DRAWITEM));
    EXPECT_TRUE(saw(button.seen, WM_COMMAND));

    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_BUTTON;
    draw.CtlID = kOwnerDrawn;
    draw.hwndItem = button.Handle();
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_BUTTON;
    measure.CtlID = kOwnerDrawn;
    NMHDR notify = {label.Handle(), static_cast<UINT_PTR>(kLabel), 999u};
    HDC dc = GetDC(label.Handle());
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        SelfDrawing* child;
        LRESULT childResult;
    };
    const Case cases[] = {
        {WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label.Handle()), &label,
         reinterpret_cast<LRESULT>(childBrush.Get())},
        {WM_DRAWITEM, kOwnerDrawn, reinterpret_cast<LPARAM>(&draw), &button, 0x77},
        {WM_MEASUREITEM, kOwnerDrawn, reinterpret_cast<LPARAM>(&measure), &button, 0x77},
        {WM_NOTIFY, kLabel, reinterpret_cast<LPARAM>(&notify), &label, 0x77},
        {WM_COMMAND, MAKEWPARAM(kOwnerDrawn, BN_CLICKED), reinterpret_cast<LPARAM>(button.Handle()), &button, 0x77},
    };
    for (const Case& c : cases) {
        for (bool childHandles : {true, false}) {
            c.child->handles = childHandles;
            c.child->seen.clear();
            dialog.seen.clear();
            LRESULT result = SendMessageW(dialog.Handle(), c.message, c.wParam, c.lParam);
            EXPECT_EQ(c.child->seen, std::vector<UINT>{c.message}) << c.message;
            // What the child declines reaches the dialog's own handlers.
            EXPECT_EQ(dialog.seen, childHandles ? std::vector<UINT>{} : std::vector<UINT>{c.message}) << c.message;
            if (childHandles) {
                EXPECT_EQ(result, c.childResult) << c.message;
            }
        }
    }
    ReleaseDC(label.Handle(), dc);
}

// One dialog with a control of each kind the adapters reach.
enum { kCheck = 40, kEdit, kCombo, kSlider, kProgress, kSpin, kList, kHotKey };

class ControlsDialog : public Dialog {
public:
    explicit ControlsDialog(const DLGTEMPLATE* dialogTemplate) : Dialog(dialogTemplate) {}
    ComboBox combo;
    ListView list;
    HotKey hotKey;
    Edit edit;

protected:
    BOOL OnInitDialog() override
    {
        Slider slider;
        Progress progress;
        UpDown spin;
        Bind(kCombo, combo);
        Bind(kSlider, slider);
        Bind(kProgress, progress);
        Bind(kSpin, spin);
        Bind(kList, list);
        Bind(kHotKey, hotKey);
        Bind(kEdit, edit);
        for (const wchar_t* item : {L"once", L"twice", L"forever"}) combo.AddString(item);
        slider.SetRange(0, 100);
        progress.SetRange(0, 1000);
        spin.SetRange32(-5, 500);
        list.InsertColumn(0, L"Name", 80);
        list.InsertColumn(1, L"Location", 200);
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        return FALSE;  // no focus: see TemplateBuilder
    }
};

TemplateBuilder ControlsTemplate()
{
    TemplateBuilder t;
    t.Add(L"Button", kCheck, BS_AUTOCHECKBOX, 5, 5, 60, 10, L"Check")
        .Add(L"Edit", kEdit, ES_AUTOHSCROLL | WS_BORDER, 5, 20, 60, 12)
        .Add(L"ComboBox", kCombo, CBS_DROPDOWNLIST | WS_VSCROLL, 5, 35, 60, 80)
        .Add(TRACKBAR_CLASSW, kSlider, 0, 70, 5, 80, 15)
        .Add(PROGRESS_CLASSW, kProgress, 0, 70, 25, 80, 10)
        .Add(UPDOWN_CLASSW, kSpin, 0, 160, 5, 10, 14)
        .Add(WC_LISTVIEWW, kList, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER, 5, 55, 150, 60)
        .Add(HOTKEY_CLASSW, kHotKey, 0, 160, 25, 60, 12);
    return t;
}

TEST_F(UiControls, DialogControlsRoundTrip)
{
    TemplateBuilder dialogTemplate = ControlsTemplate();
    ControlsDialog dialog(dialogTemplate.Get());
    ASSERT_TRUE(dialog.Create(nullptr));
    ShowWindow(dialog.Handle(), SW_SHOWNA);
    Win32DialogControls controls(dialog.Handle());

    for (bool checked : {true, false}) {
        controls.SetChecked(kCheck, checked);
        EXPECT_EQ(controls.IsChecked(kCheck), checked);
    }
    const std::wstring texts[] = {L"", L"short", std::wstring(1000, L'x') + L"\u4e2d"};
    for (const std::wstring& text : texts) {
        controls.SetText(kEdit, text);
        EXPECT_EQ(controls.GetText(kEdit), text);
        EXPECT_EQ(dialog.edit.GetText(), text);
    }
    for (bool enabled : {false, true}) {
        controls.Enable(kEdit, enabled);
        EXPECT_EQ(controls.IsEnabled(kEdit), enabled);
    }
    for (int index : {2, 0, -1}) {
        controls.SetSelection(kCombo, index);
        EXPECT_EQ(controls.GetSelection(kCombo), index);
        EXPECT_EQ(controls.GetText(kCombo), index < 0 ? L"" : dialog.combo.GetItemText(index));
    }
    EXPECT_EQ(dialog.combo.Count(), 3);
    EXPECT_EQ(dialog.combo.GetItemText(2), L"forever");

    struct Position {
        int id, set, expected;
    };
    const Position positions[] = {{kSlider, 70, 70},    {kSlider, 150, 100}, {kProgress, 640, 640},
                                  {kSpin, -3, -3},      {kSpin, 300, 300},   {kSpin, 900, 500}};
    for (const Position& p : positions) {
        controls.SetPosition(p.id, p.set);
        EXPECT_EQ(controls.GetPosition(p.id), p.expected) << p.id << " " << p.set;
    }

    dialog.hotKey.SetValue('R', HOTKEYF_CONTROL | HOTKEYF_SHIFT);
    EXPECT_EQ(dialog.hotKey.GetValue(), MAKEWORD('R', HOTKEYF_CONTROL | HOTKEYF_SHIFT));
    dialog.edit.SetReadOnly(true);
    EXPECT_TRUE(dialog.edit.IsReadOnly());
    dialog.edit.SetLimit(12);
    EXPECT_EQ(dialog.edit.GetLimit(), 12);

    HWND edit = dialog.Control(kEdit);
    ValidateRect(edit, nullptr);
    controls.Redraw(kEdit);
    RECT dirty;
    EXPECT_TRUE(GetUpdateRect(edit, &dirty, FALSE));

    // A wrong id or a value the control lacks is reported by number.
    g_reports.clear();
    EXPECT_EQ(controls.GetText(999), L"");
    EXPECT_EQ(controls.GetPosition(kEdit), 0);
    EXPECT_TRUE(Reported(L"control 999"));
    EXPECT_TRUE(Reported(L"control 41 has no position"));
}

TEST_F(UiControls, RecordListViewRoundTrip)
{
    TemplateBuilder dialogTemplate = ControlsTemplate();
    ControlsDialog dialog(dialogTemplate.Get());
    ASSERT_TRUE(dialog.Create(nullptr));
    ShowWindow(dialog.Handle(), SW_SHOWNA);
    HWND listWindow = dialog.Control(kList);
    Win32RecordListView list(listWindow);
    Win32DialogControls controls(dialog.Handle());

    const std::wstring longPath = L"C:\\" + std::wstring(600, L'd') + L"\\deep.rec";
    EXPECT_EQ(list.AddRow(L"first", L"C:\\first.rec"), 0);
    EXPECT_EQ(list.AddRow(L"second", longPath), 1);
    EXPECT_EQ(list.AddRow(L"third", L"C:\\third.rec"), 2);
    EXPECT_EQ(list.RowCount(), 3);
    EXPECT_EQ(list.GetText(1, 1), longPath);
    list.SetText(2, 0, L"renamed");
    EXPECT_EQ(list.GetText(2, 0), L"renamed");
    EXPECT_EQ(list.GetText(2, 1), L"C:\\third.rec");

    EXPECT_EQ(list.GetSelectedRow(), -1);
    for (int row : {1, 2, 0}) {
        list.SelectRow(row);
        EXPECT_EQ(list.GetSelectedRow(), row);
        EXPECT_EQ(SendMessageW(listWindow, LVM_GETSELECTEDCOUNT, 0, 0), 1);
        EXPECT_EQ(SendMessageW(listWindow, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), row);
        EXPECT_EQ(controls.GetSelection(kList), row);
    }
    list.SelectRow(2);
    list.RemoveRow(0);
    EXPECT_EQ(list.RowCount(), 2);
    EXPECT_EQ(list.GetSelectedRow(), 1);
    EXPECT_EQ(list.GetText(0, 0), L"second");

    for (int i = 0; i < 40; ++i) list.AddRow(L"row", L"C:\\row.rec");
    list.EnsureVisible(list.RowCount() - 1);
    EXPECT_GT(SendMessageW(listWindow, LVM_GETTOPINDEX, 0, 0), 0);
    list.Focus();
    EXPECT_EQ(GetFocus(), listWindow);

    list.RemoveAllRows();
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.GetSelectedRow(), -1);
}

TEST_F(UiGdi, OwnershipGuardsAndBuffering)
{
    HBRUSH raw = CreateSolidBrush(RGB(9, 9, 9));
    {
        OwnedBrush first(raw);
        OwnedBrush second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.Get(), raw);
        BorrowedBrush borrowed = second.Borrow();
        EXPECT_EQ(borrowed.Get(), raw);
    }
    EXPECT_EQ(GetObjectType(raw), 0u);  // deleted exactly when its owner went

    BorrowedBrush cached = SolidBrushFor(RGB(200, 0, 0));
    EXPECT_EQ(SolidBrushFor(RGB(200, 0, 0)).Get(), cached.Get());
    EXPECT_NE(SolidBrushFor(RGB(0, 200, 0)).Get(), cached.Get());

    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    OwnedBitmap surface(CreateCompatibleBitmap(screen, 40, 40));
    ReleaseDC(nullptr, screen);
    {
        SelectGuard selectSurface(target, surface);
        RECT all = {0, 0, 40, 40};
        FillRect(target, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

        HGDIOBJ originalPen = GetCurrentObject(target, OBJ_PEN);
        {
            OwnedPen pen(CreatePen(PS_SOLID, 1, RGB(1, 1, 1)));
            SelectGuard selectPen(target, pen);
            SaveDcGuard saved(target);
            SetTextColor(target, RGB(3, 3, 3));
            EXPECT_EQ(GetCurrentObject(target, OBJ_PEN), pen.Get());
        }
        EXPECT_EQ(GetCurrentObject(target, OBJ_PEN), originalPen);
        EXPECT_NE(GetTextColor(target), RGB(3, 3, 3));

        RECT area = {10, 10, 30, 30};
        {
            MemoryDC buffer(target, area);
            EXPECT_TRUE(buffer.IsBuffered());
            FillRect(buffer.Get(), &area, cached.Get());
            EXPECT_EQ(GetPixel(target, 15, 15), RGB(255, 255, 255));  // nothing shows before the copy
        }
        struct Pixel {
            int x, y;
            COLORREF expected;
        };
        const Pixel pixels[] = {{10, 10, RGB(200, 0, 0)},  {29, 29, RGB(200, 0, 0)}, {9, 9, RGB(255, 255, 255)},
                                {30, 30, RGB(255, 255, 255)}, {5, 20, RGB(255, 255, 255)}};
        for (const Pixel& p : pixels) EXPECT_EQ(GetPixel(target, p.x, p.y), p.expected) << p.x << "," << p.y;
    }
    EXPECT_NE(GetCurrentObject(target, OBJ_BITMAP), surface.Get());
    DeleteDC(target);
}

}  // namespace
