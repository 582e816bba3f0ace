#include <gtest/gtest.h>

#include <map>

#include "config/config_store.h"
#include "config/ini_file.h"
#include "config/profile.h"
#include "sim_profile.h"
#include "sim_system_folders.h"
#include "temp_folder.h"

namespace {

TEST(ConfigStore, ResolvesTheFoldersOfADefaultInstall)
{
    SimSystemFolders system;
    SimProfile profile;
    ResolveFolders(system, profile);
    EXPECT_EQ(g_paths.appFolderAnsi, "C:\\Program Files\\Tavorin");
    EXPECT_EQ(g_paths.appFolder, L"C:\\Program Files\\Tavorin");
    EXPECT_EQ(g_paths.dataFolder, L"C:\\Users\\u\\AppData\\Roaming\\Brenlow\\Tavorin");
    EXPECT_EQ(g_paths.configFile, L"C:\\Users\\u\\AppData\\Roaming\\Brenlow\\Tavorin\\conf.ini");
    EXPECT_EQ(g_paths.recordDirectory, L"C:\\Users\\u\\Documents\\Brenlow\\Records");
    EXPECT_EQ(profile.files, std::vector<std::wstring>{g_paths.configFile});
    EXPECT_TRUE(profile.values.empty()) << "nothing is written at start-up";
    EXPECT_EQ(system.made.back(), g_paths.dataFolder);
}

TEST(ConfigStore, SampleRecordIsRemovedFromTheDefaultFolderExceptOnXP)
{
    const struct {
        SystemVersion version;
        const wchar_t* recordDirectory;
        bool deleted;
    } cases[] = {
        {{6, 1}, nullptr, true}, {{5, 1}, nullptr, false}, {{5, 2}, nullptr, true},
        {{10, 0}, nullptr, true}, {{6, 1}, L"D:\\Mine", false}, {{5, 1}, L"D:\\Mine", false},
    };
    for (const auto& c : cases) {
        SimSystemFolders system;
        system.version = c.version;
        SimProfile profile;
        if (c.recordDirectory) profile.values[L"RecordDirectory"] = c.recordDirectory;
        ResolveFolders(system, profile);
        if (c.recordDirectory) {
            EXPECT_EQ(g_paths.recordDirectory, c.recordDirectory);
        }
        std::vector<std::wstring> expected;
        if (c.deleted) expected.push_back(L"C:\\Users\\u\\Documents\\Brenlow\\Records\\Painting_for_XP.tvmc");
        EXPECT_EQ(system.deleted, expected) << c.version.major << "." << c.version.minor;
    }
}

TEST(ConfigStore, ApplicationFolderNeedsAWholeNameWithABackslash)
{
    const struct {
        std::string name;
        unsigned result;
        const char* folder;
    } cases[] = {
        {"C:\\a\\b.exe", 0, "C:\\a"},
        {"tavorin.exe", 0, ""},
        {"C:\\a\\b.exe", 520, ""},  // filled the buffer: cut short
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        SimSystemFolders system;
        system.moduleName = c.name;
        system.moduleResult = c.result;
        SimProfile profile;
        ResolveFolders(system, profile);
        EXPECT_EQ(g_paths.appFolderAnsi, c.folder) << c.name;
    }
}

TEST(ConfigStore, CreateFolderTreeCreatesEveryPrefix)
{
    SimSystemFolders system;
    EXPECT_EQ(CreateFolderTree(system, L"C:\\a\\b"), 1);
    EXPECT_EQ(system.made, (std::vector<std::wstring>{L"C:", L"C:\\a", L"C:\\a\\b"}));
    system.made.clear();
    EXPECT_EQ(CreateFolderTree(system, L"C:\\a\\b"), 0) << "all there: nothing new";
    system.made.clear();
    CreateFolderTree(system, L"C:\\a\\c\\");
    EXPECT_EQ(system.made, (std::vector<std::wstring>{L"C:", L"C:\\a", L"C:\\a\\c", L"C:\\a\\c\\"}));
}

TEST(ConfigStore, HotkeyValuesScanAsTwoHexNumbers)
{
    const struct {
        const wchar_t* stored;  // null: key absent
        uint32_t vk, modifiers;
    } cases[] = {
        {nullptr, 0x70, 4},       {L"71", 0x70, 4},          {L"0x71,0x1", 0x71, 1}, {L"70,1", 0x70, 1},
        {L" 7a , 2", 0x70, 4},    {L" 7a, 2", 0x7A, 2},      {L"0,0", 0, 0},         {L"", 0x70, 4},
        {L"garbage", 0x70, 4},    {L"41,2zz", 0x41, 2},      {L"-1,1", 0xFFFFFFFF, 1}, {L"41;2", 0x70, 4},
    };
    for (const auto& c : cases) {
        SimProfile profile;
        if (c.stored) profile.values[L"HK_StartRecord"] = c.stored;
        uint32_t vk = 1, modifiers = 1;
        ReadHotkeyValue(profile, L"HK_StartRecord", &vk, &modifiers, 0x70, 4);
        EXPECT_EQ(vk, c.vk) << (c.stored ? c.stored : L"(absent)");
        EXPECT_EQ(modifiers, c.modifiers) << (c.stored ? c.stored : L"(absent)");
    }
}

TEST(ConfigStore, HotkeyValuesWriteAsUpperHex)
{
    SimProfile profile;
    WriteHotkeyValue(profile, L"HK_StopRecord", 0x70, 1);
    WriteHotkeyValue(profile, L"HK_PauseRepeat", 0xBE, 0xA);
    EXPECT_EQ(profile.values[L"HK_StopRecord"], L"70,1");
    EXPECT_EQ(profile.values[L"HK_PauseRepeat"], L"BE,A");
}

TEST(ConfigStore, FlagsAreOnlyTheTextOne)
{
    const struct {
        const wchar_t* stored;
        bool on;
    } cases[] = {{nullptr, false}, {L"1", true}, {L"0", false}, {L"true", false}, {L"01", false}, {L"", false}};
    for (const auto& c : cases) {
        SimProfile profile;
        if (c.stored) profile.values[L"MoveNoStop"] = c.stored;
        EXPECT_EQ(ReadOptionFlag(profile, L"MoveNoStop", L"0"), c.on) << (c.stored ? c.stored : L"(absent)");
    }
}

// Our own INI file, natively; the same table runs against the platform's
// functions under Wine.
class IniProfileTest : public ::testing::Test {
protected:
    std::wstring Read(const wchar_t* section, const wchar_t* key, const wchar_t* fallback = L"-")
    {
        return profile.ReadString(file, section, key, fallback);
    }
    TempFolder folder;
    std::wstring file = folder.File(L"conf.ini");
    IniProfile profile;
};

TEST_F(IniProfileTest, MissingFileSectionOrKeyReadsTheFallback)
{
    EXPECT_EQ(Read(L"Option", L"MoveNoStop"), L"-");
    WriteBytes(file, "[Option]\r\nA=1\r\n");
    EXPECT_EQ(Read(L"OptEx", L"A"), L"-");
    EXPECT_EQ(Read(L"Option", L"B"), L"-");
    EXPECT_EQ(Read(L"Option", L"A"), L"1");
}

TEST_F(IniProfileTest, FirstWriteCreatesAUnicodeFile)
{
    profile.WriteString(file, L"Option", L"RecordDirectory", L"C:\\R\u00e9cords \u4e2d");
    EXPECT_EQ(Read(L"Option", L"RecordDirectory"), L"C:\\R\u00e9cords \u4e2d");
    std::string bytes = ReadBytes(file);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE[\0", 4));
}

TEST_F(IniProfileTest, LookupIgnoresCaseAndTrimsAndUnquotes)
{
    WriteBytes(file, "; a comment\r\n[option]\r\n  movenostop =  1  \r\nQuoted=\"a b\"\r\nEmpty=\r\n[OptEx]\r\nSpeed=5\r\n");
    EXPECT_EQ(Read(L"Option", L"MoveNoStop"), L"1");
    EXPECT_EQ(Read(L"OPTION", L"quoted"), L"a b");
    EXPECT_EQ(Read(L"Option", L"Empty"), L"");
    EXPECT_EQ(Read(L"optex", L"SPEED"), L"5");
}

TEST_F(IniProfileTest, ReadsStopAt259Characters)
{
    std::wstring value(300, L'x');
    profile.WriteString(file, L"Option", L"Long", value);
    EXPECT_EQ(Read(L"Option", L"Long"), value.substr(0, 259));
}

TEST_F(IniProfileTest, WritesChangeOneKeyAndKeepTheRest)
{
    WriteBytes(file, "; kept\r\n[Option]\r\nA=1\r\nodd line\r\n\r\n[OptEx]\r\nSpeed=5\r\n");
    profile.WriteString(file, L"option", L"a", L"2");
    profile.WriteString(file, L"Option", L"B", L"  spaced  ");
    profile.WriteString(file, L"Other", L"C", L"3");
    EXPECT_EQ(ReadBytes(file),
              "; kept\r\n[Option]\r\nA=2\r\nB=spaced\r\nodd line\r\n\r\n[OptEx]\r\nSpeed=5\r\n[Other]\r\nC=3\r\n");
    EXPECT_EQ(Read(L"Option", L"B"), L"spaced");
}

}  // namespace
