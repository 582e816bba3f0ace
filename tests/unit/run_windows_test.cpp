// The logic of the windows a repeat run shows: corner placement and the
// hover that moves a floating window, the progress window's hotkeys, the
// shutdown countdown and the user-control notice's option.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "config/profile.h"
#include "playback/corner_placement.h"
#include "playback/player.h"
#include "playback/progress_hotkeys.h"
#include "playback/run_state.h"
#include "playback/shutdown_countdown.h"
#include "playback/user_control_notice.h"
#include "sim_profile.h"
#include "sim_desktop.h"
#include "sim_prompt.h"

namespace {

TEST(CornerPlacement, CornersOfTheWorkArea)
{
    const struct {
        const char* what;
        DesktopRect workArea;
        DesktopPoint right, left;
    } cases[] = {
        {"task bar at the bottom", {0, 0, 1024, 738}, {824, 658}, {0, 658}},
        {"task bar on the right", {0, 0, 960, 768}, {760, 688}, {0, 688}},
        // Bottom left stays at the screen's edge, over the task bar.
        {"task bar on the left", {64, 0, 1024, 768}, {824, 688}, {0, 688}},
        {"task bar at the top", {0, 30, 1024, 768}, {824, 688}, {0, 688}},
    };
    for (const auto& c : cases) {
        DesktopPoint right = MoveToBottomRight(c.workArea, 200, 80);
        DesktopPoint left = MoveToBottomLeft(c.workArea, 200, 80);
        EXPECT_EQ(right.x, c.right.x) << c.what;
        EXPECT_EQ(right.y, c.right.y) << c.what;
        EXPECT_EQ(left.x, c.left.x) << c.what;
        EXPECT_EQ(left.y, c.left.y) << c.what;
    }
}

TEST(CornerPlacement, AFailedQueryFallsBackToTheFullScreenSize)
{
    const struct {
        DesktopRect workArea, expected;
    } cases[] = {
        {{0, 0, 1024, 738}, {0, 0, 1024, 738}},
        {{0, 0, 0, 0}, {0, 0, 1024, 745}},      // what the query leaves when it fails
        {{10, 10, 10, 500}, {0, 0, 1024, 745}},  // no width
        {{0, 20, 800, 20}, {0, 0, 1024, 745}},   // no height
    };
    for (const auto& c : cases) {
        DesktopRect area = PlacementArea(c.workArea, 1024, 745);
        EXPECT_EQ(area.left, c.expected.left);
        EXPECT_EQ(area.top, c.expected.top);
        EXPECT_EQ(area.right, c.expected.right);
        EXPECT_EQ(area.bottom, c.expected.bottom);
    }
}

TEST(CornerPlacement, InsideMeansLeftAndTopInclusiveRightAndBottomExclusive)
{
    const DesktopRect window = {824, 658, 1024, 738};
    const struct {
        DesktopPoint point;
        bool inside;
    } cases[] = {
        {{824, 658}, true}, {{1023, 737}, true}, {{900, 700}, true},  {{1024, 700}, false},
        {{900, 738}, false}, {{823, 700}, false}, {{900, 657}, false}, {{0, 0}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ContainsPoint(window, c.point), c.inside) << c.point.x << "," << c.point.y;
}

// A floating window that follows what HoverCorner says, tick by tick: 'i'
// puts the cursor inside the window where it then is, 'o' outside it. The
// expected corners are the window's after each tick.
TEST(HoverCorner, MovesAfterThreeConsecutiveTicksInside)
{
    const DesktopRect area = {0, 0, 1024, 738};
    const int32_t width = 200, height = 80;
    const struct {
        const char* what;
        const char* ticks;
        const char* corners;  // R or L
    } cases[] = {
        {"cursor resting on the window", "iii", "RRL"},
        {"cursor following it back", "iiiiii", "RRLLLR"},
        {"out at the third tick starts again", "iioii", "RRRRR"},
        {"then a third one inside does count", "iioiii", "RRRRRL"},
        {"never inside", "oooooo", "RRRRRR"},
        {"three more ticks after a move, not fewer", "iiiiio", "RRLLLL"},
    };
    for (const auto& c : cases) {
        HoverCorner hover;
        DesktopPoint at = MoveToBottomRight(area, width, height);
        std::string corners;
        for (const char* tick = c.ticks; *tick; ++tick) {
            DesktopRect window = {at.x, at.y, at.x + width, at.y + height};
            DesktopPoint cursor = *tick == 'i' ? DesktopPoint{at.x + 10, at.y + 10} : DesktopPoint{500, 100};
            Corner corner = hover.OnTimerTick(cursor, window);
            if (corner == Corner::BottomLeft) at = MoveToBottomLeft(area, width, height);
            if (corner == Corner::BottomRight) at = MoveToBottomRight(area, width, height);
            corners += at.x == 0 ? 'L' : 'R';
        }
        EXPECT_EQ(corners, c.corners) << c.what;
    }
}

TEST(HoverCorner, CountsTicksAndStartsAgainAfterAMove)
{
    HoverCorner hover;
    const DesktopRect window = {824, 658, 1024, 738};
    const DesktopPoint inside = {824, 658}, outside = {1024, 738};
    const struct {
        DesktopPoint cursor;
        Corner corner;
        int ticks;
    } steps[] = {
        {inside, Corner::None, 1},   {inside, Corner::None, 2},        {outside, Corner::None, 0},
        {inside, Corner::None, 1},   {inside, Corner::None, 2},        {inside, Corner::BottomLeft, 0},
        {inside, Corner::None, 1},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(hover.OnTimerTick(step.cursor, window), step.corner);
        EXPECT_EQ(hover.HoverTicks(), step.ticks);
    }
    // A window at x = 0 goes back to the right.
    HoverCorner left;
    const DesktopRect atLeft = {0, 658, 200, 738};
    for (int i = 0; i < 2; ++i) EXPECT_EQ(left.OnTimerTick({0, 700}, atLeft), Corner::None);
    EXPECT_EQ(left.OnTimerTick({0, 700}, atLeft), Corner::BottomRight);
}

class ProgressHotkeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_bStop = g_bPaused = g_bStoppedByUser = false;
        g_pProgDlg = nullptr;
    }
    void TearDown() override
    {
        g_bStop = g_bPaused = g_bStoppedByUser = false;
        g_pProgDlg = nullptr;
    }
    SimProfile profile;
    SimPrompt prompt;
    int window = 0;
    std::vector<std::wstring> hints;
};

