// The compiled resource script for real: every dialog template builds the
// controls the windows bind by id, in place and in tab order; the menu,
// strings, pictures, version and manifest are there.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

const wchar_t kMainClass[] = L"BrenlowTavorin_4IRIOE24D";

struct Control {
    int id;
    const wchar_t* cls;
    const wchar_t* text;  // nullptr: not compared (hotkey fields, icons)
    int x, y, w, h;       // dialog units
    DWORD style;          // bits the template sets; for buttons and statics the type too
};

struct Template {
    int id;
    const wchar_t* caption;
    int w, h;        // client size, dialog units
    int points;      // font size
    DWORD frame;     // frame and font styles, exactly
    DWORD exStyle;   // exactly
    int defaultId;   // the default push button, 0 for none
    int firstTabId;  // first tab stop, 0 for none
    std::vector<Control> controls;  // in template (tab) order
};

void PrintTo(const Template& t, std::ostream* os) { *os << "dialog " << t.id; }

// The tables use these, and the checks below tell classes apart by address.
const wchar_t kButton[] = L"Button";
const wchar_t kStatic[] = L"Static";
const wchar_t kEdit[] = L"Edit";
const wchar_t kUpDown[] = L"msctls_updown32";
const wchar_t kHotkey[] = L"msctls_hotkey32";
const wchar_t kCombo[] = L"ComboBox";

const DWORD kDialog = DS_SHELLFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
const DWORD kRadio = BS_AUTORADIOBUTTON;
const DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
const DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
const DWORD kDefPush = BS_DEFPUSHBUTTON | WS_TABSTOP;
const DWORD kNumber = ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DWORD kSpin = UDS_ALIGNRIGHT | UDS_ARROWKEYS;
const DWORD kHotkeyField = WS_BORDER | WS_TABSTOP;

