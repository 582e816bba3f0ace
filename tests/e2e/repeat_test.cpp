// Repeating a record in the real program: what a probe window receives, the
// progress window, the stop and pause hotkeys, a hand on the mouse, and the
// shutdown countdown.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "capture/desktop_input_win32.h"
#include "config/hotkeys.h"
#include "program_fixture.h"

namespace {

std::vector<std::wstring> g_probeLog;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    wchar_t line[64] = {};
    switch (message) {
    case WM_LBUTTONDOWN: swprintf(line, 64, L"left down %d %d", LOWORD(lParam), HIWORD(lParam)); break;
    case WM_LBUTTONUP: swprintf(line, 64, L"left up %d %d", LOWORD(lParam), HIWORD(lParam)); break;
    case WM_RBUTTONDOWN: swprintf(line, 64, L"right down %d %d", LOWORD(lParam), HIWORD(lParam)); break;
    case WM_RBUTTONUP: swprintf(line, 64, L"right up %d %d", LOWORD(lParam), HIWORD(lParam)); break;
    case WM_KEYDOWN: swprintf(line, 64, L"key down %X", static_cast<unsigned>(wParam)); break;
    case WM_KEYUP: swprintf(line, 64, L"key up %X", static_cast<unsigned>(wParam)); break;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
    g_probeLog.push_back(line);
    return 0;
}

// A window of the test program that logs the input it receives.
HWND CreateProbe()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"TavorinProbe";
    RegisterClassW(&wc);
    HWND probe = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"probe", WS_POPUP | WS_VISIBLE | WS_BORDER, 100,
                                 100, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(probe);
    PumpOwnMessages();
    return probe;
}

void PressKeys(std::initializer_list<BYTE> keys)
{
    Win32Desktop desktop;
    std::vector<BYTE> pressed(keys);
    for (BYTE vk : pressed) desktop.KeyEvent(vk, static_cast<uint8_t>(desktop.ScanCodeOf(vk)), 0);
    for (auto it = pressed.rbegin(); it != pressed.rend(); ++it)
        desktop.KeyEvent(*it, static_cast<uint8_t>(desktop.ScanCodeOf(*it)), kKeyUp);
}

class RepeatTest : public ProgramTest {
protected:
    void SetUp() override
    {
        g_probeLog.clear();
        probe = CreateProbe();
        ProgramTest::SetUp();
    }
    void TearDown() override
    {
        // Never leave a countdown running: it would end in a shutdown.
        ProgramTest::TearDown();
        DestroyWindow(probe);
    }
    // Makes `events` the record "a" and starts repeating it.
    void Repeat(const EventList& events)
    {
        SaveRecord(records.File(L"a.tvmc"), L"", events);
        ListSelectRow(list, RowOf(L"a"));
        PostMessageW(main, WM_COMMAND, IDC_REPEAT, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); })) << "the main window hides";
    }
    // Hiding the main window can take Wine a while without a window
    // manager; the progress window, shown or not, comes after it.
    HWND ProgressWindow(bool visible = true)
    {
        HWND found = nullptr;
        WaitFor([&] {
            found = FindDialog(program.Id(), L"", 100, visible);
            return found && GetDlgItem(found, IDC_PROGRESS);
        });
        return found;
    }
    bool MainBack(DWORD ms = 15000)
    {
        return WaitFor([&] { return IsWindowVisible(main) != 0; }, ms);
    }
    HWND probe = nullptr;
};

POINT OnProbe(HWND probe, int x, int y)
{
    POINT pt = {x, y};
    ClientToScreen(probe, &pt);
    return pt;
}

