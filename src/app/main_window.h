// The main window's rules over its controls: their initial values, which
// of them are enabled, the list's column widths, and its two hotkeys.
#pragma once

#include "capture/desktop_input.h"

class DialogControls;
class Profile;
class Prompt;

// The unit list's items, in order; "minute" is selected at start.
extern const wchar_t* const kDurationUnits[4];
constexpr int kDurationUnitMinute = 2;

// The repeat options as the window starts: once, 1 time, 1 minute, no delay,
// normal speed.
void ResetRepeatControls(DialogControls& controls);

// The count field goes with "Repeat", the duration and its unit with
// "Repeat for". Spinners stay enabled and are only redrawn.
void UpdateRepeatControls(DialogControls& controls);
// The delay fields and the random choice go with the delay check box.
void UpdateDelayControls(DialogControls& controls);

struct ColumnWidths {
    int name;
    int location;
};
// A quarter of the list's client width for the name, 71 % for the location.
ColumnWidths RecordListColumnWidths(int clientWidth);

// Unregisters and registers the Record and Repeat hotkeys, naming each in
// its button's caption.
void RegisterMainHotkeys(DesktopInput& desktop, Profile& profile, Prompt& prompt, WindowHandle window,
                         DialogControls& controls);
void UnregisterMainHotkeys(DesktopInput& desktop, WindowHandle window);

enum class MainHotkeyAction { None, Record, Repeat };
// What a WM_HOTKEY asks of the main window; nothing while Options is open.
MainHotkeyAction MainHotkeyActionFor(int id, bool optionsOpen);
