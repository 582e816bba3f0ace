// The windows a repeat run shows, made for real from their templates: the
// progress window with its hotkeys, placement, corner hopping and look, the
// shutdown countdown over a fake shutdown, and the user-control notice
// writing its option into a real conf.ini.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/text.h"
#include "capture/desktop_input_win32.h"
#include "config/config_store.h"
#include "config/hotkeys.h"
#include "config/profile_win32.h"
#include "playback/player.h"
#include "playback/progress_dlg.h"
#include "playback/progress_hotkeys.h"
#include "playback/run_state.h"
#include "playback/shutdown_dlg.h"
#include "playback/stop_tip_dlg.h"
#include "resources/resource.h"
#include "temp_folder.h"
#include "ui/controls_win32.h"
#include "ui/failure_win32.h"
#include "ui/gdi_win32.h"

namespace {

std::vector<std::wstring> g_reports;

void CaptureReport(const std::wstring& text)
{
    g_reports.push_back(text);
}

// A private conf.ini, and no fault may reach a window procedure.
class RunWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(InitControlClasses());
        g_reports.clear();
        m_previousReporter = SetFailureReporter(CaptureReport);
        m_previousConfig = g_paths.configFile;
        g_paths.configFile = folder.File(L"conf.ini");
        g_bStop = g_bPaused = g_bStoppedByUser = false;
    }
    void TearDown() override
    {
        EXPECT_TRUE(g_reports.empty()) << (g_reports.empty() ? "" : ToUtf8(g_reports[0]));
        SetFailureReporter(m_previousReporter);
        g_paths.configFile = m_previousConfig;
        g_bStop = g_bPaused = g_bStoppedByUser = false;
        g_pProgDlg = nullptr;
    }
    void StoreOption(const wchar_t* key, const wchar_t* value)
    {
        WritePrivateProfileStringW(L"Option", key, value, g_paths.configFile.c_str());
    }
    std::wstring StoredOption(const wchar_t* key)
    {
        return profile.ReadString(g_paths.configFile, L"Option", key, L"(none)");
    }

    TempFolder folder;
    Win32Desktop desktop;
    Win32Profile profile;

private:
    FailureReporter m_previousReporter = nullptr;
    std::wstring m_previousConfig;
};

class RunWindowsProgress : public RunWindowsTest {};
class RunWindowsShutdown : public RunWindowsTest {};
class RunWindowsStopTip : public RunWindowsTest {};

