#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "capture/capture_engine.h"
#include "config/profile.h"
#include "model/record_file.h"
#include "playback/player.h"
#include "playback/progress_window.h"
#include "playback/repeat_run.h"
#include "playback/run_state.h"
#include "resources/resource.h"
#include "sim_profile.h"
#include "sim_desktop.h"
#include "sim_dialog_controls.h"
#include "sim_prompt.h"
#include "sim_record_list.h"
#include "temp_folder.h"

namespace {

class SimProgress : public ProgressWindow {
public:
    std::wstring GetStatusText() override { return status; }
    void SetStatusText(const std::wstring& text) override
    {
        status = text;
        if (texts.empty() || texts.back() != text) texts.push_back(text);
    }
    void SetRange(uint32_t total) override { range = total; }
    void SetPosition(uint32_t position) override { positions.push_back(position); }

    std::wstring status;
    std::vector<std::wstring> texts;
    std::vector<uint32_t> positions;
    uint32_t range = 0;
};

// The main window, its progress window and the system, in memory.
class SimRepeatHost : public RepeatHost {
public:
    SimRepeatHost()
    {
        desktop.now = 5000;
        desktop.onHotkey = [](WindowHandle, int id) {
            if (id == 32771) g_bStop = g_bStoppedByUser = true;
            if (id == 32793) g_bPaused = !g_bPaused;
        };
        controls.SetChecked(IDC_MODE_ONCE, true);
        controls.SetPosition(IDC_SPEED, 5);
        controls.SetSelection(IDC_DURATION_UNIT, 2);
    }
    RecordListView& RecordList() override { return list; }
    DialogControls& MainControls() override { return controls; }
    Prompt& Messages() override { return prompt; }
    Profile& Settings() override { return profile; }
    DesktopInput& Desktop() override { return desktop; }
    void HideMainWindow() override { log.push_back("hide"); }
    void SetMainWindowReference(bool set) override { log.push_back(set ? "owner set" : "owner cleared"); }
    ProgressWindow& CreateProgressWindow(bool visible) override
    {
        log.push_back(visible ? "progress shown" : "progress hidden");
        g_bPaused = g_bStoppedByUser = false;
        desktop.RegisterHotkey(&progressWindow, 32771, kModAlt, 0x71);
        desktop.RegisterHotkey(&progressWindow, 32793, kModControl, 'P');
        g_pProgDlg = &progress;
        return progress;
    }
    void DestroyProgressWindow() override
    {
        log.push_back("progress destroyed");
        desktop.UnregisterHotkey(&progressWindow, 32771);
        desktop.UnregisterHotkey(&progressWindow, 32793);
    }
    void ShowUserControlNotice() override { log.push_back("notice"); }
    bool ShutdownCancelled() override
    {
        log.push_back("countdown");
        return cancelShutdown;
    }
    void BringBackMainWindow() override { log.push_back("main back"); }
    void CloseMainWindow(bool post) override { log.push_back(post ? "close posted" : "close sent"); }
    void EndProcess(int exitCode) override { log.push_back("exit " + std::to_string(exitCode)); }
    int64_t Now() override { return 1700000000 + desktop.now / 1000; }
    LocalClock LocalTimeOf(int64_t) override { return {9, 5, 0}; }
    void SeedRandom(int64_t) override { log.push_back("seeded"); }
    int Random() override { return randomValue; }

    // Records in a folder of their own, listed as rows.
    void AddRecord(const std::wstring& name, const EventList& events)
    {
        SimPrompt silent;
        std::wstring path = folder.File(name + L".tvmc");
        SaveRecordFile(silent, path, L"", events);
        list.AddRow(name, path);
    }
    int Passes() const
    {
        return static_cast<int>(std::count_if(progress.texts.begin(), progress.texts.end(), [](const std::wstring& t) {
            return t.find(L"current") != std::wstring::npos;
        }));
    }

    TempFolder folder;
    SimDesktop desktop;
    SimRecordList list;
    SimDialogControls controls;
    SimPrompt prompt;
    SimProfile profile;
    SimProgress progress;
    int progressWindow = 0;
    bool cancelShutdown = true;
    int randomValue = 0;
    std::vector<std::string> log;
};

// A key tapped: 100 ms down, then up.
const EventList kTap = {{EV_KEYDOWN, 'A', 0, 0, 100}, {EV_KEYUP, 'A', 0, 0, 0}};

class RepeatRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_bRepeating = false;
        g_bStop = g_bPaused = g_bStoppedByUser = g_bUserMoved = false;
        StayOpenAfterRun = true;
        CommandLineRun = false;
        g_bAbsoluteMoves = false;
    }
    void TearDown() override
    {
        g_pProgDlg = nullptr;
        g_playback = {};
        StayOpenAfterRun = true;
    }
    SimRepeatHost host;
};

