// What the low-level hooks record: the table from hook messages to events.
#pragma once

#include <cstdint>

#include "model/input_event.h"

// Window-message numbers as the hooks receive them.
enum : uint32_t {
    kWmKeyDown = 0x0100,
    kWmKeyUp = 0x0101,
    kWmSysKeyDown = 0x0104,
    kWmSysKeyUp = 0x0105,
    kWmMouseMove = 0x0200,
    kWmLButtonDown = 0x0201,
    kWmLButtonUp = 0x0202,
    kWmLButtonDblClk = 0x0203,
    kWmRButtonDown = 0x0204,
    kWmRButtonUp = 0x0205,
    kWmRButtonDblClk = 0x0206,
    kWmMButtonDown = 0x0207,
    kWmMButtonUp = 0x0208,
    kWmMButtonDblClk = 0x0209,
    kWmMouseWheel = 0x020A,
};

// True with `ev` filled when the mouse hook records the message. `mouseData`
// carries the wheel delta in its high word.
bool MouseMessageToEvent(int nCode, uintptr_t message, int32_t x, int32_t y, uint32_t mouseData, INPUTEVENT* ev);

// True with `ev` filled when the keyboard hook records the message.
bool KeyMessageToEvent(int nCode, uintptr_t message, uint32_t vkCode, INPUTEVENT* ev);
