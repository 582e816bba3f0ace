// The option behind the notice that explains a stop by a hand on the mouse.
#pragma once

class Profile;

extern const wchar_t kUserCtrlTipKey[];

// Whether the run shows the notice: unless "UserCtrlTip" is exactly "0".
bool UserControlNoticeWanted(Profile& profile);
// The check box "Don't show this message again" was clicked: "0" when it is
// now checked, "1" when cleared; written at once, on every click.
void WriteDontShowChoice(Profile& profile, bool checked);
