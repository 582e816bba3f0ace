#include "base/files.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "base/text.h"

namespace {

std::string NativePath(const std::wstring& path)
{
    std::string native = ToUtf8(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

}  // namespace

FILE* OpenFile(const std::wstring& path, const char* mode)
{
    return fopen(NativePath(path).c_str(), mode);
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
    return rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

bool PathExists(const std::wstring& path)
{
    struct stat st;
    return stat(NativePath(path).c_str(), &st) == 0;
}

bool IsDirectory(const std::wstring& path)
{
    struct stat st;
    return stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool RemoveFile(const std::wstring& path)
{
    return unlink(NativePath(path).c_str()) == 0;
}

bool IsSameFile(const std::wstring& a, const std::wstring& b)
{
    struct stat sa, sb;
    if (stat(NativePath(a).c_str(), &sa) != 0 || stat(NativePath(b).c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::vector<FoundFile> FindFiles(const std::wstring& mask)
{
    std::vector<FoundFile> found;
    std::string native = NativePath(mask);
    size_t slash = native.rfind('/');
    std::string folder = slash == std::string::npos ? "." : native.substr(0, slash);
    std::string pattern = slash == std::string::npos ? native : native.substr(slash + 1);
    DIR* dir = opendir(folder.empty() ? "/" : folder.c_str());
    if (!dir) return found;
    // Like the Windows search: names match without regard to case.
    while (dirent* entry = readdir(dir)) {
        if (fnmatch(pattern.c_str(), entry->d_name, FNM_CASEFOLD) != 0) continue;
        struct stat st;
        bool isDirectory = stat((folder + "/" + entry->d_name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        found.push_back({FromUtf8(entry->d_name), isDirectory});
    }
    closedir(dir);
    return found;
}
