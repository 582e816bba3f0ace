// Message boxes answered from a script, remembering what they showed.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/prompt.h"

class SimPrompt : public Prompt {
public:
    PromptAnswer Show(const std::wstring& text, PromptButtons buttons, PromptIcon icon) override
    {
        shown.push_back(text);
        buttonsShown.push_back(buttons);
        iconsShown.push_back(icon);
        if (!answers.empty()) {
            PromptAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Ok;
    }

    std::deque<PromptAnswer> answers;
    std::vector<std::wstring> shown;
    std::vector<PromptButtons> buttonsShown;
    std::vector<PromptIcon> iconsShown;
};
