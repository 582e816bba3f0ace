#include "app/main_window.h"

#include "base/text.h"
#include "config/hotkeys.h"
#include "resources/resource.h"
#include "ui/dialog_controls.h"

const wchar_t* const kDurationUnits[4] = {L"ms", L"second", L"minute", L"hour"};

void ResetRepeatControls(DialogControls& controls)
{
    controls.SetText(IDC_TIMES, L"1");
    controls.SetText(IDC_DURATION, L"1");
    controls.SetText(IDC_DELAY_HOURS, L"0");
    controls.SetText(IDC_DELAY_MINUTES, L"0");
    controls.SetText(IDC_DELAY_SECONDS, L"0");
    controls.SetChecked(IDC_MODE_ONCE, true);
    controls.SetSelection(IDC_DURATION_UNIT, kDurationUnitMinute);
}

void UpdateRepeatControls(DialogControls& controls)
{
    bool times = controls.IsChecked(IDC_MODE_TIMES);
    bool duration = controls.IsChecked(IDC_MODE_DURATION);
    controls.Enable(IDC_TIMES, times);
    controls.Enable(IDC_DURATION, duration);
    controls.Enable(IDC_DURATION_UNIT, duration);
    controls.Redraw(IDC_TIMES_SPIN);
    controls.Redraw(IDC_DURATION_SPIN);
}

void UpdateDelayControls(DialogControls& controls)
{
    bool on = controls.IsChecked(IDC_DELAY);
    const int fields[] = {IDC_DELAY_HOURS, IDC_DELAY_MINUTES, IDC_DELAY_SECONDS, IDC_DELAY_RANDOM};
    for (int id : fields) controls.Enable(id, on);
    const int spinners[] = {IDC_DELAY_HOURS_SPIN, IDC_DELAY_MINUTES_SPIN, IDC_DELAY_SECONDS_SPIN};
    for (int id : spinners) controls.Redraw(id);
}

ColumnWidths RecordListColumnWidths(int clientWidth)
{
    return {static_cast<int>(clientWidth * 0.25), static_cast<int>(clientWidth * 0.71)};
}

void RegisterMainHotkeys(DesktopInput& desktop, Profile& profile, Prompt& prompt, WindowHandle window,
                         DialogControls& controls)
{
    UnregisterMainHotkeys(desktop, window);
    RegisterHotkeyFromConfig(desktop, profile, prompt, window, kHotkeyStartRecord, [&](const std::wstring& text) {
        controls.SetText(IDC_RECORD, Format(L"Record (%s)", text));
    });
    RegisterHotkeyFromConfig(desktop, profile, prompt, window, kHotkeyStartRepeat, [&](const std::wstring& text) {
        controls.SetText(IDC_REPEAT, Format(L"Repeat (%s)", text));
    });
}

void UnregisterMainHotkeys(DesktopInput& desktop, WindowHandle window)
{
    desktop.UnregisterHotkey(window, kHotkeyStartRecord.id);
    desktop.UnregisterHotkey(window, kHotkeyStartRepeat.id);
}

MainHotkeyAction MainHotkeyActionFor(int id, bool optionsOpen)
{
    if (optionsOpen) return MainHotkeyAction::None;
    if (id == kHotkeyStartRecord.id) return MainHotkeyAction::Record;
    if (id == kHotkeyStartRepeat.id) return MainHotkeyAction::Repeat;
    return MainHotkeyAction::None;
}
