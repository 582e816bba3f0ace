// What the progress window does to the run's state: it owns the stop and
// pause hotkeys, and it is the window that shows the pause message.
#pragma once

#include <functional>
#include <string>

#include "capture/desktop_input.h"
#include "playback/player.h"

class Profile;
class Prompt;

// "Press %s to Stop" with the stop hotkey's text.
std::wstring StopHintText(const std::wstring& hotkeyText);

// Registers the stop hotkey (its hint goes to `showStopHint`) and then the
// pause hotkey; a refusal of either is told through `prompt` and does not
// keep the other from being registered.
void RegisterProgressHotkeys(DesktopInput& desktop, Profile& profile, Prompt& prompt, WindowHandle window,
                             const std::function<void(const std::wstring&)>& showStopHint);
void UnregisterProgressHotkeys(DesktopInput& desktop, WindowHandle window);

// WM_HOTKEY: the stop hotkey ends the run as the user's choice, the pause
// hotkey toggles the pause; other ids change nothing.
void OnProgressHotkey(int id);

// Construction and creation of the progress window start the run's flags
// afresh and make it the window that shows the pause message.
void AttachProgressWindow(StatusText* window);
// Forgets `window` if it is the current one.
void DetachProgressWindow(StatusText* window);
