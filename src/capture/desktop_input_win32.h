// The real desktop.
#pragma once

#include "capture/desktop_input.h"

class Win32Desktop : public DesktopInput {
public:
    void MouseEvent(uint32_t flags, int32_t dx, int32_t dy, int32_t data) override;
    void KeyEvent(uint8_t vk, uint8_t scan, uint32_t flags) override;
    uint32_t ScanCodeOf(uint32_t vk) override;
    void SetCursor(int32_t x, int32_t y) override;
    DesktopPoint GetCursor() override;
    int32_t ScreenWidth() override;
    int32_t ScreenHeight() override;
    bool ButtonsSwapped() override;
    DesktopRect WorkArea() override;
    uint32_t Ticks() override;
    void SleepMs(uint32_t ms) override;
    void PumpWaitingMessages() override;
    void SetPreciseTiming(bool on) override;
    bool RegisterHotkey(WindowHandle window, int id, uint32_t modifiers, uint32_t vk) override;
    void UnregisterHotkey(WindowHandle window, int id) override;
    int KeyNameText(uint32_t keyParam, wchar_t* buffer, int size) override;
    bool InstallHook(InputHook hook, uint32_t* error) override;
    void RemoveHook(InputHook hook) override;
};
