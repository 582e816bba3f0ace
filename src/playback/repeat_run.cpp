#include "playback/repeat_run.h"

#include <algorithm>
#include <cstdint>

#include "base/text.h"
#include "capture/capture_engine.h"
#include "config/config_store.h"
#include "library/record_list_view.h"
#include "model/record_file.h"
#include "playback/player.h"
#include "playback/progress_window.h"
#include "playback/run_state.h"
#include "playback/user_control_notice.h"
#include "resources/resource.h"
#include "ui/dialog_controls.h"
#include "ui/prompt.h"

bool g_bRepeating = false;
Lock g_repeatLock;

namespace {

constexpr int kSettleRounds = 6;

void SetRepeating(bool repeating)
{
    LockGuard guard(g_repeatLock);
    g_bRepeating = repeating;
}

// Clears the re-entry guard wherever the run ends.
struct RepeatingScope {
    RepeatingScope() { SetRepeating(true); }
    ~RepeatingScope() { SetRepeating(false); }
};

uint64_t DurationUnitMs(int selection)
{
    switch (selection) {
    case 0: return 1;
    case 1: return 1000;
    case 2: return 60000;
    case 3: return 3600000;
    default: return 60000;
    }
}

// The record to play: the only row, or the selected one of several. Empty
// after telling the user why there is none.
bool ChooseRecord(RepeatHost& host, std::wstring* path)
{
    RecordListView& list = host.RecordList();
    int rows = list.RowCount();
    if (rows == 0) {
        host.Messages().Show(L"There is no Record, please click 'Record' to create a Record first.",
                             PromptButtons::Ok, PromptIcon::Information);
        return false;
    }
    int row = rows == 1 ? 0 : GetFirstSelectedItem(list);
    if (row < 0) {
        host.Messages().Show(L"Please select the Record you want to repeat!");
        return false;
    }
    *path = list.GetText(row, 1);
    return true;
}

void DelayBetweenPasses(RepeatHost& host, const RepeatPlan& plan, ProgressWindow& progress, uint32_t total)
{
    progress.SetPosition(total);
    progress.SetStatusText(L"Delaying until next repeat");
    uint32_t seconds = static_cast<uint32_t>(plan.delaySeconds);
    if (plan.randomDelay) {
        int r = host.Random() % 10000;
        seconds = static_cast<uint32_t>(static_cast<double>(seconds) * r / 10000.0);
    }
    for (uint32_t s = 0; s < seconds && !g_bStop; ++s) {
        if (g_bDetectUserMove) g_ptLastCursor = host.Desktop().GetCursor();
        SlicedWait(1000);
    }
}

void PlayPass(const EventList& events, const RepeatPlan& plan, bool swapButtons, ProgressWindow& progress)
{
    BeginPass();
    uint32_t elapsed = 0;
    for (const INPUTEVENT& event : events) {
        if (g_bStop) break;
        PlayEvent(event, plan.speedFactor, swapButtons);
        elapsed += event.delay;
        progress.SetPosition(elapsed);
        PumpMessages();
    }
    // Nothing the pass pressed stays down, stopped or not.
    ReleasePressedInput();
    SendKey(0x10, true);
    SendKey(0x11, true);
    SendKey(0x12, true);
}

}  // namespace

double SpeedFactorFromSlider(int position)
{
    if (position == 5) return 1.0;
    if (position > 5) return 1.0 / (position - 4);
    return (5 - position) + 1.0;
}

int32_t ReadIntFromWindow(DialogControls& controls, int id, int32_t fallback)
{
    std::wstring text = controls.GetText(id);
    int32_t value = 0;
    if (text.empty() || ScanDecimal(text.c_str(), &value) != 1) return fallback;
    return value;
}

int GetFirstSelectedItem(RecordListView& list)
{
    return list.GetSelectedRow();
}

