// The Win32 desktop for real: injected input reaches the low-level hooks and
// registered hotkeys.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "capture/desktop_input_win32.h"
#include "capture/hook_mapping.h"
#include "config/hotkeys.h"
#include "model/record_list.h"

namespace {

// Dispatches messages for `ms`, or until `done` says so.
template <class Done>
void PumpUntil(Win32Desktop& desktop, DWORD ms, Done done)
{
    DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < ms) {
        desktop.PumpWaitingMessages();
        Sleep(5);
    }
}

// dx for mouse_event such that the system's decoding gives back pixel x.
int32_t Normalised(int32_t x, int32_t size)
{
    return static_cast<int32_t>((static_cast<int64_t>(x) * 65536 + size - 1) / size);
}

class HookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_recordList.clear();
        SetRecordingClock(&desktop);
        uint32_t error = 0;
        ASSERT_TRUE(desktop.InstallHook(InputHook::Mouse, &error)) << error;
        ASSERT_TRUE(desktop.InstallHook(InputHook::Keyboard, &error)) << error;
    }
    void TearDown() override
    {
        desktop.RemoveHook(InputHook::Mouse);
        desktop.RemoveHook(InputHook::Keyboard);
        SetRecordingClock(nullptr);
        g_recordList.clear();
    }
    Win32Desktop desktop;
};

TEST_F(HookTest, InjectedInputIsRecorded)
{
    const int32_t x = 100, y = 200;
    desktop.MouseEvent(kMouseMove | kMouseAbsolute, Normalised(x, desktop.ScreenWidth()),
                       Normalised(y, desktop.ScreenHeight()), 0);
    const uint32_t clicks[] = {kMouseLeftDown, kMouseLeftUp, kMouseRightDown, kMouseRightUp, kMouseMiddleDown,
                               kMouseMiddleUp};
    for (uint32_t flags : clicks) desktop.MouseEvent(flags, 0, 0, 0);
    desktop.MouseEvent(kMouseWheel, 0, 0, 120);
    desktop.MouseEvent(kMouseWheel, 0, 0, -120);
    desktop.KeyEvent('A', static_cast<uint8_t>(desktop.ScanCodeOf('A')), 0);
    desktop.KeyEvent('A', static_cast<uint8_t>(desktop.ScanCodeOf('A')), kKeyUp);
    desktop.KeyEvent(VK_LMENU, static_cast<uint8_t>(desktop.ScanCodeOf(VK_LMENU)), 0);
    desktop.KeyEvent(VK_LMENU, static_cast<uint8_t>(desktop.ScanCodeOf(VK_LMENU)), kKeyUp);

    const uint16_t expected[] = {EV_LBUTTONDOWN, EV_LBUTTONUP, EV_RBUTTONDOWN, EV_RBUTTONUP, EV_MBUTTONDOWN,
                                 EV_MBUTTONUP,   EV_MOUSEWHEEL, EV_MOUSEWHEEL, EV_KEYDOWN,    EV_KEYUP,
                                 EV_KEYDOWN,     EV_KEYUP};
    std::vector<INPUTEVENT> seen;
    PumpUntil(desktop, 5000, [&] {
        seen.clear();
        for (const INPUTEVENT& ev : g_recordList)
            if (ev.type != EV_MOUSEMOVE) seen.push_back(ev);
        return seen.size() >= sizeof(expected) / sizeof(expected[0]);
    });
    ASSERT_EQ(seen.size(), sizeof(expected) / sizeof(expected[0]));
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].type, expected[i]) << i;
        if (seen[i].type < EV_KEYDOWN) {
            EXPECT_EQ(seen[i].x, x) << i;
            EXPECT_EQ(seen[i].y, y) << i;
        }
    }
    EXPECT_EQ(seen[6].wheelDelta, 120);
    EXPECT_EQ(seen[7].wheelDelta, -120);
    EXPECT_EQ(seen[8].x, 'A');
    EXPECT_EQ(seen[9].x, 'A');
    EXPECT_EQ(seen[10].x, VK_LMENU);
    EXPECT_EQ(g_recordList.front().type, EV_MOUSEMOVE) << "the move comes first";
    EXPECT_EQ(g_recordList.front().x, x);
    EXPECT_EQ(g_recordList.front().y, y);
    EXPECT_EQ(g_recordList.back().delay, 0u);
}

TEST_F(HookTest, HooksPassInputOn)
{
    // The cursor still moves while the hooks observe it.
    desktop.MouseEvent(kMouseMove | kMouseAbsolute, Normalised(300, desktop.ScreenWidth()),
                       Normalised(310, desktop.ScreenHeight()), 0);
    PumpUntil(desktop, 2000, [&] { return desktop.GetCursor().x == 300; });
    EXPECT_EQ(desktop.GetCursor().x, 300);
    EXPECT_EQ(desktop.GetCursor().y, 310);
}

std::vector<WPARAM> g_hotkeysSeen;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HOTKEY) g_hotkeysSeen.push_back(wParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateProbeWindow()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TavorinTestProbe";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(window);
    return window;
}

TEST(Hotkeys, RegisteredHotkeyArrivesAndATakenOneConflicts)
{
    Win32Desktop desktop;
    HWND window = CreateProbeWindow();
    HWND other = CreateProbeWindow();
    ASSERT_NE(window, nullptr);
    const int id = 32774;
    ASSERT_TRUE(desktop.RegisterHotkey(window, id, kModControl | kModAlt, VK_F9));
    EXPECT_FALSE(desktop.RegisterHotkey(other, id, kModControl | kModAlt, VK_F9)) << "the combination is taken";

    g_hotkeysSeen.clear();
    SetForegroundWindow(window);
    const BYTE keys[] = {VK_CONTROL, VK_MENU, VK_F9};
    for (BYTE vk : keys) desktop.KeyEvent(vk, static_cast<uint8_t>(desktop.ScanCodeOf(vk)), 0);
    for (int i = 2; i >= 0; --i) desktop.KeyEvent(keys[i], static_cast<uint8_t>(desktop.ScanCodeOf(keys[i])), kKeyUp);
    PumpUntil(desktop, 3000, [] { return !g_hotkeysSeen.empty(); });
    ASSERT_EQ(g_hotkeysSeen.size(), 1u);
    EXPECT_EQ(g_hotkeysSeen[0], static_cast<WPARAM>(id));

    desktop.UnregisterHotkey(window, id);
    EXPECT_TRUE(desktop.RegisterHotkey(other, id, kModControl | kModAlt, VK_F9)) << "free again";
    desktop.UnregisterHotkey(other, id);
    DestroyWindow(window);
    DestroyWindow(other);
}

TEST(Hotkeys, KeyNamesComeFromTheLayout)
{
    Win32Desktop desktop;
    EXPECT_EQ(GetKeyNameForVk(desktop, VK_F1, false), L"F1");
    EXPECT_EQ(GetKeyNameForVk(desktop, 'P', false), L"P");
    std::wstring ctrl = GetKeyNameForVk(desktop, VK_CONTROL, false);
    EXPECT_FALSE(ctrl.empty());
    EXPECT_EQ(FormatHotkeyText(desktop, kHotkeyControl, 'P'), ctrl + L" + P");
    EXPECT_NE(GetKeyNameForVk(desktop, VK_LEFT, true), GetKeyNameForVk(desktop, VK_LEFT, false))
        << "the extended bit names the arrow, not the keypad key";
}

}  // namespace
