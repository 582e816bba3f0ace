// The simulated desktop that playback and capture tests stand on.
#include <gtest/gtest.h>

#include "sim_desktop.h"

namespace {

TEST(SimDesktop, ScriptedActionsHappenWhenTheClockGetsThere)
{
    SimDesktop desktop;
    int window = 0;
    std::vector<int> hotkeys;
    desktop.onHotkey = [&](WindowHandle, int id) { hotkeys.push_back(id); };
    ASSERT_TRUE(desktop.RegisterHotkey(&window, 32771, kModAlt, 0x71));
    desktop.MoveCursorAt(100, 5, 6);
    desktop.PressHotkeyAt(120, 32771);
    desktop.PressHotkeyAt(130, 999);  // not registered: nobody gets it

    desktop.SleepMs(50);
    desktop.PumpWaitingMessages();
    EXPECT_EQ(desktop.GetCursor().x, 0);
    EXPECT_TRUE(hotkeys.empty());

    desktop.SleepMs(50);
    EXPECT_EQ(desktop.Ticks(), 100u);
    EXPECT_EQ(desktop.GetCursor().x, 5);
    EXPECT_EQ(desktop.GetCursor().y, 6);

    desktop.SleepMs(50);
    EXPECT_TRUE(hotkeys.empty()) << "a hotkey arrives with the next pump";
    desktop.PumpWaitingMessages();
    EXPECT_EQ(hotkeys, std::vector<int>{32771});
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"register 32771 1 71", "sleep 50", "pump", "sleep 50",
                                                       "sleep 50", "pump"}));
}

TEST(SimDesktop, InjectionMovesTheCursorAsTheSystemDecodesIt)
{
    SimDesktop desktop;
    desktop.MouseEvent(kMouseMove | kMouseAbsolute, 32768, 65535, 0);
    EXPECT_EQ(desktop.GetCursor().x, 512);
    EXPECT_EQ(desktop.GetCursor().y, 767);
    desktop.KeyEvent(0x41, 0x1E, kKeyUp);
    desktop.SetCursor(3, 4);
    EXPECT_EQ(desktop.Injected(), (std::vector<std::string>{"mouse 8001 32768 65535 0", "key 41 1E 2", "cursor 3 4"}));
}

TEST(SimDesktop, TakenHotkeysAndFailingHooks)
{
    SimDesktop desktop;
    int window = 0;
    desktop.takenHotkeys.insert({kModControl, 0x50});
    EXPECT_FALSE(desktop.RegisterHotkey(&window, 1, kModControl, 0x50));
    desktop.keyboardHookError = 5;
    uint32_t error = 0;
    EXPECT_TRUE(desktop.InstallHook(InputHook::Mouse, &error));
    EXPECT_FALSE(desktop.InstallHook(InputHook::Keyboard, &error));
    EXPECT_EQ(error, 5u);
    EXPECT_TRUE(desktop.mouseHookInstalled);
    EXPECT_FALSE(desktop.keyboardHookInstalled);
}

}  // namespace