RepeatPlan ReadRepeatPlan(RepeatHost& host)
{
    DialogControls& controls = host.MainControls();
    RepeatPlan plan;
    if (controls.IsChecked(IDC_MODE_ONCE)) {
        plan.mode = RepeatMode::Once;
        plan.passCount = 1;
    } else if (controls.IsChecked(IDC_MODE_TIMES)) {
        plan.mode = RepeatMode::Times;
        plan.passCount = static_cast<uint32_t>(ReadIntFromWindow(controls, IDC_TIMES, 1));
    } else if (controls.IsChecked(IDC_MODE_DURATION)) {
        plan.mode = RepeatMode::Time;
        plan.passCount = kUnlimitedPasses;
        plan.durationMs = static_cast<uint64_t>(static_cast<uint32_t>(ReadIntFromWindow(controls, IDC_DURATION, 1))) *
                          DurationUnitMs(controls.GetSelection(IDC_DURATION_UNIT));
    }
    if (controls.IsChecked(IDC_DELAY)) {
        plan.randomDelay = controls.IsChecked(IDC_DELAY_RANDOM);
        if (plan.randomDelay) host.SeedRandom(host.Now());
        // Summed wide: the fields go up to 10,000,000 each, and a sum that
        // wrapped would turn a long delay into a negative or a short one.
        int64_t seconds = int64_t(ReadIntFromWindow(controls, IDC_DELAY_HOURS, 0)) * 3600 +
                          int64_t(ReadIntFromWindow(controls, IDC_DELAY_MINUTES, 0)) * 60 +
                          ReadIntFromWindow(controls, IDC_DELAY_SECONDS, 0);
        plan.delaySeconds = static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(seconds, 0), INT32_MAX));
    }
    plan.speedFactor = SpeedFactorFromSlider(controls.GetPosition(IDC_SPEED));
    return plan;
}

void RunRepeat(RepeatHost& host)
{
    // A run refuses to start while a recording captures: it would record
    // its own injections.
    if (g_bRepeating || g_bRecording) return;
    RepeatingScope repeating;

    std::wstring path;
    if (!ChooseRecord(host, &path)) return;
    std::wstring error, description;
    EventList events;
    if (!LoadRecordFile(&error, path, &description, &events)) {
        host.Messages().Show(error);
        if (CommandLineRun) host.CloseMainWindow(true);
        return;
    }
    if (events.empty()) {
        host.Messages().Show(Format(L"Record: '%s' is empty!", path));
        return;
    }

    DesktopInput& desktop = host.Desktop();
    g_playback = {&desktop, &host.Settings()};
    host.HideMainWindow();
    g_bStop = false;
    g_bDetectUserMove = ReadOptionValue(host.Settings(), L"MoveNoStop", L"0") != L"1";
    bool showProgress = ReadOptionValue(host.Settings(), L"NoProgWnd", L"0") != L"1";
    bool swapButtons = desktop.ButtonsSwapped();
    g_nScreenWidth = desktop.ScreenWidth();
    g_nScreenHeight = desktop.ScreenHeight();
    desktop.SetPreciseTiming(true);

    host.SetMainWindowReference(false);
    ProgressWindow& progress = host.CreateProgressWindow(showProgress);
    uint32_t total = GetTotalDelay(events);
    progress.SetRange(total);

    RepeatPlan plan = ReadRepeatPlan(host);
    int64_t startTime = host.Now();
    // In 64 bits: a long duration must not wrap into an end in the past.
    int64_t endTime = startTime + static_cast<int64_t>(plan.durationMs / 1000);

    for (int i = 0; i < kSettleRounds; ++i) {
        PumpMessages();
        desktop.SleepMs(kWaitSlice);
    }
    g_bStoppedByUser = false;
    g_bUserMoved = false;
    g_dwPlaybackStartTick = desktop.Ticks();

    const bool limited = plan.passCount != kUnlimitedPasses;
    LocalClock started = host.LocalTimeOf(startTime);
    for (uint32_t pass = 1; plan.passCount != 0;) {
        if (g_bStop) break;
        progress.SetPosition(0);
        progress.SetStatusText(limited ? Format(L"Repeat %d times, current %d", plan.passCount, pass)
                                       : Format(L"Started at %02d:%02d:%02d, current %d", started.hour,
                                                started.minute, started.second, pass));
        PlayPass(events, plan, swapButtons, progress);

        if (plan.mode == RepeatMode::Time && host.Now() >= endTime) break;
        if (limited && pass + 1 > plan.passCount) break;
        DelayBetweenPasses(host, plan, progress, total);
        ++pass;
        if (limited && pass > plan.passCount) break;
    }

    host.SetMainWindowReference(true);
    host.DestroyProgressWindow();
    desktop.SetPreciseTiming(false);
    g_pProgDlg = nullptr;

    if (g_bUserMoved && UserControlNoticeWanted(host.Settings())) host.ShowUserControlNotice();
    if (!StayOpenAfterRun) {
        if (g_bStoppedByUser) {
            host.EndProcess(-2);
            return;
        }
        host.CloseMainWindow(false);
        return;
    }
    if (!g_bStoppedByUser && host.MainControls().IsChecked(IDC_SHUTDOWN) && !host.ShutdownCancelled()) return;
    host.BringBackMainWindow();
}
