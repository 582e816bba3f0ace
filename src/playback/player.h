// Plays recorded events back into the desktop and waits out their delays,
// scaled by the run's speed, keeping the user-interface thread responsive
// and watching for a hand on the mouse and for a pause.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "capture/desktop_input.h"
#include "model/input_event.h"

class Profile;

// Where the pause message is shown: the progress window's status text.
class StatusText {
public:
    virtual ~StatusText() = default;
    virtual std::wstring GetStatusText() = 0;
    virtual void SetStatusText(const std::wstring& text) = 0;
};

// The run-state flags. All of them are read and written on the
// user-interface thread only, also from the handlers that pumping runs.
extern bool g_bPaused;
extern bool g_bStoppedByUser;
extern bool g_bUserMoved;
extern bool g_bDetectUserMove;
extern DesktopPoint g_ptLastCursor;
extern uint32_t g_dwPlaybackStartTick;
extern int g_nScreenWidth;
extern int g_nScreenHeight;
extern StatusText* g_pProgDlg;

constexpr uint32_t kWaitSlice = 50;
constexpr uint32_t kQuietPeriod = 300;
constexpr int kHandMoveThreshold = 25;  // squared pixels

// What playback works over; set by the repeat run before it plays.
struct PlaybackContext {
    DesktopInput* desktop = nullptr;
    Profile* profile = nullptr;
};
extern PlaybackContext g_playback;

bool IsExtendedKey(uint32_t vk);

// The absolute-move coordinate that the system decodes, with
// (value * size) >> 16, back into `pixel` (taken as signed 16 bits).
int32_t NormalizedCoordinate(uint16_t pixel, int32_t size);

// The event's delay times the speed factor, in whole milliseconds.
uint32_t ScaledDelay(uint32_t delay, double speedFactor);

// Starts the schedule of a pass: each event's wait ends at the pass's start
// plus the scaled delays so far (plus any time paused), so the time spent
// injecting and pumping does not add up into drift.
void BeginPass();
// Releases, in reverse order, every key and button the pass pressed and did
// not release.
void ReleasePressedInput();

void PlayEvent(const INPUTEVENT& event, double speedFactor, bool swapButtons);
void SendKey(uint8_t vk, bool release);
void PlaybackWait(uint32_t ms);
// Waits `ms` in slices of at most 50 ms, pumping and checking the user's
// activity after each; returns early once g_bStop is set. 0 returns at once.
void SlicedWait(uint32_t ms);
void PumpMessages();
void CheckUserActivity();