TEST(RepeatPlanTest, SpeedFactorsOfTheSlider)
{
    const double factors[] = {6, 5, 4, 3, 2, 1, 1.0 / 2, 1.0 / 3, 1.0 / 4, 1.0 / 5, 1.0 / 6};
    for (int position = 0; position <= 10; ++position)
        EXPECT_DOUBLE_EQ(SpeedFactorFromSlider(position), factors[position]) << position;
}

TEST_F(RepeatRunTest, PlanFromTheControls)
{
    const struct {
        const char* what;
        int mode;
        const wchar_t* count;
        const wchar_t* duration;
        int unit;
        RepeatMode expectedMode;
        uint32_t passes;
        uint64_t durationMs;
    } cases[] = {
        {"once", IDC_MODE_ONCE, L"7", L"", 2, RepeatMode::Once, 1, 0},
        {"times", IDC_MODE_TIMES, L"7", L"", 2, RepeatMode::Times, 7, 0},
        {"letters count once", IDC_MODE_TIMES, L"abc", L"", 2, RepeatMode::Times, 1, 0},
        {"empty count", IDC_MODE_TIMES, L"", L"", 2, RepeatMode::Times, 1, 0},
        {"zero", IDC_MODE_TIMES, L"0", L"", 2, RepeatMode::Times, 0, 0},
        {"500 ms", IDC_MODE_DURATION, L"", L"500", 0, RepeatMode::Time, kUnlimitedPasses, 500},
        {"2 hours", IDC_MODE_DURATION, L"", L"2", 3, RepeatMode::Time, kUnlimitedPasses, 7200000},
        {"no unit", IDC_MODE_DURATION, L"", L"3", -1, RepeatMode::Time, kUnlimitedPasses, 180000},
        {"none checked", 0, L"", L"", 2, RepeatMode::Once, 1, 0},
    };
    for (const auto& c : cases) {
        SimRepeatHost h;
        h.controls.SetChecked(IDC_MODE_ONCE, false);
        if (c.mode) h.controls.SetChecked(c.mode, true);
        h.controls.SetText(IDC_TIMES, c.count);
        h.controls.SetText(IDC_DURATION, c.duration);
        h.controls.SetSelection(IDC_DURATION_UNIT, c.unit);
        RepeatPlan plan = ReadRepeatPlan(h);
        EXPECT_EQ(plan.mode, c.expectedMode) << c.what;
        EXPECT_EQ(plan.passCount, c.passes) << c.what;
        EXPECT_EQ(plan.durationMs, c.durationMs) << c.what;
    }

    host.controls.SetChecked(IDC_DELAY, true);
    host.controls.SetText(IDC_DELAY_HOURS, L"1");
    host.controls.SetText(IDC_DELAY_MINUTES, L"x");
    host.controls.SetText(IDC_DELAY_SECONDS, L" 5");
    host.controls.SetChecked(IDC_DELAY_RANDOM, true);
    host.controls.SetPosition(IDC_SPEED, 8);
    RepeatPlan plan = ReadRepeatPlan(host);
    EXPECT_EQ(plan.delaySeconds, 3605);
    EXPECT_TRUE(plan.randomDelay);
    EXPECT_EQ(host.log, std::vector<std::string>{"seeded"});
    EXPECT_DOUBLE_EQ(plan.speedFactor, 0.25);

    host.controls.SetText(IDC_DELAY_HOURS, L"10000000");
    EXPECT_EQ(ReadRepeatPlan(host).delaySeconds, INT32_MAX) << "held, not wrapped";
    host.controls.SetChecked(IDC_DELAY, false);
    EXPECT_EQ(ReadRepeatPlan(host).delaySeconds, 0);
    EXPECT_FALSE(ReadRepeatPlan(host).randomDelay);
}

TEST_F(RepeatRunTest, ChoosingTheRecord)
{
    RunRepeat(host);
    EXPECT_EQ(host.prompt.shown,
              std::vector<std::wstring>{L"There is no Record, please click 'Record' to create a Record first."});
    EXPECT_EQ(host.prompt.iconsShown[0], PromptIcon::Information);

    host.AddRecord(L"one", kTap);
    RunRepeat(host);
    EXPECT_EQ(host.Passes(), 1) << "the only row plays, selected or not";

    host.AddRecord(L"two", kTap);
    host.prompt.shown.clear();
    RunRepeat(host);
    EXPECT_EQ(host.prompt.shown, std::vector<std::wstring>{L"Please select the Record you want to repeat!"});
    EXPECT_FALSE(g_bRepeating);
}

