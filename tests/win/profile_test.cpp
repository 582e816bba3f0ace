// Our INI file against the platform's profile functions: one table of reads
// and writes runs against both, and the values read and the files left behind
// must agree.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "base/text.h"
#include "config/ini_file.h"
#include "config/profile_win32.h"
#include "temp_folder.h"

namespace {

struct Step {
    bool write;
    const wchar_t* section;
    const wchar_t* key;
    std::wstring value;  // written, or the fallback of a read
};

Step Read(const wchar_t* section, const wchar_t* key, const wchar_t* fallback = L"(none)")
{
    return {false, section, key, fallback};
}

Step Write(const wchar_t* section, const wchar_t* key, const std::wstring& value)
{
    return {true, section, key, value};
}

struct Case {
    const char* what;
    const char* seed;  // null: no file
    size_t seedSize;
    std::vector<Step> steps;
};

std::vector<std::wstring> RunSteps(Profile& profile, const std::wstring& file, const Case& c)
{
    if (c.seed) WriteBytes(file, std::string(c.seed, c.seedSize));
    std::vector<std::wstring> reads;
    for (const Step& step : c.steps) {
        if (step.write)
            profile.WriteString(file, step.section, step.key, step.value);
        else
            reads.push_back(profile.ReadString(file, step.section, step.key, step.value.c_str()));
    }
    return reads;
}

#define SEED(text) text, sizeof(text) - 1

TEST(ProfileDifferential, OurIniFileBehavesLikeThePlatform)
{
    const std::wstring longValue(300, L'v');
    const Case cases[] = {
        {"no file: reads give the fallback", nullptr, 0,
         {Read(L"Option", L"MoveNoStop", L"0"), Read(L"Option", L"HK_StartRecord", L"")}},
        {"first write creates the file", nullptr, 0,
         {Write(L"Option", L"RecordDirectory", L"C:\\R\u00e9cords \u4e2d\u6587"), Read(L"Option", L"RecordDirectory"),
          Write(L"option", L"MoveNoStop", L"1"), Write(L"OptEx", L"Speed", L"5"), Read(L"OPTION", L"movenostop"),
          Read(L"Option", L"Missing")}},
        {"values are trimmed, long ones cut", nullptr, 0,
         {Write(L"Option", L"Spaced", L"  spaced  "), Read(L"Option", L"Spaced"), Write(L"Option", L"Long", longValue),
          Read(L"Option", L"Long")}},
        {"empty file", SEED(""), {Write(L"Option", L"A", L"\u4e2d"), Read(L"Option", L"A")}},
        {"ANSI file", SEED("[Option]\r\nA=1\r\n"),
         {Read(L"option", L"a"), Write(L"Option", L"A", L"2"), Write(L"Option", L"B", L"x"),
          Write(L"Other", L"C", L"3"), Read(L"Option", L"A"), Read(L"Other", L"C")}},
        {"loose spelling", SEED("[option]\r\n  movenostop =  1  \r\nQuoted=\"a b\"\r\nEmpty=\r\n"),
         {Read(L"Option", L"MoveNoStop"), Read(L"Option", L"Quoted"), Read(L"Option", L"Empty"),
          Write(L"Option", L"MoveNoStop", L"0"), Read(L"Option", L"MoveNoStop")}},
        // Wine's profile functions drop blank lines on rewriting; Windows and
        // ours keep them, so the seed has none.
        {"unknown lines are kept", SEED("; kept\r\n[Option]\r\nA=1\r\n[OptEx]\r\nSpeed=5\r\n"),
         {Write(L"Option", L"A", L"2"), Write(L"OptEx", L"Delay", L"1"), Read(L"OptEx", L"Speed")}},
        {"UTF-16 file", SEED("\xFF\xFE[\0O\0p\0t\0i\0o\0n\0]\0\r\0\n\0A\0=\0\x2D\x4E\r\0\n\0"),
         {Read(L"Option", L"A"), Write(L"Option", L"B", L"\u00e9\u4e2d"), Read(L"Option", L"B")}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::wstring platformFile = folder.File(L"platform.ini"), ourFile = folder.File(L"ours.ini");
        Win32Profile platform;
        IniProfile ours;
        std::vector<std::wstring> platformReads = RunSteps(platform, platformFile, c);
        std::vector<std::wstring> ourReads = RunSteps(ours, ourFile, c);
        EXPECT_EQ(ourReads, platformReads) << c.what;
        EXPECT_EQ(ReadBytes(ourFile), ReadBytes(platformFile)) << c.what;
    }
}

TEST(ProfileDifferential, NewFileKeepsTextOutsideTheCodePage)
{
    TempFolder folder;
    std::wstring file = folder.File(L"conf.ini");
    Win32Profile profile;
    const std::wstring path = L"C:\\\u4e2d\u6587\\\u0444\u0430\u0439\u043b";
    profile.WriteString(file, L"Option", L"RecordDirectory", path);
    EXPECT_EQ(profile.ReadString(file, L"Option", L"RecordDirectory", L""), path);
}

}  // namespace
