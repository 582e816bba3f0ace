// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    // The folder's path joined with `name` by the platform's separator.
    std::wstring File(const std::wstring& name) const;

private:
    std::wstring m_path;
};

// `folder` and `name` joined by the platform's separator.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);
void MakeFolderAt(const std::wstring& path);

// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