std::wstring TextOf(HWND dialog, int id)
{
    return GetWindowString(GetDlgItem(dialog, id));
}

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT WorkArea()
{
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

// Whether another window could take this combination now.
bool CombinationFree(UINT modifiers, UINT vk)
{
    const int probeId = 0x7F00;
    if (!RegisterHotKey(nullptr, probeId, modifiers, vk)) return false;
    UnregisterHotKey(nullptr, probeId);
    return true;
}

// Dispatches what is waiting, offering it to the dialog's keyboard handling
// first as a run's loop beside a modeless dialog would.
void PumpThrough(Dialog& dialog)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (dialog.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

struct StopHotkeyCase {
    const wchar_t* stored;  // nullptr: not stored, the default applies
    UINT modifiers;         // RegisterHotKey's
    UINT vk;
    const wchar_t* hint;
    bool destroyByWindow;   // DestroyWindow rather than the object's end
};

TEST_F(RunWindowsProgress, OwnsItsHotkeysForItsLifetime)
{
    const StopHotkeyCase cases[] = {
        {nullptr, MOD_ALT, VK_F2, L"Press Alt + F2 to Stop", false},
        {L"71,1", MOD_SHIFT, VK_F2, L"Press Shift + F2 to Stop", true},
    };
    for (const StopHotkeyCase& c : cases) {
        StoreOption(L"HK_StopRepeat", c.stored);
        // A taken combination would stop the test at a conflict message.
        ASSERT_TRUE(CombinationFree(c.modifiers, c.vk));
        ASSERT_TRUE(CombinationFree(MOD_CONTROL, 'P'));

        g_bPaused = g_bStoppedByUser = true;
        auto dialog = std::make_unique<CProgDlg>(desktop, profile);
        ASSERT_TRUE(dialog->Create());
        HWND window = dialog->Handle();
        EXPECT_EQ(g_pProgDlg, static_cast<StatusText*>(dialog.get()));
        EXPECT_FALSE(g_bPaused);
        EXPECT_FALSE(g_bStoppedByUser);

        // The platform's key names, which on an English layout read as the hint says.
        HotkeyValue stop = ReadHotkey(profile, kHotkeyStopRepeat);
        EXPECT_EQ(TextOf(window, IDC_STOP_HINT), StopHintText(FormatHotkeyText(desktop, stop.modifiers, stop.vk)));
        EXPECT_EQ(TextOf(window, IDC_STOP_HINT), c.hint);
        EXPECT_EQ(TextOf(window, IDC_STATUS), L"");

        EXPECT_FALSE(CombinationFree(c.modifiers, c.vk)) << "the stop hotkey is taken while the window exists";
        EXPECT_FALSE(CombinationFree(MOD_CONTROL, 'P')) << "so is the pause hotkey";

        if (c.destroyByWindow) {
            DestroyWindow(window);
            EXPECT_FALSE(IsWindow(window));
            EXPECT_TRUE(CombinationFree(c.modifiers, c.vk));
            EXPECT_TRUE(CombinationFree(MOD_CONTROL, 'P'));
        }
        dialog.reset();
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(g_pProgDlg, nullptr);
        EXPECT_TRUE(CombinationFree(c.modifiers, c.vk)) << "free again after the window";
        EXPECT_TRUE(CombinationFree(MOD_CONTROL, 'P'));
    }
}

TEST_F(RunWindowsProgress, HotkeyMessagesSetTheRunFlags)
{
    CProgDlg dialog(desktop, profile);
    ASSERT_TRUE(dialog.Create(nullptr));
    const struct {
        std::vector<WPARAM> ids;
        bool stop, stoppedByUser, paused;
    } cases[] = {
        {{32771}, true, true, false},
        {{32793}, false, false, true},
        {{32793, 32793}, false, false, false},
        {{32774, 32775}, false, false, false},
    };
    for (const auto& c : cases) {
        g_bStop = g_bPaused = g_bStoppedByUser = false;
        for (WPARAM id : c.ids) SendMessageW(dialog.Handle(), WM_HOTKEY, id, 0);
        EXPECT_EQ(g_bStop, c.stop);
        EXPECT_EQ(g_bStoppedByUser, c.stoppedByUser);
        EXPECT_EQ(g_bPaused, c.paused);
    }
}

TEST_F(RunWindowsProgress, ShowsTheBarAndTheStatusLine)
{
    CProgDlg dialog(desktop, profile);
    ASSERT_TRUE(dialog.Create(nullptr));
    ProgressWindow& progress = dialog;
    progress.SetRange(12345);
    progress.SetPosition(6000);
    HWND bar = GetDlgItem(dialog.Handle(), IDC_PROGRESS);
    PBRANGE range = {};
    SendMessageW(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 12345);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 6000);

    progress.SetStatusText(L"Repeat 3 times, current 2");
    EXPECT_EQ(TextOf(dialog.Handle(), IDC_STATUS), L"Repeat 3 times, current 2");
    EXPECT_EQ(g_pProgDlg->GetStatusText(), L"Repeat 3 times, current 2");
}

TEST_F(RunWindowsProgress, SitsInTheBottomRightCornerWithoutTakingTheFocus)
{
    HWND owner = CreateWindowExW(0, L"Static", L"main window", WS_POPUP | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    SetForegroundWindow(owner);
    HWND foreground = GetForegroundWindow();
    {
        CProgDlg dialog(desktop, profile, owner);
        ASSERT_TRUE(dialog.Create());
        HWND window = dialog.Handle();
        EXPECT_EQ(GetWindow(window, GW_OWNER), owner);
        EXPECT_FALSE(IsWindowVisible(window)) << "the run decides whether it is shown";
        RECT before = WindowRect(window);
        dialog.MoveToBottomRight();
        dialog.ShowWithoutActivation();
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(GetForegroundWindow(), foreground);
        EXPECT_NE(GetActiveWindow(), window);
        EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

        RECT rect = WindowRect(window), area = WorkArea();
        EXPECT_EQ(rect.right, area.right);
        EXPECT_EQ(rect.bottom, area.bottom);
        EXPECT_EQ(rect.right - rect.left, before.right - before.left);
        EXPECT_EQ(rect.bottom - rect.top, before.bottom - before.top);

        MoveToBottomLeft(window, desktop);
        rect = WindowRect(window);
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.bottom, area.bottom);
    }
    DestroyWindow(owner);
}

// Ticks are sent rather than waited for; the window stays hidden, as with
// "NoProgWnd", which does not stop it from moving.
TEST_F(RunWindowsProgress, HopsToTheOtherCornerWhenTheCursorRestsOnIt)
{
    CProgDlg dialog(desktop, profile);
    ASSERT_TRUE(dialog.Create());
    HWND window = dialog.Handle();
    dialog.MoveToBottomRight();
    const RECT area = WorkArea();
    const struct {
        const char* what;
        const char* ticks;    // i: cursor inside the window, o: outside
        const char* corners;  // after each tick: R or L
    } steps[] = {
        {"resting three ticks", "iii", "RRL"},
        {"following it back", "iii", "LLR"},
        {"leaving at the third tick", "iioii", "RRRRR"},
        {"the third one inside", "i", "L"},
    };
    for (const auto& step : steps) {
        std::string corners;
        for (const char* tick = step.ticks; *tick; ++tick) {
            RECT rect = WindowRect(window);
            if (*tick == 'i')
                SetCursorPos(rect.left + 5, rect.top + 5);
            else
                SetCursorPos(rect.left > 300 ? 10 : area.right - 10, 10);
            SendMessageW(window, WM_TIMER, kPlacementTimerId, 0);
            rect = WindowRect(window);
            EXPECT_EQ(rect.bottom, area.bottom) << step.what;
            corners += rect.left == 0 ? 'L' : rect.right == area.right ? 'R' : '?';
        }
        EXPECT_EQ(corners, step.corners) << step.what;
    }
    // Other timers are not placement ticks.
    SetCursorPos(WindowRect(window).left + 5, WindowRect(window).top + 5);
    for (int i = 0; i < 3; ++i) SendMessageW(window, WM_TIMER, kPlacementTimerId + 1, 0);
    EXPECT_EQ(WindowRect(window).left, 0);
    EXPECT_EQ(dialog.HoverTicks(), 0);
    EXPECT_TRUE(KillTimer(window, kPlacementTimerId)) << "the placement timer runs";
}

TEST_F(RunWindowsProgress, OnlyTheRunEndsIt)
{
    CProgDlg dialog(desktop, profile);
    ASSERT_TRUE(dialog.Create());
    HWND window = dialog.Handle();
    dialog.ShowWithoutActivation();
    HWND focus = GetDlgItem(window, IDC_STATUS);
    const LPARAM altDown = static_cast<LPARAM>(1u << 29);
    const struct {
        const char* what;
        std::function<void()> act;
    } attempts[] = {
        {"close request", [&] { SendMessageW(window, WM_CLOSE, 0, 0); }},
        {"Cancel command", [&] { SendMessageW(window, WM_COMMAND, IDCANCEL, 0); }},
        {"OK command", [&] { SendMessageW(window, WM_COMMAND, IDOK, 0); }},
        {"Escape key", [&] { PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 1); }},
        {"Enter key", [&] { PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 1); }},
        {"Alt+F4", [&] { PostMessageW(window, WM_SYSKEYDOWN, VK_F4, altDown | 1); }},
        {"system menu Close", [&] { SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"system menu Minimize", [&] { SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0); }},
    };
    for (const auto& attempt : attempts) {
        attempt.act();
        PumpThrough(dialog);
        EXPECT_TRUE(IsWindow(window)) << attempt.what;
        EXPECT_EQ(dialog.Handle(), window) << attempt.what;
        EXPECT_TRUE(IsWindowVisible(window)) << attempt.what;
        EXPECT_FALSE(IsIconic(window)) << attempt.what;
    }
}