TEST_F(RepeatTest, PlaysIntoTheProbeAndComesBack)
{
    POINT a = OnProbe(probe, 40, 30), b = OnProbe(probe, 120, 90);
    auto at = [](POINT p, uint16_t type, uint32_t delay) {
        return INPUTEVENT{type, static_cast<uint16_t>(p.x), static_cast<uint16_t>(p.y), 0, delay};
    };
    Repeat({at(a, EV_MOUSEMOVE, 60), at(a, EV_LBUTTONDOWN, 60), at(a, EV_LBUTTONUP, 60),
            {EV_KEYDOWN, 'T', 0, 0, 40}, {EV_KEYUP, 'T', 0, 0, 40}, at(b, EV_MOUSEMOVE, 60),
            at(b, EV_RBUTTONDOWN, 60), at(b, EV_RBUTTONUP, 1500), {EV_KEYDOWN, VK_LEFT, 0, 0, 40},
            {EV_KEYUP, VK_LEFT, 0, 0, 0}});
    HWND progress = ProgressWindow();
    ASSERT_NE(progress, nullptr);
    Win32Desktop desktop;
    EXPECT_TRUE(WaitFor([&] { return ItemText(progress, IDC_STATUS) == L"Repeat 1 times, current 1"; }));
    EXPECT_EQ(ItemText(progress, IDC_STOP_HINT),
              L"Press " + FormatHotkeyText(desktop, kHotkeyAlt, VK_F2) + L" to Stop");
    std::wcout << L"screenshot: " << SaveScreenshot(progress, L"progress-window") << std::endl;
    ASSERT_TRUE(MainBack());
    EXPECT_EQ(g_probeLog, (std::vector<std::wstring>{L"left down 40 30", L"left up 40 30", L"key down 54",
                                                     L"key up 54", L"right down 120 90", L"right up 120 90",
                                                     L"key down 25", L"key up 25", L"key up 10", L"key up 11",
                                                     L"key up 12"}))
        << "and after the pass, Shift, Ctrl and Alt are released";
    EXPECT_FALSE(IsWindow(progress)) << "the progress window is gone";
}

TEST_F(RepeatTest, StopHotkeyEndsTheRun)
{
    Repeat({{EV_KEYDOWN, VK_F13, 0, 0, 20000}, {EV_KEYUP, VK_F13, 0, 0, 0}});
    ASSERT_NE(ProgressWindow(), nullptr);
    Sleep(500);
    SetForegroundWindow(probe);
    PressKeys({VK_MENU, VK_F2});
    EXPECT_TRUE(MainBack(5000)) << "Alt+F2 stops the run at once";
    EXPECT_FALSE(program.WaitForExit(0));
}

TEST_F(RepeatTest, PauseHotkeyHoldsAndReleasesTheRun)
{
    Repeat({{EV_KEYDOWN, VK_F13, 0, 0, 1500}, {EV_KEYUP, VK_F13, 0, 0, 0}});
    HWND progress = ProgressWindow();
    ASSERT_NE(progress, nullptr);
    Sleep(500);
    SetForegroundWindow(probe);
    PressKeys({VK_CONTROL, 'P'});
    Win32Desktop desktop;
    std::wstring paused = L"Paused, Press " + FormatHotkeyText(desktop, kHotkeyControl, 'P') + L" to Continue";
    ASSERT_TRUE(WaitFor([&] { return ItemText(progress, IDC_STATUS) == paused; }, 5000));
    Sleep(2000);
    EXPECT_FALSE(IsWindowVisible(main)) << "held past the record's length";
    PressKeys({VK_CONTROL, 'P'});
    EXPECT_TRUE(MainBack(8000));
}

