#pragma once

#include <windows.h>

#include "ui/prompt.h"

// Message boxes owned by a window (or by none), captioned with the program's name.
class PromptWin32 : public Prompt {
public:
    explicit PromptWin32(HWND owner = nullptr) : m_owner(owner) {}
    void SetOwner(HWND owner) { m_owner = owner; }
    PromptAnswer Show(const std::wstring& text, PromptButtons buttons, PromptIcon icon) override;

private:
    HWND m_owner;
};