TEST_F(RunWindowsProgress, PaintsWhiteWithABlueOutline)
{
    CProgDlg dialog(desktop, profile);
    ASSERT_TRUE(dialog.Create());
    HWND window = dialog.Handle();
    RECT client;
    GetClientRect(window, &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen, client.right, client.bottom));
    ReleaseDC(nullptr, screen);
    {
        SelectGuard select(dc, bitmap);
        EXPECT_NE(SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
        const COLORREF outline = RGB(36, 93, 219), white = RGB(255, 255, 255);
        EXPECT_EQ(GetPixel(dc, 0, 0), outline);
        EXPECT_EQ(GetPixel(dc, client.right - 1, client.bottom - 1), outline);
        EXPECT_EQ(GetPixel(dc, client.right / 2, 0), outline);
        EXPECT_EQ(GetPixel(dc, 1, 1), white);
        EXPECT_EQ(GetPixel(dc, client.right / 2, client.bottom / 2), white);

        SetBkMode(dc, OPAQUE);
        LRESULT brush = SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_STATUS)));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), SolidBrushFor(white).Get());
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    }
    DeleteDC(dc);
}

// A modal dialog that runs a script once its loop is running, then makes
// sure the dialog ends: -2 says the script did not end it.
const UINT kRunScript = WM_APP + 40;
const UINT kEndIfStillOpen = WM_APP + 41;