TEST_F(RepeatTest, HandMoveStopsWithTheNotice)
{
    Repeat({{EV_KEYDOWN, VK_F13, 0, 0, 20000}, {EV_KEYUP, VK_F13, 0, 0, 0}});
    ASSERT_NE(ProgressWindow(), nullptr);
    Sleep(800);  // past the quiet start
    POINT pt;
    GetCursorPos(&pt);
    SetCursorPos(pt.x + 200, pt.y + 150);
    HWND notice = FindDialog(program.Id(), L"Tavorin", 8000);
    ASSERT_NE(notice, nullptr);
    EXPECT_NE(GetDlgItem(notice, IDC_DONT_SHOW), nullptr);
    std::wcout << L"screenshot: " << SaveScreenshot(notice, L"user-control-notice") << std::endl;
    PostMessageW(notice, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(MainBack());
}

TEST_F(RepeatTest, HiddenProgressWindowStillTakesTheStopHotkey)
{
    WritePrivateProfileStringW(L"Option", L"NoProgWnd", L"1", ConfigFile().c_str());
    Repeat({{EV_KEYDOWN, VK_F13, 0, 0, 20000}, {EV_KEYUP, VK_F13, 0, 0, 0}});
    HWND progress = ProgressWindow(false);
    ASSERT_NE(progress, nullptr);
    Sleep(500);
    EXPECT_FALSE(IsWindowVisible(progress));
    SetForegroundWindow(probe);
    PressKeys({VK_MENU, VK_F2});
    EXPECT_TRUE(MainBack(5000));
}

TEST_F(RepeatTest, ShutdownCountdownIsShownAndCancelled)
{
    SendMessageW(GetDlgItem(main, IDC_SHUTDOWN), BM_CLICK, 0, 0);
    Repeat({{EV_KEYDOWN, VK_F13, 0, 0, 100}, {EV_KEYUP, VK_F13, 0, 0, 0}});
    HWND countdown = FindDialog(program.Id(), L"Shutdown Computer");
    ASSERT_NE(countdown, nullptr);
    EXPECT_FALSE(ItemText(countdown, IDC_COUNTDOWN).empty());
    std::wcout << L"screenshot: " << SaveScreenshot(countdown, L"shutdown-countdown") << std::endl;
    PostMessageW(countdown, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(MainBack());
}

}  // namespace

namespace {

// Recording in the real program, with input injected from here.
class RecordTest : public RepeatTest {
protected:
    HWND StartRecording()
    {
        PostMessageW(main, WM_COMMAND, IDC_RECORD, 0);
        HWND stop = nullptr;
        WaitFor([&] {
            stop = FindWindowW(L"TavorinStopWindow", nullptr);
            return stop && IsWindowVisible(stop);
        });
        Sleep(300);
        return stop;
    }
    void Click(POINT at, uint32_t down, uint32_t up)
    {
        desktop.SetCursor(at.x, at.y);
        desktop.MouseEvent(kMouseMove | kMouseAbsolute, Normalised(at.x, desktop.ScreenWidth()),
                           Normalised(at.y, desktop.ScreenHeight()), 0);
        Pause();
        desktop.MouseEvent(down, 0, 0, 0);
        Pause();
        desktop.MouseEvent(up, 0, 0, 0);
        Pause();
    }
    void Key(BYTE vk)
    {
        desktop.KeyEvent(vk, static_cast<uint8_t>(desktop.ScanCodeOf(vk)), 0);
        Pause();
        desktop.KeyEvent(vk, static_cast<uint8_t>(desktop.ScanCodeOf(vk)), kKeyUp);
        Pause();
    }
    void Pause() { WaitFor([] { return false; }, 60); }
    static int32_t Normalised(int32_t x, int32_t size)
    {
        return static_cast<int32_t>((static_cast<int64_t>(x) * 65536 + size - 1) / size);
    }
    Win32Desktop desktop;
};

TEST_F(RecordTest, RecordsInjectedInputStoppedByTheButton)
{
    HWND stop = StartRecording();
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(ItemText(stop, IDC_STOP), L"Stop (" + FormatHotkeyText(desktop, kHotkeyShift, VK_F2) + L")");
    std::wcout << L"screenshot: " << SaveScreenshot(stop, L"stop-window") << std::endl;

    POINT at = OnProbe(probe, 50, 40);
    Click(at, kMouseLeftDown, kMouseLeftUp);
    Click(at, kMouseRightDown, kMouseRightUp);
    Click(at, kMouseMiddleDown, kMouseMiddleUp);
    desktop.MouseEvent(kMouseWheel, 0, 0, 120);
    Pause();
    desktop.MouseEvent(kMouseWheel, 0, 0, -120);
    Pause();
    Key('A');
    Key(VK_LMENU);  // a system key
    RECT button;
    GetWindowRect(GetDlgItem(stop, IDC_STOP), &button);
    Click({(button.left + button.right) / 2, (button.top + button.bottom) / 2}, kMouseLeftDown, kMouseLeftUp);

    HWND save = FindDialog(program.Id(), L"Save Record");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(ItemText(save, IDC_RECORD_NAME), L"NewRecord3") << "two rows: the third record";
    SendMessageW(GetDlgItem(save, IDC_RECORD_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"captured"));
    PostMessageW(save, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return RowOf(L"captured") >= 0; }));

    std::wstring error, description;
    EventList events;
    ASSERT_TRUE(LoadRecordFile(&error, records.File(L"captured.tvmc"), &description, &events)) << error;
    std::vector<INPUTEVENT> seen;
    for (const INPUTEVENT& ev : events)
        if (ev.type != EV_MOUSEMOVE) seen.push_back(ev);
    const uint16_t expected[] = {EV_LBUTTONDOWN, EV_LBUTTONUP, EV_RBUTTONDOWN, EV_RBUTTONUP, EV_MBUTTONDOWN,
                                 EV_MBUTTONUP,   EV_MOUSEWHEEL, EV_MOUSEWHEEL, EV_KEYDOWN,    EV_KEYUP,
                                 EV_KEYDOWN,     EV_KEYUP,      EV_LBUTTONDOWN, EV_LBUTTONUP};
    ASSERT_EQ(seen.size(), sizeof(expected) / sizeof(expected[0]));
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].type, expected[i]) << i;
        if (i < 8) {
            EXPECT_EQ(seen[i].x, at.x) << i;
            EXPECT_EQ(seen[i].y, at.y) << i;
        }
    }
    EXPECT_EQ(seen[6].wheelDelta, 120);
    EXPECT_EQ(seen[7].wheelDelta, -120);
    EXPECT_EQ(seen[8].x, 'A');
    EXPECT_EQ(seen[10].x, VK_LMENU);
    EXPECT_GE(seen[12].x, button.left) << "the stop click stays in the record";
    EXPECT_LT(seen[12].x, button.right);
    for (size_t i = 0; i + 1 < events.size(); ++i) EXPECT_LT(events[i].delay, 2000u) << i;
    EXPECT_EQ(events.back().delay, 0u);
    EXPECT_TRUE(MainBack());
}

