// The platform's private-profile functions.
#pragma once

#include "config/profile.h"

class Win32Profile : public Profile {
public:
    std::wstring ReadString(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                            const wchar_t* fallback) override;
    void WriteString(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                     const std::wstring& value) override;
};