template <class Base>
class Scripted : public Base {
public:
    template <class Arg>
    explicit Scripted(Arg& arg) : Base(arg)
    {
    }
    std::function<void(HWND)> script;

protected:
    BOOL OnInitDialog() override
    {
        BOOL result = Base::OnInitDialog();
        PostMessageW(this->Handle(), kRunScript, 0, 0);
        return result;
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message == kRunScript) {
            if (script) script(this->Handle());
            PostMessageW(this->Handle(), kEndIfStillOpen, 0, 0);
            return true;
        }
        if (message == kEndIfStillOpen) {
            this->End(-2);
            return true;
        }
        return Base::OnMessage(message, wParam, lParam, result);
    }
};

enum class Act { Tick, ShutdownNow, Cancel, Escape, CloseBox, Check, Ok };

void Perform(HWND dialog, Act act)
{
    switch (act) {
    case Act::Tick: SendMessageW(dialog, WM_TIMER, kCountdownTimerId, 0); break;
    case Act::ShutdownNow: SendMessageW(GetDlgItem(dialog, IDC_SHUTDOWN_NOW), BM_CLICK, 0, 0); break;
    case Act::Cancel: SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0); break;
    case Act::Ok: SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); break;
    case Act::Check: SendMessageW(GetDlgItem(dialog, IDC_DONT_SHOW), BM_CLICK, 0, 0); break;
    case Act::CloseBox: SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case Act::Escape: {
        // Through the modal loop's keyboard handling, to the focused control.
        HWND focus = GetFocus();
        PostMessageW(focus && IsChild(dialog, focus) ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 1);
        break;
    }
    }
}

class FakeShutdown : public ShutdownPort {
public:
    bool ShutdownComputer() override
    {
        ++calls;
        return accepts;
    }
    bool accepts = false;
    int calls = 0;
};

std::vector<Act> Ticks(int count)
{
    return std::vector<Act>(static_cast<size_t>(count), Act::Tick);
}

