// One recorded desktop input event and the list that holds a record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

enum : uint16_t {
    EV_MOUSEMOVE = 0,
    EV_LBUTTONDOWN = 1,
    EV_LBUTTONUP = 2,
    EV_MBUTTONDOWN = 3,
    EV_MBUTTONUP = 4,
    EV_RBUTTONDOWN = 5,
    EV_RBUTTONUP = 6,
    EV_MOUSEWHEEL = 7,
    EV_KEYDOWN = 8,
    EV_KEYUP = 9,
};

// Lies in record files byte for byte as it lies in memory (little-endian).
struct INPUTEVENT {
    uint16_t type;        // EV_*
    uint16_t x;           // mouse: low 16 bits of the screen x; keys: the virtual-key code
    uint16_t y;           // mouse: low 16 bits of the screen y; keys: 0
    int16_t wheelDelta;   // EV_MOUSEWHEEL only
    uint32_t delay;       // milliseconds until the next event; 0 for the last
};

static_assert(sizeof(INPUTEVENT) == 12, "INPUTEVENT is 12 bytes in record files");
static_assert(offsetof(INPUTEVENT, type) == 0 && offsetof(INPUTEVENT, x) == 2 && offsetof(INPUTEVENT, y) == 4 &&
                  offsetof(INPUTEVENT, wheelDelta) == 6 && offsetof(INPUTEVENT, delay) == 8,
              "INPUTEVENT fields lie without gaps");

using EventList = std::vector<INPUTEVENT>;

// Sum of all delays: the record's length from its first event to its last.
// Unsigned 32-bit, wrapping like the tick counter.
uint32_t GetTotalDelay(const EventList& list);
