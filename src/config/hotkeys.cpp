#include "config/hotkeys.h"

#include <vector>

#include "base/text.h"
#include "config/config_store.h"
#include "ui/prompt.h"

const HotkeyKey kHotkeyStartRecord = {L"HK_StartRecord", {0x70, kHotkeyAlt}, 32774};
const HotkeyKey kHotkeyStopRecord = {L"HK_StopRecord", {0x71, kHotkeyShift}, 32771};
const HotkeyKey kHotkeyStartRepeat = {L"HK_StartRepeat", {0x72, kHotkeyAlt}, 32775};
const HotkeyKey kHotkeyStopRepeat = {L"HK_StopRepeat", {0x71, kHotkeyAlt}, 32771};
const HotkeyKey kHotkeyPauseRepeat = {L"HK_PauseRepeat", {0x50, kHotkeyControl}, 32793};

HotkeyValue ReadHotkey(Profile& profile, const HotkeyKey& key)
{
    HotkeyValue value;
    ReadHotkeyValue(profile, key.key, &value.vk, &value.modifiers, key.fallback.vk, key.fallback.modifiers);
    return value;
}

std::wstring GetKeyNameForVk(DesktopInput& desktop, uint32_t vk, bool extended)
{
    uint32_t keyParam = desktop.ScanCodeOf(vk) << 16;
    if (extended) keyParam |= 1u << 24;
    // Grow until the name no longer fills the buffer.
    std::vector<wchar_t> buffer(128);
    for (;;) {
        int length = desktop.KeyNameText(keyParam, buffer.data(), static_cast<int>(buffer.size()));
        if (length < 0) length = 0;
        if (static_cast<size_t>(length) < buffer.size() - 1) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring FormatHotkeyText(DesktopInput& desktop, uint32_t modifiers, uint32_t vk)
{
    if (modifiers == 0 && vk == 0) return std::wstring();
    std::wstring text;
    const struct {
        uint32_t bit;
        uint32_t vk;
    } names[] = {{kHotkeyControl, 0x11}, {kHotkeyShift, 0x10}, {kHotkeyAlt, 0x12}};
    for (const auto& name : names)
        if (modifiers & name.bit) text += GetKeyNameForVk(desktop, name.vk, false) + L" + ";
    return text + GetKeyNameForVk(desktop, vk, (modifiers & kHotkeyExtended) != 0);
}

uint32_t ToRegisterModifiers(uint32_t modifiers)
{
    uint32_t result = 0;
    if (modifiers & kHotkeyShift) result |= kModShift;
    if (modifiers & kHotkeyControl) result |= kModControl;
    if (modifiers & kHotkeyAlt) result |= kModAlt;
    return result;
}

bool RegisterHotkeyFromConfig(DesktopInput& desktop, Profile& profile, Prompt& prompt, WindowHandle window,
                              const HotkeyKey& key, const std::function<void(const std::wstring&)>& showText)
{
    HotkeyValue value = ReadHotkey(profile, key);
    std::wstring text = FormatHotkeyText(desktop, value.modifiers, value.vk);
    showText(text);
    if (desktop.RegisterHotkey(window, key.id, ToRegisterModifiers(value.modifiers), value.vk)) return true;
    prompt.Show(Format(L"Hotkey '%s' conflict!", text));
    return false;
}
