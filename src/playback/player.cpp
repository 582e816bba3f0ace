#include "playback/player.h"

#include <algorithm>

#include "base/text.h"
#include "config/config_store.h"
#include "config/hotkeys.h"
#include "playback/run_state.h"

bool g_bPaused = false;
bool g_bStoppedByUser = false;
bool g_bUserMoved = false;
bool g_bDetectUserMove = true;
DesktopPoint g_ptLastCursor;
uint32_t g_dwPlaybackStartTick = 0;
int g_nScreenWidth = 0;
int g_nScreenHeight = 0;
StatusText* g_pProgDlg = nullptr;
PlaybackContext g_playback;

namespace {

// The 32-bit tick counter widened, so that a schedule never wraps.
struct WideClock {
    uint32_t last = 0;
    uint64_t now = 0;
    bool started = false;

    uint64_t Read(DesktopInput& desktop)
    {
        uint32_t tick = desktop.Ticks();
        if (!started) {
            started = true;
            now = tick;
        } else {
            now += static_cast<uint32_t>(tick - last);
        }
        last = tick;
        return now;
    }
};

WideClock g_clock;
uint64_t g_pausedMs = 0;  // all the time playback was held, for the schedules
uint64_t g_passDue = 0;  // when the current event's wait ends
bool g_passStarted = false;

// What the pass holds down: virtual keys, and mouse-down flags as injected.
struct Pressed {
    bool isKey;
    uint32_t code;
};
std::vector<Pressed> g_pressed;

void NotePress(bool isKey, uint32_t code, bool down)
{
    auto same = [&](const Pressed& p) { return p.isKey == isKey && p.code == code; };
    g_pressed.erase(std::remove_if(g_pressed.begin(), g_pressed.end(), same), g_pressed.end());
    if (down) g_pressed.push_back({isKey, code});
}

DesktopInput& Desktop()
{
    return *g_playback.desktop;
}

// Waits until `due`; a pause moves `due` on by the time it lasted.
void WaitUntil(uint64_t& due)
{
    for (;;) {
        if (g_bStop) return;
        PumpMessages();
        if (g_bStop) return;  // a stop hotkey the pump just handled
        uint64_t now = g_clock.Read(Desktop());
        uint64_t slice = due > now ? std::min<uint64_t>(due - now, kWaitSlice) : 0;
        if (slice) Desktop().SleepMs(static_cast<uint32_t>(slice));
        uint64_t pausedBefore = g_pausedMs;
        CheckUserActivity();
        due += g_pausedMs - pausedBefore;
        if (g_clock.Read(Desktop()) >= due) return;
    }
}

void InjectButton(const INPUTEVENT& event, uint32_t flags)
{
    Desktop().SetCursor(event.x, event.y);
    Desktop().MouseEvent(flags, 0, 0, 0);
    bool down = flags == kMouseLeftDown || flags == kMouseRightDown || flags == kMouseMiddleDown;
    bool up = flags == kMouseLeftUp || flags == kMouseRightUp || flags == kMouseMiddleUp;
    if (down) NotePress(false, flags, true);
    if (up) NotePress(false, flags >> 1, false);
}

}  // namespace

bool IsExtendedKey(uint32_t vk)
{
    switch (vk) {
    case 0x21: case 0x22: case 0x23: case 0x24:  // Page Up, Page Down, End, Home
    case 0x25: case 0x26: case 0x27: case 0x28:  // arrows
    case 0x2D: case 0x2E:                        // Insert, Delete
    case 0x5B: case 0x5C: case 0x5D:             // Windows keys, Applications
    case 0x5F:                                   // Sleep
    case 0x6F:                                   // numeric-pad Divide
    case 0xA3: case 0xA5:                        // right Control, right Alt
        return true;
    default:
        return vk >= 0xA6 && vk <= 0xB7;  // browser, volume, media and launch keys
    }
}

int32_t NormalizedCoordinate(uint16_t pixel, int32_t size)
{
    if (size <= 0) return 0;
    // The smallest value that decodes to the pixel: ceil(x * 65536 / size),
    // with x signed so that screens left of or above the primary one work.
    int64_t scaled = static_cast<int64_t>(static_cast<int16_t>(pixel)) * 65536;
    int64_t value = scaled / size;
    if (value * size < scaled) ++value;
    return static_cast<int32_t>(value);
}

uint32_t ScaledDelay(uint32_t delay, double speedFactor)
{
    double scaled = static_cast<double>(delay) * speedFactor;
    if (!(scaled > 0)) return 0;
    // A slowed-down wait beyond the 32-bit range is held at its top rather
    // than wrapped into a short one.
    if (scaled >= 4294967295.0) return 0xFFFFFFFFu;
    return static_cast<uint32_t>(scaled);
}

