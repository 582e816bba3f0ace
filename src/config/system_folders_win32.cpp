#include "config/system_folders_win32.h"

#include <windows.h>
#include <shlobj.h>

unsigned Win32SystemFolders::ModuleFileNameA(char* buffer, unsigned size)
{
    return GetModuleFileNameA(nullptr, buffer, size);
}

std::wstring Win32SystemFolders::SpecialFolderPath(SpecialFolder folder)
{
    wchar_t path[MAX_PATH] = {};
    int csidl = folder == SpecialFolder::AppData ? CSIDL_APPDATA : CSIDL_PERSONAL;
    if (!SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE)) return std::wstring();
    return path;
}

int Win32SystemFolders::MakeDirectory(const std::wstring& path)
{
    return CreateDirectoryW(path.c_str(), nullptr);
}

void Win32SystemFolders::DeleteFileAt(const std::wstring& path)
{
    DeleteFileW(path.c_str());
}

SystemVersion Win32SystemFolders::Version()
{
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(&info)) return {};
    return {info.dwMajorVersion, info.dwMinorVersion};
}