const std::vector<Template> kTemplates = {
    {IDD_ABOUT, L"About Tavorin", 211, 78, 8, kDialog, 0, IDOK, IDOK, {
        {IDC_STATIC, kStatic, nullptr, 14, 11, 20, 20, SS_ICON},
        {IDC_VERSION, kStatic, L"Tavorin, Version 1.0", 42, 10, 156, 8, SS_LEFT | SS_NOPREFIX},
        {IDC_STATIC, kStatic, L"Copyright (C) Brenlow", 42, 23, 110, 8, SS_LEFT},
        {IDOK, kButton, L"OK", 81, 57, 50, 14, kDefPush},
        {IDC_HOME_LINK, kStatic, L"http://brenlow.example", 42, 36, 86, 8, SS_LEFT},
    }},
    {IDD_MAIN, L"Tavorin", 326, 294, 8, kDialog | WS_MINIMIZEBOX, WS_EX_APPWINDOW, IDC_RECORD, IDC_RECORD, {
        {IDC_RECORD, kButton, L"Record (Shift + F1)", 236, 7, 83, 23, kDefPush},
        {IDC_REPEAT, kButton, L"Repeat (Shift + F3)", 236, 43, 83, 23, kPush},
        {IDC_MODE_ONCE, kButton, L"Repeat once", 7, 11, 64, 10, kRadio | WS_GROUP | WS_TABSTOP},
        {IDC_MODE_TIMES, kButton, L"Repeat", 7, 30, 39, 10, kRadio},
        {IDC_MODE_DURATION, kButton, L"Repeat for", 7, 51, 51, 10, kRadio},
        {IDC_TIMES, kEdit, L"", 59, 27, 40, 14, kNumber | WS_GROUP},
        {IDC_TIMES_SPIN, kUpDown, L"", 88, 27, 10, 14, kSpin},
        {IDC_STATIC, kStatic, L"times", 108, 30, 20, 8, SS_LEFT},
        {IDC_DURATION, kEdit, L"", 59, 48, 40, 14, kNumber},
        {IDC_DURATION_SPIN, kUpDown, L"", 89, 48, 10, 14, kSpin},
        {IDC_DURATION_UNIT, kCombo, L"", 107, 49, 39, 30, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {IDC_STATIC, kStatic, L"time", 154, 51, 16, 8, SS_LEFT},
        {IDC_SHUTDOWN, kButton, L"Shutdown the computer when repeating finished", 7, 71, 171, 10, kCheck},
        {IDC_STATIC, kButton, L"Delay time between two repeat", 7, 85, 311, 64, BS_GROUPBOX},
        {IDC_DELAY, kButton, L"Set delay time between two repeat", 19, 98, 129, 10, kCheck},
        {IDC_DELAY_HOURS, kEdit, L"", 19, 113, 31, 14, kNumber},
        {IDC_DELAY_HOURS_SPIN, kUpDown, L"", 42, 111, 10, 14, kSpin},
        {IDC_STATIC, kStatic, L"hour", 55, 116, 16, 8, SS_LEFT},
        {IDC_DELAY_MINUTES, kEdit, L"", 74, 113, 31, 14, kNumber},
        {IDC_DELAY_MINUTES_SPIN, kUpDown, L"", 95, 111, 10, 14, kSpin},
        {IDC_STATIC, kStatic, L"minute", 109, 116, 24, 8, SS_LEFT},
        {IDC_DELAY_SECONDS, kEdit, L"", 136, 113, 31, 14, kNumber},
        {IDC_DELAY_SECONDS_SPIN, kUpDown, L"", 160, 111, 10, 14, kSpin},
        {IDC_STATIC, kStatic, L"second", 172, 116, 26, 8, SS_LEFT},
        {IDC_DELAY_RANDOM, kButton, L"Delay a random time (delay 0 to the above time)", 19, 134, 171, 10, kCheck},
        {IDC_STATIC, kButton, L"Repeat Speed Setting", 7, 152, 312, 49, BS_GROUPBOX},
        {IDC_SPEED, L"msctls_trackbar32", L"", 79, 162, 174, 28, TBS_AUTOTICKS | WS_TABSTOP},
        {IDC_STATIC, kStatic, L"Slow", 85, 192, 18, 8, SS_LEFT},
        {IDC_STATIC, kStatic, L"Normal", 156, 191, 26, 8, SS_LEFT},
        {IDC_STATIC, kStatic, L"Fast", 237, 191, 16, 8, SS_LEFT},
        {IDC_RECORD_LIST, L"SysListView32", L"", 7, 207, 312, 80,
         LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
    }},
    {IDD_PROGRESS, L"", 128, 49, 9, DS_SHELLFONT | WS_POPUP | WS_SYSMENU, WS_EX_TOPMOST, 0, 0, {
        {IDC_PROGRESS, L"msctls_progress32", L"", 7, 7, 114, 10, WS_BORDER},
        {IDC_STATUS, kStatic, L"", 4, 20, 120, 8, SS_CENTER},
        {IDC_STOP_HINT, kStatic, L"Press Shift + F2 to Stop", 16, 33, 95, 9, SS_CENTER},
    }},
    {IDD_SAVE_RECORD, L"Save Record", 174, 118, 8, kDialog, 0, IDOK, IDC_RECORD_NAME, {
        {IDC_STATIC, kStatic, L"File Name:", 7, 8, 39, 11, SS_LEFT},
        {IDC_RECORD_NAME, kEdit, L"", 49, 7, 118, 13, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {IDC_STATIC, kStatic, L"Description:", 7, 25, 46, 9, SS_LEFT},
        {IDC_RECORD_DESCRIPTION, kEdit, L"", 7, 35, 160, 54,
         ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_HSCROLL | WS_VSCROLL | WS_BORDER |
             WS_TABSTOP},
        {IDOK, kButton, L"OK", 29, 96, 50, 16, kDefPush},
        {IDCANCEL, kButton, L"Cancel", 95, 96, 50, 16, kPush},
    }},
    {IDD_OPTIONS, L"Options", 238, 233, 8, kDialog, 0, IDOK, IDC_RECORD_DIRECTORY, {
        {IDC_STATIC, kButton, L"Record Directory", 7, 3, 224, 45, BS_GROUPBOX},
        {IDC_RECORD_DIRECTORY, kEdit, L"", 18, 20, 176, 15, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {IDC_BROWSE, kButton, L"...", 198, 20, 21, 15, kPush},
        {IDC_STATIC, kButton, L"Hotkey Setting", 7, 50, 224, 107, BS_GROUPBOX},
        {IDC_STATIC, kStatic, L"Start Recording:", 22, 62, 54, 8, SS_RIGHT},
        {IDC_HK_START_RECORD, kHotkey, nullptr, 81, 60, 105, 14, kHotkeyField},
        {IDC_STATIC, kStatic, L"Stop Recording:", 24, 81, 52, 8, SS_RIGHT},
        {IDC_HK_STOP_RECORD, kHotkey, nullptr, 81, 79, 105, 14, kHotkeyField},
        {IDC_STATIC, kStatic, L"Start Repeating:", 22, 100, 54, 8, SS_RIGHT},
        {IDC_HK_START_REPEAT, kHotkey, nullptr, 81, 98, 105, 14, kHotkeyField},
        {IDC_STATIC, kStatic, L"Stop Repeating:", 23, 119, 53, 8, SS_RIGHT},
        {IDC_HK_STOP_REPEAT, kHotkey, nullptr, 81, 117, 105, 14, kHotkeyField},
        {IDC_STATIC, kStatic, L"Pause Repeating:", 18, 138, 58, 8, SS_RIGHT},
        {IDC_HK_PAUSE_REPEAT, kHotkey, nullptr, 81, 136, 105, 14, kHotkeyField},
        {IDC_STATIC, kButton, L"General", 7, 158, 224, 45, BS_GROUPBOX},
        {IDC_MOVE_NO_STOP, kButton, L"Do not stop repeating if user move mouse by hand", 19, 172, 178, 10, kCheck},
        {IDC_NO_PROGRESS_WINDOW, kButton, L"Do not show progress window when repeating", 19, 187, 164, 10, kCheck},
        {IDOK, kButton, L"OK", 54, 209, 50, 17, kDefPush},
        {IDCANCEL, kButton, L"Cancel", 134, 209, 50, 17, kPush},
    }},
    {IDD_UPDATE, L"Tavorin", 231, 73, 9, kDialog, 0, 0, IDC_UPDATE_YES, {
        {IDC_UPDATE_YES, kButton, L"OK", 27, 52, 50, 14, kPush},
        {IDC_UPDATE_CANCEL, kButton, L"Cancel", 90, 52, 50, 14, kPush},
        {IDC_UPDATE_MESSAGE, kStatic, L"Obtaining the latest version, please wait...", 17, 11, 198, 22, SS_LEFT},
    }},
    {IDD_ERROR, L"Error Occurred ", 243, 137, 9, kDialog, 0, IDOK, IDC_ERROR_INFO, {
        {IDC_STATIC, kStatic,
         L"Sorry, an error occurred. Please send the following error information to support@brenlow.example, "
         L"so we can fix the bug.",
         7, 7, 229, 21, SS_LEFT},
        {IDC_STATIC, kStatic, L"Error Information:", 7, 30, 56, 8, SS_LEFT},
        {IDC_ERROR_INFO, kEdit, L"", 7, 41, 229, 65,
         ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
        {IDOK, kButton, L"OK", 94, 113, 54, 17, kDefPush},
    }},
    {IDD_SHUTDOWN, L"Shutdown Computer", 231, 85, 9, kDialog, WS_EX_TOPMOST, 0, IDCANCEL, {
        {IDC_STATIC, kStatic, L"Tavorin will shutdown the computer in:", 16, 11, 197, 8, SS_LEFT},
        {IDC_COUNTDOWN, kStatic, L"", 37, 34, 156, 8, SS_CENTER},
        {IDCANCEL, kButton, L"Cancel", 139, 62, 50, 16, kPush},
        {IDC_SHUTDOWN_NOW, kButton, L"Shutdown Immediate", 41, 62, 84, 16, kPush},
    }},
    {IDD_STOP_TIP, L"Tavorin", 227, 89, 9, kDialog, WS_EX_TOPMOST, IDOK, IDC_DONT_SHOW, {
        {IDC_STATIC, kStatic,
         L"Tavorin detected you are trying to control the mouse, so it stopped the Repeating. If this is not what "
         L"you want, please do not move the mouse by your hand when repeating.",
         7, 7, 213, 30, SS_LEFT},
        {IDC_DONT_SHOW, kButton, L"Don't show this message again", 7, 42, 113, 10, kCheck},
        {IDOK, kButton, L"OK", 88, 68, 50, 14, kDefPush},
    }},
};

INT_PTR CALLBACK QuietProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// What start-up does before the main window exists.
void PrepareClasses()
{
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&icc));
    WNDCLASSW wc = {};
    ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"#32770", &wc));
    wc.lpszClassName = kMainClass;
    wc.hInstance = GetModuleHandleW(nullptr);
    ASSERT_TRUE(RegisterClassW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS);
    done = true;
}

// A DLGTEMPLATEEX as the resource holds it: the styles the windows may change
// once created (borders, default buttons, the combo box's scroll bar) are read
// here as written.
struct ItemTemplate {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::wstring cls;
    int textOrdinal = -1;
};

struct DialogTemplate {
    DWORD style = 0, exStyle = 0;
    short cx = 0, cy = 0;
    int menu = -1;
    std::wstring cls, title, face;
    int points = 0;
    std::vector<ItemTemplate> items;
};

class TemplateReader {
public:
    explicit TemplateReader(const BYTE* base) : base_(base), p_(base) {}
    WORD Word()
    {
        WORD v;
        memcpy(&v, p_, sizeof(v));
        p_ += sizeof(v);
        return v;
    }
    DWORD Dword()
    {
        DWORD v;
        memcpy(&v, p_, sizeof(v));
        p_ += sizeof(v);
        return v;
    }
    std::wstring String()
    {
        std::wstring s;
        for (WORD c = Word(); c; c = Word()) s += static_cast<wchar_t>(c);
        return s;
    }
    // A name, or an ordinal into `ordinal` (-1 for a name).
    std::wstring NameOrOrdinal(int* ordinal)
    {
        *ordinal = -1;
        WORD first;
        memcpy(&first, p_, sizeof(first));
        if (first != 0xFFFF) return String();
        Word();
        *ordinal = Word();
        return std::wstring();
    }
    void AlignToDword() { p_ += (4 - (p_ - base_) % 4) % 4; }
    void Skip(size_t n) { p_ += n; }

private:
    const BYTE* base_;
    const BYTE* p_;
};

bool ReadDialogTemplate(int id, DialogTemplate* out)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    if (!resource) return false;
    const BYTE* base = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    if (!base) return false;
    TemplateReader r(base);
    if (r.Word() != 1 || r.Word() != 0xFFFF) return false;  // DIALOGEX
    r.Dword();  // help id
    out->exStyle = r.Dword();
    out->style = r.Dword();
    const WORD count = r.Word();
    r.Word();  // x
    r.Word();  // y
    out->cx = static_cast<short>(r.Word());
    out->cy = static_cast<short>(r.Word());
    r.NameOrOrdinal(&out->menu);
    int classOrdinal;
    out->cls = r.NameOrOrdinal(&classOrdinal);
    out->title = r.String();
    if (out->style & DS_SETFONT) {
        out->points = r.Word();
        r.Word();  // weight
        r.Skip(2);  // italic, character set
        out->face = r.String();
    }
    static const wchar_t* const kPredefined[] = {L"Button", L"Edit", L"Static", L"ListBox", L"ScrollBar",
                                                 L"ComboBox"};
    for (WORD i = 0; i < count; ++i) {
        r.AlignToDword();
        ItemTemplate item;
        r.Dword();  // help id
        r.Dword();  // extended style
        item.style = r.Dword();
        item.x = static_cast<short>(r.Word());
        item.y = static_cast<short>(r.Word());
        item.cx = static_cast<short>(r.Word());
        item.cy = static_cast<short>(r.Word());
        item.id = static_cast<int>(r.Dword());
        int ordinal;
        item.cls = r.NameOrOrdinal(&ordinal);
        if (ordinal >= 0x80 && ordinal <= 0x85) item.cls = kPredefined[ordinal - 0x80];
        r.NameOrOrdinal(&item.textOrdinal);
        r.Skip(r.Word());  // creation data
        out->items.push_back(item);
    }
    return true;
}

