// The system's folders and version.
#pragma once

#include "config/system_folders.h"

class Win32SystemFolders : public SystemFolders {
public:
    unsigned ModuleFileNameA(char* buffer, unsigned size) override;
    std::wstring SpecialFolderPath(SpecialFolder folder) override;
    int MakeDirectory(const std::wstring& path) override;
    void DeleteFileAt(const std::wstring& path) override;
    SystemVersion Version() override;
};
