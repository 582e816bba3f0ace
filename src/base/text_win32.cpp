#include "base/text.h"

#include <windows.h>

std::wstring AnsiToWide(const char* text, size_t length)
{
    if (length == 0) return std::wstring();
    int n = MultiByteToWideChar(CP_THREAD_ACP, 0, text, static_cast<int>(length), nullptr, 0);
    std::wstring out(n > 0 ? n : 0, L'\0');
    if (n > 0) MultiByteToWideChar(CP_THREAD_ACP, 0, text, static_cast<int>(length), &out[0], n);
    return out;
}

std::string WideToAnsi(const std::wstring& text)
{
    if (text.empty()) return std::string();
    int size = static_cast<int>(text.size());
    int n = WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), size, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    if (n > 0) WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), size, &out[0], n, nullptr, nullptr);
    return out;
}
