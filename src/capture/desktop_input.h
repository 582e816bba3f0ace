// The desktop as recording, playback and the hotkeys see it: input synthesis,
// cursor, screen, ticks, waiting, the message queue, global hotkeys, key names
// and the two low-level input hooks. All of it is called on the user-interface
// thread.
#pragma once

#include <cstdint>

// A window as the portable code passes it around; an HWND on Windows.
using WindowHandle = void*;

struct DesktopPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct DesktopRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// mouse_event flags.
enum : uint32_t {
    kMouseMove = 0x0001,
    kMouseLeftDown = 0x0002,
    kMouseLeftUp = 0x0004,
    kMouseRightDown = 0x0008,
    kMouseRightUp = 0x0010,
    kMouseMiddleDown = 0x0020,
    kMouseMiddleUp = 0x0040,
    kMouseWheel = 0x0800,
    kMouseAbsolute = 0x8000,
};

// keybd_event flags.
enum : uint32_t {
    kKeyExtended = 0x0001,
    kKeyUp = 0x0002,
};

// RegisterHotKey modifiers.
enum : uint32_t {
    kModAlt = 0x0001,
    kModControl = 0x0002,
    kModShift = 0x0004,
};

enum class InputHook { Mouse, Keyboard };

class DesktopInput {
public:
    virtual ~DesktopInput() = default;

    // Synthesis: mouse_event(flags, dx, dy, data, 0) and keybd_event(vk, scan, flags, 0).
    virtual void MouseEvent(uint32_t flags, int32_t dx, int32_t dy, int32_t data) = 0;
    virtual void KeyEvent(uint8_t vk, uint8_t scan, uint32_t flags) = 0;
    // MapVirtualKey(vk, MAPVK_VK_TO_VSC): the scan code of a virtual key, 0 when none.
    virtual uint32_t ScanCodeOf(uint32_t vk) = 0;

    // Cursor, in screen pixels.
    virtual void SetCursor(int32_t x, int32_t y) = 0;
    virtual DesktopPoint GetCursor() = 0;

    // Primary screen size, swapped mouse buttons, and the work area (the
    // desktop without the task bar).
    virtual int32_t ScreenWidth() = 0;
    virtual int32_t ScreenHeight() = 0;
    virtual bool ButtonsSwapped() = 0;
    virtual DesktopRect WorkArea() = 0;

    // The 32-bit millisecond tick counter, and a plain sleep.
    virtual uint32_t Ticks() = 0;
    virtual void SleepMs(uint32_t ms) = 0;

    // Dispatches every message waiting in the thread's queue; never blocks.
    virtual void PumpWaitingMessages() = 0;

    // While on, sleeps and ticks are as fine as the system allows (1 ms),
    // even when the program's windows are hidden. Calls nest.
    virtual void SetPreciseTiming(bool on) = 0;

    // Global hotkeys: false when the combination is taken.
    virtual bool RegisterHotkey(WindowHandle window, int id, uint32_t modifiers, uint32_t vk) = 0;
    virtual void UnregisterHotkey(WindowHandle window, int id) = 0;

    // GetKeyNameTextW: copies at most size - 1 characters and a NUL, and
    // returns the number of characters copied.
    virtual int KeyNameText(uint32_t keyParam, wchar_t* buffer, int size) = 0;

    // Low-level input hooks whose procedures feed the recording list. On
    // failure `error` receives the system's error code.
    virtual bool InstallHook(InputHook hook, uint32_t* error) = 0;
    virtual void RemoveHook(InputHook hook) = 0;
};