TEST_F(RepeatRunTest, UnreadableAndEmptyRecords)
{
    host.list.AddRow(L"gone", host.folder.File(L"gone.tvmc"));
    CommandLineRun = true;
    RunRepeat(host);
    EXPECT_EQ(host.prompt.shown.back(), L"Can not open file: '" + host.folder.File(L"gone.tvmc") + L"'");
    EXPECT_EQ(host.log, std::vector<std::string>{"close posted"});

    host.list.RemoveAllRows();
    host.log.clear();
    host.AddRecord(L"empty", EventList());
    RunRepeat(host);
    EXPECT_EQ(host.prompt.shown.back(), L"Record: '" + host.folder.File(L"empty.tvmc") + L"' is empty!");
    EXPECT_TRUE(host.log.empty()) << "no close request for an empty record";
    CommandLineRun = false;
}

TEST_F(RepeatRunTest, AOnePassRunFromStartToEnd)
{
    host.AddRecord(L"tap", kTap);
    RunRepeat(host);
    EXPECT_EQ(host.log, (std::vector<std::string>{"hide", "owner cleared", "progress shown", "owner set",
                                                  "progress destroyed", "main back"}));
    EXPECT_EQ(host.progress.range, 100u);
    EXPECT_EQ(host.progress.texts, std::vector<std::wstring>{L"Repeat 1 times, current 1"});
    EXPECT_EQ(host.progress.positions, (std::vector<uint32_t>{0, 100, 100}));
    std::vector<std::string> injected = host.desktop.Injected();
    EXPECT_EQ(injected, (std::vector<std::string>{"key 41 1E 0", "key 41 1E 2", "key 10 2A 2", "key 11 1D 2",
                                                  "key 12 38 2"}));
    EXPECT_FALSE(g_bRepeating);
    EXPECT_NE(std::find(host.desktop.calls.begin(), host.desktop.calls.end(), "precise timing on"),
              host.desktop.calls.end());
    EXPECT_EQ(host.desktop.calls.back(), "precise timing off");
}

TEST_F(RepeatRunTest, PassesDelaysAndEndings)
{
    const struct {
        const char* what;
        int mode;
        const wchar_t* count;
        const wchar_t* duration;
        int unit;
        int delaySeconds;
        bool random;
        int randomValue;
        int passes;
        uint32_t delayedMs;  // time spent between passes
    } cases[] = {
        {"zero times", IDC_MODE_TIMES, L"0", L"", 2, 0, false, 0, 0, 0},
        {"letters: once", IDC_MODE_TIMES, L"zz", L"", 2, 0, false, 0, 1, 0},
        {"3 times, 2 s apart", IDC_MODE_TIMES, L"3", L"", 2, 2, false, 0, 3, 4000},
        {"500 ms: one pass", IDC_MODE_DURATION, L"", L"500", 0, 0, false, 0, 1, 0},
        {"random of 1 s waits 0", IDC_MODE_TIMES, L"2", L"", 2, 1, true, 9999, 2, 0},
        {"random of 10 s", IDC_MODE_TIMES, L"2", L"", 2, 10, true, 5000, 2, 5000},
    };
    for (const auto& c : cases) {
        SimRepeatHost h;
        h.AddRecord(L"tap", kTap);
        h.controls.SetChecked(IDC_MODE_ONCE, false);
        h.controls.SetChecked(c.mode, true);
        h.controls.SetText(IDC_TIMES, c.count);
        h.controls.SetText(IDC_DURATION, c.duration);
        h.controls.SetSelection(IDC_DURATION_UNIT, c.unit);
        h.controls.SetChecked(IDC_DELAY, c.delaySeconds > 0);
        h.controls.SetText(IDC_DELAY_SECONDS, std::to_wstring(c.delaySeconds));
        h.controls.SetChecked(IDC_DELAY_RANDOM, c.random);
        h.randomValue = c.randomValue;
        uint32_t start = h.desktop.now;
        RunRepeat(h);
        EXPECT_EQ(h.Passes(), c.passes) << c.what;
        // 300 ms settling, 100 ms per pass, and the delays.
        EXPECT_EQ(h.desktop.now - start, 300u + 100u * c.passes + c.delayedMs) << c.what;
        EXPECT_EQ(h.log.back(), "main back") << c.what;
    }
}

TEST_F(RepeatRunTest, TimeModeTestsTheEndBetweenPasses)
{
    // One minute, a two-minute record: one pass, the end has passed.
    host.AddRecord(L"long", {{EV_KEYDOWN, 'A', 0, 0, 120000}, {EV_KEYUP, 'A', 0, 0, 0}});
    host.controls.SetChecked(IDC_MODE_ONCE, false);
    host.controls.SetChecked(IDC_MODE_DURATION, true);
    host.controls.SetText(IDC_DURATION, L"1");
    RunRepeat(host);
    EXPECT_EQ(host.progress.texts, std::vector<std::wstring>{L"Started at 09:05:00, current 1"});
}

