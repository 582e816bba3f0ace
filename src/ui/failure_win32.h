// What happens to a fault caught at a window procedure boundary. No exception
// may cross a system frame (the 32-bit build's DWARF unwinder cannot pass
// them), so every callback catches and reports here.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

// A dialog template lacks a control the code binds, or holds one of another
// class. Thrown while a dialog sets itself up.
class ControlBindingError : public std::runtime_error {
public:
    ControlBindingError(int id, const std::string& problem);
    int Id() const { return m_id; }

private:
    int m_id;
};

// Receives every caught fault as text. The default writes it to the debugger
// output and, in builds without NDEBUG, shows it in a message box too.
using FailureReporter = void (*)(const std::wstring& text);

// Installs a reporter (nullptr: the default) and returns the previous one.
// Meant for start-up and tests, not for concurrent use.
FailureReporter SetFailureReporter(FailureReporter reporter);

void ReportFailure(const std::wstring& text) noexcept;

// Call only inside a catch block: reports the exception being handled, with
// where it was caught and the message being processed.
void ReportCurrentException(const wchar_t* where, UINT message) noexcept;
