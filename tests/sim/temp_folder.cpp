#include "temp_folder.h"

#include <cstdio>
#include <stdexcept>

#include "base/files.h"
#include "base/text.h"

#ifdef _WIN32
#include <windows.h>

namespace {

const wchar_t kSeparator[] = L"\\";

void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring child = path + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

std::wstring MakeFolder()
{
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        std::wstring path = Format(L"%stavorin-test-%u-%u", base, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryW(path.c_str(), nullptr)) return path;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create a temporary folder");
    }
}

}  // namespace
#else
#include <ftw.h>
#include <sys/stat.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

const wchar_t kSeparator[] = L"/";

void RemoveTree(const std::wstring& path)
{
    nftw(ToUtf8(path).c_str(), [](const char* p, const struct stat*, int, struct FTW*) { return remove(p); }, 16,
         FTW_DEPTH | FTW_PHYS);
}

std::wstring MakeFolder()
{
    const char* base = getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/tavorin-test-XXXXXX";
    if (!mkdtemp(&pattern[0])) throw std::runtime_error("cannot create a temporary folder");
    return FromUtf8(pattern);
}

}  // namespace
#endif

TempFolder::TempFolder() : m_path(MakeFolder()) {}

TempFolder::~TempFolder()
{
    RemoveTree(m_path);
}

std::wstring TempFolder::File(const std::wstring& name) const
{
    return JoinPath(m_path, name);
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name)
{
    return folder + kSeparator + name;
}

void MakeFolderAt(const std::wstring& path)
{
#ifdef _WIN32
    bool made = CreateDirectoryW(path.c_str(), nullptr) != 0;
#else
    bool made = mkdir(ToUtf8(path).c_str(), 0700) == 0;
#endif
    if (!made) throw std::runtime_error("cannot create a test folder");
}

std::string ReadBytes(const std::wstring& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, &bytes)) return std::string();
    return std::string(bytes.begin(), bytes.end());
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    FILE* file = OpenFile(path, "wb");
    if (!file) throw std::runtime_error("cannot write a test file");
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}
