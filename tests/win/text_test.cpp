// Our formatting and scanning against the C run-time that the program would
// otherwise call.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "base/text.h"

namespace {

// The system's msvcrt.dll itself: MinGW's headers may route swscanf to a
// scanner of their own.
int CrtScan(const wchar_t* text, const wchar_t* format, void* first, void* second = nullptr)
{
    using Scan = int(__cdecl*)(const wchar_t*, const wchar_t*, ...);
    static Scan scan = reinterpret_cast<Scan>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"msvcrt.dll"), "swscanf")));
    int result = scan(text, format, first, second);
    return result < 0 ? 0 : result;  // EOF on empty input: no conversion
}

TEST(RunTimeAgreement, HexPairScan)
{
    const wchar_t* inputs[] = {L"70,1",   L"0x71,0x1", L"  aB,  Cd", L"+7,-1",    L"71",         L"71,",
                               L"",       L"g,1",      L"0x,1",      L"7 ,1",     L"12zz,3",     L"1,2,3",
                               L"-0x10,2", L"123456789,3", L"FFFFFFFFF,1", L"0X1f,0XA", L"\t5,\n6", L"--1,1"};
    for (const wchar_t* text : inputs) {
        unsigned int crtFirst = 0, crtSecond = 0;
        uint32_t first = 0, second = 0;
        int crt = CrtScan(text, L"%X,%X", &crtFirst, &crtSecond);
        EXPECT_EQ(ScanHexPair(text, &first, &second), crt) << text;
        if (crt >= 1) {
            EXPECT_EQ(first, crtFirst) << text;
        }
        if (crt >= 2) {
            EXPECT_EQ(second, crtSecond) << text;
        }
    }
}

TEST(RunTimeAgreement, DecimalScan)
{
    const wchar_t* inputs[] = {L"42", L" -7x", L"abc", L"+0012", L"2147483647", L"-2147483648", L"4294967295",
                               L"99999999999", L"0x10", L"- 5"};
    for (const wchar_t* text : inputs) {
        int crtValue = 0;
        int32_t value = 0;
        int crt = CrtScan(text, L"%d", &crtValue);
        EXPECT_EQ(ScanDecimal(text, &value), crt) << text;
        if (crt == 1) {
            EXPECT_EQ(value, crtValue) << text;
        }
    }
}

TEST(RunTimeAgreement, NumberFormatting)
{
    const int values[] = {0, 1, -1, 255, 2147483647, -2147483647 - 1, 0x70};
    for (int v : values) {
        wchar_t crt[128];
        _snwprintf(crt, 128, L"%d|%u|%X|%x|%02d|%5d", v, static_cast<unsigned>(v), static_cast<unsigned>(v),
                   static_cast<unsigned>(v), v, v);
        crt[127] = 0;
        EXPECT_EQ(Format(L"%d|%u|%X|%x|%02d|%5d", v, static_cast<unsigned>(v), static_cast<unsigned>(v),
                         static_cast<unsigned>(v), v, v),
                  crt);
    }
}

}  // namespace
