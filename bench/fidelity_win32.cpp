// Replay fidelity with the real clock: how long a pass takes against the sum
// of its scaled delays, for our player and, in the same run, for the plain
// sliced wait (slices of 50 ms rounded up, no schedule). Target for ours:
// at most 1.01 with 8 ms gaps at normal speed. A figure to read, not to fail.
//
//   tavorin_fidelity [--events N]     (default 2000 events per record)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "capture/desktop_input_win32.h"
#include "playback/player.h"
#include "playback/run_state.h"

namespace {

// The plain algorithm: slices of 50 ms (or the whole wait below that), each
// slept in full, nothing deducted for the time spent elsewhere.
void PlainSlicedWait(uint32_t ms)
{
    if (ms == 0) return;
    uint32_t slice = ms < kWaitSlice ? ms : kWaitSlice;
    for (uint32_t elapsed = 0; elapsed < ms; elapsed += slice) {
        if (g_bStop) return;
        PumpMessages();
        Sleep(slice);
        CheckUserActivity();
    }
}

void PlainPlayEvent(Win32Desktop& desktop, const INPUTEVENT& event, double speedFactor)
{
    desktop.SetCursor(event.x, event.y);
    PlainSlicedWait(static_cast<uint32_t>(static_cast<uint64_t>(event.delay * speedFactor)));
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv)
{
    int events = 2000;
    for (int i = 1; i + 1 < argc; ++i)
        if (strcmp(argv[i], "--events") == 0) events = atoi(argv[i + 1]);
    if (events < 1) events = 1;

    Win32Desktop desktop;
    g_playback = {&desktop, nullptr};
    g_bDetectUserMove = false;
    g_bAbsoluteMoves = false;
    g_dwPlaybackStartTick = desktop.Ticks();
    desktop.SetPreciseTiming(true);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);

    const uint32_t gaps[] = {1, 8, 16, 51, 120};
    const double speeds[] = {1.0, 1.0 / 6};
    printf("replay fidelity, %d events per record: wall time / sum of scaled delays\n", events);
    printf("%6s %7s %12s %10s %10s\n", "gap ms", "speed", "scaled ms", "ours", "plain");
    for (double speed : speeds) {
        for (uint32_t gap : gaps) {
            EventList record(static_cast<size_t>(events), INPUTEVENT{EV_MOUSEMOVE, 200, 200, 0, gap});
            uint64_t scaled = 0;
            for (const INPUTEVENT& event : record) scaled += ScaledDelay(event.delay, speed);

            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            BeginPass();
            for (const INPUTEVENT& event : record) {
                PlayEvent(event, speed, false);
                PumpMessages();
            }
            QueryPerformanceCounter(&end);
            double ours = Seconds(start, end, frequency) * 1000.0 / static_cast<double>(scaled ? scaled : 1);
            if (scaled == 0) {
                // Every wait scales to nothing: there is no ratio to take.
                printf("%6u %7.4f %12llu %10s %10s\n", gap, speed, 0ull, "-", "-");
                continue;
            }

            QueryPerformanceCounter(&start);
            for (const INPUTEVENT& event : record) {
                PlainPlayEvent(desktop, event, speed);
                PumpMessages();
            }
            QueryPerformanceCounter(&end);
            double plain = Seconds(start, end, frequency) * 1000.0 / static_cast<double>(scaled ? scaled : 1);
            printf("%6u %7.4f %12llu %10.4f %10.4f%s\n", gap, speed, static_cast<unsigned long long>(scaled), ours,
                   plain, gap == 8 && speed == 1.0 ? "   (target for ours: <= 1.01)" : "");
            fflush(stdout);
        }
    }
    desktop.SetPreciseTiming(false);
    return 0;
}