std::vector<Act> operator+(std::vector<Act> first, const std::vector<Act>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST_F(RunWindowsShutdown, CountsDownAndEndsAsTheUserOrTheSystemDecides)
{
    const struct {
        const char* what;
        std::vector<Act> acts;
        bool accepts;
        const wchar_t* text;  // of the countdown after the acts
        int calls;
        INT_PTR result;
    } cases[] = {
        {"open, then Cancel", {Act::Cancel}, false, L"60 seconds", 0, IDCANCEL},
        {"a tick, then Cancel", {Act::Tick, Act::Cancel}, false, L"59 seconds", 0, IDCANCEL},
        {"Escape", Ticks(2) + std::vector<Act>{Act::Escape}, false, L"58 seconds", 0, IDCANCEL},
        {"the close box", {Act::CloseBox}, false, L"60 seconds", 0, IDCANCEL},
        {"the last second, then Cancel", Ticks(59) + std::vector<Act>{Act::Cancel}, true, L"1 seconds", 0, IDCANCEL},
        {"the countdown ends, accepted", Ticks(60), true, L"Shutting down...", 1, IDOK},
        {"the countdown ends, refused, then Cancel", Ticks(60) + std::vector<Act>{Act::Tick, Act::Cancel}, false,
         L"Shutting down...", 1, IDCANCEL},
        {"at 45 seconds, immediately, accepted", Ticks(15) + std::vector<Act>{Act::ShutdownNow}, true,
         L"Shutting down...", 1, IDOK},
        {"at 45 seconds, immediately, refused, later Cancel",
         Ticks(15) + std::vector<Act>{Act::ShutdownNow, Act::Tick, Act::Cancel}, false, L"Shutting down...", 1,
         IDCANCEL},
    };
    for (const auto& c : cases) {
        FakeShutdown port;
        port.accepts = c.accepts;
        Scripted<CShutdownDlg> dialog(port);
        std::wstring title, label, text;
        HWND focused = nullptr, cancel = nullptr;
        dialog.script = [&](HWND window) {
            title = GetWindowString(window);
            label = TextOf(window, IDC_COUNTDOWN);
            focused = GetFocus();
            cancel = GetDlgItem(window, IDCANCEL);
            for (Act act : c.acts) Perform(window, act);
            text = TextOf(window, IDC_COUNTDOWN);
        };
        EXPECT_EQ(dialog.DoModal(), c.result) << c.what;
        EXPECT_EQ(title, L"Shutdown Computer") << c.what;
        EXPECT_EQ(label, L"60 seconds") << c.what;
        EXPECT_EQ(focused, cancel) << c.what;
        EXPECT_EQ(text, c.text) << c.what;
        EXPECT_EQ(port.calls, c.calls) << c.what;
    }
}

TEST_F(RunWindowsStopTip, TheCheckBoxWritesTheOptionOnEveryClick)
{
    const struct {
        const char* what;
        std::vector<Act> acts;
        const wchar_t* stored;
        INT_PTR result;
    } cases[] = {
        {"tick, OK", {Act::Check, Act::Ok}, L"0", IDOK},
        {"tick, clear, OK", {Act::Check, Act::Check, Act::Ok}, L"1", IDOK},
        {"tick, Escape", {Act::Check, Act::Escape}, L"0", IDCANCEL},
        {"tick, clear, tick, close box", {Act::Check, Act::Check, Act::Check, Act::CloseBox}, L"0", IDCANCEL},
        {"OK alone writes nothing", {Act::Ok}, L"(none)", IDOK},
    };
    for (const auto& c : cases) {
        DeleteFileW(g_paths.configFile.c_str());
        StoreOption(L"Other", L"kept");
        Scripted<CStopTipDlg> dialog(profile);
        std::wstring title, box;
        LRESULT startState = -1;
        dialog.script = [&](HWND window) {
            title = GetWindowString(window);
            box = TextOf(window, IDC_DONT_SHOW);
            startState = SendMessageW(GetDlgItem(window, IDC_DONT_SHOW), BM_GETCHECK, 0, 0);
            for (Act act : c.acts) Perform(window, act);
        };
        EXPECT_EQ(dialog.DoModal(), c.result) << c.what;
        EXPECT_EQ(title, L"Tavorin") << c.what;
        EXPECT_EQ(box, L"Don't show this message again") << c.what;
        EXPECT_EQ(startState, BST_UNCHECKED) << c.what;
        EXPECT_EQ(StoredOption(L"UserCtrlTip"), c.stored) << c.what;
        EXPECT_EQ(StoredOption(L"Other"), L"kept") << c.what;
    }
}

}  // namespace
