#include <gtest/gtest.h>

#include "base/text.h"

namespace {

TEST(Text, FormatsTheConversionsTheProgramUses)
{
    EXPECT_EQ(Format(L"Hotkey '%s' conflict!", L"Alt + F1"), L"Hotkey 'Alt + F1' conflict!");
    EXPECT_EQ(Format(L"%s\\%s.tvmc", std::wstring(L"C:\\R"), L"a"), L"C:\\R\\a.tvmc");
    EXPECT_EQ(Format(L"%X,%X", 0x70u, 1u), L"70,1");
    EXPECT_EQ(Format(L"%x %u %d", 0xABCu, 4000000000u, -5), L"abc 4000000000 -5");
    EXPECT_EQ(Format(L"0x%X", static_cast<unsigned>(-1)), L"0xFFFFFFFF");
    EXPECT_EQ(Format(L"100%% %d", 7), L"100% 7");
    EXPECT_EQ(Format(L"NewRecord%d", 12), L"NewRecord12");
    EXPECT_EQ(Format(L"%s %d"), L" ") << "a missing argument prints nothing";
    EXPECT_EQ(Format(L"%q"), L"%q");
    EXPECT_EQ(Format(L"Started at %02d:%02d:%02d, current %d", 9, 5, 0, 3), L"Started at 09:05:00, current 3");
    EXPECT_EQ(Format(L"[%03d|%3d|%02d|%02X]", -5, 7, 123, 0xAu), L"[-05|  7|123|0A]");
}

TEST(Text, ScansLikeTheRunTime)
{
    const struct {
        const wchar_t* text;
        int converted;
        uint32_t first, second;
    } hex[] = {
        {L"70,1", 2, 0x70, 1},      {L"0x71,0x1", 2, 0x71, 1}, {L"  aB,  Cd", 2, 0xAB, 0xCD},
        {L"+7,-1", 2, 7, 0xFFFFFFFF}, {L"71", 1, 0x71, 0},     {L"71,", 1, 0x71, 0},
        {L"", 0, 0, 0},             {L"g,1", 0, 0, 0},         {L"0x,1", 0, 0, 0},
        {L"7 ,1", 1, 7, 0},         {L"12zz,3", 1, 0x12, 0},   {L"1,2,3", 2, 1, 2},
    };
    for (const auto& c : hex) {
        uint32_t first = 0, second = 0;
        EXPECT_EQ(ScanHexPair(c.text, &first, &second), c.converted) << c.text;
        EXPECT_EQ(first, c.first) << c.text;
        EXPECT_EQ(second, c.second) << c.text;
    }
    const struct {
        const wchar_t* text;
        int converted;
        int32_t value;
    } dec[] = {{L"42", 1, 42}, {L" -7x", 1, -7}, {L"abc", 0, 0}, {L"", 0, 0}, {L"+0012", 1, 12}};
    for (const auto& c : dec) {
        int32_t value = 0;
        EXPECT_EQ(ScanDecimal(c.text, &value), c.converted) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(Text, Utf16RoundTripsOutsideTheBasicPlane)
{
    std::wstring text = L"a\u00e9\u4e2d";
    text += FromUtf16(u"\U0001F600", 2);
    std::u16string units = ToUtf16(text);
    EXPECT_EQ(units, u"a\u00e9\u4e2d\U0001F600");
    EXPECT_EQ(FromUtf16(units.data(), units.size()), text);
    const uint8_t bytes[] = {0x61, 0x00, 0x2D, 0x4E};
    EXPECT_EQ(FromUtf16Bytes(bytes, 4), L"a\u4e2d");
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(Text, CaseInsensitiveComparison)
{
    EXPECT_TRUE(EqualsNoCase(L"C:\\Records\\A.tvmc", L"c:\\records\\a.TVMC"));
    EXPECT_TRUE(EqualsNoCase(L"\u00c9t\u00e9", L"\u00e9T\u00c9"));
    EXPECT_FALSE(EqualsNoCase(L"abc", L"abd"));
    EXPECT_FALSE(EqualsNoCase(L"abc", L"ab"));
}

}  // namespace