TEST_F(ProgressHotkeys, HintAndRegistrationFollowTheStoredValues)
{
    const struct {
        const wchar_t* stop;   // nullptr: not stored
        const wchar_t* pause;
        const wchar_t* hint;
        std::vector<std::string> calls;
    } cases[] = {
        {nullptr, nullptr, L"Press Alt + F2 to Stop", {"register 32771 1 71", "register 32793 2 50"}},
        {L"71,1", nullptr, L"Press Shift + F2 to Stop", {"register 32771 4 71", "register 32793 2 50"}},
        {L"7B,6", L"51,1", L"Press Ctrl + Alt + F12 to Stop", {"register 32771 3 7B", "register 32793 4 51"}},
        {L"junk", L"junk", L"Press Alt + F2 to Stop", {"register 32771 1 71", "register 32793 2 50"}},
    };
    for (const auto& c : cases) {
        SimDesktop fresh;
        profile.values.clear();
        hints.clear();
        if (c.stop) profile.values[L"HK_StopRepeat"] = c.stop;
        if (c.pause) profile.values[L"HK_PauseRepeat"] = c.pause;
        RegisterProgressHotkeys(fresh, profile, prompt, &window,
                                [this](const std::wstring& hint) { hints.push_back(hint); });
        EXPECT_EQ(hints, std::vector<std::wstring>{c.hint});
        EXPECT_EQ(fresh.calls, c.calls);
        EXPECT_TRUE(fresh.IsRegistered(&window, 32771));
        EXPECT_TRUE(fresh.IsRegistered(&window, 32793));
        EXPECT_TRUE(prompt.shown.empty());
        UnregisterProgressHotkeys(fresh, &window);
        EXPECT_FALSE(fresh.IsRegistered(&window, 32771));
        EXPECT_FALSE(fresh.IsRegistered(&window, 32793));
    }
}

