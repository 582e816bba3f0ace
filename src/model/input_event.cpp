#include "model/input_event.h"

uint32_t GetTotalDelay(const EventList& list)
{
    uint32_t total = 0;
    for (const INPUTEVENT& ev : list) total += ev.delay;
    return total;
}
