#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "config/profile.h"
#include "playback/player.h"
#include "playback/run_state.h"
#include "sim_profile.h"
#include "sim_desktop.h"

namespace {

class Status : public StatusText {
public:
    std::wstring GetStatusText() override { return text; }
    void SetStatusText(const std::wstring& value) override { text = value; }
    std::wstring text = L"Repeating...";
};

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_playback = {&desktop, &profile};
        g_bStop = g_bPaused = g_bStoppedByUser = g_bUserMoved = false;
        g_bDetectUserMove = true;
        g_bAbsoluteMoves = false;
        g_nScreenWidth = 1024;
        g_nScreenHeight = 768;
        g_pProgDlg = &status;
        desktop.now = 10000;
        g_dwPlaybackStartTick = 0;  // the quiet period is long over
        desktop.onHotkey = [](WindowHandle, int id) {
            if (id == 32793) g_bPaused = !g_bPaused;
            if (id == 32771) g_bStop = true;
        };
        int window = 0;
        desktop.RegisterHotkey(&window, 32793, kModControl, 'P');
        desktop.RegisterHotkey(&window, 32771, kModAlt, 0x71);
        desktop.calls.clear();
        BeginPass();
    }
    void TearDown() override
    {
        g_pProgDlg = nullptr;
        g_playback = {};
    }
    std::vector<std::string> Sleeps() const
    {
        std::vector<std::string> result;
        for (const std::string& call : desktop.calls)
            if (call.compare(0, 6, "sleep ") == 0) result.push_back(call.substr(6));
        return result;
    }
    SimDesktop desktop;
    SimProfile profile;
    Status status;
};

INPUTEVENT Event(uint16_t type, uint16_t x, uint16_t y = 0, int16_t wheel = 0, uint32_t delay = 0)
{
    return {type, x, y, wheel, delay};
}

TEST_F(PlayerTest, InjectionByEventType)
{
    const struct {
        INPUTEVENT event;
        bool swapped;
        std::vector<std::string> calls;
    } cases[] = {
        {Event(EV_MOUSEMOVE, 10, 20), false, {"cursor 10 20"}},
        {Event(EV_LBUTTONDOWN, 1, 2), false, {"cursor 1 2", "mouse 2 0 0 0"}},
        {Event(EV_LBUTTONDOWN, 1, 2), true, {"cursor 1 2", "mouse 8 0 0 0"}},
        {Event(EV_LBUTTONUP, 1, 2), true, {"cursor 1 2", "mouse 10 0 0 0"}},
        {Event(EV_RBUTTONDOWN, 1, 2), false, {"cursor 1 2", "mouse 8 0 0 0"}},
        {Event(EV_RBUTTONUP, 1, 2), true, {"cursor 1 2", "mouse 4 0 0 0"}},
        {Event(EV_MBUTTONDOWN, 1, 2), true, {"cursor 1 2", "mouse 20 0 0 0"}},
        {Event(EV_MBUTTONUP, 1, 2), false, {"cursor 1 2", "mouse 40 0 0 0"}},
        {Event(EV_MOUSEWHEEL, 5, 6, -120), true, {"cursor 5 6", "mouse 800 5 6 -120"}},
        {Event(EV_MOUSEWHEEL, 65531, 6, 120), false, {"cursor 65531 6", "mouse 800 65531 6 120"}},
        {Event(EV_KEYDOWN, 0x0D), false, {"key D 1C 0"}},
        {Event(EV_KEYUP, 0x25), false, {"key 25 4B 3"}},
        {Event(EV_KEYDOWN, 0xA3), false, {"key A3 1D 1"}},
        {Event(EV_KEYDOWN, 0xA2), false, {"key A2 1D 0"}},
        {Event(EV_KEYDOWN, 0x141), false, {"key 41 1E 0"}},  // the low byte is the key
        {Event(10, 1, 2, 0, 500), false, {}},                // unknown: nothing, and no wait
    };
    for (const auto& c : cases) {
        desktop.calls.clear();
        PlayEvent(c.event, 1.0, c.swapped);
        EXPECT_EQ(desktop.Injected(), c.calls) << c.event.type << " swapped " << c.swapped;
        if (c.event.type > EV_KEYUP) {
            EXPECT_TRUE(desktop.calls.empty());
        }
    }
}

TEST_F(PlayerTest, AbsoluteMoves)
{
    g_bAbsoluteMoves = true;
    g_nScreenWidth = 1920;
    g_nScreenHeight = 1080;
    PlayEvent(Event(EV_MOUSEMOVE, 1919, 0), 1.0, false);
    PlayEvent(Event(EV_MOUSEMOVE, 65535, 540), 1.0, false);
    EXPECT_EQ(desktop.Injected(),
              (std::vector<std::string>{"mouse 8001 65502 0 0", "mouse 8001 -34 32768 0"}));
}

