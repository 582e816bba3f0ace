#include <gtest/gtest.h>

#include <map>

#include "app/main_window.h"
#include "config/profile.h"
#include "resources/resource.h"
#include "sim_profile.h"
#include "sim_desktop.h"
#include "sim_dialog_controls.h"
#include "sim_prompt.h"

namespace {

TEST(MainWindow, StartsWithOneRepeatAndNoDelay)
{
    SimDialogControls controls;
    ResetRepeatControls(controls);
    UpdateRepeatControls(controls);
    UpdateDelayControls(controls);
    EXPECT_TRUE(controls.IsChecked(IDC_MODE_ONCE));
    EXPECT_EQ(controls.GetText(IDC_TIMES), L"1");
    EXPECT_EQ(controls.GetText(IDC_DURATION), L"1");
    EXPECT_EQ(controls.GetText(IDC_DELAY_SECONDS), L"0");
    EXPECT_EQ(controls.GetSelection(IDC_DURATION_UNIT), 2);
    EXPECT_EQ(kDurationUnits[2], std::wstring(L"minute"));
    for (int id : {IDC_TIMES, IDC_DURATION, IDC_DURATION_UNIT, IDC_DELAY_HOURS, IDC_DELAY_MINUTES, IDC_DELAY_SECONDS,
                   IDC_DELAY_RANDOM})
        EXPECT_FALSE(controls.IsEnabled(id)) << id;
}

TEST(MainWindow, EnablingFollowsTheChoices)
{
    const struct {
        int mode;
        bool times, duration;
    } cases[] = {{IDC_MODE_ONCE, false, false}, {IDC_MODE_TIMES, true, false}, {IDC_MODE_DURATION, false, true}};
    for (const auto& c : cases) {
        SimDialogControls controls;
        controls.SetChecked(c.mode, true);
        UpdateRepeatControls(controls);
        EXPECT_EQ(controls.IsEnabled(IDC_TIMES), c.times) << c.mode;
        EXPECT_EQ(controls.IsEnabled(IDC_DURATION), c.duration) << c.mode;
        EXPECT_EQ(controls.IsEnabled(IDC_DURATION_UNIT), c.duration) << c.mode;
        EXPECT_TRUE(controls.IsEnabled(IDC_TIMES_SPIN)) << "spinners are never disabled";
        EXPECT_EQ(controls.redrawn, (std::vector<int>{IDC_TIMES_SPIN, IDC_DURATION_SPIN}));
    }
    SimDialogControls controls;
    controls.SetChecked(IDC_DELAY, true);
    UpdateDelayControls(controls);
    for (int id : {IDC_DELAY_HOURS, IDC_DELAY_MINUTES, IDC_DELAY_SECONDS, IDC_DELAY_RANDOM})
        EXPECT_TRUE(controls.IsEnabled(id)) << id;
    EXPECT_EQ(controls.redrawn,
              (std::vector<int>{IDC_DELAY_HOURS_SPIN, IDC_DELAY_MINUTES_SPIN, IDC_DELAY_SECONDS_SPIN}));
}

TEST(MainWindow, ColumnWidthsAreTruncatedShares)
{
    EXPECT_EQ(RecordListColumnWidths(400).name, 100);
    EXPECT_EQ(RecordListColumnWidths(400).location, 284);
    EXPECT_EQ(RecordListColumnWidths(623).name, 155);
    EXPECT_EQ(RecordListColumnWidths(623).location, 442);
}

TEST(MainWindow, HotkeysNameTheButtonsAndReRegister)
{
    SimDesktop desktop;
    SimProfile profile;
    SimPrompt prompt;
    SimDialogControls controls;
    int window = 0;
    RegisterMainHotkeys(desktop, profile, prompt, &window, controls);
    EXPECT_EQ(controls.GetText(IDC_RECORD), L"Record (Alt + F1)");
    EXPECT_EQ(controls.GetText(IDC_REPEAT), L"Repeat (Alt + F3)");
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"unregister 32774", "unregister 32775", "register 32774 1 70",
                                                       "register 32775 1 72"}));

    // After Options: the new values, and a conflict on the first does not
    // keep the second from registering.
    profile.values[L"HK_StartRecord"] = L"72,4";
    profile.values[L"HK_StartRepeat"] = L"41,3";
    desktop.calls.clear();
    desktop.UnregisterHotkey(&window, 32774);
    desktop.takenHotkeys.insert({kModAlt, 0x72});
    RegisterMainHotkeys(desktop, profile, prompt, &window, controls);
    EXPECT_EQ(controls.GetText(IDC_RECORD), L"Record (Alt + F3)");
    EXPECT_EQ(controls.GetText(IDC_REPEAT), L"Repeat (Ctrl + Shift + A)");
    EXPECT_EQ(prompt.shown, std::vector<std::wstring>{L"Hotkey 'Alt + F3' conflict!"});
    EXPECT_TRUE(desktop.IsRegistered(&window, 32775));
}

TEST(MainWindow, HotkeyRouting)
{
    EXPECT_EQ(MainHotkeyActionFor(32774, false), MainHotkeyAction::Record);
    EXPECT_EQ(MainHotkeyActionFor(32775, false), MainHotkeyAction::Repeat);
    EXPECT_EQ(MainHotkeyActionFor(32774, true), MainHotkeyAction::None);
    EXPECT_EQ(MainHotkeyActionFor(32775, true), MainHotkeyAction::None);
    EXPECT_EQ(MainHotkeyActionFor(1, false), MainHotkeyAction::None);
}

}  // namespace
