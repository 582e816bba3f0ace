#include "ui/failure_win32.h"

#include "base/text.h"

namespace {

void DefaultReporter(const std::wstring& text)
{
    OutputDebugStringW((L"Tavorin: " + text + L"\n").c_str());
#ifndef NDEBUG
    MessageBoxW(nullptr, text.c_str(), L"Tavorin", MB_OK | MB_ICONERROR | MB_TASKMODAL);
#endif
}

FailureReporter g_reporter = DefaultReporter;

}  // namespace

ControlBindingError::ControlBindingError(int id, const std::string& problem)
    : std::runtime_error("control " + std::to_string(id) + ": " + problem), m_id(id)
{
}

FailureReporter SetFailureReporter(FailureReporter reporter)
{
    FailureReporter previous = g_reporter;
    g_reporter = reporter ? reporter : DefaultReporter;
    return previous;
}

void ReportFailure(const std::wstring& text) noexcept
{
    try {
        g_reporter(text);
    } catch (...) {
        // A reporter that fails has nobody left to tell.
    }
}

void ReportCurrentException(const wchar_t* where, UINT message) noexcept
{
    try {
        std::wstring what;
        try {
            throw;
        } catch (const std::exception& e) {
            what = FromUtf8(e.what());
        } catch (...) {
            what = L"an exception of an unknown type";
        }
        ReportFailure(Format(L"%s, message 0x%X: %s", where, message, what));
    } catch (...) {
        // Out of memory while composing the text.
    }
}