TEST(Player, AbsoluteMovesDecodeToTheRecordedPixel)
{
    for (int32_t size : {640, 800, 1024, 1280, 1366, 1440, 1920, 2560, 3840, 7680}) {
        for (int32_t x = -32768; x <= 32767; ++x) {
            int64_t decoded = (static_cast<int64_t>(NormalizedCoordinate(static_cast<uint16_t>(x), size)) * size) >> 16;
            ASSERT_EQ(decoded, x) << "size " << size;
        }
    }
    EXPECT_EQ(NormalizedCoordinate(0, 1920), 0);
}

TEST(Player, ExtendedKeys)
{
    std::vector<uint32_t> extended;
    for (uint32_t vk = 0; vk < 256; ++vk)
        if (IsExtendedKey(vk)) extended.push_back(vk);
    std::vector<uint32_t> expected = {0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2D, 0x2E,
                                      0x5B, 0x5C, 0x5D, 0x5F, 0x6F, 0xA3, 0xA5};
    for (uint32_t vk = 0xA6; vk <= 0xB7; ++vk) expected.push_back(vk);
    EXPECT_EQ(extended, expected);
}

TEST(Player, ScaledDelays)
{
    EXPECT_EQ(ScaledDelay(5, 1.0 / 6), 0u);
    EXPECT_EQ(ScaledDelay(7, 0.5), 3u);
    EXPECT_EQ(ScaledDelay(100, 1.0), 100u);
    EXPECT_EQ(ScaledDelay(0xFFFFFFFFu, 6.0), 0xFFFFFFFFu) << "held at the top, not wrapped";
}

TEST_F(PlayerTest, WaitsLastTheirScaledDelayInSlices)
{
    const struct {
        uint32_t delay;
        std::vector<std::string> sleeps;
        int pumps;
    } cases[] = {
        {0, {}, 0}, {49, {"49"}, 1}, {50, {"50"}, 1}, {51, {"50", "1"}, 2}, {120, {"50", "50", "20"}, 3},
    };
    for (const auto& c : cases) {
        desktop.calls.clear();
        uint32_t start = desktop.now;
        PlayEvent(Event(EV_KEYDOWN, 'A', 0, 0, c.delay), 1.0, false);
        EXPECT_EQ(Sleeps(), c.sleeps) << c.delay;
        EXPECT_EQ(std::count(desktop.calls.begin(), desktop.calls.end(), "pump"), c.pumps) << c.delay;
        EXPECT_EQ(desktop.now - start, c.delay);
    }
}

TEST_F(PlayerTest, TimeSpentElsewhereDoesNotAddUp)
{
    // Every pump takes 7 ms: the waits shrink so that the pass keeps time.
    desktop.onPump = [&] { desktop.AdvanceClock(7); };
    uint32_t start = desktop.now;
    for (int i = 0; i < 10; ++i) PlayEvent(Event(EV_KEYDOWN, 'A', 0, 0, 30), 1.0, false);
    EXPECT_EQ(desktop.now - start, 300u);

    // An event late by its whole delay waits nothing, but still pumps once.
    desktop.onPump = [&] { desktop.AdvanceClock(100); };
    desktop.calls.clear();
    PlayEvent(Event(EV_KEYDOWN, 'A', 0, 0, 20), 1.0, false);
    PlayEvent(Event(EV_KEYDOWN, 'A', 0, 0, 20), 1.0, false);
    EXPECT_TRUE(Sleeps().empty());
    EXPECT_EQ(std::count(desktop.calls.begin(), desktop.calls.end(), "pump"), 2);
}

TEST_F(PlayerTest, SlicedWaitIsRelativeAndStopsEarly)
{
    SlicedWait(120);
    EXPECT_EQ(Sleeps(), (std::vector<std::string>{"50", "50", "20"}));
    desktop.calls.clear();
    desktop.PressHotkeyAt(desktop.now + 60, 32771);
    SlicedWait(1000);
    EXPECT_TRUE(g_bStop);
    EXPECT_EQ(Sleeps(), (std::vector<std::string>{"50", "50"})) << "a stop that a pump delivers is seen before the next sleep";
}