// Creates a dialog from its template and destroys it at the end of the scope.
class DialogFromTemplate {
public:
    explicit DialogFromTemplate(int id)
        : hwnd_(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr, QuietProc, 0))
    {
    }
    ~DialogFromTemplate()
    {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    DialogFromTemplate(const DialogFromTemplate&) = delete;
    DialogFromTemplate& operator=(const DialogFromTemplate&) = delete;
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

std::wstring TextOf(HWND hwnd)
{
    wchar_t buffer[512] = {};
    GetWindowTextW(hwnd, buffer, 512);
    return buffer;
}

std::wstring ClassOf(HWND hwnd)
{
    wchar_t buffer[256] = {};
    GetClassNameW(hwnd, buffer, 256);
    return buffer;
}

bool SameName(const std::wstring& a, const wchar_t* b) { return lstrcmpiW(a.c_str(), b) == 0; }

// The child's rectangle in the dialog's client coordinates.
RECT PlaceOf(HWND dialog, HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

::testing::AssertionResult Near(const RECT& expected, const RECT& actual)
{
    if (std::abs(expected.left - actual.left) <= 1 && std::abs(expected.top - actual.top) <= 1 &&
        std::abs(expected.right - actual.right) <= 1 && std::abs(expected.bottom - actual.bottom) <= 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected (" << expected.left << ", " << expected.top << ")-("
                                         << expected.right << ", " << expected.bottom << "), got (" << actual.left
                                         << ", " << actual.top << ")-(" << actual.right << ", " << actual.bottom
                                         << ")";
}

class TemplateTest : public ::testing::TestWithParam<Template> {
protected:
    void SetUp() override { PrepareClasses(); }
};

TEST_P(TemplateTest, HoldsItsStyles)
{
    const Template& t = GetParam();
    DialogTemplate d;
    ASSERT_TRUE(ReadDialogTemplate(t.id, &d));
    const DWORD frameMask = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME |
                            WS_VISIBLE | DS_MODALFRAME | DS_SHELLFONT;
    EXPECT_EQ(d.style & frameMask, t.frame) << std::hex << d.style;
    EXPECT_EQ(d.exStyle, t.exStyle) << std::hex << d.exStyle;
    EXPECT_EQ(d.cx, t.w);
    EXPECT_EQ(d.cy, t.h);
    EXPECT_EQ(d.title, t.caption);
    EXPECT_EQ(d.face, L"MS Shell Dlg");
    EXPECT_EQ(d.points, t.points);

    ASSERT_EQ(d.items.size(), t.controls.size());
    for (size_t i = 0; i < d.items.size(); ++i) {
        const ItemTemplate& item = d.items[i];
        const Control& c = t.controls[i];
        SCOPED_TRACE(::testing::Message() << "control " << c.id << " at " << c.x << ", " << c.y);
        EXPECT_EQ(item.id, c.id);
        EXPECT_TRUE(SameName(item.cls, c.cls)) << item.cls;
        EXPECT_EQ(item.x, c.x);
        EXPECT_EQ(item.y, c.y);
        EXPECT_EQ(item.cx, c.w);
        EXPECT_EQ(item.cy, c.h);
        EXPECT_EQ(item.style & (WS_CHILD | WS_VISIBLE | WS_DISABLED), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
        // For buttons and statics the low bits are a type, not flags.
        const DWORD typeMask = c.cls == kButton ? BS_TYPEMASK : c.cls == kStatic ? SS_TYPEMASK : 0;
        EXPECT_EQ(item.style & typeMask, c.style & typeMask) << std::hex << item.style;
        EXPECT_EQ(item.style & c.style & ~typeMask, c.style & ~typeMask) << std::hex << item.style;
        if (c.cls == kStatic && (c.style & SS_TYPEMASK) == SS_ICON) {
            EXPECT_EQ(item.textOrdinal, IDI_TAVORIN);
        }
    }
}

TEST_P(TemplateTest, BuildsItsControls)
{
    const Template& t = GetParam();
    DialogFromTemplate dialog(t.id);
    HWND dlg = dialog.get();
    ASSERT_NE(dlg, nullptr) << GetLastError();
    EXPECT_EQ(TextOf(dlg), t.caption);

    RECT size = {0, 0, t.w, t.h};
    ASSERT_TRUE(MapDialogRect(dlg, &size));
    RECT client;
    GetClientRect(dlg, &client);
    EXPECT_TRUE(Near(size, client)) << "client area";

    LOGFONTW font = {};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0)), sizeof(font), &font));
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(t.points, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);

    // Without a default button the dialog may still report IDOK, the id
    // Enter sends; no such control exists then.
    const LRESULT defId = SendMessageW(dlg, DM_GETDEFID, 0, 0);
    if (t.defaultId) {
        EXPECT_EQ(defId, MAKELONG(t.defaultId, DC_HASDEFID));
    } else {
        EXPECT_TRUE(defId == 0 || defId == MAKELONG(IDOK, DC_HASDEFID)) << defId;
        EXPECT_EQ(GetDlgItem(dlg, IDOK), nullptr);
    }
    if (t.firstTabId) {
        HWND firstTab = GetNextDlgTabItem(dlg, nullptr, FALSE);
        ASSERT_NE(firstTab, nullptr);
        EXPECT_EQ(GetDlgCtrlID(firstTab), t.firstTabId);
    }

    HWND child = GetWindow(dlg, GW_CHILD);
    for (const Control& c : t.controls) {
        SCOPED_TRACE(::testing::Message() << "control " << c.id << " at " << c.x << ", " << c.y);
        ASSERT_NE(child, nullptr) << "missing";
        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(child)), static_cast<WORD>(c.id));
        EXPECT_TRUE(SameName(ClassOf(child), c.cls)) << ClassOf(child);
        if (c.text) {
            EXPECT_EQ(TextOf(child), c.text);
        }

        RECT expected = {c.x, c.y, c.x + c.w, c.y + c.h};
        MapDialogRect(dlg, &expected);
        RECT actual = PlaceOf(dlg, child);
        if (c.cls == kStatic && (c.style & SS_TYPEMASK) == SS_ICON) {
            // An icon control takes the icon's size.
            EXPECT_NE(SendMessageW(child, STM_GETICON, 0, 0), 0);
            expected.right = expected.left + GetSystemMetrics(SM_CXICON);
            expected.bottom = expected.top + GetSystemMetrics(SM_CYICON);
        } else if (c.cls == kCombo) {
            // A drop-down list's height in the template is its height when
            // dropped; closed it is one line high.
            expected.bottom = actual.bottom;
        } else if (c.cls == kUpDown) {
            // An up-down control picks its own width; the buddy link places it.
            expected.right = expected.left + (actual.right - actual.left);
        }
        EXPECT_TRUE(Near(expected, actual));
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than expected";
}

