// The five global hotkeys: stored value, display text, registration.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "capture/desktop_input.h"

class Profile;
class Prompt;

// Modifier bits in the hotkey control's encoding.
enum : uint32_t {
    kHotkeyShift = 0x01,
    kHotkeyControl = 0x02,
    kHotkeyAlt = 0x04,
    kHotkeyExtended = 0x08,
};

struct HotkeyValue {
    uint32_t vk = 0;
    uint32_t modifiers = 0;
};

// One stored hotkey: its key in "Option", its default and its id.
struct HotkeyKey {
    const wchar_t* key;
    HotkeyValue fallback;
    int id;
};

extern const HotkeyKey kHotkeyStartRecord;
extern const HotkeyKey kHotkeyStopRecord;
extern const HotkeyKey kHotkeyStartRepeat;
extern const HotkeyKey kHotkeyStopRepeat;
extern const HotkeyKey kHotkeyPauseRepeat;

HotkeyValue ReadHotkey(Profile& profile, const HotkeyKey& key);

// The layout's name of a key; no length limit.
std::wstring GetKeyNameForVk(DesktopInput& desktop, uint32_t vk, bool extended);
// "Ctrl + Shift + Alt + F1"; empty when both numbers are 0.
std::wstring FormatHotkeyText(DesktopInput& desktop, uint32_t modifiers, uint32_t vk);
// Hotkey-control modifiers to RegisterHotKey's; the extended bit is dropped.
uint32_t ToRegisterModifiers(uint32_t modifiers);

// The rule every window follows: read the value, show its text through
// `showText`, register it, and tell the user "Hotkey '%s' conflict!" when the
// combination is taken. True when registered.
bool RegisterHotkeyFromConfig(DesktopInput& desktop, Profile& profile, Prompt& prompt, WindowHandle window,
                              const HotkeyKey& key, const std::function<void(const std::wstring&)>& showText);
