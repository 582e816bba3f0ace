#include "capture/hooks_win32.h"

#include "capture/hook_mapping.h"
#include "model/record_list.h"

// Both procedures observe and never swallow: the input always goes on. An
// exception cannot unwind through the system's frames, so none leaves here.

LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION) {
        const MSLLHOOKSTRUCT* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        INPUTEVENT ev;
        if (MouseMessageToEvent(nCode, wParam, info->pt.x, info->pt.y, info->mouseData, &ev)) {
            try {
                AppendEvent(ev);
            } catch (...) {
                // Out of memory: the event is lost, the desktop keeps working.
            }
        }
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK KeyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION) {
        const KBDLLHOOKSTRUCT* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        INPUTEVENT ev;
        if (KeyMessageToEvent(nCode, wParam, info->vkCode, &ev)) {
            try {
                AppendEvent(ev);
            } catch (...) {
            }
        }
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}
