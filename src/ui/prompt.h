// Message boxes, as the portable code asks for them.
#pragma once

#include <string>

enum class PromptButtons { Ok, YesNo };
enum class PromptIcon { None, Information, Warning, Error };
enum class PromptAnswer { Ok, Yes, No };

class Prompt {
public:
    virtual ~Prompt() = default;
    // Shows a modal box and returns the button the user chose.
    virtual PromptAnswer Show(const std::wstring& text, PromptButtons buttons = PromptButtons::Ok,
                              PromptIcon icon = PromptIcon::None) = 0;
};
