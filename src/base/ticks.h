// The system's millisecond tick counter wraps every 49.7 days: intervals are
// taken in unsigned 32-bit arithmetic so a wrap between the two readings
// still gives the right length.
#pragma once

#include <cstdint>

inline uint32_t TicksBetween(uint32_t earlier, uint32_t later)
{
    return later - earlier;
}
