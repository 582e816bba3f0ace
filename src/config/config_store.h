// The process-wide folders and the "Option" section of conf.ini. Option
// values are not cached: each is read from the file when it is needed.
#pragma once

#include <cstdint>
#include <string>

class Profile;
class SystemFolders;

// Paths without a trailing backslash, set once by ResolveFolders.
struct AppPaths {
    std::string appFolderAnsi;   // the executable's folder in the ANSI code page
    std::wstring appFolder;      // the same, wide
    std::wstring dataFolder;     // application data + "\Brenlow\Tavorin"
    std::wstring configFile;     // data folder + "\conf.ini"
    std::wstring recordDirectory;
};

extern AppPaths g_paths;

extern const wchar_t kOptionSection[];
extern const wchar_t kSampleRecordName[];

// Start-up: fills g_paths, creates the data folder, and removes the sample
// record from the default record folder on any system but XP.
void ResolveFolders(SystemFolders& system, Profile& profile);

// Creates `path` and every missing ancestor; the result of the last creation.
int CreateFolderTree(SystemFolders& system, const std::wstring& path);

std::wstring ReadOptionValue(Profile& profile, const wchar_t* key, const wchar_t* fallback);
void WriteOptionValue(Profile& profile, const wchar_t* key, const std::wstring& value);
// A flag is on only when its text is exactly "1".
bool ReadOptionFlag(Profile& profile, const wchar_t* key, const wchar_t* fallback);

// "%X,%X": both outputs take the defaults unless exactly two numbers convert.
void ReadHotkeyValue(Profile& profile, const wchar_t* key, uint32_t* vk, uint32_t* modifiers, uint32_t defaultVk,
                     uint32_t defaultModifiers);
void WriteHotkeyValue(Profile& profile, const wchar_t* key, uint32_t vk, uint32_t modifiers);
