#include "config/config_store.h"

#include "base/text.h"
#include "config/profile.h"
#include "config/system_folders.h"

AppPaths g_paths;

const wchar_t kOptionSection[] = L"Option";
const wchar_t kSampleRecordName[] = L"Painting_for_XP.tvmc";

namespace {

constexpr unsigned kModuleNameBytes = 520;

void ResolveAppFolder(SystemFolders& system)
{
    char name[kModuleNameBytes] = {};
    unsigned length = system.ModuleFileNameA(name, kModuleNameBytes);
    if (length == 0 || length >= kModuleNameBytes) return;
    std::string path(name, length);
    size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return;
    g_paths.appFolderAnsi = path.substr(0, slash);
    g_paths.appFolder = AnsiToWide(g_paths.appFolderAnsi.data(), g_paths.appFolderAnsi.size());
}

}  // namespace

void ResolveFolders(SystemFolders& system, Profile& profile)
{
    g_paths = AppPaths();
    ResolveAppFolder(system);

    g_paths.dataFolder = system.SpecialFolderPath(SpecialFolder::AppData) + L"\\Brenlow\\Tavorin";
    CreateFolderTree(system, g_paths.dataFolder);
    g_paths.configFile = Format(L"%s\\conf.ini", g_paths.dataFolder);

    g_paths.recordDirectory = ReadOptionValue(profile, L"RecordDirectory", L"");
    if (!g_paths.recordDirectory.empty()) return;
    g_paths.recordDirectory = system.SpecialFolderPath(SpecialFolder::Documents) + L"\\Brenlow\\Records";
    // The sample record is made for XP and shipped into the default folder only.
    SystemVersion version = system.Version();
    if (version.major != 5 || version.minor != 1)
        system.DeleteFileAt(Format(L"%s\\%s", g_paths.recordDirectory, kSampleRecordName));
}

int CreateFolderTree(SystemFolders& system, const std::wstring& path)
{
    for (size_t i = path.find(L'\\'); i != std::wstring::npos; i = path.find(L'\\', i + 1))
        system.MakeDirectory(path.substr(0, i));
    return system.MakeDirectory(path);
}

std::wstring ReadOptionValue(Profile& profile, const wchar_t* key, const wchar_t* fallback)
{
    return profile.ReadString(g_paths.configFile, kOptionSection, key, fallback);
}

void WriteOptionValue(Profile& profile, const wchar_t* key, const std::wstring& value)
{
    profile.WriteString(g_paths.configFile, kOptionSection, key, value);
}

bool ReadOptionFlag(Profile& profile, const wchar_t* key, const wchar_t* fallback)
{
    return ReadOptionValue(profile, key, fallback) == L"1";
}

void ReadHotkeyValue(Profile& profile, const wchar_t* key, uint32_t* vk, uint32_t* modifiers, uint32_t defaultVk,
                     uint32_t defaultModifiers)
{
    *vk = 0;
    *modifiers = 0;
    std::wstring text = ReadOptionValue(profile, key, L"");
    if (ScanHexPair(text.c_str(), vk, modifiers) != 2) {
        *vk = defaultVk;
        *modifiers = defaultModifiers;
    }
}

void WriteHotkeyValue(Profile& profile, const wchar_t* key, uint32_t vk, uint32_t modifiers)
{
    WriteOptionValue(profile, key, Format(L"%X,%X", vk, modifiers));
}
