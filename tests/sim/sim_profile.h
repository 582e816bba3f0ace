// Settings held in memory by key, whatever the file and section, remembering
// which files were asked for and how many writes came.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "config/profile.h"

class SimProfile : public Profile {
public:
    std::wstring ReadString(const std::wstring& file, const wchar_t*, const wchar_t* key,
                            const wchar_t* fallback) override
    {
        files.push_back(file);
        auto found = values.find(key);
        return found == values.end() ? fallback : found->second;
    }
    void WriteString(const std::wstring& file, const wchar_t*, const wchar_t* key,
                     const std::wstring& value) override
    {
        files.push_back(file);
        values[key] = value;
        ++writes;
    }

    std::map<std::wstring, std::wstring> values;
    std::vector<std::wstring> files;
    int writes = 0;
};