std::string TemplateName(const ::testing::TestParamInfo<Template>& info)
{
    return "Dialog" + std::to_string(info.param.id);
}

INSTANTIATE_TEST_SUITE_P(Resources, TemplateTest, ::testing::ValuesIn(kTemplates), TemplateName);

TEST(ResourcesTest, MainWindowHasItsClassAndMenu)
{
    PrepareClasses();
    DialogTemplate d;
    ASSERT_TRUE(ReadDialogTemplate(IDD_MAIN, &d));
    EXPECT_TRUE(SameName(d.cls, kMainClass)) << d.cls;
    EXPECT_EQ(d.menu, IDR_MAIN_MENU);

    DialogFromTemplate dialog(IDD_MAIN);
    ASSERT_NE(dialog.get(), nullptr);
    // A second instance finds the first by this class.
    EXPECT_EQ(ClassOf(dialog.get()), kMainClass);
    HMENU menu = GetMenu(dialog.get());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 4);
}

TEST(ResourcesTest, RepeatModesFormOneGroup)
{
    PrepareClasses();
    DialogFromTemplate dialog(IDD_MAIN);
    HWND dlg = dialog.get();
    ASSERT_NE(dlg, nullptr);
    // Checking one mode must clear the other two.
    std::vector<int> group;
    HWND first = GetDlgItem(dlg, IDC_MODE_ONCE);
    HWND item = first;
    do {
        group.push_back(GetDlgCtrlID(item));
        item = GetNextDlgGroupItem(dlg, item, FALSE);
    } while (item && item != first && group.size() < 10);
    EXPECT_EQ(group, (std::vector<int>{IDC_MODE_ONCE, IDC_MODE_TIMES, IDC_MODE_DURATION}));
}

