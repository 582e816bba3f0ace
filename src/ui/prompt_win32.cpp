#include "ui/prompt_win32.h"

PromptAnswer PromptWin32::Show(const std::wstring& text, PromptButtons buttons, PromptIcon icon)
{
    UINT type = buttons == PromptButtons::YesNo ? MB_YESNO : MB_OK;
    switch (icon) {
    case PromptIcon::Information: type |= MB_ICONINFORMATION; break;
    case PromptIcon::Warning: type |= MB_ICONWARNING; break;
    case PromptIcon::Error: type |= MB_ICONERROR; break;
    case PromptIcon::None: break;
    }
    int answer = MessageBoxW(m_owner, text.c_str(), L"Tavorin", type);
    if (answer == IDYES) return PromptAnswer::Yes;
    if (answer == IDNO) return PromptAnswer::No;
    return PromptAnswer::Ok;
}