TEST_F(PlayerTest, HandMoveStopsOnlyBeyondTheThresholdAndAfterTheQuietPeriod)
{
    const struct {
        int dx, dy;
        bool stops;
    } cases[] = {{5, 0, false}, {0, -5, false}, {4, 4, true}, {6, 0, true}};
    for (const auto& c : cases) {
        g_bStop = g_bStoppedByUser = g_bUserMoved = false;
        desktop.cursor = {100, 100};
        desktop.MoveCursorAt(desktop.now + 10, 100 + c.dx, 100 + c.dy);
        PlayEvent(Event(EV_KEYDOWN, 'A', 0, 0, 100), 1.0, false);
        EXPECT_EQ(g_bStop, c.stops) << c.dx << "," << c.dy;
        EXPECT_EQ(g_bUserMoved, c.stops);
        EXPECT_EQ(g_bStoppedByUser, c.stops);
    }
    g_bStop = false;
    g_dwPlaybackStartTick = desktop.now;
    desktop.cursor = {100, 100};
    desktop.MoveCursorAt(desktop.now + 10, 300, 300);
    PlayEvent(Event(EV_KEYDOWN, 'A', 0, 0, 100), 1.0, false);
    EXPECT_FALSE(g_bStop) << "within the first 300 ms";

    g_bDetectUserMove = false;
    g_dwPlaybackStartTick = 0;
    desktop.MoveCursorAt(desktop.now + 10, 900, 900);
    PlayEvent(Event(EV_KEYDOWN, 'A', 0, 0, 100), 1.0, false);
    EXPECT_FALSE(g_bStop) << "detection off";
}

TEST_F(PlayerTest, PauseHoldsTheScheduleAndRestoresTextAndCursor)
{
    g_bDetectUserMove = false;
    desktop.cursor = {40, 50};
    uint32_t start = desktop.now;
    desktop.PressHotkeyAt(start + 20, 32793);  // pause
    std::wstring shown;
    desktop.At(start + 500, [&] {
        shown = status.text;
        desktop.cursor = {700, 700};  // the user works with the mouse meanwhile
    });
    desktop.PressHotkeyAt(start + 1000, 32793);  // continue
    PlayEvent(Event(EV_KEYDOWN, 'A', 0, 0, 200), 1.0, false);
    EXPECT_EQ(shown, L"Paused, Press Ctrl + P to Continue");
    EXPECT_EQ(status.text, L"Repeating...");
    EXPECT_EQ(desktop.cursor.x, 40);
    EXPECT_EQ(desktop.cursor.y, 50);
    // The time paused is added: the event still waits its whole 200 ms.
    EXPECT_GE(desktop.now - start, 1000u + 200u - 50u);
    EXPECT_LE(desktop.now - start, 1000u + 200u + 50u);
}

TEST_F(PlayerTest, StopWhilePausedLeavesTextAndCursor)
{
    profile.values[L"HK_PauseRepeat"] = L"7A,3";  // Ctrl+Shift+F11
    desktop.cursor = {40, 50};
    uint32_t start = desktop.now;
    desktop.PressHotkeyAt(start + 20, 32793);
    desktop.At(start + 300, [&] { desktop.cursor = {700, 700}; });
    desktop.PressHotkeyAt(start + 400, 32771);
    g_bDetectUserMove = false;
    PlayEvent(Event(EV_KEYDOWN, 'A', 0, 0, 200), 1.0, false);
    EXPECT_TRUE(g_bStop);
    EXPECT_EQ(status.text, L"Paused, Press Ctrl + Shift + F11 to Continue");
    EXPECT_EQ(desktop.cursor.x, 700);
}

TEST_F(PlayerTest, PressedKeysAndButtonsAreReleasedInReverseOrder)
{
    PlayEvent(Event(EV_KEYDOWN, 0xA0), 1.0, true);      // left Shift
    PlayEvent(Event(EV_LBUTTONDOWN, 3, 4), 1.0, true);  // swapped: the right button goes down
    PlayEvent(Event(EV_KEYDOWN, 'A'), 1.0, true);
    PlayEvent(Event(EV_KEYDOWN, 'B'), 1.0, true);
    PlayEvent(Event(EV_KEYUP, 'B'), 1.0, true);
    PlayEvent(Event(EV_KEYDOWN, 0x25), 1.0, true);
    desktop.calls.clear();
    ReleasePressedInput();
    EXPECT_EQ(desktop.Injected(),
              (std::vector<std::string>{"key 25 4B 3", "key 41 1E 2", "mouse 10 0 0 0", "key A0 2A 2"}));
    desktop.calls.clear();
    ReleasePressedInput();
    EXPECT_TRUE(desktop.calls.empty()) << "nothing is released twice";
}

}  // namespace
