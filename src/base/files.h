// Files named by wide paths, on Windows and natively alike. Paths are written
// the Windows way; natively a backslash stands for the folder separator.
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

// fopen with a wide path and a narrow mode ("rb", "wb", ...).
FILE* OpenFile(const std::wstring& path, const char* mode);

// The length of an open file, or false when it cannot be told.
bool GetOpenFileSize(FILE* file, uint64_t* size);

// The whole file; false when it cannot be opened or read whole.
bool ReadFileBytes(const std::wstring& path, std::vector<uint8_t>* bytes);

struct ByteRange {
    const void* data;
    size_t size;
};

// Writes the pieces, one after the other, to a temporary file beside `path`
// and renames it over `path`, so an existing file is replaced whole or not at
// all. False, with `path` untouched and no temporary left behind, when any
// step fails.
bool WriteFileReplacing(const std::wstring& path, std::initializer_list<ByteRange> pieces);
inline bool WriteFileReplacing(const std::wstring& path, const void* data, size_t size)
{
    return WriteFileReplacing(path, {ByteRange{data, size}});
}

// Renames `from` to `to`, replacing a file already at `to`.
bool RenameReplacing(const std::wstring& from, const std::wstring& to);

bool PathExists(const std::wstring& path);
bool IsDirectory(const std::wstring& path);
bool RemoveFile(const std::wstring& path);

struct FoundFile {
    std::wstring name;  // without its folder
    bool isDirectory;
};

// The entries a mask such as "C:\\Records\\*.tvmc" matches, in the order the
// system lists them; the mask's folder part is taken as it stands.
std::vector<FoundFile> FindFiles(const std::wstring& mask);

// True when both paths name one existing file, however they are spelt.
bool IsSameFile(const std::wstring& a, const std::wstring& b);
