// What start-up asks the system about its folders and version.
#pragma once

#include <string>

enum class SpecialFolder { AppData, Documents };

struct SystemVersion {
    unsigned major = 0;
    unsigned minor = 0;
};

class SystemFolders {
public:
    virtual ~SystemFolders() = default;
    // GetModuleFileNameA(NULL, buffer of 520, 520): the result and the name.
    virtual unsigned ModuleFileNameA(char* buffer, unsigned size) = 0;
    // SHGetSpecialFolderPathW; the empty text when it fails.
    virtual std::wstring SpecialFolderPath(SpecialFolder folder) = 0;
    // CreateDirectoryW: nonzero when the folder was created.
    virtual int MakeDirectory(const std::wstring& path) = 0;
    virtual void DeleteFileAt(const std::wstring& path) = 0;
    virtual SystemVersion Version() = 0;
};
