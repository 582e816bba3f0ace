#include "capture/hook_mapping.h"

bool MouseMessageToEvent(int nCode, uintptr_t message, int32_t x, int32_t y, uint32_t mouseData, INPUTEVENT* ev)
{
    if (nCode != 0) return false;
    uint16_t type;
    switch (message) {
    case kWmMouseMove: type = EV_MOUSEMOVE; break;
    case kWmLButtonDown: type = EV_LBUTTONDOWN; break;
    case kWmLButtonUp: type = EV_LBUTTONUP; break;
    case kWmMButtonDown: type = EV_MBUTTONDOWN; break;
    case kWmMButtonUp: type = EV_MBUTTONUP; break;
    case kWmRButtonDown: type = EV_RBUTTONDOWN; break;
    case kWmRButtonUp: type = EV_RBUTTONUP; break;
    case kWmMouseWheel: type = EV_MOUSEWHEEL; break;
    default: return false;  // double-clicks, X buttons, horizontal wheel
    }
    ev->type = type;
    // Low 16 bits: a monitor left of or above the primary one stores its
    // negative coordinates in two's complement.
    ev->x = static_cast<uint16_t>(x);
    ev->y = static_cast<uint16_t>(y);
    ev->wheelDelta = type == EV_MOUSEWHEEL ? static_cast<int16_t>(mouseData >> 16) : 0;
    ev->delay = 0;
    return true;
}

bool KeyMessageToEvent(int nCode, uintptr_t message, uint32_t vkCode, INPUTEVENT* ev)
{
    if (nCode != 0) return false;
    switch (message) {
    case kWmKeyDown:
    case kWmSysKeyDown: ev->type = EV_KEYDOWN; break;
    case kWmKeyUp:
    case kWmSysKeyUp: ev->type = EV_KEYUP; break;
    default: return false;
    }
    // The 32-bit code spans x and y; y is its upper half, always 0.
    ev->x = static_cast<uint16_t>(vkCode);
    ev->y = static_cast<uint16_t>(vkCode >> 16);
    ev->wheelDelta = 0;
    ev->delay = 0;
    return true;
}
