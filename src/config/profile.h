// One INI-style settings file, read and written a key at a time.
#pragma once

#include <string>

class Profile {
public:
    virtual ~Profile() = default;
    // The value of `key` in `section`, or `fallback` when the file, section or
    // key is missing. Reads go through a 260-character buffer, so at most the
    // first 259 characters of a value come back.
    virtual std::wstring ReadString(const wchar_t* section, const wchar_t* key, const wchar_t* fallback) = 0;
    // Writes one key, creating the file and the section when needed. Failures are silent.
    virtual void WriteString(const wchar_t* section, const wchar_t* key, const std::wstring& value) = 0;
};

// Reads go through a buffer of this many characters, its NUL included.
constexpr size_t kProfileBufferChars = 260;
