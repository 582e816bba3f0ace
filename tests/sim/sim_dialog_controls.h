// A dialog's controls as values in memory, with a log of redraws.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/dialog_controls.h"

class SimDialogControls : public DialogControls {
public:
    struct Control {
        bool checked = false;
        bool enabled = true;
        std::wstring text;
        int selection = -1;
        int position = 0;
    };

    bool IsChecked(int id) override { return controls[id].checked; }
    void SetChecked(int id, bool checked) override { controls[id].checked = checked; }
    std::wstring GetText(int id) override { return controls[id].text; }
    void SetText(int id, const std::wstring& text) override { controls[id].text = text; }
    void Enable(int id, bool enabled) override { controls[id].enabled = enabled; }
    bool IsEnabled(int id) override { return controls[id].enabled; }
    int GetSelection(int id) override { return controls[id].selection; }
    void SetSelection(int id, int index) override { controls[id].selection = index; }
    int GetPosition(int id) override { return controls[id].position; }
    void SetPosition(int id, int position) override { controls[id].position = position; }
    void Redraw(int id) override { redrawn.push_back(id); }

    std::map<int, Control> controls;
    std::vector<int> redrawn;
};
