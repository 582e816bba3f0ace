// INI-style settings files, read and written a key at a time: the platform's
// private-profile functions.
#pragma once

#include <cstddef>
#include <string>

class Profile {
public:
    virtual ~Profile() = default;
    // The value of `key` in `section` of `file`, or `fallback` when the file,
    // section or key is missing. Reads go through a buffer of
    // kProfileBufferChars, so at most the first 259 characters come back.
    virtual std::wstring ReadString(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                                    const wchar_t* fallback) = 0;
    // Writes one key, creating the file and the section when needed. Failures are silent.
    virtual void WriteString(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                             const std::wstring& value) = 0;
};

constexpr size_t kProfileBufferChars = 260;