TEST_F(ProgressHotkeys, ARefusalIsToldAndDoesNotStopTheOther)
{
    profile.values[L"HK_StopRepeat"] = L"71,1";
    const struct {
        const char* what;
        bool stopTaken, pauseTaken;
        std::vector<std::wstring> shown;
    } cases[] = {
        {"stop taken", true, false, {L"Hotkey 'Shift + F2' conflict!"}},
        {"pause taken", false, true, {L"Hotkey 'Ctrl + P' conflict!"}},
        {"both taken", true, true, {L"Hotkey 'Shift + F2' conflict!", L"Hotkey 'Ctrl + P' conflict!"}},
    };
    for (const auto& c : cases) {
        SimDesktop fresh;
        SimPrompt answers;
        hints.clear();
        if (c.stopTaken) fresh.takenHotkeys.insert({kModShift, 0x71});
        if (c.pauseTaken) fresh.takenHotkeys.insert({kModControl, 0x50});
        RegisterProgressHotkeys(fresh, profile, answers, &window,
                                [this](const std::wstring& hint) { hints.push_back(hint); });
        EXPECT_EQ(answers.shown, c.shown) << c.what;
        EXPECT_EQ(answers.iconsShown, std::vector<PromptIcon>(c.shown.size(), PromptIcon::None)) << c.what;
        // The label names the stop hotkey either way.
        EXPECT_EQ(hints, std::vector<std::wstring>{L"Press Shift + F2 to Stop"}) << c.what;
        EXPECT_EQ(fresh.IsRegistered(&window, 32771), !c.stopTaken) << c.what;
        EXPECT_EQ(fresh.IsRegistered(&window, 32793), !c.pauseTaken) << c.what;
    }
}

TEST_F(ProgressHotkeys, StopEndsTheRunAndPauseToggles)
{
    const struct {
        std::vector<int> ids;
        bool stop, stoppedByUser, paused;
    } cases[] = {
        {{32771}, true, true, false},
        {{32793}, false, false, true},
        {{32793, 32793}, false, false, false},  // twice within one slice: never paused
        {{32793, 32771}, true, true, true},
        {{32774, 32775, 1, 0}, false, false, false},
    };
    for (const auto& c : cases) {
        g_bStop = g_bPaused = g_bStoppedByUser = false;
        for (int id : c.ids) OnProgressHotkey(id);
        EXPECT_EQ(g_bStop, c.stop);
        EXPECT_EQ(g_bStoppedByUser, c.stoppedByUser);
        EXPECT_EQ(g_bPaused, c.paused);
    }
}

TEST_F(ProgressHotkeys, AttachingStartsTheFlagsAfreshAndDetachForgetsOnlyItself)
{
    class Status : public StatusText {
    public:
        std::wstring GetStatusText() override { return L""; }
        void SetStatusText(const std::wstring&) override {}
    } first, second;
    g_bPaused = g_bStoppedByUser = g_bStop = true;
    AttachProgressWindow(&first);
    EXPECT_EQ(g_pProgDlg, &first);
    EXPECT_FALSE(g_bPaused);
    EXPECT_FALSE(g_bStoppedByUser);
    EXPECT_TRUE(g_bStop) << "the run clears the stop request itself";
    AttachProgressWindow(&second);
    DetachProgressWindow(&first);
    EXPECT_EQ(g_pProgDlg, &second);
    DetachProgressWindow(&second);
    EXPECT_EQ(g_pProgDlg, nullptr);
}

class FakeShutdown : public ShutdownPort {
public:
    explicit FakeShutdown(std::vector<std::wstring>& log) : m_log(log) {}
    bool ShutdownComputer() override
    {
        m_log.push_back(L"shutdown");
        return accepts;
    }
    bool accepts = false;

private:
    std::vector<std::wstring>& m_log;
};

class LogView : public CountdownView {
public:
    explicit LogView(std::vector<std::wstring>& log) : m_log(log) {}
    void ShowCountdown(const std::wstring& text) override { m_log.push_back(text); }
    void StopTimer() override { m_log.push_back(L"stop timer"); }
    void EndShuttingDown() override { m_log.push_back(L"end"); }

private:
    std::vector<std::wstring>& m_log;
};

