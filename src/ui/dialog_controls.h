// The controls of one dialog, reached by id: what the portable logic reads
// from and writes to a window's controls.
#pragma once

#include <string>

class DialogControls {
public:
    virtual ~DialogControls() = default;
    // Check boxes and radio buttons.
    virtual bool IsChecked(int id) = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    virtual std::wstring GetText(int id) = 0;
    virtual void SetText(int id, const std::wstring& text) = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual bool IsEnabled(int id) = 0;
    // Lists: the selected position, or -1.
    virtual int GetSelection(int id) = 0;
    virtual void SetSelection(int id, int index) = 0;
    // Sliders, spinners and progress bars.
    virtual int GetPosition(int id) = 0;
    virtual void SetPosition(int id, int position) = 0;
    // Invalidates the control with its background erased.
    virtual void Redraw(int id) = 0;
};