TEST_F(RecordTest, StopHotkeyEndsTheRecording)
{
    HWND stop = StartRecording();
    ASSERT_NE(stop, nullptr);
    Key('B');
    SetForegroundWindow(probe);
    PressKeys({VK_SHIFT, VK_F2});
    HWND save = FindDialog(program.Id(), L"Save Record");
    ASSERT_NE(save, nullptr);
    PostMessageW(save, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(MainBack());
    EXPECT_EQ(ListRowCount(list), 2) << "cancelled: nothing saved";
}

// Saves the recording that the Save Record dialog offers under `name`.
void SaveOffered(const ProgramProcess& program, const std::wstring& name)
{
    HWND save = FindDialog(program.Id(), L"Save Record");
    ASSERT_NE(save, nullptr);
    SendMessageW(GetDlgItem(save, IDC_RECORD_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    PostMessageW(save, WM_COMMAND, IDOK, 0);
}

TEST_F(RecordTest, RecordedSessionReplaysTheSameInput)
{
    HWND stop = StartRecording();
    ASSERT_NE(stop, nullptr);
    Click(OnProbe(probe, 30, 20), kMouseLeftDown, kMouseLeftUp);
    Key('R');
    Click(OnProbe(probe, 200, 150), kMouseRightDown, kMouseRightUp);
    RECT button;
    GetWindowRect(GetDlgItem(stop, IDC_STOP), &button);
    Click({(button.left + button.right) / 2, (button.top + button.bottom) / 2}, kMouseLeftDown, kMouseLeftUp);
    SaveOffered(program, L"roundtrip");
    ASSERT_TRUE(WaitFor([&] { return RowOf(L"roundtrip") >= 0; }));
    ASSERT_TRUE(MainBack());
    std::vector<std::wstring> recorded = g_probeLog;
    ASSERT_EQ(recorded.size(), 6u) << "the probe saw the session while it was recorded";

    g_probeLog.clear();
    ListSelectRow(list, RowOf(L"roundtrip"));
    PostMessageW(main, WM_COMMAND, IDC_REPEAT, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));
    ASSERT_TRUE(MainBack());
    // The replayed stop click lands where the stop window was and takes the
    // focus along, so the releases after the pass go there, not here.
    EXPECT_EQ(g_probeLog, recorded);
}

TEST_F(RecordTest, RecordsRealInputFromTheXServer)
{
    HWND stop = StartRecording();
    ASSERT_NE(stop, nullptr);
    SetForegroundWindow(probe);
    POINT at = OnProbe(probe, 60, 70);
    // xdotool is a Unix program; Wine starts it directly.
    wchar_t command[256];
    swprintf(command, 256, L"Z:\\usr\\bin\\xdotool mousemove %ld %ld click 1 key b", at.x, at.y);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    ASSERT_TRUE(CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
    WaitFor([&] { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; });
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    WaitFor([] { return false; }, 1000);
    PressKeys({VK_SHIFT, VK_F2});
    SaveOffered(program, L"xinput");
    ASSERT_TRUE(WaitFor([&] { return RowOf(L"xinput") >= 0; }));

    std::wstring error, description;
    EventList events;
    ASSERT_TRUE(LoadRecordFile(&error, records.File(L"xinput.tvmc"), &description, &events)) << error;
    bool click = false, key = false;
    for (const INPUTEVENT& ev : events) {
        if (ev.type == EV_LBUTTONDOWN && ev.x == at.x && ev.y == at.y) click = true;
        if (ev.type == EV_KEYDOWN && ev.x == 'B') key = true;
    }
    EXPECT_TRUE(click) << "the X click, at its place";
    EXPECT_TRUE(key) << "the X key";
    EXPECT_EQ(std::count(g_probeLog.begin(), g_probeLog.end(), L"key down 42"), 1) << "and the probe still got it";
}

TEST_F(RecordTest, TakenStopHotkeyIsToldAndTheButtonStillStops)
{
    // The main window holds Alt+F1 already.
    WritePrivateProfileStringW(L"Option", L"HK_StopRecord", L"70,4", ConfigFile().c_str());
    PostMessageW(main, WM_COMMAND, IDC_RECORD, 0);
    HWND box = FindDialog(program.Id(), L"Tavorin");
    ASSERT_NE(box, nullptr);
    Win32Desktop names;
    EXPECT_EQ(ItemText(box, 0xFFFF), L"Hotkey '" + FormatHotkeyText(names, kHotkeyAlt, VK_F1) + L"' conflict!");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    HWND stop = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        stop = FindWindowW(L"TavorinStopWindow", nullptr);
        return stop && IsWindowVisible(stop);
    }));
    WaitFor([] { return false; }, 500);
    RECT button;
    GetWindowRect(GetDlgItem(stop, IDC_STOP), &button);
    Click({(button.left + button.right) / 2, (button.top + button.bottom) / 2}, kMouseLeftDown, kMouseLeftUp);
    HWND save = FindDialog(program.Id(), L"Save Record");
    ASSERT_NE(save, nullptr);
    PostMessageW(save, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(MainBack());
}

TEST_F(RecordTest, NoInputForFiveSecondsDropsTheRecording)
{
    // Wine reports a window appearing or vanishing under a resting cursor to
    // the hooks as a mouse move: rest it where no window of the test comes
    // or goes (bottom left; the stop window opens bottom right).
    SetCursorPos(10, GetSystemMetrics(SM_CYSCREEN) - 10);
    WaitFor([] { return false; }, 1500);  // until Wine has reported that move too
    ASSERT_NE(StartRecording(), nullptr);
    EXPECT_TRUE(MainBack(9000));
    EXPECT_EQ(FindDialog(program.Id(), L"Save Record", 1500), nullptr);
    EXPECT_EQ(FindWindowW(L"TavorinStopWindow", nullptr), nullptr);
}

TEST_F(RecordTest, StartRecordingHotkeyDuringARecordingChangesNothing)
{
    HWND stop = StartRecording();
    ASSERT_NE(stop, nullptr);
    Key('C');
    SetForegroundWindow(probe);
    PressKeys({VK_MENU, VK_F1});  // Start Recording
    Pause();
    EXPECT_EQ(FindWindowW(L"TavorinStopWindow", nullptr), stop) << "the same recording goes on";
    PressKeys({VK_SHIFT, VK_F2});
    HWND save = FindDialog(program.Id(), L"Save Record");
    ASSERT_NE(save, nullptr);
    PostMessageW(save, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(MainBack());
}

}  // namespace