TEST_F(RepeatRunTest, LongDurationsDoNotWrapIntoAnImmediateEnd)
{
    // 1,000,000 hours: 3.6e9 s, past the 32-bit range.
    host.AddRecord(L"tap", kTap);
    host.controls.SetChecked(IDC_MODE_ONCE, false);
    host.controls.SetChecked(IDC_MODE_DURATION, true);
    host.controls.SetText(IDC_DURATION, L"1000000");
    host.controls.SetSelection(IDC_DURATION_UNIT, 3);
    host.desktop.PressHotkeyAt(host.desktop.now + 300 + 250, 32771);  // during the third pass
    RunRepeat(host);
    EXPECT_EQ(host.Passes(), 3);
}

TEST_F(RepeatRunTest, StopDuringTheDelayEndsTheRun)
{
    host.AddRecord(L"tap", kTap);
    host.controls.SetChecked(IDC_MODE_ONCE, false);
    host.controls.SetChecked(IDC_MODE_TIMES, true);
    host.controls.SetText(IDC_TIMES, L"3");
    host.controls.SetChecked(IDC_DELAY, true);
    host.controls.SetText(IDC_DELAY_SECONDS, L"5");
    host.controls.SetChecked(IDC_SHUTDOWN, true);
    host.desktop.PressHotkeyAt(host.desktop.now + 300 + 100 + 1500, 32771);
    RunRepeat(host);
    EXPECT_EQ(host.Passes(), 1);
    EXPECT_EQ(host.progress.texts.back(), L"Delaying until next repeat");
    EXPECT_EQ(host.log.back(), "main back") << "a run the user stopped has no countdown";
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "countdown"), 0);
}

TEST_F(RepeatRunTest, ShutdownCountdownAtTheEnd)
{
    host.AddRecord(L"tap", kTap);
    host.controls.SetChecked(IDC_SHUTDOWN, true);
    host.cancelShutdown = false;
    RunRepeat(host);
    EXPECT_EQ(host.log.back(), "countdown") << "the system shuts down; the main window stays hidden";

    host.cancelShutdown = true;
    host.log.clear();
    RunRepeat(host);
    EXPECT_EQ(host.log.back(), "main back");
}

TEST_F(RepeatRunTest, HandMoveInAQuitAfterRunStart)
{
    StayOpenAfterRun = false;
    host.AddRecord(L"slow", {{EV_KEYDOWN, 'A', 0, 0, 2000}, {EV_KEYUP, 'A', 0, 0, 0}});
    // Past the quiet period of the first 300 ms of playback.
    auto moveSoon = [&](int32_t x) { host.desktop.MoveCursorAt(host.desktop.now + 300 + 800, x, x); };
    moveSoon(500);
    RunRepeat(host);
    EXPECT_TRUE(g_bUserMoved);
    std::vector<std::string> tail(host.log.end() - 2, host.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"notice", "exit -2"}));

    host.log.clear();
    host.profile.values[L"UserCtrlTip"] = L"0";
    moveSoon(10);
    RunRepeat(host);
    EXPECT_EQ(host.log.back(), "exit -2");
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "notice"), 0);

    // Ended without the user: the main window is closed normally.
    host.log.clear();
    host.profile.values[L"MoveNoStop"] = L"1";
    moveSoon(600);
    RunRepeat(host);
    EXPECT_EQ(host.log.back(), "close sent");
}

TEST_F(RepeatRunTest, HiddenProgressWindowKeepsItsHotkeys)
{
    host.profile.values[L"NoProgWnd"] = L"1";
    host.AddRecord(L"long", {{EV_KEYDOWN, 'A', 0, 0, 10000}, {EV_KEYUP, 'A', 0, 0, 0}});
    host.desktop.PressHotkeyAt(host.desktop.now + 300 + 500, 32771);
    uint32_t start = host.desktop.now;
    RunRepeat(host);
    EXPECT_EQ(host.log[2], "progress hidden");
    EXPECT_TRUE(g_bStoppedByUser);
    EXPECT_LT(host.desktop.now - start, 1000u);
}

TEST_F(RepeatRunTest, NoSecondRunWhileOnePlays)
{
    host.AddRecord(L"tap", kTap);
    int nested = 0;
    host.desktop.onPump = [&] {
        if (nested++ == 0) RunRepeat(host);  // a Repeat command arriving through the pump
    };
    RunRepeat(host);
    EXPECT_EQ(host.Passes(), 1);
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "hide"), 1);

    // Nor while a recording captures: it would record the run's own input.
    host.log.clear();
    g_bRecording = true;
    RunRepeat(host);
    g_bRecording = false;
    EXPECT_TRUE(host.log.empty());
}

}  // namespace
