#include "base/files.h"

#include <windows.h>
#include <io.h>

#include <cstdio>

#include "base/text.h"

FILE* OpenFile(const std::wstring& path, const char* mode)
{
    std::wstring wideMode(mode, mode + strlen(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
}

bool GetOpenFileSize(FILE* file, uint64_t* size)
{
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    LARGE_INTEGER length;
    if (handle == INVALID_HANDLE_VALUE || !GetFileSizeEx(handle, &length) || length.QuadPart < 0) return false;
    *size = static_cast<uint64_t>(length.QuadPart);
    return true;
}

bool RenameReplacing(const std::wstring& from, const std::wstring& to)
{
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool PathExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsDirectory(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool RemoveFile(const std::wstring& path)
{
    return DeleteFileW(path.c_str()) != 0;
}

std::vector<FoundFile> FindFiles(const std::wstring& mask)
{
    std::vector<FoundFile> found;
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(mask.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return found;
    do {
        found.push_back({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return found;
}

namespace {

bool GetFileIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION* info)
{
    HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    BOOL ok = GetFileInformationByHandle(handle, info);
    CloseHandle(handle);
    return ok != 0;
}

}  // namespace

bool IsSameFile(const std::wstring& a, const std::wstring& b)
{
    BY_HANDLE_FILE_INFORMATION ia, ib;
    if (!GetFileIdentity(a, &ia) || !GetFileIdentity(b, &ib)) return false;
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
           ia.nFileIndexLow == ib.nFileIndexLow;
}
