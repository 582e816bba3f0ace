#include "model/record_list.h"

#include "base/lock.h"
#include "base/ticks.h"
#include "capture/desktop_input.h"

EventList g_recordList;

namespace {

DesktopInput* g_clock = nullptr;
uint32_t g_lastAppendTick = 0;
Lock g_appendLock;

}  // namespace

void SetRecordingClock(DesktopInput* desktop)
{
    g_clock = desktop;
}

void AppendEvent(const INPUTEVENT& ev)
{
    LockGuard guard(g_appendLock);
    uint32_t now = g_clock ? g_clock->Ticks() : 0;
    if (!g_recordList.empty()) g_recordList.back().delay = TicksBetween(g_lastAppendTick, now);
    g_lastAppendTick = now;
    g_recordList.push_back(ev);
    g_recordList.back().delay = 0;
}
