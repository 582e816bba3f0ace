// One repeat run: choose and load the record, read the plan from the main
// window, play the passes with their delays, and end the run.
#pragma once

#include <cstdint>
#include <string>

#include "base/lock.h"
#include "capture/desktop_input.h"

class DialogControls;
class Profile;
class ProgressWindow;
class Prompt;
class RecordListView;

enum class RepeatMode { Once, Times, Time };

constexpr uint32_t kUnlimitedPasses = 0xFFFFFFFF;

struct RepeatPlan {
    RepeatMode mode = RepeatMode::Once;
    uint32_t passCount = 1;
    uint64_t durationMs = 0;
    int32_t delaySeconds = 0;
    bool randomDelay = false;
    double speedFactor = 1.0;
};

// A run is in progress; the Repeat command, the list's double-click and the
// start-repeat hotkey all arrive through the pump while one plays.
extern bool g_bRepeating;
extern Lock g_repeatLock;

double SpeedFactorFromSlider(int position);
// The control's text scanned with "%d"; `fallback` when empty or not a number.
int32_t ReadIntFromWindow(DialogControls& controls, int id, int32_t fallback);
// The first selected row, or -1.
int GetFirstSelectedItem(RecordListView& list);

struct LocalClock {
    int hour, minute, second;
};

// What a run needs of the program's windows and of the system.
class RepeatHost {
public:
    virtual ~RepeatHost() = default;
    virtual RecordListView& RecordList() = 0;
    virtual DialogControls& MainControls() = 0;
    virtual Prompt& Messages() = 0;
    virtual Profile& Settings() = 0;
    virtual DesktopInput& Desktop() = 0;

    virtual void HideMainWindow() = 0;
    // Whether windows shown now may be owned by the main window.
    virtual void SetMainWindowReference(bool set) = 0;
    // Made, placed bottom right, and shown without activation when `visible`.
    virtual ProgressWindow& CreateProgressWindow(bool visible) = 0;
    virtual void DestroyProgressWindow() = 0;
    virtual void ShowUserControlNotice() = 0;
    // True when the user called the shutdown off.
    virtual bool ShutdownCancelled() = 0;
    // Shown, in front, focused on the record list.
    virtual void BringBackMainWindow() = 0;
    // WM_CLOSE to the main window: posted when `post`, else sent.
    virtual void CloseMainWindow(bool post) = 0;
    virtual void EndProcess(int exitCode) = 0;

    // time(NULL), localtime, srand and rand (0 to 32767).
    virtual int64_t Now() = 0;
    virtual LocalClock LocalTimeOf(int64_t time) = 0;
    virtual void SeedRandom(int64_t seed) = 0;
    virtual int Random() = 0;
};

RepeatPlan ReadRepeatPlan(RepeatHost& host);
void RunRepeat(RepeatHost& host);