struct MenuItem {
    UINT id;  // 0: separator
    const wchar_t* text;
};

struct Popup {
    const wchar_t* text;
    std::vector<MenuItem> items;
};

TEST(ResourcesTest, MenuHasItsCommands)
{
    const std::vector<Popup> popups = {
        {L"&File", {{ID_FILE_OPEN, L"&Open"}, {ID_FILE_RECORD, L"Re&cord"}, {ID_FILE_REPEAT, L"&Repeat"},
                    {0, L""}, {ID_FILE_EXIT, L"&Exit"}}},
        {L"&Edit", {{ID_EDIT_RECORD, L"Edit Record"}, {ID_DELETE_RECORD, L"Delete Record"}}},
        {L"&Tools", {{ID_TOOLS_OPTIONS, L"&Options"}}},
        {L"&Help", {{ID_HELP_ABOUT, L"About"}, {ID_HELP_UPDATE, L"Update"}, {ID_HELP_PAGE, L"Help"}}},
    };
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));
    ASSERT_NE(menu, nullptr);
    auto item = [](HMENU m, UINT position, std::wstring* text) {
        wchar_t buffer[128] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_SUBMENU;
        info.dwTypeData = buffer;
        info.cch = 128;
        EXPECT_TRUE(GetMenuItemInfoW(m, position, TRUE, &info));
        *text = buffer;
        return info;
    };
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(popups.size()));
    for (UINT p = 0; p < popups.size(); ++p) {
        std::wstring text;
        MENUITEMINFOW top = item(menu, p, &text);
        EXPECT_EQ(text, popups[p].text);
        ASSERT_NE(top.hSubMenu, nullptr) << popups[p].text;
        ASSERT_EQ(GetMenuItemCount(top.hSubMenu), static_cast<int>(popups[p].items.size())) << popups[p].text;
        for (UINT i = 0; i < popups[p].items.size(); ++i) {
            const MenuItem& expected = popups[p].items[i];
            MENUITEMINFOW info = item(top.hSubMenu, i, &text);
            EXPECT_EQ(info.fType & MFT_SEPARATOR ? 0u : info.wID, expected.id) << popups[p].text << " " << i;
            EXPECT_EQ(text, expected.text);
            EXPECT_EQ(info.hSubMenu, nullptr);
        }
    }
    // The companion programs and the product offer live outside the program.
    for (UINT id : {ID_TOOLS_COMPANION_1, ID_TOOLS_COMPANION_2, ID_TOOLS_COMPANION_3, ID_HELP_UPGRADE})
        EXPECT_EQ(GetMenuState(menu, id, MF_BYCOMMAND), static_cast<UINT>(-1)) << id;
    DestroyMenu(menu);
}