TEST(ShutdownCountdown, CountsSixtyToOneThenShutsDown)
{
    std::vector<std::wstring> log;
    LogView view(log);
    FakeShutdown port(log);
    ShutdownCountdown countdown(view, port);
    countdown.Start();
    EXPECT_EQ(log, std::vector<std::wstring>{L"60 seconds"});
    EXPECT_EQ(countdown.SecondsLeft(), 60);
    for (int left = 59; left >= 1; --left) {
        log.clear();
        countdown.OnTick();
        EXPECT_EQ(log, std::vector<std::wstring>{CountdownText(left)}) << left;
        EXPECT_EQ(countdown.SecondsLeft(), left);
        EXPECT_TRUE(countdown.IsCounting());
    }
    EXPECT_EQ(CountdownText(1), L"1 seconds");
    log.clear();
    countdown.OnTick();  // the 60th
    EXPECT_EQ(log, (std::vector<std::wstring>{L"stop timer", L"Shutting down...", L"shutdown"}));
    EXPECT_FALSE(countdown.IsCounting());
    log.clear();
    countdown.OnTick();  // one already queued when the timer stopped
    EXPECT_TRUE(log.empty());
}

TEST(ShutdownCountdown, OutcomesOfTheRequest)
{
    const struct {
        const char* what;
        int ticks;     // before the button, or 60 for the countdown's own end
        int presses;   // of "Shutdown Immediate"
        bool accepts;
        std::vector<std::wstring> log;  // after the ticks
    } cases[] = {
        {"countdown ends, accepted", 60, 0, true, {L"stop timer", L"Shutting down...", L"shutdown", L"end"}},
        {"countdown ends, refused: stays open", 60, 0, false, {L"stop timer", L"Shutting down...", L"shutdown"}},
        {"at 45 seconds, accepted", 15, 1, true, {L"stop timer", L"Shutting down...", L"shutdown", L"end"}},
        {"at once, refused", 0, 1, false, {L"stop timer", L"Shutting down...", L"shutdown"}},
        {"refused, then pressed again",
         3,
         2,
         false,
         {L"stop timer", L"Shutting down...", L"shutdown", L"stop timer", L"Shutting down...", L"shutdown"}},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> log;
        LogView view(log);
        FakeShutdown port(log);
        port.accepts = c.accepts;
        ShutdownCountdown countdown(view, port);
        countdown.Start();
        for (int i = 0; i < c.ticks; ++i) countdown.OnTick();
        if (c.ticks < 60) {
            EXPECT_EQ(log.back(), CountdownText(60 - c.ticks)) << c.what;
            log.clear();
        } else {
            log.erase(log.begin(), log.begin() + 60);  // the texts 60 to 1
        }
        for (int i = 0; i < c.presses; ++i) countdown.ShutdownNow();
        countdown.OnTick();  // ticks after the request change nothing
        EXPECT_EQ(log, c.log) << c.what;
        EXPECT_EQ(countdown.SecondsLeft(), c.ticks < 60 ? 60 - c.ticks : 0) << c.what;
    }
}

TEST(UserControlNotice, EveryClickWritesTheOption)
{
    const struct {
        std::vector<bool> clicks;  // the box's state after each click
        const wchar_t* stored;
    } cases[] = {
        {{true}, L"0"},
        {{true, false}, L"1"},
        {{true, false, true}, L"0"},
    };
    for (const auto& c : cases) {
        SimProfile profile;
        for (bool checked : c.clicks) WriteDontShowChoice(profile, checked);
        EXPECT_EQ(profile.writes, static_cast<int>(c.clicks.size()));
        EXPECT_EQ(profile.values[L"UserCtrlTip"], c.stored);
        EXPECT_EQ(UserControlNoticeWanted(profile), std::wstring(c.stored) != L"0");
    }
}

TEST(UserControlNotice, ShownUnlessExactlyZero)
{
    const struct {
        const wchar_t* stored;  // nullptr: missing
        bool wanted;
    } cases[] = {
        {nullptr, true}, {L"0", false}, {L"1", true}, {L"", true}, {L"00", true}, {L" 0", true}, {L"no", true},
    };
    for (const auto& c : cases) {
        SimProfile profile;
        if (c.stored) profile.values[L"UserCtrlTip"] = c.stored;
        EXPECT_EQ(UserControlNoticeWanted(profile), c.wanted) << (c.stored ? "stored" : "missing");
    }
}

}  // namespace
