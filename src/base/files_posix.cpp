#include "base/files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "base/text.h"

FILE* OpenFile(const std::wstring& path, const char* mode)
{
    return fopen(ToUtf8(path).c_str(), mode);
}

bool GetOpenFileSize(FILE* file, uint64_t* size)
{
    struct stat st;
    if (fstat(fileno(file), &st) != 0 || st.st_size < 0) return false;
    *size = static_cast<uint64_t>(st.st_size);
    return true;
}

bool RenameReplacing(const std::wstring& from, const std::wstring& to)
{
    return rename(ToUtf8(from).c_str(), ToUtf8(to).c_str()) == 0;
}

bool PathExists(const std::wstring& path)
{
    struct stat st;
    return stat(ToUtf8(path).c_str(), &st) == 0;
}

bool IsDirectory(const std::wstring& path)
{
    struct stat st;
    return stat(ToUtf8(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool RemoveFile(const std::wstring& path)
{
    return unlink(ToUtf8(path).c_str()) == 0;
}

bool IsSameFile(const std::wstring& a, const std::wstring& b)
{
    struct stat sa, sb;
    if (stat(ToUtf8(a).c_str(), &sa) != 0 || stat(ToUtf8(b).c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