TEST(ResourcesTest, AboutItemString)
{
    wchar_t text[64] = {};
    ASSERT_GT(LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 64), 0);
    EXPECT_STREQ(text, L"&About Tavorin...");
}

TEST(ResourcesTest, IconHasThreeSizes)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(IDI_TAVORIN), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    ASSERT_NE(dir, nullptr);
    // GRPICONDIR: reserved, type, count; then 14-byte entries: width, height,
    // colours, reserved, planes, bits, bytes, id.
    const int count = dir[4] | dir[5] << 8;
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = dir + 6 + 14 * i;
        EXPECT_EQ(entry[0], entry[1]);
        EXPECT_EQ(entry[6] | entry[7] << 8, 32) << "bits";
        sizes.push_back(entry[0]);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
    for (int size : sizes) {
        HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_TAVORIN), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        DestroyIcon(icon);
    }
}

TEST(ResourcesTest, HelpBitmapIs20By20)
{
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_HELP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectW(bitmap, sizeof(dib), &dib), static_cast<int>(sizeof(dib)));
    EXPECT_EQ(dib.dsBm.bmWidth, 20);
    EXPECT_EQ(dib.dsBm.bmHeight, 20);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
    // Drawn opaque on the menu's image column: the corners are that colour,
    // the middle is the blue circle.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(236, 233, 216));
    EXPECT_EQ(GetPixel(dc, 19, 19), RGB(236, 233, 216));
    COLORREF middle = GetPixel(dc, 5, 12);
    EXPECT_GT(GetBValue(middle), GetRValue(middle) + 60);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

TEST(ResourcesTest, ProductVersionIs3208)
{
    wchar_t path[520] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, path, 520), 0u);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path, &handle);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00030002u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000008u);

    wchar_t* text = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904b0\\ProductVersion",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_STREQ(text, L"3.2.0.8");
}

TEST(ResourcesTest, ManifestAsksForAdministratorAndCommonControls6)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(resource, nullptr);
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    ASSERT_NE(data, nullptr);
    const std::string manifest(data, SizeofResource(module, resource));
    const char* needles[] = {
        "level=\"requireAdministrator\" uiAccess=\"false\"",
        "<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v2\">",
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, "
        "PerMonitor</dpiAwareness>",
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Vista
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
    };
    for (const char* needle : needles) EXPECT_NE(manifest.find(needle), std::string::npos) << needle;
}

}  // namespace
