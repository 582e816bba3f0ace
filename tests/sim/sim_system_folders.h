// The system's folders and version, as a test sets them.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "config/system_folders.h"

class SimSystemFolders : public SystemFolders {
public:
    unsigned ModuleFileNameA(char* buffer, unsigned size) override
    {
        size_t n = moduleName.size() < size ? moduleName.size() : size - 1;
        moduleName.copy(buffer, n);
        buffer[n] = '\0';
        return moduleResult ? moduleResult : static_cast<unsigned>(n);
    }
    std::wstring SpecialFolderPath(SpecialFolder folder) override
    {
        return folder == SpecialFolder::AppData ? appData : documents;
    }
    int MakeDirectory(const std::wstring& path) override
    {
        made.push_back(path);
        return folders.insert(path).second && path.find(L'\\') != std::wstring::npos ? 1 : 0;
    }
    void DeleteFileAt(const std::wstring& path) override { deleted.push_back(path); }
    SystemVersion Version() override { return version; }

    std::string moduleName = "C:\\Program Files\\Tavorin\\tavorin.exe";
    unsigned moduleResult = 0;  // when set, returned in place of the name's length
    std::wstring appData = L"C:\\Users\\u\\AppData\\Roaming";
    std::wstring documents = L"C:\\Users\\u\\Documents";
    SystemVersion version = {6, 1};
    std::set<std::wstring> folders;  // existing folders
    std::vector<std::wstring> made;  // every MakeDirectory call
    std::vector<std::wstring> deleted;
};
