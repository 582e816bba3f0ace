// A simulated desktop: records every call in order, serves a clock that
// sleeps advance and a cursor, and plays user actions scripted at ticks.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "capture/desktop_input.h"

class SimDesktop : public DesktopInput {
public:
    SimDesktop();

    // --- the port ---
    void MouseEvent(uint32_t flags, int32_t dx, int32_t dy, int32_t data) override;
    void KeyEvent(uint8_t vk, uint8_t scan, uint32_t flags) override;
    uint32_t ScanCodeOf(uint32_t vk) override;
    void SetCursor(int32_t x, int32_t y) override;
    DesktopPoint GetCursor() override;
    int32_t ScreenWidth() override { return screenWidth; }
    int32_t ScreenHeight() override { return screenHeight; }
    bool ButtonsSwapped() override { return buttonsSwapped; }
    DesktopRect WorkArea() override { return workArea; }
    uint32_t Ticks() override;
    void SleepMs(uint32_t ms) override;
    void PumpWaitingMessages() override;
    void SetPreciseTiming(bool on) override;
    bool RegisterHotkey(WindowHandle window, int id, uint32_t modifiers, uint32_t vk) override;
    void UnregisterHotkey(WindowHandle window, int id) override;
    int KeyNameText(uint32_t keyParam, wchar_t* buffer, int size) override;
    bool InstallHook(InputHook hook, uint32_t* error) override;
    void RemoveHook(InputHook hook) override;

    // --- the script ---
    // Runs `action` once the clock reaches `tick` (on a sleep or a pump).
    void At(uint32_t tick, std::function<void()> action);
    // The user moves the mouse to (x, y) at `tick`.
    void MoveCursorAt(uint32_t tick, int32_t x, int32_t y);
    // The user presses the hotkey registered as `id` at `tick`; it is
    // delivered on the next pump, if registered then.
    void PressHotkeyAt(uint32_t tick, int id);
    // Advances the clock without a call from the code under test.
    void AdvanceClock(uint32_t ms);

    // Receives WM_HOTKEY: (window, id).
    std::function<void(WindowHandle, int)> onHotkey;
    // Called on every pump, after the hotkeys: stands for the other messages.
    std::function<void()> onPump;

    // --- what happened ---
    // One line per call, e.g. "mouse 8001 100 200 0", "key 41 1E 0", "sleep 50".
    std::vector<std::string> calls;
    // The calls that inject input only.
    std::vector<std::string> Injected() const;
    bool IsRegistered(WindowHandle window, int id) const;

    // --- the desktop's state ---
    uint32_t now = 0;
    // Added to the clock by every Ticks() call (time the code itself takes).
    uint32_t ticksPerRead = 0;
    bool logTicks = false;
    bool logPumps = true;
    int32_t screenWidth = 1024;
    int32_t screenHeight = 768;
    bool buttonsSwapped = false;
    DesktopRect workArea = {0, 0, 1024, 738};
    DesktopPoint cursor = {0, 0};
    // Combinations taken by other programs: (RegisterHotKey modifiers, vk).
    std::set<std::pair<uint32_t, uint32_t>> takenHotkeys;
    // GetKeyNameText's answers by key-message parameter; an English layout.
    std::map<uint32_t, std::wstring> keyNames;
    // Error codes InstallHook fails with; 0 succeeds.
    uint32_t mouseHookError = 0;
    uint32_t keyboardHookError = 0;
    bool mouseHookInstalled = false;
    bool keyboardHookInstalled = false;

private:
    void RunDueActions();

    struct Registration {
        WindowHandle window;
        int id;
        uint32_t modifiers;
        uint32_t vk;
    };
    std::vector<Registration> m_registered;
    std::multimap<uint32_t, std::function<void()>> m_script;
    std::vector<int> m_pendingHotkeys;
};
