#include "config/profile_win32.h"

#include <windows.h>

std::wstring Win32Profile::ReadString(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                                      const wchar_t* fallback)
{
    wchar_t buffer[kProfileBufferChars] = {};
    DWORD length = GetPrivateProfileStringW(section, key, fallback, buffer, kProfileBufferChars, file.c_str());
    return std::wstring(buffer, length);
}

void Win32Profile::WriteString(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                               const std::wstring& value)
{
    // A file the profile functions create is ANSI, where a path outside the
    // code page turns into question marks. Started with a UTF-16 byte-order
    // mark, it is kept in UTF-16.
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        if (GetFileSize(handle, nullptr) == 0) {
            static const BYTE kBom[] = {0xFF, 0xFE};
            DWORD written = 0;
            WriteFile(handle, kBom, sizeof(kBom), &written, nullptr);
        }
        CloseHandle(handle);
    }
    WritePrivateProfileStringW(section, key, value.c_str(), file.c_str());
}