void BeginPass()
{
    g_passDue = g_clock.Read(Desktop());
    g_passStarted = true;
    g_pressed.clear();
}

void ReleasePressedInput()
{
    for (auto it = g_pressed.rbegin(); it != g_pressed.rend(); ++it) {
        if (it->isKey)
            SendKey(static_cast<uint8_t>(it->code), true);
        else
            Desktop().MouseEvent(it->code << 1, 0, 0, 0);  // each up flag is its down flag doubled
    }
    g_pressed.clear();
}

void PlayEvent(const INPUTEVENT& event, double speedFactor, bool swapButtons)
{
    switch (event.type) {
    case EV_MOUSEMOVE:
        if (g_bAbsoluteMoves)
            Desktop().MouseEvent(kMouseMove | kMouseAbsolute, NormalizedCoordinate(event.x, g_nScreenWidth),
                                 NormalizedCoordinate(event.y, g_nScreenHeight), 0);
        else
            Desktop().SetCursor(event.x, event.y);
        break;
    case EV_LBUTTONDOWN: InjectButton(event, swapButtons ? kMouseRightDown : kMouseLeftDown); break;
    case EV_LBUTTONUP: InjectButton(event, swapButtons ? kMouseRightUp : kMouseLeftUp); break;
    case EV_MBUTTONDOWN: InjectButton(event, kMouseMiddleDown); break;
    case EV_MBUTTONUP: InjectButton(event, kMouseMiddleUp); break;
    case EV_RBUTTONDOWN: InjectButton(event, swapButtons ? kMouseLeftDown : kMouseRightDown); break;
    case EV_RBUTTONUP: InjectButton(event, swapButtons ? kMouseLeftUp : kMouseRightUp); break;
    case EV_MOUSEWHEEL:
        Desktop().SetCursor(event.x, event.y);
        Desktop().MouseEvent(kMouseWheel, event.x, event.y, event.wheelDelta);
        break;
    case EV_KEYDOWN: SendKey(static_cast<uint8_t>(event.x), false); break;
    case EV_KEYUP: SendKey(static_cast<uint8_t>(event.x), true); break;
    default:
        return;  // unknown types are skipped without a wait
    }
    PlaybackWait(ScaledDelay(event.delay, speedFactor));
}

void SendKey(uint8_t vk, bool release)
{
    uint32_t flags = 0;
    if (release) flags |= kKeyUp;
    if (IsExtendedKey(vk)) flags |= kKeyExtended;
    Desktop().KeyEvent(vk, static_cast<uint8_t>(Desktop().ScanCodeOf(vk)), flags);
    NotePress(true, vk, !release);
}

void PlaybackWait(uint32_t ms)
{
    if (g_bDetectUserMove) g_ptLastCursor = Desktop().GetCursor();
    if (!g_passStarted) BeginPass();
    if (ms == 0) return;
    g_passDue += ms;
    WaitUntil(g_passDue);
}

void SlicedWait(uint32_t ms)
{
    if (ms == 0) return;
    uint64_t due = g_clock.Read(Desktop()) + ms;
    WaitUntil(due);
}

void PumpMessages()
{
    Desktop().PumpWaitingMessages();
}

void CheckUserActivity()
{
    DesktopInput& desktop = Desktop();
    if (static_cast<uint32_t>(desktop.Ticks() - g_dwPlaybackStartTick) < kQuietPeriod) return;
    DesktopPoint pt = desktop.GetCursor();
    if (g_bDetectUserMove && (pt.x != g_ptLastCursor.x || pt.y != g_ptLastCursor.y)) {
        int64_t dx = pt.x - g_ptLastCursor.x, dy = pt.y - g_ptLastCursor.y;
        if (dx * dx + dy * dy > kHandMoveThreshold) {
            g_bStoppedByUser = true;
            g_bUserMoved = true;
            g_bStop = true;
            return;
        }
    }
    if (g_bStop || !g_bPaused) return;

    std::wstring kept = g_pProgDlg ? g_pProgDlg->GetStatusText() : std::wstring();
    HotkeyValue pause = kHotkeyPauseRepeat.fallback;
    if (g_playback.profile) pause = ReadHotkey(*g_playback.profile, kHotkeyPauseRepeat);
    if (g_pProgDlg)
        g_pProgDlg->SetStatusText(Format(L"Paused, Press %s to Continue",
                                         FormatHotkeyText(desktop, pause.modifiers, pause.vk)));
    uint64_t pauseStart = g_clock.Read(desktop);
    while (g_bPaused && !g_bStop) {
        PumpMessages();
        desktop.SleepMs(kWaitSlice);
    }
    g_pausedMs += g_clock.Read(desktop) - pauseStart;
    if (g_bStop) return;
    if (g_pProgDlg) g_pProgDlg->SetStatusText(kept);
    desktop.SetCursor(pt.x, pt.y);
}
