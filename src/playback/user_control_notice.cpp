#include "playback/user_control_notice.h"

#include "config/config_store.h"

const wchar_t kUserCtrlTipKey[] = L"UserCtrlTip";

bool UserControlNoticeWanted(Profile& profile)
{
    return ReadOptionValue(profile, kUserCtrlTipKey, L"1") != L"0";
}

void WriteDontShowChoice(Profile& profile, bool checked)
{
    WriteOptionValue(profile, kUserCtrlTipKey, checked ? L"0" : L"1");
}
