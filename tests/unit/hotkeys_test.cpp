#include <gtest/gtest.h>

#include <map>

#include "config/config_store.h"
#include "config/hotkeys.h"
#include "config/profile.h"
#include "sim_profile.h"
#include "sim_desktop.h"
#include "sim_prompt.h"

namespace {

TEST(Hotkeys, TextNamesModifiersInCtrlShiftAltOrder)
{
    SimDesktop desktop;
    const struct {
        uint32_t modifiers, vk;
        const wchar_t* text;
    } cases[] = {
        {0, 0, L""},
        {kHotkeyControl, 0x50, L"Ctrl + P"},
        {kHotkeyAlt, 0x70, L"Alt + F1"},
        {kHotkeyShift, 0x71, L"Shift + F2"},
        {7, 0x70, L"Ctrl + Shift + Alt + F1"},
        {kHotkeyAlt | kHotkeyShift, 0x7B, L"Shift + Alt + F12"},
        {kHotkeyControl, 0, L"Ctrl + "},
        {0, 0x41, L"A"},
        {kHotkeyExtended, 0x25, L"Left"},
        {0, 0x25, L"Num 4"},
        {kHotkeyControl | kHotkeyExtended, 0x2E, L"Ctrl + Delete"},
        {0, 0xE8, L""},  // no name in the layout
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatHotkeyText(desktop, c.modifiers, c.vk), c.text) << c.modifiers << "," << c.vk;
}

TEST(Hotkeys, KeyNamesHaveNoLengthLimit)
{
    SimDesktop desktop;
    for (size_t length : {126u, 127u, 128u, 300u, 1000u}) {
        std::wstring name(length, L'n');
        desktop.keyNames[0x1E << 16] = name;
        EXPECT_EQ(GetKeyNameForVk(desktop, 'A', false), name) << length;
    }
}

TEST(Hotkeys, RegisterModifiersDropTheExtendedBit)
{
    EXPECT_EQ(ToRegisterModifiers(0), 0u);
    EXPECT_EQ(ToRegisterModifiers(kHotkeyShift), uint32_t(kModShift));
    EXPECT_EQ(ToRegisterModifiers(kHotkeyControl), uint32_t(kModControl));
    EXPECT_EQ(ToRegisterModifiers(kHotkeyAlt), uint32_t(kModAlt));
    EXPECT_EQ(ToRegisterModifiers(0xFF), uint32_t(kModShift | kModControl | kModAlt));
}

TEST(Hotkeys, DefaultsOfTheFiveKeys)
{
    SimProfile profile;
    SimDesktop desktop;
    const struct {
        const HotkeyKey& key;
        const wchar_t* text;
        int id;
    } cases[] = {
        {kHotkeyStartRecord, L"Alt + F1", 32774}, {kHotkeyStopRecord, L"Shift + F2", 32771},
        {kHotkeyStartRepeat, L"Alt + F3", 32775}, {kHotkeyStopRepeat, L"Alt + F2", 32771},
        {kHotkeyPauseRepeat, L"Ctrl + P", 32793},
    };
    for (const auto& c : cases) {
        HotkeyValue value = ReadHotkey(profile, c.key);
        EXPECT_EQ(FormatHotkeyText(desktop, value.modifiers, value.vk), c.text);
        EXPECT_EQ(c.key.id, c.id);
    }
}

struct RegisterCase {
    const char* what;
    const wchar_t* stored;  // HK_StartRecord, null for absent
    const char* registerCall;
    const wchar_t* caption;
    bool registered;
};

TEST(Hotkeys, RegistrationRule)
{
    const RegisterCase cases[] = {
        {"default", nullptr, "register 32774 1 70", L"Record (Alt + F1)", true},
        {"shift F1", L"70,1", "register 32774 4 70", L"Record (Shift + F1)", true},
        {"extended bit only names", L"25,A", "register 32774 2 25", L"Record (Ctrl + Left)", true},
        {"0,0 stays", L"0,0", "register 32774 0 0", L"Record ()", true},
        {"taken", L"41,2", "register 32774 2 41 taken", L"Record (Ctrl + A)", false},
    };
    for (const RegisterCase& c : cases) {
        SimDesktop desktop;
        desktop.takenHotkeys.insert({kModControl, 0x41});
        SimProfile profile;
        if (c.stored) profile.values[L"HK_StartRecord"] = c.stored;
        SimPrompt prompt;
        std::wstring caption;
        int window = 0;
        bool registered = RegisterHotkeyFromConfig(desktop, profile, prompt, &window, kHotkeyStartRecord,
                                                   [&](const std::wstring& text) {
                                                       caption = L"Record (" + text + L")";
                                                       desktop.calls.push_back("caption");
                                                   });
        EXPECT_EQ(registered, c.registered) << c.what;
        EXPECT_EQ(caption, c.caption) << c.what;
        EXPECT_EQ(desktop.calls, (std::vector<std::string>{"caption", c.registerCall})) << c.what;
        if (c.registered) {
            EXPECT_TRUE(prompt.shown.empty()) << c.what;
        } else {
            EXPECT_EQ(prompt.shown, std::vector<std::wstring>{L"Hotkey 'Ctrl + A' conflict!"}) << c.what;
        }
    }
}

TEST(Hotkeys, SameCombinationTwiceIsAConflict)
{
    SimDesktop desktop;
    SimProfile profile;
    profile.values[L"HK_StartRepeat"] = L"70,4";
    SimPrompt prompt;
    int window = 0;
    auto ignore = [](const std::wstring&) {};
    EXPECT_TRUE(RegisterHotkeyFromConfig(desktop, profile, prompt, &window, kHotkeyStartRecord, ignore));
    EXPECT_FALSE(RegisterHotkeyFromConfig(desktop, profile, prompt, &window, kHotkeyStartRepeat, ignore));
    EXPECT_EQ(prompt.shown, std::vector<std::wstring>{L"Hotkey 'Alt + F1' conflict!"});
}

}  // namespace
